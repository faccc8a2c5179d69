#include "hfgsd_stream.h"

#include <vector>

namespace catalog {

uint8_t THfgsdStream::NextKeyByte() {
    const auto key = static_cast<uint8_t>(StreamKey[static_cast<size_t>(KeyIndex - 1)]);
    if (++KeyIndex > KeyLength)
        KeyIndex = 1;
    return key;
}

int64_t THfgsdStream::Read(void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    // The caller's buffer serves as the temporary one: read, then XOR in place.
    auto* out = static_cast<uint8_t*>(buffer);
    const int64_t n = Inner.Read(out, count);
    LastPosition = static_cast<int32_t>(Inner.Position());
    for (int64_t i = 0; i < n; ++i)
        out[i] ^= NextKeyByte();
    return n;
}

int64_t THfgsdStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    const auto* in = static_cast<const uint8_t*>(buffer);
    std::vector<uint8_t> scrambled(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        scrambled[static_cast<size_t>(i)] = in[i] ^ NextKeyByte();
    LastPosition = static_cast<int32_t>(Inner.Position());
    return Inner.Write(scrambled.data(), count);
}

int64_t THfgsdStream::Seek(int64_t, SeekOrigin) { return LastPosition; }

}  // namespace catalog
