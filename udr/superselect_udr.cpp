// UDR module "superselect": the database function SUPERSELECT(XML, PATH, KEY)
// that catalog searches, value lists and index trees call once per row.
// It reads the record blob, unscrambles it with KEY and returns the text at
// PATH (rules in superselect_scan.h). The declaration is superselect_ddl.h.
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
    // After a call that has already released the interface (IBlob::close).
    void forget() { p_ = nullptr; }

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

// Reads the whole blob into Buffer (its size kept at its capacity, so
// growing zero-fills only once per instance); returns the number of bytes.
std::size_t readBlob(Firebird::ThrowStatusWrapper* status, Firebird::IExternalContext* context,
                     ISC_QUAD* id, std::string& buffer) {
    Released<Firebird::IAttachment> attachment(context->getAttachment(status));
    Released<Firebird::ITransaction> transaction(context->getTransaction(status));
    Released<Firebird::IBlob> blob(attachment->openBlob(status, transaction.get(), id, 0, nullptr));

    if (buffer.size() < 4096)
        buffer.resize(4096);
    std::size_t length = 0;
    for (;;) {
        if (length == buffer.size())
            buffer.resize(buffer.size() * 2);
        const unsigned room =
            static_cast<unsigned>(std::min<std::size_t>(buffer.size() - length, MaxSegment));
        unsigned got = 0;
        const int result = blob->getSegment(status, room, buffer.data() + length, &got);
        if (result == Firebird::IStatus::RESULT_NO_DATA)
            break;
        length += got;
    }
    blob->close(status);
    blob.forget();
    return length;
}

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
            const std::size_t length = readBlob(&own, context, &in->xml, record_);
            if (!superselect::FindTextInScrambledInPlace(
                    record_.data(), length, std::string_view(in->path.str, in->path.length),
                    std::string_view(in->key.str, in->key.length), value_))
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
    OwnStatus ownStatus_;
FB_UDR_END_FUNCTION

FB_UDR_IMPLEMENT_ENTRY_POINT
