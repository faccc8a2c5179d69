// The two scrambling schemes of catalog data that are plain functions:
// scrambled texts (marked by a leading 0x7F byte) and record blobs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// The key of record blobs; also the third argument of every SUPERSELECT call.
inline constexpr std::string_view RecordKey = "<Mpvrtoyxa374kcuqbzjnLKPoatvmu";

// Plain text of a TopicName-style value: unchanged unless it starts with 0x7F.
std::string UnscrambleText(std::string_view value);
// The stored form of a plain text (0x7F marker + scrambled bytes).
std::string ScrambleText(std::string_view plain);

// The XOR pattern of a record key, built once and applied to many records:
// key[k] ^ (i mod 256) repeats every lcm(key length, 256) bytes.
class RecordMask {
public:
    RecordMask() = default;  // the empty key: leaves bytes as they are
    explicit RecordMask(std::string_view key);

    const std::string& key() const { return key_; }

    // Unscrambles (or scrambles) Length bytes that sit at Offset in a record,
    // so that a record can be treated piece by piece.
    void apply(char* bytes, std::size_t length, std::size_t offset = 0) const;

private:
    std::string key_;
    std::vector<unsigned char> pattern_;  // one period
};

// Unscrambles (and, being its own inverse, scrambles) a record in place.
// Keeps the mask of the last key per thread.
void UnscrambleRecord(char* bytes, std::size_t length, std::string_view key = RecordKey);
inline void UnscrambleRecord(std::string& bytes, std::string_view key = RecordKey) {
    UnscrambleRecord(bytes.data(), bytes.size(), key);
}

}  // namespace catalog
