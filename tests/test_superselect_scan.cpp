// The scanner behind SUPERSELECT: which text a path finds in a record, and
// which records give no value.
#include "superselect_scan.h"

#include "catalog/scramble.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using superselect::FindText;

struct Case {
    const char* title;
    std::string record;
    std::string path;
    std::optional<std::string> expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.title; }

// Code page 1251 bytes: "Мед", "ООО", "техника".
const std::string Med = "\xCC\xE5\xE4";
const std::string Ooo = "\xCE\xCE\xCE";
const std::string Tehnika = "\xF2\xE5\xF5\xED\xE8\xEA\xE0";

std::vector<Case> cases() {
    return {
        {"simple path", "<company><zip>220004</zip><name>Alpha</name></company>", "name", "Alpha"},
        {"nested path", "<company><address><zip>1</zip><street>Lenina</street></address></company>",
         "address/street", "Lenina"},
        {"nested path skips the same name at another level",
         "<company><street>Top</street><address><street>Inner</street></address></company>",
         "address/street", "Inner"},
        {"first step must be a child of company", "<company><x><name>Deep</name></x></company>",
         "name", std::nullopt},
        {"absent path", "<company><name>Alpha</name></company>", "fax", std::nullopt},
        {"path longer than the record", "<company><name>Alpha</name></company>", "name/first",
         std::nullopt},
        {"names compare whole", "<company><names>X</names><nam>Y</nam></company>", "name",
         std::nullopt},
        {"names compare letter case", "<company><name>X</name></company>", "Name", std::nullopt},
        {"attribute step never matches", "<company><phone code=\"017\">1</phone></company>",
         "phone/@code", std::nullopt},
        {"several matches give the first", "<company><phone>111</phone><phone>222</phone></company>",
         "phone", "111"},
        {"first match in document order across parents",
         "<company><a><c>no</c></a><a><b>x</b></a><a><b>y</b></a></company>", "a/b", "x"},
        {"self-closing parent does not end the search",
         "<company><address/><address><street>S</street></address></company>", "address/street",
         "S"},
        {"child markup: all descendant text",
         "<company><name>" + Ooo + " <b>" + Med + "</b>" + Tehnika + "<br/> plus</name></company>",
         "name", Ooo + " " + Med + Tehnika + " plus"},
        {"element of the same name inside the value", "<company><a><a>x</a>y</a><a>z</a></company>",
         "a", "xy"},
        {"attributes holding > and /",
         "<company><street prefix=\"a>b/\" alt='x/>y'>Main</street></company>", "street", "Main"},
        {"markup-like attribute is not an element",
         "<company><x title='<name>fake</name>'/><name>Real</name></company>", "name", "Real"},
        {"self-closing element is empty", "<company><name/><name>later</name></company>", "name", ""},
        {"self-closing element with attributes", "<company><name a=\"1\" /></company>", "name", ""},
        {"empty element", "<company><name></name></company>", "name", ""},
        {"predefined entities", "<company><name>A &lt;&gt;&amp;&quot;&apos; B</name></company>",
         "name", "A <>&\"' B"},
        {"numeric references into code page 1251",
         "<company><name>&#65;&#x42;&#X43;&#1046;&#x451;&#8470;&#8364;&#x2014;</name></company>",
         "name", "ABC\xC6\xB8\xB9\x88\x97"},
        {"code points outside code page 1251", "<company><name>&#233;&#x1F600;&#0;&#99999999999;</name></company>",
         "name", "????"},
        {"unknown references stay as they are",
         "<company><name>&nbsp; & x &#xZZ; &#; &amp</name></company>", "name",
         "&nbsp; & x &#xZZ; &#; &amp"},
        {"CDATA is text", "<company><name>a<![CDATA[ <b> & ]]>c</name></company>", "name",
         "a <b> & c"},
        {"comments and processing instructions are skipped",
         "<?xml version=\"1.0\" encoding=\"Windows-1251\"?>\r\n<!-- <company> -->"
         "<company><?pi <name>?><!-- <name>no</name> --><name>N<!-- x -->o</name></company>",
         "name", "No"},
        {"DOCTYPE before the root", "<!DOCTYPE company [<!ENTITY x 'y>'>]><company><name>D</name></company>",
         "name", "D"},
        {"whitespace kept as stored", "<company>\n  <name>\t A \r\n</name>\n</company>", "name",
         "\t A \r\n"},
        {"Cyrillic bytes untouched", "<company><name>" + Med + "\x98\xFF\xB8</name></company>", "name",
         Med + "\x98\xFF\xB8"},
        {"empty path gives the text of company", "<company><name>A</name><zip>1</zip></company>", "",
         "A1"},
        {"truncated inside the value", "<company><name>Alp", "name", std::nullopt},
        {"truncated inside a start tag", "<company><name a=\"x", "name", std::nullopt},
        {"truncated before the path is found", "<company><name>Alpha</name>", "fax", std::nullopt},
        {"truncated inside a comment in the value", "<company><name>A<!-- x", "name", std::nullopt},
        {"fault after the value is not looked at", "<company><name>A</name><fax>", "name", "A"},
        {"mismatched end tag", "<company><name>A</nome></company>", "name", std::nullopt},
        {"stray < in text", "<company><name>a < b</name></company>", "name", std::nullopt},
        {"not XML", "name=Alpha", "name", std::nullopt},
        {"binary garbage", std::string("\x3C\x01\xFE\x00\x3E", 5), "name", std::nullopt},
        {"empty input", "", "name", std::nullopt},
        {"only a declaration", "<?xml version=\"1.0\"?>", "name", std::nullopt},
        {"wrong root", "<firm><name>X</name></firm>", "name", std::nullopt},
        {"self-closing root", "<company/>", "name", std::nullopt},
    };
}

class ScanTest : public testing::TestWithParam<Case> {};

TEST_P(ScanTest, FindsTheTextAtThePath) {
    const Case& c = GetParam();
    EXPECT_EQ(FindText(c.record, c.path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Records, ScanTest, testing::ValuesIn(cases()));

TEST(ScanInto, ReusesTheBufferAndClearsItWhenThereIsNoValue) {
    std::string value = "left over from the previous row";
    ASSERT_TRUE(superselect::FindTextInto("<company><name>New</name></company>", "name", value));
    EXPECT_EQ(value, "New");
    EXPECT_FALSE(superselect::FindTextInto("<company><name>New</name></company>", "fax", value));
    EXPECT_EQ(value, "");
}

// Long enough for the position term of the scrambling to wrap past 255.
std::string longRecord() {
    std::string xml = "<company>";
    for (int i = 0; i < 40; ++i)
        xml += "<phone>" + std::to_string(1000 + i) + "</phone>";
    xml += "<name>" + Ooo + " &quot;" + Med + Tehnika + "&quot;</name></company>";
    return xml;
}

TEST(ScanScrambled, UnscramblesWithTheRecordKey) {
    std::string stored = longRecord();
    ASSERT_GT(stored.size(), 300u);
    catalog::UnscrambleRecord(stored, catalog::RecordKey);
    ASSERT_NE(stored.substr(0, 9), "<company>");

    EXPECT_EQ(superselect::FindTextInScrambled(stored, "name", catalog::RecordKey),
              Ooo + " \"" + Med + Tehnika + "\"");
    EXPECT_EQ(superselect::FindTextInScrambled(stored, "phone", catalog::RecordKey), "1000");
    EXPECT_EQ(superselect::FindTextInScrambled(stored, "name", "wrong key"), std::nullopt);
    EXPECT_EQ(superselect::FindTextInScrambled(stored, "name", ""), std::nullopt);
}

TEST(ScanScrambled, InPlaceLeavesThePlainRecord) {
    const std::string plain = longRecord();
    std::string buffer = plain;
    catalog::UnscrambleRecord(buffer, catalog::RecordKey);
    std::string value;
    ASSERT_TRUE(superselect::FindTextInScrambledInPlace(buffer.data(), buffer.size(), "phone",
                                                        catalog::RecordKey, value));
    EXPECT_EQ(value, "1000");
    EXPECT_EQ(buffer, plain);
}

TEST(ScanScrambled, EmptyKeyReadsAPlainRecord) {
    EXPECT_EQ(superselect::FindTextInScrambled("<company><name>P</name></company>", "name", ""), "P");
}

// A scan of any first part of a record either asks for more or gives what
// the whole record gives; given all of it, it always answers.
TEST_P(ScanTest, EveryPrefixAsksForMoreOrGivesTheWholeAnswer) {
    const Case& c = GetParam();
    std::string value;
    for (std::size_t n = 0; n <= c.record.size(); ++n) {
        const std::string_view prefix(c.record.data(), n);
        const superselect::Scan result = superselect::FindTextInPrefix(prefix, false, c.path, value);
        if (result == superselect::Scan::NeedMore) {
            EXPECT_EQ(value, "") << "prefix " << n;
            continue;
        }
        ASSERT_EQ(result == superselect::Scan::Value, c.expected.has_value()) << "prefix " << n;
        if (c.expected) {
            ASSERT_EQ(value, *c.expected) << "prefix " << n;
        }
    }
    const superselect::Scan whole = superselect::FindTextInPrefix(c.record, true, c.path, value);
    ASSERT_NE(whole, superselect::Scan::NeedMore);
    EXPECT_EQ(whole == superselect::Scan::Value ? std::optional<std::string>(value) : std::nullopt,
              c.expected);
}

struct PrefixCase {
    const char* title;
    std::string prefix;  // the first bytes of a longer record
    std::string path;
    superselect::Scan expected;
    std::string value;
};

void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.title; }

// Where the answer is known before the end of the record, and where not.
std::vector<PrefixCase> prefixCases() {
    using superselect::Scan;
    return {
        {"value complete at its end tag", "<company><zip>1</zip><name>A<b>B</b></name>", "name",
         Scan::Value, "AB"},
        {"empty element", "<company><name/>", "name", Scan::Value, ""},
        {"root closed without the path", "<company><zip>1</zip></company>", "fax", Scan::NoValue, ""},
        {"wrong root", "<firm>", "name", Scan::NoValue, ""},
        {"not XML", "name=", "name", Scan::NoValue, ""},
        {"mismatched end tag", "<company><name>A</nome>", "name", Scan::NoValue, ""},
        {"stray < in the value", "<company><name>a < b", "name", Scan::NoValue, ""},
        {"inside the value", "<company><name>Alp", "name", Scan::NeedMore, ""},
        {"end tag of the value cut", "<company><name>A</nam", "name", Scan::NeedMore, ""},
        {"end tag without its >", "<company><name>A</name", "name", Scan::NeedMore, ""},
        {"start tag of the value cut", "<company><na", "name", Scan::NeedMore, ""},
        {"start tag that may still close itself", "<company><name", "name", Scan::NeedMore, ""},
        {"inside an attribute value", "<company><name a='>", "name", Scan::NeedMore, ""},
        {"a lone < at the end", "<company><name>A<", "name", Scan::NeedMore, ""},
        {"comment opener cut", "<company><name>A<!-", "name", Scan::NeedMore, ""},
        {"CDATA opener cut", "<company><name>A<![CD", "name", Scan::NeedMore, ""},
        {"CDATA terminator cut", "<company><name><![CDATA[x]]", "name", Scan::NeedMore, ""},
        {"declaration cut", "<?xml version='1.0'?", "name", Scan::NeedMore, ""},
        {"DOCTYPE cut", "<!DOCTYPE company [<!ENTITY x 'y>'>]", "name", Scan::NeedMore, ""},
        {"only whitespace yet", "\r\n  ", "name", Scan::NeedMore, ""},
        {"before the path, after an element", "<company><zip>1</zip>", "name", Scan::NeedMore, ""},
        {"reference cut by the end stays open", "<company><name>&am", "name", Scan::NeedMore, ""},
    };
}

class PrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixTest, AnswersAsSoonAsTheBytesDecide) {
    const PrefixCase& c = GetParam();
    std::string value = "stale";
    EXPECT_EQ(superselect::FindTextInPrefix(c.prefix, false, c.path, value), c.expected);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, PrefixTest, testing::ValuesIn(prefixCases()));

// Feeds a stored record the way the database function reads a blob: in
// pieces of Piece bytes, appending after each NeedMore.
superselect::Scan feed(const std::string& stored, std::size_t piece, const std::string& path,
                       std::string& buffer, std::size_t& plain, std::string& value) {
    const catalog::RecordMask mask(catalog::RecordKey);
    buffer.clear();
    plain = 0;
    std::size_t given = 0;
    for (;;) {
        const std::size_t n = std::min(piece, stored.size() - given);
        buffer.append(stored, given, n);
        given += n;
        const superselect::Scan result = superselect::FindTextInScrambledPrefix(
            buffer.data(), buffer.size(), given == stored.size(), plain, path, mask, value);
        if (result != superselect::Scan::NeedMore)
            return result;
        EXPECT_LT(given, stored.size()) << "NeedMore with the whole record";
        if (given == stored.size())
            return result;
    }
}

TEST_P(ScanTest, ScrambledRecordFedInPiecesGivesTheWholeAnswer) {
    const Case& c = GetParam();
    std::string stored = c.record;
    catalog::UnscrambleRecord(stored, catalog::RecordKey);
    for (std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{64}, std::size_t{600},
                              std::size_t{1} << 20}) {
        std::string buffer;
        std::size_t plain = 0;
        std::string value;
        const superselect::Scan result = feed(stored, piece, c.path, buffer, plain, value);
        ASSERT_NE(result, superselect::Scan::NeedMore) << "piece " << piece;
        EXPECT_EQ(result == superselect::Scan::Value ? std::optional<std::string>(value) : std::nullopt,
                  c.expected)
            << "piece " << piece;
        // What was unscrambled is plain; the rest is left as stored.
        ASSERT_LE(plain, buffer.size());
        EXPECT_EQ(buffer.substr(0, plain), c.record.substr(0, plain)) << "piece " << piece;
        EXPECT_EQ(buffer.substr(plain), stored.substr(plain, buffer.size() - plain)) << "piece " << piece;
    }
}

// A value near the start of a long record needs only the first step
// unscrambled; one near the end needs it all.
TEST(ScanScrambledPrefix, UnscramblesOnlyAsFarAsTheAnswerNeeds) {
    std::string plainRecord = "<company><name>" + Ooo + "</name>";
    for (int i = 0; plainRecord.size() < 20000; ++i)
        plainRecord += "<phone>" + std::to_string(100000 + i) + "</phone>";
    plainRecord += "<email>e@x.by</email></company>";
    std::string stored = plainRecord;
    catalog::UnscrambleRecord(stored, catalog::RecordKey);

    struct Expect {
        const char* path;
        std::optional<std::string> value;
        std::size_t plainAtMost;
    };
    const Expect expects[] = {
        {"name", Ooo, superselect::FirstStep},
        {"phone", "100000", superselect::FirstStep},
        {"email", "e@x.by", stored.size()},
        {"fax", std::nullopt, stored.size()},
    };
    const catalog::RecordMask mask(catalog::RecordKey);
    for (const Expect& e : expects) {
        std::string buffer = stored;
        std::size_t plain = 0;
        std::string value;
        const superselect::Scan result = superselect::FindTextInScrambledPrefix(
            buffer.data(), buffer.size(), true, plain, e.path, mask, value);
        EXPECT_EQ(result == superselect::Scan::Value ? std::optional<std::string>(value) : std::nullopt,
                  e.value)
            << e.path;
        EXPECT_LE(plain, e.plainAtMost) << e.path;
        EXPECT_EQ(buffer.substr(0, plain), plainRecord.substr(0, plain)) << e.path;
        EXPECT_EQ(buffer.substr(plain), stored.substr(plain)) << e.path;
    }
}

// Every byte of code page 1251 that stands for a character comes back from
// its code point, checked against the C library's converter.
TEST(ToCp1251, MapsEveryCharacterOfTheCodePageBack) {
    iconv_t cd = iconv_open("UTF-32LE", "CP1251");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    int checked = 0;
    for (int b = 1; b < 256; ++b) {
        char in = static_cast<char>(b);
        char32_t out = 0;
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(&out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            continue;  // 0x98 has no character
        EXPECT_EQ(static_cast<unsigned char>(superselect::ToCp1251(out)), b) << "byte " << b;
        ++checked;
    }
    iconv_close(cd);
    EXPECT_GE(checked, 254);
    EXPECT_EQ(superselect::ToCp1251(U'\u00E9'), '?');
    EXPECT_EQ(superselect::ToCp1251(U'\U0001F600'), '?');
}

}  // namespace
