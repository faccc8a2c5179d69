#include "stream.h"

#include "platform/fb/fb.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace catalog {

int64_t TStream::Size() {
    const int64_t position = Seek(0, SeekOrigin::Current);
    const int64_t size = Seek(0, SeekOrigin::End);
    Seek(position, SeekOrigin::Beginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    auto* out = static_cast<char*>(buffer);
    int64_t done = 0;
    // Streams may deliver less than asked before their end (blobs, inflate).
    while (done < count) {
        const int64_t n = Read(out + done, count - done);
        if (n <= 0)
            throw EStreamError("Stream read error");
        done += n;
    }
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (Write(buffer, count) != count)
        throw EStreamError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int64_t chunk = 64 * 1024;
    std::vector<char> buffer(static_cast<size_t>(std::min(count, chunk)));
    int64_t left = count;
    while (left > 0) {
        const int64_t n = std::min(left, chunk);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

int64_t TStream::CopyToEnd(TStream& source) {
    std::vector<char> buffer(64 * 1024);
    int64_t total = 0;
    for (;;) {
        const int64_t n = source.Read(buffer.data(), static_cast<int64_t>(buffer.size()));
        if (n <= 0)
            return total;
        WriteBuffer(buffer.data(), n);
        total += n;
    }
}

// --- TMemoryStream ---------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    const auto size = static_cast<int64_t>(data_.size());
    if (count <= 0 || position_ >= size)
        return 0;
    const int64_t n = std::min(count, size - position_);
    std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    const int64_t end = position_ + count;
    if (end > static_cast<int64_t>(data_.size()))
        data_.resize(static_cast<size_t>(end), '\0');
    std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t base = 0;
    switch (origin) {
    case SeekOrigin::Beginning: base = 0; break;
    case SeekOrigin::Current: base = position_; break;
    case SeekOrigin::End: base = static_cast<int64_t>(data_.size()); break;
    }
    position_ = std::max<int64_t>(0, base + offset);
    return position_;
}

void TMemoryStream::SetSize(int64_t size) {
    data_.resize(static_cast<size_t>(std::max<int64_t>(0, size)), '\0');
    position_ = std::min(position_, static_cast<int64_t>(data_.size()));
}

std::string TMemoryStream::TakeBytes() {
    position_ = 0;
    return std::exchange(data_, std::string());
}

// --- TBlobReadStream -------------------------------------------------------

int64_t TBlobReadStream::Read(void* buffer, int64_t count) {
    // The client hands blobs out in segments of at most 65,535 bytes.
    constexpr int64_t segment = 65535;
    auto* out = static_cast<char*>(buffer);
    int64_t done = 0;
    while (done < count) {
        const int64_t n = reader_.read(out + done, std::min(count - done, segment));
        if (n <= 0)
            break;
        done += n;
    }
    position_ += done;
    return done;
}

int64_t TBlobReadStream::Write(const void*, int64_t) {
    throw EStreamError("Blob stream is read only");
}

int64_t TBlobReadStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t target = position_;
    switch (origin) {
    case SeekOrigin::Beginning: target = offset; break;
    case SeekOrigin::Current: target = position_ + offset; break;
    case SeekOrigin::End: target = reader_.size() + offset; break;
    }
    if (target == position_)
        return position_;
    if (target < position_)
        throw EStreamError("Blob stream cannot move backwards");
    char skip[4096];
    while (position_ < target) {
        const int64_t n = std::min<int64_t>(target - position_, sizeof skip);
        if (Read(skip, n) < n)
            break;
    }
    return position_;
}

int64_t TBlobReadStream::Size() { return reader_.size(); }

// --- TZDecompressionStream -------------------------------------------------

TZDecompressionStream::TZDecompressionStream(TStream& source)
    : source_(source), input_(64 * 1024) {
    if (inflateInit(&z_) != Z_OK)
        throw EZDecompressionError("zlib: cannot start decompression");
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&z_); }

int64_t TZDecompressionStream::Read(void* buffer, int64_t count) {
    if (count <= 0 || finished_)
        return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    int64_t done = 0;
    while (done < count && !finished_) {
        if (z_.avail_in == 0) {
            const int64_t n = source_.Read(input_.data(), static_cast<int64_t>(input_.size()));
            if (n <= 0)
                throw EZDecompressionError("zlib: compressed data ends early");
            z_.next_in = input_.data();
            z_.avail_in = static_cast<uInt>(n);
        }
        const int64_t want = std::min<int64_t>(count - done, std::numeric_limits<uInt>::max());
        z_.next_out = out + done;
        z_.avail_out = static_cast<uInt>(want);
        const int rc = inflate(&z_, Z_NO_FLUSH);
        done += want - z_.avail_out;
        if (rc == Z_STREAM_END)
            finished_ = true;
        else if (rc != Z_OK)
            throw EZDecompressionError(std::string("zlib: ") + (z_.msg ? z_.msg : "data error"));
    }
    produced_ += done;
    return done;
}

int64_t TZDecompressionStream::Write(const void*, int64_t) {
    throw EZDecompressionError("Decompression stream is read only");
}

int64_t TZDecompressionStream::Seek(int64_t offset, SeekOrigin origin) {
    if (offset == 0 && origin == SeekOrigin::Current)
        return produced_;
    throw EZDecompressionError("Invalid stream operation");
}

}  // namespace catalog
