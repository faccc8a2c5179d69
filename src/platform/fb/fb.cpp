#include "platform/fb/fb.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

using namespace Firebird;

namespace fb {
namespace {

IMaster* master() {
    static IMaster* m = fb_get_master_interface();
    return m;
}

// One status object for one call sequence; throws FbException on errors.
class Status {
public:
    Status() : raw_(master()->getStatus()), wrapper_(raw_) {}
    ~Status() { raw_->dispose(); }
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;
    ThrowStatusWrapper* operator&() { return &wrapper_; }

private:
    IStatus* raw_;
    ThrowStatusWrapper wrapper_;
};

[[noreturn]] void rethrow(const FbException& e) {
    char text[4096];
    master()->getUtilInterface()->formatStatus(text, sizeof text, e.getStatus());
    throw Error(text);
}

// Runs f, turning client errors into fb::Error with the formatted status.
template <class F>
auto guarded(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (const FbException& e) {
        rethrow(e);
    }
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

constexpr unsigned MaxSegment = 65535;  // segment lengths are 16-bit

template <class T>
T readAt(const unsigned char* row, unsigned offset) {
    T v;
    std::memcpy(&v, row + offset, sizeof v);
    return v;
}

template <class T>
void writeAt(unsigned char* row, unsigned offset, T v) {
    std::memcpy(row + offset, &v, sizeof v);
}

std::string formatDouble(double v) {
    char text[64];
    auto res = std::to_chars(text, text + sizeof text, v);
    return std::string(text, res.ptr);
}

// Releases a Firebird interface on scope exit unless it was handed over.
template <class I>
struct Holder {
    I* p = nullptr;
    ~Holder() {
        if (p) {
            if constexpr (requires { p->release(); })
                p->release();
            else
                p->dispose();
        }
    }
    I* take() { return std::exchange(p, nullptr); }
};

ISC_QUAD writeBlob(IAttachment* att, ITransaction* tra, const std::string& bytes) {
    Status st;
    ISC_QUAD id{};
    IBlob* blob = att->createBlob(&st, tra, &id, 0, nullptr);
    try {
        for (size_t pos = 0; pos < bytes.size(); pos += MaxSegment) {
            const unsigned n = static_cast<unsigned>(std::min<size_t>(MaxSegment, bytes.size() - pos));
            blob->putSegment(&st, n, bytes.data() + pos);
        }
        blob->close(&st);
    } catch (...) {
        blob->release();
        throw;
    }
    return id;
}

// Builds the input message for params, creating blobs in tra.
struct InputMessage {
    IMessageMetadata* meta = nullptr;
    std::vector<unsigned char> buffer;
    ~InputMessage() {
        if (meta)
            meta->release();
    }
};

void buildInput(IAttachment* att, ITransaction* tra, IStatement* stmt, const Params& params,
                InputMessage& msg) {
    Status st;
    Holder<IMessageMetadata> described{stmt->getInputMetadata(&st)};
    const unsigned count = described.p->getCount(&st);
    if (count != params.size())
        throw Error("Statement expects " + std::to_string(count) + " parameters, " +
                    std::to_string(params.size()) + " given");
    if (count == 0)
        return;
    Holder<IMetadataBuilder> builder{described.p->getBuilder(&st)};
    for (unsigned i = 0; i < count; ++i) {
        const unsigned type = described.p->getType(&st, i);
        const Param& p = params[i];
        switch (p.kind()) {
        case Param::Kind::Null:
            builder.p->setType(&st, i, type | 1);
            break;
        case Param::Kind::Integer:
            builder.p->setType(&st, i, SQL_LONG + 1);
            builder.p->setLength(&st, i, sizeof(int32_t));
            builder.p->setScale(&st, i, 0);
            break;
        case Param::Kind::Text:
            if (type == SQL_BLOB) {
                builder.p->setType(&st, i, SQL_BLOB + 1);
                builder.p->setLength(&st, i, sizeof(ISC_QUAD));
            } else {
                builder.p->setType(&st, i, SQL_VARYING + 1);
                builder.p->setLength(&st, i, static_cast<unsigned>(std::max<size_t>(1, p.bytes().size())));
            }
            break;
        case Param::Kind::Blob:
            builder.p->setType(&st, i, SQL_BLOB + 1);
            builder.p->setLength(&st, i, sizeof(ISC_QUAD));
            break;
        }
    }
    msg.meta = builder.p->getMetadata(&st);
    msg.buffer.assign(msg.meta->getMessageLength(&st), 0);
    unsigned char* buf = msg.buffer.data();
    for (unsigned i = 0; i < count; ++i) {
        const Param& p = params[i];
        const unsigned off = msg.meta->getOffset(&st, i);
        const unsigned nullOff = msg.meta->getNullOffset(&st, i);
        writeAt<int16_t>(buf, nullOff, p.kind() == Param::Kind::Null ? -1 : 0);
        const unsigned type = msg.meta->getType(&st, i) & ~1u;
        switch (p.kind()) {
        case Param::Kind::Null:
            break;
        case Param::Kind::Integer:
            writeAt<int32_t>(buf, off, p.intValue());
            break;
        case Param::Kind::Text:
        case Param::Kind::Blob:
            if (type == SQL_BLOB) {
                writeAt<ISC_QUAD>(buf, off, writeBlob(att, tra, p.bytes()));
            } else {
                writeAt<uint16_t>(buf, off, static_cast<uint16_t>(p.bytes().size()));
                std::memcpy(buf + off + 2, p.bytes().data(), p.bytes().size());
            }
            break;
        }
    }
}

// Named parameters (":Name") become positional ones, as the statements of
// the data module use them; quoted text is left alone.
std::string positionalParams(const std::string& sql) {
    std::string out;
    out.reserve(sql.size());
    char quote = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        const char ch = sql[i];
        if (quote) {
            if (ch == quote)
                quote = 0;
            out += ch;
        } else if (ch == '\'' || ch == '"') {
            quote = ch;
            out += ch;
        } else if (ch == ':' && i + 1 < sql.size() &&
                   (std::isalpha(static_cast<unsigned char>(sql[i + 1])) || sql[i + 1] == '_')) {
            ++i;
            while (i + 1 < sql.size() &&
                   (std::isalnum(static_cast<unsigned char>(sql[i + 1])) || sql[i + 1] == '_'))
                ++i;
            out += '?';
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace

void usePrivateRoot(const std::string& rootFolder) {
    // The engine refuses its character-set module when it is reached through
    // a symbolic link, so the root is named by its real path.
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(rootFolder, error);
    setenv("FIREBIRD", error ? rootFolder.c_str() : real.c_str(), 0);
}

// ---------------------------------------------------------------- BlobReader

BlobReader::~BlobReader() {
    try {
        Status st;
        blob_->close(&st);
    } catch (...) {
        blob_->release();
    }
}

int64_t BlobReader::read(void* buffer, int64_t count) {
    auto* out = static_cast<char*>(buffer);
    int64_t done = 0;
    guarded([&] {
        Status st;
        while (done < count && !eof_) {
            unsigned got = 0;
            const unsigned want = static_cast<unsigned>(std::min<int64_t>(MaxSegment, count - done));
            const int rc = blob_->getSegment(&st, want, out + done, &got);
            if (rc == IStatus::RESULT_NO_DATA)
                eof_ = true;
            done += got;
        }
    });
    return done;
}

std::string BlobReader::readAll() {
    std::string bytes;
    char chunk[MaxSegment];
    bytes.reserve(static_cast<size_t>(std::max<int64_t>(0, size_)));
    for (int64_t n; (n = read(chunk, sizeof chunk)) > 0;)
        bytes.append(chunk, static_cast<size_t>(n));
    return bytes;
}

// ----------------------------------------------------------------- ResultSet

ResultSet::~ResultSet() {
    try {
        close();
    } catch (...) {
    }
}

void ResultSet::close() {
    if (cursor_) {
        IResultSet* c = std::exchange(cursor_, nullptr);
        try {
            Status st;
            c->close(&st);
        } catch (...) {
            c->release();
        }
    }
    if (statement_) {
        IStatement* s = std::exchange(statement_, nullptr);
        try {
            Status st;
            s->free(&st);
        } catch (...) {
            s->release();
        }
    }
    if (meta_)
        std::exchange(meta_, nullptr)->release();
    if (transaction_) {
        ITransaction* t = std::exchange(transaction_, nullptr);
        guarded([&] {
            Status st;
            try {
                t->commit(&st);
            } catch (...) {
                t->release();
                throw;
            }
        });
    }
    eof_ = true;
    positioned_ = false;
}

bool ResultSet::next() {
    if (eof_ || !cursor_)
        return false;
    const bool got = guarded([&] {
        Status st;
        return cursor_->fetchNext(&st, row_.data()) == IStatus::RESULT_OK;
    });
    if (!got) {
        close();
        return false;
    }
    positioned_ = true;
    return true;
}

const std::string& ResultSet::columnName(int column) const {
    return columns_.at(static_cast<size_t>(column)).name;
}

int ResultSet::columnIndex(std::string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (equalNoCase(columns_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int ResultSet::column(std::string_view name) const {
    const int i = columnIndex(name);
    if (i < 0)
        throw Error("Field '" + std::string(name) + "' not found");
    return i;
}

bool ResultSet::isNull(int column) const {
    if (!positioned_)
        return true;
    const Column& c = columns_.at(static_cast<size_t>(column));
    return readAt<int16_t>(row_.data(), c.nullOffset) != 0;
}

bool ResultSet::isBlob(int column) const {
    return columns_.at(static_cast<size_t>(column)).type == SQL_BLOB;
}

int32_t ResultSet::getInt(int column) const {
    if (isNull(column))
        return 0;
    const Column& c = columns_.at(static_cast<size_t>(column));
    const unsigned char* row = row_.data();
    switch (c.type) {
    case SQL_INT64: {
        int64_t v = readAt<int64_t>(row, c.offset);
        for (int s = c.scale; s < 0; ++s)
            v /= 10;
        return static_cast<int32_t>(v);
    }
    case SQL_DOUBLE:
        return static_cast<int32_t>(std::llround(readAt<double>(row, c.offset)));
    case SQL_VARYING:
    case SQL_BLOB: {
        const std::string t = getText(column);
        int32_t v = 0;
        const char* b = t.data();
        while (b < t.data() + t.size() && std::isspace(static_cast<unsigned char>(*b)))
            ++b;
        std::from_chars(b, t.data() + t.size(), v);
        return v;
    }
    }
    return 0;
}

std::string ResultSet::getText(int column) const {
    if (isNull(column))
        return {};
    const Column& c = columns_.at(static_cast<size_t>(column));
    const unsigned char* row = row_.data();
    switch (c.type) {
    case SQL_VARYING: {
        const uint16_t n = readAt<uint16_t>(row, c.offset);
        return std::string(reinterpret_cast<const char*>(row + c.offset + 2), n);
    }
    case SQL_INT64: {
        const int64_t v = readAt<int64_t>(row, c.offset);
        if (c.scale >= 0)
            return std::to_string(v);
        return formatDouble(static_cast<double>(v) / std::pow(10.0, -c.scale));
    }
    case SQL_DOUBLE:
        return formatDouble(readAt<double>(row, c.offset));
    case SQL_BLOB:
        return getBlob(column);
    }
    return {};
}

std::string ResultSet::getBlob(int column) const {
    auto reader = openBlob(column);
    return reader ? reader->readAll() : std::string();
}

std::unique_ptr<BlobReader> ResultSet::openBlob(int column) const {
    if (isNull(column) || !isBlob(column))
        return nullptr;
    const Column& c = columns_.at(static_cast<size_t>(column));
    ISC_QUAD id = readAt<ISC_QUAD>(row_.data(), c.offset);
    return guarded([&] {
        Status st;
        IBlob* blob = attachment_->openBlob(&st, transaction_, &id, 0, nullptr);
        const unsigned char items[] = {isc_info_blob_total_length};
        unsigned char info[32] = {};
        int64_t size = -1;
        try {
            blob->getInfo(&st, sizeof items, items, sizeof info, info);
        } catch (...) {
            blob->release();
            throw;
        }
        if (info[0] == isc_info_blob_total_length) {
            const unsigned len = info[1] | (info[2] << 8);
            size = 0;
            for (unsigned k = 0; k < len && k < 8; ++k)
                size |= static_cast<int64_t>(info[3 + k]) << (8 * k);
        }
        return std::unique_ptr<BlobReader>(new BlobReader(blob, size));
    });
}

// ---------------------------------------------------------------- Connection

Connection::~Connection() {
    try {
        detach();
    } catch (...) {
    }
}

void Connection::attach(const std::string& databasePath) { connect(databasePath, false, 0); }

void Connection::setForcedWrites(const std::string& databasePath, bool on) {
    Connection c;
    c.connect(databasePath, false, 0, on ? 1 : 0);
}

void Connection::create(const std::string& databasePath, int pageSize) {
    connect(databasePath, true, pageSize);
}

void Connection::connect(const std::string& databasePath, bool create, int pageSize,
                         int forcedWrites) {
    detach();
    guarded([&] {
        Status st;
        Holder<IXpbBuilder> dpb{master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0)};
        dpb.p->insertString(&st, isc_dpb_user_name, "Tolvik");
        dpb.p->insertString(&st, isc_dpb_password, "kelmo");
        dpb.p->insertInt(&st, isc_dpb_sql_dialect, 1);
        dpb.p->insertString(&st, isc_dpb_lc_ctype, "NONE");
        if (create) {
            dpb.p->insertInt(&st, isc_dpb_page_size, pageSize);
            dpb.p->insertInt(&st, isc_dpb_set_db_sql_dialect, 1);
        }
        if (forcedWrites >= 0)
            dpb.p->insertInt(&st, isc_dpb_force_write, forcedWrites);
        Holder<IProvider> provider{master()->getDispatcher()};
        const unsigned len = dpb.p->getBufferLength(&st);
        const unsigned char* buf = dpb.p->getBuffer(&st);
        attachment_ = create ? provider.p->createDatabase(&st, databasePath.c_str(), len, buf)
                             : provider.p->attachDatabase(&st, databasePath.c_str(), len, buf);
    });
}

void Connection::detach() {
    if (!attachment_)
        return;
    IAttachment* a = std::exchange(attachment_, nullptr);
    guarded([&] {
        Status st;
        try {
            a->detach(&st);
        } catch (...) {
            a->release();
            throw;
        }
    });
}

ITransaction* Connection::startTransaction() {
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                        isc_tpb_rec_version, isc_tpb_wait};
    Status st;
    return attachment_->startTransaction(&st, sizeof tpb, tpb);
}

std::unique_ptr<ResultSet> Connection::open(const std::string& sql, const Params& params) {
    if (!attachment_)
        throw Error("Database is not connected");
    std::unique_ptr<ResultSet> rs(new ResultSet);
    rs->attachment_ = attachment_;
    guarded([&] {
        Status st;
        rs->transaction_ = startTransaction();
        rs->statement_ = attachment_->prepare(&st, rs->transaction_, 0, positionalParams(sql).c_str(), 1,
                                              IStatement::PREPARE_PREFETCH_METADATA);
        InputMessage in;
        buildInput(attachment_, rs->transaction_, rs->statement_, params, in);

        Holder<IMessageMetadata> described{rs->statement_->getOutputMetadata(&st)};
        const unsigned count = described.p->getCount(&st);
        Holder<IMetadataBuilder> builder{described.p->getBuilder(&st)};
        // Coerce to a few shapes: varying text, 64-bit integers, doubles, blobs.
        for (unsigned i = 0; i < count; ++i) {
            switch (described.p->getType(&st, i)) {
            case SQL_TEXT:
            case SQL_VARYING:
                builder.p->setType(&st, i, SQL_VARYING + 1);
                break;
            case SQL_SHORT:
            case SQL_LONG:
            case SQL_INT64:
                builder.p->setType(&st, i, SQL_INT64 + 1);
                builder.p->setLength(&st, i, sizeof(int64_t));
                break;
            case SQL_FLOAT:
            case SQL_DOUBLE:
            case SQL_D_FLOAT:
                builder.p->setType(&st, i, SQL_DOUBLE + 1);
                builder.p->setLength(&st, i, sizeof(double));
                break;
            case SQL_BLOB:
                builder.p->setType(&st, i, SQL_BLOB + 1);
                break;
            default:
                builder.p->setType(&st, i, SQL_VARYING + 1);
                builder.p->setLength(&st, i, 64);
                builder.p->setCharSet(&st, i, 0);
                break;
            }
        }
        rs->meta_ = builder.p->getMetadata(&st);
        rs->row_.assign(rs->meta_->getMessageLength(&st), 0);
        for (unsigned i = 0; i < count; ++i) {
            ResultSet::Column c;
            c.name = described.p->getAlias(&st, i);
            c.type = rs->meta_->getType(&st, i) & ~1u;
            c.scale = rs->meta_->getScale(&st, i);
            c.offset = rs->meta_->getOffset(&st, i);
            c.nullOffset = rs->meta_->getNullOffset(&st, i);
            c.length = rs->meta_->getLength(&st, i);
            rs->columns_.push_back(std::move(c));
        }
        rs->cursor_ = rs->statement_->openCursor(&st, rs->transaction_, in.meta,
                                                 in.buffer.empty() ? nullptr : in.buffer.data(),
                                                 rs->meta_, 0);
    });
    return rs;
}

void Connection::execute(const std::string& sql, const Params& params) {
    if (!attachment_)
        throw Error("Database is not connected");
    guarded([&] {
        Status st;
        ITransaction* tra = startTransaction();
        try {
            Holder<IStatement> stmt{attachment_->prepare(&st, tra, 0, positionalParams(sql).c_str(), 1, 0)};
            InputMessage in;
            buildInput(attachment_, tra, stmt.p, params, in);
            stmt.p->execute(&st, tra, in.meta, in.buffer.empty() ? nullptr : in.buffer.data(),
                            nullptr, nullptr);
            stmt.p->free(&st);
            stmt.take();
            tra->commit(&st);
        } catch (...) {
            try {
                Status rst;
                tra->rollback(&rst);
            } catch (...) {
                tra->release();
            }
            throw;
        }
    });
}

std::unique_ptr<Batch> Connection::batch(const std::string& sql) {
    if (!attachment_)
        throw Error("Database is not connected");
    std::unique_ptr<Batch> b(new Batch);
    b->attachment_ = attachment_;
    guarded([&] {
        Status st;
        b->transaction_ = startTransaction();
        b->statement_ = attachment_->prepare(&st, b->transaction_, 0, positionalParams(sql).c_str(), 1, 0);
    });
    return b;
}

// --------------------------------------------------------------------- Batch

Batch::~Batch() {
    if (statement_) {
        try {
            Status st;
            statement_->free(&st);
        } catch (...) {
            statement_->release();
        }
    }
    if (transaction_) {
        try {
            Status st;
            transaction_->rollback(&st);
        } catch (...) {
            transaction_->release();
        }
    }
}

void Batch::add(const Params& params) {
    if (!statement_)
        throw Error("Batch is already committed");
    guarded([&] {
        Status st;
        InputMessage in;
        buildInput(attachment_, transaction_, statement_, params, in);
        statement_->execute(&st, transaction_, in.meta, in.buffer.empty() ? nullptr : in.buffer.data(),
                            nullptr, nullptr);
    });
}

void Batch::commit() {
    guarded([&] {
        Status st;
        if (statement_) {
            statement_->free(&st);
            statement_ = nullptr;
        }
        if (transaction_) {
            transaction_->commit(&st);
            transaction_ = nullptr;
        }
    });
}

}  // namespace fb
