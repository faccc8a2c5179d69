// Byte streams of the data layer: the abstract stream the picture readers
// are chained from, a memory stream, a read stream over a database blob and
// a zlib inflating stream.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <zlib.h>

namespace fb {
class BlobReader;
}

namespace catalog {

class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EZDecompressionError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum class SeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes; returns the number delivered (0 at the end).
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    // Writes count bytes; returns the number accepted.
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Moves and returns the new position.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
    // Computed through Seek (and restores the position), as streams that
    // know better override it.
    virtual int64_t Size();

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, SeekOrigin::Beginning); }

    // As Read/Write, but anything short of count throws EStreamError.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies exactly count bytes from source (throws when it runs short);
    // count 0 copies the whole source from its beginning. Returns the count.
    int64_t CopyFrom(TStream& source, int64_t count);
    // Copies until source delivers nothing more; returns the count.
    int64_t CopyToEnd(TStream& source);

protected:
    TStream() = default;
    TStream(const TStream&) = default;
    TStream& operator=(const TStream&) = default;
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Any position at or after 0 is allowed; writing past the end pads with zeros.
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    void SetSize(int64_t size);
    const std::string& Bytes() const { return data_; }
    std::string TakeBytes();

private:
    std::string data_;
    int64_t position_ = 0;
};

// Reads a blob front to back. The reader is borrowed and must outlive the
// stream (it lives as long as the result the blob came from).
class TBlobReadStream : public TStream {
public:
    explicit TBlobReadStream(fb::BlobReader& reader) : reader_(reader) {}

    int64_t Read(void* buffer, int64_t count) override;
    // Read only.
    int64_t Write(const void* buffer, int64_t count) override;
    // Only forward: skipped bytes are read and dropped.
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override;

private:
    fb::BlobReader& reader_;
    int64_t position_ = 0;
};

// Inflates zlib-format data (RFC 1950) read from a borrowed source stream.
// Read returns 0 once the compressed stream has ended; a source that ends
// before that, or data that does not decode, throws EZDecompressionError.
class TZDecompressionStream : public TStream {
public:
    explicit TZDecompressionStream(TStream& source);
    ~TZDecompressionStream() override;
    TZDecompressionStream(const TZDecompressionStream&) = delete;
    TZDecompressionStream& operator=(const TZDecompressionStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    // Read only.
    int64_t Write(const void* buffer, int64_t count) override;
    // Reports the position only; the size of the output is not known ahead.
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    bool Finished() const { return finished_; }

private:
    TStream& source_;
    z_stream z_{};
    std::vector<unsigned char> input_;
    int64_t produced_ = 0;
    bool finished_ = false;
};

}  // namespace catalog
