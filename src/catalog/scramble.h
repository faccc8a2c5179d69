// The two scrambling schemes of catalog data that are plain functions:
// scrambled texts (marked by a leading 0x7F byte) and record blobs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace catalog {

// The key of record blobs; also the third argument of every SUPERSELECT call.
inline constexpr std::string_view RecordKey = "<Mpvrtoyxa374kcuqbzjnLKPoatvmu";

// Plain text of a TopicName-style value: unchanged unless it starts with 0x7F.
std::string UnscrambleText(std::string_view value);
// The stored form of a plain text (0x7F marker + scrambled bytes).
std::string ScrambleText(std::string_view plain);

// Unscrambles (and, being its own inverse, scrambles) a record in place.
void UnscrambleRecord(char* bytes, std::size_t length, std::string_view key = RecordKey);
inline void UnscrambleRecord(std::string& bytes, std::string_view key = RecordKey) {
    UnscrambleRecord(bytes.data(), bytes.size(), key);
}

}  // namespace catalog
