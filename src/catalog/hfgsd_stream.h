// The byte-scrambling stream of picture blobs (Images.Comp high half).
#pragma once

#include "stream.h"

#include <cstdint>
#include <string_view>

namespace catalog {

// 26 bytes of code page 1251; the first is 0x89 ("‰").
inline constexpr std::string_view StreamKey = "\x89RT482pm)*!~qbwnGXEv+-?=kc";

// XORs every byte passing through it with StreamKey. The key position runs on
// across calls and is never reset, so a byte's scrambling depends only on its
// distance from the first byte this object saw; reading and writing are the
// same operation. The inner stream is borrowed.
class THfgsdStream : public TStream {
public:
    explicit THfgsdStream(TStream& inner) : Inner(inner) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Moves nothing and ignores its arguments: returns LastPosition. The
    // stream cannot be repositioned, so the base Size() is meaningless here;
    // use InnerSize().
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    int64_t InnerSize() { return Inner.Size(); }

private:
    int32_t KeyIndex = 1;  // from 1
    int32_t KeyLength = static_cast<int32_t>(StreamKey.size());
    TStream& Inner;
    int32_t LastPosition = 0;  // inner position at the last read or write

    uint8_t NextKeyByte();
};

}  // namespace catalog
