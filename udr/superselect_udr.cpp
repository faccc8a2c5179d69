// UDR module "superselect": the database function SUPERSELECT(XML, PATH, KEY)
// that catalog searches, value lists and index trees call once per row.
// It reads the record blob, unscrambles it with KEY and returns the text at
// PATH (rules in superselect_scan.h), reading and unscrambling only as far as
// the answer needs. The declaration is superselect_ddl.h.
//
// Nothing may escape into the engine: a NULL argument, an unreadable blob,
// a bad record or any failure inside gives a NULL result.

#define FB_UDR_STATUS_TYPE ::Firebird::ThrowStatusWrapper

#include <firebird/UdrCppEngine.h>

#include "superselect_scan.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Message sizes; must match the declaration in superselect_ddl.h.
constexpr unsigned PathLength = 255;
constexpr unsigned KeyLength = 255;
constexpr unsigned ResultLength = 4000;
constexpr unsigned CharSetNone = 0;
constexpr unsigned CharSetWin1251 = 52;

// Largest segment the blob API can hand over at once (16-bit length).
constexpr unsigned MaxSegment = 65535;

// Releases a reference-counted interface on scope exit.
template <class T>
class Released {
public:
    explicit Released(T* p) : p_(p) {}
    ~Released() {
        if (p_)
            p_->release();
    }
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    void reset(T* p) {
        if (p_)
            p_->release();
        p_ = p;
    }

private:
    T* p_;
};

// A status object of our own, so that a failure we handle leaves the
// engine's status of the call clean.
class OwnStatus {
public:
    ~OwnStatus() {
        if (status_)
            status_->dispose();
    }
    Firebird::IStatus* get(Firebird::IMaster* master) {
        if (!status_)
            status_ = master->getStatus();
        status_->init();
        return status_;
    }

private:
    Firebird::IStatus* status_ = nullptr;
};

// A record blob read piece by piece into Buffer (its size kept at its
// capacity, so that growing zero-fills only once per instance).
class BlobReader {
public:
    BlobReader(Firebird::ThrowStatusWrapper* status, Firebird::IBlob* blob, std::string& buffer)
        : status_(status), blob_(blob), buffer_(buffer) {
        if (buffer_.size() < 4096)
            buffer_.resize(4096);
    }
    ~BlobReader() {
        if (blob_)
            blob_->release();
    }
    BlobReader(const BlobReader&) = delete;
    BlobReader& operator=(const BlobReader&) = delete;

    char* data() { return buffer_.data(); }
    std::size_t length() const { return length_; }
    bool complete() const { return complete_; }

    // Appends the next segment, or what of it fits (the rest comes with the
    // next call); records are written as one segment, so the first call
    // usually brings all. Learns the end only from an empty answer.
    void readMore() {
        if (length_ == buffer_.size())
            buffer_.resize(buffer_.size() * 2);
        const unsigned room =
            static_cast<unsigned>(std::min<std::size_t>(buffer_.size() - length_, MaxSegment));
        unsigned got = 0;
        if (blob_->getSegment(status_, room, buffer_.data() + length_, &got) ==
            Firebird::IStatus::RESULT_NO_DATA)
            complete_ = true;
        else
            length_ += got;
    }

    // Closing also releases the interface.
    void close() {
        blob_->close(status_);
        blob_ = nullptr;
    }

private:
    Firebird::ThrowStatusWrapper* status_;
    Firebird::IBlob* blob_;
    std::string& buffer_;
    std::size_t length_ = 0;
    bool complete_ = false;
};

}  // namespace

FB_UDR_BEGIN_FUNCTION(superselect)
    FB_UDR_MESSAGE(InMessage,
        (FB_BLOB, xml)
        (FB_INTL_VARCHAR(PathLength, CharSetNone), path)
        (FB_INTL_VARCHAR(KeyLength, CharSetNone), key)
    );

    FB_UDR_MESSAGE(OutMessage,
        (FB_INTL_VARCHAR(ResultLength, CharSetWin1251), result)
    );

    FB_UDR_EXECUTE_FUNCTION
    {
        (void)status;
        out->resultNull = FB_TRUE;
        out->result.length = 0;
        if (in->xmlNull || in->pathNull || in->keyNull)
            return;
        try {
            Firebird::ThrowStatusWrapper own(ownStatus_.get(master));
            const std::string_view path(in->path.str, in->path.length);
            const std::string_view key(in->key.str, in->key.length);
            if (mask_.key() != key)
                mask_ = catalog::RecordMask(key);
            // The engine makes an instance per attachment and disposes of it
            // before the attachment goes, so one reference serves all rows;
            // the transaction changes between statements.
            if (!attachment_.get())
                attachment_.reset(context->getAttachment(&own));
            Released<Firebird::ITransaction> transaction(context->getTransaction(&own));

            // Read, unscramble and scan only as far as the answer needs.
            BlobReader blob(&own, attachment_->openBlob(&own, transaction.get(), &in->xml, 0, nullptr),
                            record_);
            blob.readMore();
            std::size_t plain = 0;
            superselect::Scan found;
            for (;;) {
                found = superselect::FindTextInScrambledPrefix(blob.data(), blob.length(),
                                                               blob.complete(), plain, path, mask_,
                                                               value_);
                if (found != superselect::Scan::NeedMore)
                    break;
                blob.readMore();
            }
            blob.close();
            if (found != superselect::Scan::Value)
                return;
            const std::size_t n = std::min<std::size_t>(value_.size(), ResultLength);
            std::memcpy(out->result.str, value_.data(), n);
            out->result.length = static_cast<ISC_USHORT>(n);
            out->resultNull = FB_FALSE;
        } catch (...) {
            out->resultNull = FB_TRUE;
            out->result.length = 0;
        }
    }

    // Kept per instance so that a scan of many rows allocates only at first.
    std::string record_;
    std::string value_;
    catalog::RecordMask mask_;
    Released<Firebird::IAttachment> attachment_{nullptr};
    OwnStatus ownStatus_;
FB_UDR_END_FUNCTION

FB_UDR_IMPLEMENT_ENTRY_POINT
