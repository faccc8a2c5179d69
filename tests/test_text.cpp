// Code page 1251 conversions at the UI and tool edges.
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(text::toCp1251(text::fromCp1251(all)), all);
    EXPECT_EQ(text::utf8ToCp1251(text::cp1251ToUtf8(all)), all);
}

TEST(Cp1251, KnownCharacters) {
    struct Case {
        const char* utf8;
        std::string cp1251;
    };
    const Case cases[] = {
        {"", ""},
        {"\xd0\x9c\xd0\xb5\xd0\xb4", "\xcc\xe5\xe4"},   // Мед
        {"\xd0\x81\xd1\x91", "\xa8\xb8"},               // Ёё
        {"\xe2\x82\xac", "\x88"},                       // euro sign
        {"\xe2\x84\x96", "\xb9"},                       // numero sign
        {"\xc3\xa9", "?"},                              // é is not in the code page
        {"\xf0\x9f\x98\x80", "?"},                      // one character outside the BMP
        {"a\xff" "b", "a?b"},                           // malformed UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
        EXPECT_EQ(text::toCp1251(QString::fromUtf8(c.utf8)), c.cp1251) << c.utf8;
    }
    EXPECT_EQ(text::fromCp1251("\xcc\xe5\xe4"), QString::fromUtf8("\xd0\x9c\xd0\xb5\xd0\xb4"));
}

}  // namespace
