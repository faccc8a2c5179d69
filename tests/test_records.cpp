// Company records: reading and finding by path, the card's marks, the
// transform into single-byte HTML, node walking.
#include "catalog/entities.h"
#include "catalog/records.h"
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace catalog;
using xml::XmlDocument;
using xml::XmlNode;

namespace {

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }

XmlDocument record(const char* utf8Body) {
    XmlDocument doc;
    LoadXMLText(RecordXMLHeader, cp(utf8Body), doc);
    return doc;
}

const char* const kCompany =
    "<company id=\"12\">"
    "<name>Улыбка</name>"
    "<phone code=\"17\">123-45-67</phone>"
    "<phone code=\"29\">765-43-21</phone>"
    "<address><street prefix=\"ул.\">Ленина</street></address>"
    "</company>";

// kind:name(text) of each child: the node sequence the marking produces.
std::vector<std::string> children(XmlNode n) {
    std::vector<std::string> out;
    for (XmlNode c : n.children())
        out.push_back(c.name() + "(" + text::cp1251ToUtf8(c.text()) + ")");
    return out;
}

}  // namespace

TEST(LoadXMLText, HeaderSetsTheEncoding) {
    const XmlDocument doc = record(kCompany);
    EXPECT_EQ(doc.documentElement().name(), "company");
    EXPECT_EQ(GetValueByPath(doc, "company/name"), cp("Улыбка"));
}

TEST(LoadXMLText, MalformedRecordThrowsAndKeepsTheDocument) {
    XmlDocument doc = record(kCompany);
    EXPECT_THROW(LoadXMLText(RecordXMLHeader, "<company><name></company>", doc), xml::XmlError);
    EXPECT_EQ(GetValueByPath(doc, "company/name"), cp("Улыбка"));
}

TEST(GetValueByPath, Paths) {
    const XmlDocument doc = record(kCompany);
    struct Case {
        const char* path;
        const char* value;
    };
    const Case cases[] = {
        {"company/name", "Улыбка"},
        {"company/phone", "123-45-67"},  // the first phone
        {"company/phone/@code", "17"},
        {"company/@id", "12"},
        {"company/address/street", "Ленина"},
        {"company/address/street/@prefix", "ул."},
        {"company/name/", "Улыбка"},      // an empty name ends the walk
        {"company/@id/name", "12"},       // nothing after an attribute
        {"company/name/@missing", ""},
        {"company/nosuch/@code", ""},
        {"company/nosuch", ""},
        {"firm/name", ""},                // the first name is the root's
        {"Company/name", ""},             // letter case counts
        {"name", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetValueByPath(doc, c.path), cp(c.value)) << c.path;
}

TEST(GetValueByPath, AttributeOfTheFirstElementOnly) {
    EXPECT_EQ(GetValueByPath(record("<company><phone>1</phone><phone code=\"17\">2</phone></company>"),
                             "company/phone/@code"),
              "");
    EXPECT_EQ(GetValueByPath(record("<company><name>x</name></company>"), "company/phone/@code"), "");
    EXPECT_EQ(GetValueByPath(record("<company><phone code=\"\">1</phone></company>"), "company/phone/@code"), "");
}

TEST(GetValueByPath, StepsGoToElementsOnly) {
    const XmlDocument doc = record("<company>text<!--c--></company>");
    EXPECT_EQ(GetValueByPath(doc, "company/#text"), "");
    EXPECT_EQ(GetValueByPath(doc, "company"), "text");
}

TEST(FindNodeByPath, FindsWithoutCreating) {
    XmlDocument doc = record(kCompany);
    const std::string before = doc.toBytes();
    const XmlNode phone = FindNodeByPath(doc, "company/phone");
    ASSERT_TRUE(phone);
    EXPECT_EQ(phone.text(), "123-45-67");
    EXPECT_EQ(FindNodeByPath(doc, "company/address/street").attribute("prefix"), cp("ул."));
    EXPECT_FALSE(FindNodeByPath(doc, "company/phone/@code"));
    EXPECT_FALSE(FindNodeByPath(doc, "company/fax"));
    EXPECT_FALSE(FindNodeByPath(doc, "company/fax/number"));
    EXPECT_FALSE(FindNodeByPath(doc, "firm"));
    EXPECT_EQ(FindNodeByPath(doc, ""), doc.documentNode());
    EXPECT_EQ(FindNodeByPath(doc, "company//phone"), doc.documentElement());
    EXPECT_EQ(doc.toBytes(), before);
}

TEST(FindNodeByPath, StepsMatchAnyChildByNodeName) {
    const XmlDocument doc = record("<company>lead<name>n</name></company>");
    const XmlNode text = FindNodeByPath(doc, "company/#text");
    ASSERT_TRUE(text);
    EXPECT_TRUE(text.isText());
    EXPECT_EQ(text.text(), "lead");
}

TEST(AddChildAtPath, InsertsEmptyFirstChild) {
    XmlDocument doc = record(kCompany);
    AddChildAtPath(doc, "company/phone", "searchresult");
    const XmlNode phone = FindNodeByPath(doc, "company/phone");
    EXPECT_EQ(children(phone), (std::vector<std::string>{"searchresult()", "#text(123-45-67)"}));
    EXPECT_EQ(phone.text(), "123-45-67");
    AddChildAtPath(doc, "company", "searchresult");
    EXPECT_EQ(doc.documentElement().firstChild().name(), "searchresult");
    // The second phone is untouched.
    EXPECT_EQ(children(phone.nextSibling()), (std::vector<std::string>{"#text(765-43-21)"}));
}

TEST(AddChildAtPath, MissingPathChangesNothing) {
    XmlDocument doc = record(kCompany);
    const std::string before = doc.toBytes();
    AddChildAtPath(doc, "company/fax", "searchresult");
    AddChildAtPath(doc, "firm", "searchresult");
    EXPECT_EQ(doc.toBytes(), before);
}

TEST(MarkTextAtPath, NodeSequences) {
    struct Case {
        const char* content;
        const char* search;
        bool all;
        std::vector<std::string> children;
    };
    const std::string sel = "searchselect(abc)";
    const Case cases[] = {
        {"xabcyabc", "abc", true, {"#text(x)", sel, "#text(y)", sel, "#text()"}},
        {"xabcyabc", "abc", false, {"#text(x)", sel, "#text(yabc)"}},
        {"xabcyabc", "  abc\t", true, {"#text(x)", sel, "#text(y)", sel, "#text()"}},
        {"abcabc", "abc", true, {"#text()", sel, "#text()", sel, "#text()"}},
        {"abcx", "abc", false, {"#text()", sel, "#text(x)"}},
        {"abababab", "abab", true, {"#text()", "searchselect(abab)", "#text()", "searchselect(abab)", "#text()"}},
        {"xABCy", "abc", true, {"#text(xABCy)"}},  // letter case counts
        {"xyz", "abc", true, {"#text(xyz)"}},
    };
    for (const Case& c : cases) {
        XmlDocument doc = record((std::string("<company><street>") + c.content + "</street></company>").c_str());
        MarkTextAtPath(doc, "company/street", c.search, c.all, "searchselect");
        EXPECT_EQ(children(FindNodeByPath(doc, "company/street")), c.children)
            << c.content << " / " << c.search << " / " << c.all;
    }
}

TEST(MarkTextAtPath, MarksEveryTextNodeBelowTheElement) {
    XmlDocument doc = record("<company><a>abc<b x=\"abc\">zabc</b><!--abc-->abc</a><c>abc</c></company>");
    MarkTextAtPath(doc, "company/a", "abc", true, "sel");
    const XmlNode a = FindNodeByPath(doc, "company/a");
    EXPECT_EQ(children(a), (std::vector<std::string>{"#text()", "sel(abc)", "#text()", "b(zabc)", "#comment(abc)",
                                                     "#text()", "sel(abc)", "#text()"}));
    EXPECT_EQ(children(a.firstChildElement("b")), (std::vector<std::string>{"#text(z)", "sel(abc)", "#text()"}));
    EXPECT_EQ(a.firstChildElement("b").attribute("x"), "abc");  // attributes are not text nodes
    EXPECT_EQ(children(FindNodeByPath(doc, "company/c")), (std::vector<std::string>{"#text(abc)"}));
}

TEST(MarkTextAtPath, CyrillicAndCharactersOutsideTheCodePage) {
    XmlDocument doc = record("<company><settlement>г. Минск &#322; Минск</settlement></company>");
    MarkTextAtPath(doc, "company/settlement", cp("Минск"), true, "searchselect");
    const XmlNode s = FindNodeByPath(doc, "company/settlement");
    ASSERT_EQ(s.childCount(), 5u);
    EXPECT_EQ(s.child(0).textUtf8(), "г. ");
    EXPECT_EQ(s.child(1).textUtf8(), "Минск");
    EXPECT_EQ(s.child(2).textUtf8(), " ł ");  // not turned into "?" by the rewrite
    EXPECT_EQ(s.child(3).name(), "searchselect");
}

TEST(MarkTextAtPath, BlankTextOrMissingElementChangesNothing) {
    XmlDocument doc = record(kCompany);
    const std::string before = doc.toBytes();
    MarkTextAtPath(doc, "company/name", " \t\r\n", true, "searchselect");
    MarkTextAtPath(doc, "company/name", "", true, "searchselect");
    MarkTextAtPath(doc, "company/fax", "123", true, "searchselect");
    EXPECT_EQ(doc.toBytes(), before);
}

TEST(MarkTextAtPath, CardMarksAfterSearchResult) {
    // The card: searchresult first, then the value marked inside the element.
    XmlDocument doc = record(kCompany);
    AddChildAtPath(doc, "company/phone", "searchresult");
    MarkTextAtPath(doc, "company/phone", "45", true, "searchselect");
    EXPECT_EQ(children(FindNodeByPath(doc, "company/phone")),
              (std::vector<std::string>{"searchresult()", "#text(123-)", "searchselect(45)", "#text(-67)"}));
}

namespace {

class Transform : public testing::Test {
protected:
    void SetUp() override {
        InitEntityArray();
        InitEntityList();
    }
    void TearDown() override { FreeEntityTables(); }
};

// A card-like style sheet: HTML output, the record's Cyrillic text, marks,
// and characters with and without an entity name outside code page 1251.
const char* const kCardSheet = R"xsl(<?xml version="1.0" encoding="Windows-1251"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="Windows-1251"/>
  <xsl:template match="/company">
    <html><body><h1><xsl:apply-templates select="name"/></h1><p>&#8364;&#945;&#322;</p></body></html>
  </xsl:template>
  <xsl:template match="searchselect"><b><xsl:value-of select="."/></b></xsl:template>
</xsl:stylesheet>)xsl";

}  // namespace

TEST_F(Transform, CardHtmlIsSingleByteWithReferences) {
    XmlDocument doc = record("<company><name>Ёж &amp; Ко</name></company>");
    MarkTextAtPath(doc, "company/name", cp("Ко"), true, "searchselect");
    const xml::XslStylesheet sheet = xml::XslStylesheet::fromBytes(kCardSheet);
    const std::string html = TransformToHTML(doc, sheet);
    EXPECT_NE(html.find("<h1>&#1025;&#1078; &amp; <b>&#1050;&#1086;</b></h1>"), std::string::npos) << html;
    EXPECT_NE(html.find("<p>&euro;&alpha;&#322;</p>"), std::string::npos) << html;
    for (char c : html)
        EXPECT_LT(static_cast<unsigned char>(c), 128);
    // The document form of the style sheet gives the same page.
    EXPECT_EQ(TransformToHTML(doc, XmlDocument::fromBytes(kCardSheet)), html);
}

TEST(FindChildByPath, FromANode) {
    const XmlDocument doc = record(kCompany);
    const XmlNode company = doc.documentElement();
    EXPECT_EQ(FindChildByPath(company, "address/street").text(), cp("Ленина"));
    EXPECT_EQ(FindChildByPath(company, "phone").text(), "123-45-67");
    EXPECT_EQ(FindChildByPath(company, ""), company);
    EXPECT_FALSE(FindChildByPath(XmlNode(), "phone"));
    EXPECT_FALSE(FindChildByPath(company, "address/house"));
    EXPECT_FALSE(FindChildByPath(company, "nosuch/street"));
    EXPECT_FALSE(FindChildByPath(company, "company"));  // starts below the node
    EXPECT_FALSE(FindChildByPath(company, "name/#text"));  // elements only
}

TEST(NextNodeInDocument, PreOrder) {
    const XmlDocument doc = XmlDocument::fromBytes("<a><b><c/>t</b><d><e/></d></a><!--end-->");
    std::vector<std::string> order;
    for (XmlNode n = doc.documentNode().firstChild(); n; n = NextNodeInDocument(n))
        order.push_back(n.name());
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "#text", "d", "e", "#comment"}));
    EXPECT_FALSE(NextNodeInDocument(XmlNode()));
    const XmlNode e = FindNodeByPath(doc, "a/d/e");
    EXPECT_TRUE(NextNodeInDocument(e).kind() == xml::NodeKind::Comment);
    EXPECT_EQ(NextNodeInDocument(doc.documentNode()).name(), "a");
}

TEST(NodeTextAndAttribute, AbsentGivesEmpty) {
    const XmlDocument doc = record(kCompany);
    const XmlNode phone = FindNodeByPath(doc, "company/phone");
    EXPECT_EQ(NodeText(phone), "123-45-67");
    EXPECT_EQ(NodeText(XmlNode()), "");
    EXPECT_EQ(NodeAttribute(phone, "code"), "17");
    EXPECT_EQ(NodeAttribute(phone, "Code"), "");
    EXPECT_EQ(NodeAttribute(XmlNode(), "code"), "");
    EXPECT_EQ(NodeText(doc.documentElement().firstChildElement("address")), cp("Ленина"));
}
