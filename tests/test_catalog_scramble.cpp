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
