#include "scramble.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <optional>

namespace catalog {
namespace {

constexpr std::array<uint8_t, 11> TextKey = {0x1E, 0x09, 0x31, 0x6A, 0x02, 0x1B,
                                             0x27, 0x0E, 0x14, 0x3C, 0x08};

// byte XOR key[k] XOR (position mod 256), k cycling over the key.
void xorText(std::string& s, std::size_t from) {
    std::size_t k = 0;
    for (std::size_t i = from; i < s.size(); ++i) {
        const std::size_t position = i - from + 1;  // counted from 1
        s[i] = static_cast<char>(static_cast<uint8_t>(s[i]) ^ TextKey[k] ^ (position & 0xFF));
        if (++k == TextKey.size())
            k = 0;
    }
}

}  // namespace

std::string UnscrambleText(std::string_view value) {
    if (value.empty() || static_cast<uint8_t>(value[0]) != 0x7F)
        return std::string(value);
    std::string plain(value.substr(1));
    xorText(plain, 0);
    return plain;
}

std::string ScrambleText(std::string_view plain) {
    std::string stored = "\x7F";
    stored.append(plain);
    xorText(stored, 1);
    return stored;
}

RecordMask::RecordMask(std::string_view key) : key_(key) {
    if (key.empty())
        return;
    pattern_.resize(std::lcm(key.size(), std::size_t{256}));
    std::size_t k = 0;
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        pattern_[i] = static_cast<uint8_t>(key[k]) ^ (i & 0xFF);
        if (++k == key.size())
            k = 0;
    }
}

void RecordMask::apply(char* bytes, std::size_t length, std::size_t offset) const {
    if (pattern_.empty())
        return;
    std::size_t at = offset % pattern_.size();
    while (length > 0) {
        const std::size_t run = std::min(length, pattern_.size() - at);
        const unsigned char* mask = pattern_.data() + at;
        std::size_t i = 0;
        // Eight bytes at a time; memcpy keeps unaligned access well defined.
        for (; i + 8 <= run; i += 8) {
            uint64_t b;
            uint64_t m;
            std::memcpy(&b, bytes + i, 8);
            std::memcpy(&m, mask + i, 8);
            b ^= m;
            std::memcpy(bytes + i, &b, 8);
        }
        for (; i < run; ++i)
            bytes[i] = static_cast<char>(static_cast<uint8_t>(bytes[i]) ^ mask[i]);
        bytes += run;
        length -= run;
        at = 0;
    }
}

void UnscrambleRecord(char* bytes, std::size_t length, std::string_view key) {
    if (key.empty())
        return;
    // Callers use one key (RecordKey) nearly always; per thread, so no lock.
    thread_local std::optional<RecordMask> last;
    if (!last || last->key() != key)
        last.emplace(key);
    last->apply(bytes, length);
}

}  // namespace catalog
