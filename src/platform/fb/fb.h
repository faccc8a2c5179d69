// Thin RAII layer over the Firebird OO API, embedded mode.
//
// One Connection is one attachment. Every statement runs in its own
// read-committed, wait transaction that is committed when the statement
// completes: at once for execute(), when the result is closed (or destroyed)
// for open(). Text is passed and returned as raw bytes (no character set),
// so code page 1251 data stays bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace Firebird {
class IAttachment;
class ITransaction;
class IStatement;
class IResultSet;
class IMessageMetadata;
class IBlob;
}  // namespace Firebird

namespace fb {

// A failure of the client library; what() is its formatted status text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Points the client library at the private Firebird root (sets FIREBIRD)
// unless FIREBIRD is already set. Call before the first attachment.
void usePrivateRoot(const std::string& rootFolder);

// One statement parameter.
class Param {
public:
    enum class Kind { Null, Integer, Text, Blob };
    static Param null() { return Param(Kind::Null, 0, {}); }
    static Param integer(int32_t v) { return Param(Kind::Integer, v, {}); }
    static Param text(std::string v) { return Param(Kind::Text, 0, std::move(v)); }
    static Param blob(std::string bytes) { return Param(Kind::Blob, 0, std::move(bytes)); }

    Kind kind() const { return kind_; }
    int32_t intValue() const { return int_; }
    const std::string& bytes() const { return bytes_; }

private:
    Param(Kind k, int32_t i, std::string b) : kind_(k), int_(i), bytes_(std::move(b)) {}
    Kind kind_;
    int32_t int_;
    std::string bytes_;
};
using Params = std::vector<Param>;

class Connection;
class Batch;

// Reads a blob in segments of at most 65,535 bytes.
class BlobReader {
public:
    ~BlobReader();
    BlobReader(const BlobReader&) = delete;
    BlobReader& operator=(const BlobReader&) = delete;

    // Total length in bytes.
    int64_t size() const { return size_; }
    // Reads up to count bytes; returns the number read, 0 at the end.
    int64_t read(void* buffer, int64_t count);
    // The rest of the blob.
    std::string readAll();

private:
    friend class ResultSet;
    BlobReader(Firebird::IBlob* blob, int64_t size) : blob_(blob), size_(size) {}
    Firebird::IBlob* blob_;
    int64_t size_;
    bool eof_ = false;
};

// The rows of one open statement. Columns are numbered from 0.
class ResultSet {
public:
    ~ResultSet();
    ResultSet(const ResultSet&) = delete;
    ResultSet& operator=(const ResultSet&) = delete;

    // Moves to the next row; false at the end (and the transaction commits).
    bool next();
    bool atEnd() const { return eof_; }
    // Ends the statement and commits its transaction.
    void close();

    int columnCount() const { return static_cast<int>(columns_.size()); }
    // The column's name as the database reports it (its alias).
    const std::string& columnName(int column) const;
    // Case-insensitive lookup; -1 when there is no such column.
    int columnIndex(std::string_view name) const;
    // As columnIndex, but throws fb::Error for an unknown column.
    int column(std::string_view name) const;

    bool isNull(int column) const;
    bool isBlob(int column) const;
    // NULL reads 0; text is parsed as a decimal integer (0 when not one).
    int32_t getInt(int column) const;
    // NULL reads empty; numbers come as decimal text; a blob comes whole.
    std::string getText(int column) const;
    // The whole blob; empty for NULL.
    std::string getBlob(int column) const;
    // A reader for the blob; nullptr for NULL. Valid until the result closes.
    std::unique_ptr<BlobReader> openBlob(int column) const;

    int32_t getInt(std::string_view name) const { return getInt(column(name)); }
    std::string getText(std::string_view name) const { return getText(column(name)); }
    std::string getBlob(std::string_view name) const { return getBlob(column(name)); }
    bool isNull(std::string_view name) const { return isNull(column(name)); }

private:
    friend class Connection;
    struct Column {
        std::string name;
        unsigned type;
        int scale;
        unsigned offset;
        unsigned nullOffset;
        unsigned length;
    };
    ResultSet() = default;

    Firebird::IAttachment* attachment_ = nullptr;
    Firebird::ITransaction* transaction_ = nullptr;
    Firebird::IStatement* statement_ = nullptr;
    Firebird::IResultSet* cursor_ = nullptr;
    Firebird::IMessageMetadata* meta_ = nullptr;
    std::vector<unsigned char> row_;
    std::vector<Column> columns_;
    bool eof_ = false;
    bool positioned_ = false;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Attaches as user "Tolvik", dialect 1, no character set.
    void attach(const std::string& databasePath);
    // Creates a new dialect-1 database file and attaches to it.
    void create(const std::string& databasePath, int pageSize = 8192);
    void detach();
    bool attached() const { return attachment_ != nullptr; }

    // Runs a statement with a result; the rows stay open for the caller.
    std::unique_ptr<ResultSet> open(const std::string& sql, const Params& params = {});
    // Runs a statement without a result (DDL, INSERT, UPDATE, DELETE).
    void execute(const std::string& sql, const Params& params = {});
    // Prepares a statement to run for many rows in one transaction (bulk loads).
    std::unique_ptr<Batch> batch(const std::string& sql);

    // Turns synchronous writes of a database file on or off (off while a
    // catalog is being built, on for the shipped file).
    static void setForcedWrites(const std::string& databasePath, bool on);

private:
    void connect(const std::string& databasePath, bool create, int pageSize, int forcedWrites = -1);
    Firebird::ITransaction* startTransaction();
    Firebird::IAttachment* attachment_ = nullptr;
};

// One prepared statement executed for many parameter rows in one
// transaction; commit() ends it, destruction without commit rolls back.
class Batch {
public:
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    void add(const Params& params);
    void commit();

private:
    friend class Connection;
    Batch() = default;
    Firebird::IAttachment* attachment_ = nullptr;
    Firebird::ITransaction* transaction_ = nullptr;
    Firebird::IStatement* statement_ = nullptr;
};

}  // namespace fb
