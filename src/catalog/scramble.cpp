#include "scramble.h"

#include <array>
#include <cstdint>

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

void UnscrambleRecord(char* bytes, std::size_t length, std::string_view key) {
    if (key.empty())
        return;
    std::size_t k = 0;
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>(static_cast<uint8_t>(bytes[i]) ^
                                     static_cast<uint8_t>(key[k]) ^ (i & 0xFF));
        if (++k == key.size())
            k = 0;
    }
}

}  // namespace catalog
