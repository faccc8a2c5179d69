// HTML character entities: the table, the single-byte HTML encoding of the
// card and the decoding of references in names and topic paths.
#include "catalog/entities.h"
#include "platform/text/cp1251.h"

#include <libxml/HTMLparser.h>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

using namespace catalog;

namespace {

class Entities : public testing::Test {
protected:
    void SetUp() override {
        InitEntityArray();
        InitEntityList();
    }
    void TearDown() override { FreeEntityTables(); }
};

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }

}  // namespace

TEST(EntityTable, IsHtml401) {
    EXPECT_EQ(HTMLEntities.front().Name, "nbsp");
    EXPECT_EQ(HTMLEntities.front().Code, 160);
    EXPECT_EQ(HTMLEntities.back().Name, "euro");
    EXPECT_EQ(HTMLEntities.back().Code, 8364);
    std::set<std::string_view> names;
    std::set<unsigned> codes;
    for (const TEntity& e : HTMLEntities) {
        SCOPED_TRACE(std::string(e.Name));
        EXPECT_TRUE(names.insert(e.Name).second);
        EXPECT_TRUE(codes.insert(e.Code).second);
        EXPECT_LT(e.Code, EntityArraySize);
        // libxml2 carries the same HTML 4 table (plus XHTML's apos).
        const htmlEntityDesc* ref = htmlEntityLookup(reinterpret_cast<const xmlChar*>(std::string(e.Name).c_str()));
        ASSERT_NE(ref, nullptr);
        EXPECT_EQ(ref->value, e.Code);
    }
    EXPECT_EQ(names.size(), 252u);
    EXPECT_FALSE(names.count("apos"));
}

TEST(EntityTables, ConversionsRefuseToRunWithoutThem) {
    FreeEntityTables();
    try {
        ConvertWideCharToHTML(u"x");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Before use ConvertWideCharToHTML function call InitEntityArray function!");
    }
    EXPECT_EQ(ConvertHTMLToChar(""), "");  // an empty text needs no table
    try {
        ConvertHTMLToChar("x");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Before use ConvertHTMLToChar function call InitEntityList function!");
    }
    // Each table has its own initialiser.
    InitEntityArray();
    EXPECT_EQ(ConvertWideCharToHTML(u"\u00A0"), "&nbsp;");
    EXPECT_THROW(ConvertHTMLToChar("x"), std::runtime_error);
    InitEntityList();
    InitEntityList();  // a second build changes nothing
    EXPECT_EQ(ConvertHTMLToChar("&amp;"), "&");
    FreeEntityTables();
}

TEST_F(Entities, WideCharToHTML) {
    struct Case {
        std::u16string in;
        std::string out;
    };
    const Case cases[] = {
        {u"A\u00A0\u0416", "A&nbsp;&#1046;"},
        {u"", ""},
        {u"<a href=\"x\">&amp;'</a>", "<a href=\"x\">&amp;'</a>"},  // ASCII never escaped
        {u"\u007F\u0080", "\x7F&#128;"},
        {u"€™«»", "&euro;&trade;&laquo;&raquo;"},
        {u"ł", "&#322;"},
        {u"α", "&alpha;"},
        {u"\u2666\u2667", "&diams;&#9831;"},
        {u"\uFFFD", "&#65533;"},
        {u"\U0001F600", "&#128512;"},  // one reference for the pair
        {u"\xD83D" u"x", "&#55357;x"},      // a lone half as it is
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertWideCharToHTML(c.in), c.out) << c.out;
}

TEST_F(Entities, WideCharToHTMLGrowsItsBuffer) {
    // Every unit needs more than the two bytes per unit the buffer starts with.
    std::u16string in;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        in += (i % 3 == 0) ? u"\u03D1" : u"\u0416";
        expected += (i % 3 == 0) ? "&thetasym;" : "&#1046;";
    }
    EXPECT_EQ(ConvertWideCharToHTML(in), expected);
}

TEST_F(Entities, HTMLToChar) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"&quot;x&quot;", "\"x\""},
        {"&#65;", "A"},
        {"&nosuch; &ALPHA;", "&nosuch; &ALPHA;"},  // names are case-sensitive
        {"a & b", "a & b"},
        {"a &", "a &"},
        {"&;&#;&#0;&#-5;&#x41;&#6a;", "&;&#;&#0;&#-5;&#x41;&#6a;"},
        {"&#00000065;", "A"},                          // ";" ten bytes after "&"
        {"&#000000065;", "&#000000065;"},              // eleven: not a reference
        {"&thetasym; &thetasymx;", "&#977; &thetasymx;"},
        {"&amp;lt;", "&lt;"},                          // decoded once
        {"&&amp;", "&&"},
        {"&nbsp;&copy;&laquo;", "\xA0\xA9\xAB"},
        {"&euro;&trade;", "\x88\x99"},
        {"&#1046;&#1105;", cp("Жё")},                 // Cyrillic: its 1251 byte
        {"&eacute;&alpha;&#322;", "&#233;&#945;&#322;"},  // not in 1251: a reference
        {"&#0322;", "&#322;"},
        {"&#1114112;", "&#1114112;"},                  // past Unicode
        {"&#55357;", "&#55357;"},                      // a surrogate is no character
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertHTMLToChar(c.in), c.out) << c.in;
}

TEST_F(Entities, EveryEntityComesBackAsItsCharacter) {
    std::string allBytes;
    for (int b = 1; b < 256; ++b)
        allBytes.push_back(static_cast<char>(b));
    const QString codePage = text::fromCp1251(allBytes);
    for (const TEntity& e : HTMLEntities) {
        std::string reference(1, '&');  // built piecewise: GCC 12 warns wrongly on "&" + name
        reference.append(e.Name).push_back(';');
        const std::string bytes = ConvertHTMLToChar(reference);
        EXPECT_EQ(CharTextToQString(bytes), QString(QChar(e.Code))) << reference;
        // Characters of the code page are one byte, the others a reference.
        const bool inCodePage = codePage.contains(QChar(e.Code));
        EXPECT_EQ(bytes.size() == 1, inCodePage) << reference;
        // And back to the viewer's form.
        EXPECT_EQ(ConvertWideCharToHTML(std::u16string(1, char16_t(e.Code))),
                  e.Code <= 127 ? std::string(1, char(e.Code)) : reference);
    }
}

TEST_F(Entities, ViewerTextRoundTrip) {
    const QString original = QString::fromUtf8("Złoty € № «Ж» ™ α ł\u00A0\U0001F600 <b>");
    const std::string html = ConvertWideCharToHTML(original.toStdU16String());
    for (char c : html)
        EXPECT_LT(static_cast<unsigned char>(c), 128) << html;
    EXPECT_EQ(CharTextToQString(ConvertHTMLToChar(html)), original);
}

TEST_F(Entities, CharTextToQStringTurnsOnlyLeftReferences) {
    EXPECT_EQ(CharTextToQString(cp("Минск &#322;")), QString::fromUtf8("Минск ł"));
    EXPECT_EQ(CharTextToQString("&#128512;"), QString::fromUtf8("\U0001F600"));
    // A character of the code page would have been a byte: this is literal text.
    EXPECT_EQ(CharTextToQString("&#65; &#1046; &amp; &#0; &#322"), QString("&#65; &#1046; &amp; &#0; &#322"));
}
