// Scrambled texts and records.
#include "catalog/scramble.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace catalog;

namespace {

constexpr uint8_t TextKey[11] = {0x1E, 0x09, 0x31, 0x6A, 0x02, 0x1B, 0x27, 0x0E, 0x14, 0x3C, 0x08};

}  // namespace

TEST(ScrambledText, KnownBytesUnscramble) {
    // 'A' at position 1: 0x41 ^ 0x1E ^ 1; 'B' at position 2: 0x42 ^ 0x09 ^ 2.
    EXPECT_EQ(UnscrambleText("\x7f\x5e\x49"), "AB");
}

TEST(ScrambledText, RoundTripOfCyrillicText) {
    const std::string plain = "\xcc\xe5\xe4\xe8\xf6\xe8\xed\xf1\xea\xe8\xe9 \xf6\xe5\xed\xf2\xf0";
    const std::string stored = ScrambleText(plain);
    ASSERT_EQ(stored.size(), plain.size() + 1);
    EXPECT_EQ(static_cast<uint8_t>(stored[0]), 0x7F);
    EXPECT_NE(stored.substr(1), plain);
    EXPECT_EQ(UnscrambleText(stored), plain);
}

TEST(ScrambledText, MarkerAloneEmptyAndPlainValues) {
    EXPECT_EQ(UnscrambleText("\x7f"), "");
    EXPECT_EQ(UnscrambleText(""), "");
    EXPECT_EQ(UnscrambleText("Plain \x7f inside"), "Plain \x7f inside");
}

TEST(ScrambledText, PositionWrapsAfter255AndKeyKeepsCycling) {
    // Stored bytes that are exactly key[k] ^ (i mod 256) unscramble to zeros;
    // any slip in either sequence past position 255 shows up as a non-zero.
    std::string stored = "\x7f";
    for (int i = 1; i <= 300; ++i)
        stored += static_cast<char>(TextKey[(i - 1) % 11] ^ (i & 0xFF));
    const std::string plain = UnscrambleText(stored);
    ASSERT_EQ(plain.size(), 300u);
    for (size_t i = 0; i < plain.size(); ++i)
        ASSERT_EQ(plain[i], '\0') << "position " << i + 1;
    // Position 256 is XORed with 0, so its byte is the key byte alone.
    EXPECT_EQ(static_cast<uint8_t>(stored[256]), TextKey[255 % 11]);
}

TEST(ScrambledRecord, KnownBytesAndKeyWrapAt30) {
    std::string zeros(31, '\0');
    UnscrambleRecord(zeros);
    EXPECT_EQ(zeros[0], '<');                        // key[1] ^ 0
    EXPECT_EQ(zeros[1], static_cast<char>('M' ^ 1));  // key[2] ^ 1
    EXPECT_EQ(zeros[30], static_cast<char>('<' ^ 30));  // key wraps from 30 to 1
}

TEST(ScrambledRecord, AppliedTwiceGivesTheBytesBack) {
    std::string record = "<company><name>\xcc\xe5\xe4</name>";
    record += std::string(600, 'x');  // past the 256 position wrap
    record += "</company>";
    std::string bytes = record;
    UnscrambleRecord(bytes);
    EXPECT_NE(bytes, record);
    UnscrambleRecord(bytes);
    EXPECT_EQ(bytes, record);
}

namespace {

// The definition, one byte at a time: byte[i] ^= key[i mod len] ^ (i mod 256).
std::string referenceUnscramble(std::string bytes, std::string_view key, std::size_t offset = 0) {
    if (key.empty())
        return bytes;
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        const std::size_t i = offset + j;
        bytes[j] = static_cast<char>(static_cast<uint8_t>(bytes[j]) ^
                                     static_cast<uint8_t>(key[i % key.size()]) ^ (i & 0xFF));
    }
    return bytes;
}

// Bytes that differ at every position, so that a slip in either sequence shows.
std::string varied(std::size_t length) {
    std::string s(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        s[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return s;
}

const std::string Keys[] = {
    std::string(RecordKey),
    "k",
    "ab",
    std::string(8, '\x5A'),
    "seven b",
    std::string(64, 'q') + "x",
    std::string(255, '\xC3'),
    std::string(256, '\x11') + "z",  // longer than 256: period is len * 256 / gcd
};

}  // namespace

TEST(ScrambledRecord, MatchesTheDefinitionForManyLengthsAndKeys) {
    // Lengths around the 8-byte steps, the 256 wrap and the 3840-byte period of RecordKey.
    const std::size_t lengths[] = {0, 1, 7, 8, 9, 15, 16, 17, 31, 255, 256, 257, 1000,
                                   3839, 3840, 3841, 7681, 70000};
    for (const std::string& key : Keys) {
        for (std::size_t length : lengths) {
            std::string bytes = varied(length);
            UnscrambleRecord(bytes.data(), bytes.size(), key);
            ASSERT_EQ(bytes, referenceUnscramble(varied(length), key))
                << "key length " << key.size() << ", length " << length;
        }
    }
}

TEST(ScrambledRecord, AlternatingKeysKeepTheirOwnMasks) {
    // The per-thread mask must follow a change of key, and come back.
    for (int round = 0; round < 3; ++round) {
        for (const std::string& key : Keys) {
            std::string bytes = varied(5000);
            UnscrambleRecord(bytes, key);
            ASSERT_EQ(bytes, referenceUnscramble(varied(5000), key)) << "key length " << key.size();
        }
    }
}

TEST(RecordMask, PiecesAtAnyOffsetMatchTheWholeRecord) {
    const std::string plain = varied(9000);
    for (const std::string& key : Keys) {
        const RecordMask mask(key);
        EXPECT_EQ(mask.key(), key);
        const std::string whole = referenceUnscramble(plain, key);
        // Cuts in unaligned places, across the 256 wrap and the period.
        const std::size_t cuts[] = {0, 1, 3, 8, 13, 255, 256, 700, 3839, 3840, 3853, 7680, 8999, 9000};
        std::string pieces = plain;
        for (std::size_t c = 0; c + 1 < std::size(cuts); ++c)
            mask.apply(pieces.data() + cuts[c], cuts[c + 1] - cuts[c], cuts[c]);
        ASSERT_EQ(pieces, whole) << "key length " << key.size();
        // Single pieces at many offsets, each against the definition.
        for (std::size_t offset = 0; offset < 600; offset += 37) {
            for (std::size_t length : {std::size_t{1}, std::size_t{8}, std::size_t{29}, std::size_t{300}}) {
                std::string piece = plain.substr(offset, length);
                mask.apply(piece.data(), piece.size(), offset);
                ASSERT_EQ(piece, whole.substr(offset, length))
                    << "key length " << key.size() << ", offset " << offset << ", length " << length;
            }
        }
        // Offsets beyond one period wrap.
        std::string far = plain.substr(100, 50);
        mask.apply(far.data(), far.size(), 100 + 256 * key.size() * 3);
        std::string expected = plain.substr(100, 50);
        mask.apply(expected.data(), expected.size(), 100);
        EXPECT_EQ(far, expected) << "key length " << key.size();
    }
}

TEST(RecordMask, EmptyKeyLeavesTheBytes) {
    std::string bytes = varied(100);
    RecordMask().apply(bytes.data(), bytes.size(), 5);
    RecordMask("").apply(bytes.data(), bytes.size());
    UnscrambleRecord(bytes, "");
    EXPECT_EQ(bytes, varied(100));
}
