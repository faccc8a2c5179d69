// The XML layer: loading in the declared encoding, node handles, tree edits,
// XSL transforms to UTF-16.
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"
#include "platform/xml/xslt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using xml::NodeKind;
using xml::XmlDocument;
using xml::XmlError;
using xml::XmlNode;
using xml::XslStylesheet;

namespace {

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }

const std::string kHeader1251 = "<?xml version=\"1.0\" encoding=\"Windows-1251\"?>\r\n";

XmlDocument load1251(const char* utf8Body) { return XmlDocument::fromBytes(kHeader1251 + cp(utf8Body)); }

// name(text) of each child, for comparing whole child sequences.
std::vector<std::string> childSummary(XmlNode n) {
    std::vector<std::string> out;
    for (XmlNode c : n.children())
        out.push_back(c.name() + "(" + c.text() + ")");
    return out;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary);
    f << bytes;
}

}  // namespace

TEST(XmlDocument, LoadsBytesInTheDeclaredEncoding) {
    const XmlDocument doc = load1251("<company id=\"7\"><name>ООО «Улыбка»</name></company>");
    const XmlNode root = doc.documentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(root.name(), "company");
    EXPECT_EQ(root.attribute("id"), "7");
    const XmlNode name = root.firstChildElement("name");
    EXPECT_EQ(name.text(), cp("ООО «Улыбка»"));
    EXPECT_EQ(name.textUtf8(), "ООО «Улыбка»");
}

TEST(XmlDocument, WithoutDeclarationTheBytesAreUtf8) {
    const XmlDocument doc = XmlDocument::fromBytes("<a>Минск</a>");
    EXPECT_EQ(doc.documentElement().text(), cp("Минск"));
}

TEST(XmlDocument, CharacterOutsideCp1251ReadsAsQuestionMarkButSurvivesInUtf8) {
    const XmlDocument doc = XmlDocument::fromBytes("<a>&#322;x</a>");
    EXPECT_EQ(doc.documentElement().text(), "?x");
    EXPECT_EQ(doc.documentElement().textUtf8(), "łx");
}

TEST(XmlDocument, ParseErrorCarriesLibxmlMessageAndKeepsPreviousContent) {
    XmlDocument doc = XmlDocument::fromBytes("<a><b/></a>");
    try {
        doc.loadBytes("<a>\n<b></a>");
        FAIL() << "no error";
    } catch (const XmlError& e) {
        EXPECT_NE(std::string(e.what()).find("mismatch"), std::string::npos) << e.what();
        EXPECT_EQ(e.line(), 2);
    }
    ASSERT_TRUE(doc.documentElement());
    EXPECT_EQ(doc.documentElement().firstChild().name(), "b");
}

TEST(XmlDocument, EmptyInputAndUnknownEncodingAreErrors) {
    EXPECT_THROW(XmlDocument::fromBytes(""), XmlError);
    EXPECT_THROW(XmlDocument::fromBytes("<?xml version=\"1.0\" encoding=\"no-such-code\"?><a/>"), XmlError);
}

TEST(XmlDocument, NewDocumentIsEmpty) {
    const XmlDocument doc;
    EXPECT_TRUE(doc.documentNode());
    EXPECT_EQ(doc.documentNode().kind(), NodeKind::Document);
    EXPECT_FALSE(doc.documentElement());
    EXPECT_EQ(doc.documentNode().childCount(), 0u);
}

TEST(XmlDocument, LoadsFileAndReportsMissingOne) {
    const auto dir = std::filesystem::path(testing::TempDir());
    const auto path = dir / "marvenic_xml_load.xml";
    writeFile(path, kHeader1251 + cp("<a>Гомель</a>"));
    EXPECT_EQ(XmlDocument::fromFile(path).documentElement().text(), cp("Гомель"));
    std::filesystem::remove(path);
    EXPECT_THROW(XmlDocument::fromFile(dir / "marvenic_no_such_file.xml"), XmlError);
}

TEST(XmlDocument, ToBytesWritesTheDeclaredEncoding) {
    XmlDocument doc = load1251("<a>Брест</a>");
    doc.documentElement().appendChild(doc.createTextUtf8("ł"));
    const std::string bytes = doc.toBytes();
    EXPECT_NE(bytes.find(cp("Брест")), std::string::npos);
    EXPECT_NE(bytes.find("&#322;"), std::string::npos) << bytes;
}

TEST(XmlNode, NamesFollowTheDom) {
    const XmlDocument doc =
        XmlDocument::fromBytes("<r xmlns:x=\"urn:x\">t<x:e/><!--c--><![CDATA[d]]><?pi data?></r>");
    EXPECT_EQ(doc.documentNode().name(), "#document");
    EXPECT_EQ(childSummary(doc.documentElement()),
              (std::vector<std::string>{"#text(t)", "x:e()", "#comment(c)", "#cdata-section(d)", "pi(data)"}));
    const std::vector<XmlNode> kids = doc.documentElement().children();
    EXPECT_EQ(kids[0].kind(), NodeKind::Text);
    EXPECT_EQ(kids[1].kind(), NodeKind::Element);
    EXPECT_EQ(kids[2].kind(), NodeKind::Comment);
    EXPECT_EQ(kids[3].kind(), NodeKind::CData);
    EXPECT_EQ(kids[4].kind(), NodeKind::ProcessingInstruction);
    EXPECT_TRUE(kids[1].hasName("x:e"));
    EXPECT_FALSE(kids[1].hasName("e"));
    // A path step "text" must not find a text node.
    EXPECT_FALSE(doc.documentElement().firstChildNamed("text"));
    EXPECT_EQ(doc.documentElement().firstChildNamed("#text"), kids[0]);
}

TEST(XmlNode, CyrillicElementNames) {
    const XmlDocument doc = load1251("<фирма><адрес>x</адрес></фирма>");
    EXPECT_EQ(doc.documentElement().name(), cp("фирма"));
    EXPECT_EQ(doc.documentElement().firstChildElement(cp("адрес")).text(), "x");
}

TEST(XmlNode, ChildrenInOrderWithIndexes) {
    const XmlDocument doc = XmlDocument::fromBytes("<r><a/>x<b/><a>2</a></r>");
    const XmlNode r = doc.documentElement();
    EXPECT_EQ(r.childCount(), 4u);
    EXPECT_EQ(r.childElements().size(), 3u);
    EXPECT_EQ(r.child(2).name(), "b");
    EXPECT_EQ(r.child(2).index(), 2u);
    EXPECT_FALSE(r.child(4));
    EXPECT_EQ(r.firstChildElement("a").text(), "");
    EXPECT_EQ(r.lastChild().text(), "2");
    EXPECT_EQ(r.lastChild().previousSibling().name(), "b");
    EXPECT_EQ(r.child(1).parent(), r);
    EXPECT_EQ(r.parent(), doc.documentNode());
    EXPECT_FALSE(doc.documentNode().parent());
}

TEST(XmlNode, TextIsTheStringValue) {
    const XmlDocument doc = XmlDocument::fromBytes("<r>a<b>b<c>c</c></b><!--no--><![CDATA[d]]></r>");
    EXPECT_EQ(doc.documentElement().text(), "abcd");
    EXPECT_EQ(doc.documentNode().text(), "abcd");
}

TEST(XmlNode, NullHandleAnswersEmpty) {
    const XmlNode n;
    EXPECT_EQ(n.kind(), NodeKind::None);
    EXPECT_EQ(n.name(), "");
    EXPECT_EQ(n.text(), "");
    EXPECT_FALSE(n.firstChild());
    EXPECT_FALSE(n.parent());
    EXPECT_FALSE(n.attribute("a"));
    EXPECT_EQ(n.childCount(), 0u);
    EXPECT_TRUE(n.children().empty());
}

TEST(XmlNode, Attributes) {
    XmlDocument doc = load1251("<e a=\"1\" empty=\"\" x:q=\"3\" xmlns:x=\"urn:x\"/>");
    XmlNode e = doc.documentElement();
    EXPECT_EQ(e.attribute("a"), "1");
    EXPECT_EQ(e.attribute("empty"), "");  // present, empty
    EXPECT_FALSE(e.attribute("b"));
    EXPECT_EQ(e.attribute("x:q"), "3");
    EXPECT_FALSE(e.attribute("q"));

    e.setAttribute("a", cp("ул. & <Ленина>"));
    e.setAttribute("b", "2");
    EXPECT_EQ(e.attribute("a"), cp("ул. & <Ленина>"));
    EXPECT_TRUE(e.removeAttribute("empty"));
    EXPECT_FALSE(e.removeAttribute("empty"));
    const auto all = e.attributes();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].first, "a");
    EXPECT_EQ(all[1].first, "x:q");
    EXPECT_EQ(all[2], (std::pair<std::string, std::string>("b", "2")));
    EXPECT_THROW(e.firstChild().setAttribute("a", "1"), XmlError);  // no child: null handle
}

TEST(XmlNode, InsertedTextNodesStaySeparate) {
    XmlDocument doc = XmlDocument::fromBytes("<r>b</r>");
    XmlNode r = doc.documentElement();
    r.insertChild(0, doc.createText("a"));
    r.appendChild(doc.createText("c"));
    r.insertChild(99, doc.createText(""));
    const XmlNode e = r.insertChild(2, doc.createElement("e"));
    EXPECT_EQ(e.name(), "e");
    EXPECT_EQ(childSummary(r),
              (std::vector<std::string>{"#text(a)", "#text(b)", "e()", "#text(c)", "#text()"}));
    EXPECT_EQ(r.text(), "abc");
}

TEST(XmlNode, InsertionRules) {
    XmlDocument doc = XmlDocument::fromBytes("<r>t</r>");
    XmlDocument other;
    XmlNode text = doc.documentElement().firstChild();
    EXPECT_THROW(text.appendChild(doc.createElement("e")), XmlError);
    EXPECT_THROW(doc.documentElement().appendChild(other.createElement("e")), XmlError);
    EXPECT_THROW(doc.documentElement().appendChild(xml::DetachedNode()), XmlError);
    EXPECT_THROW(doc.createElement("1bad"), XmlError);
    EXPECT_THROW(doc.createElement(""), XmlError);
    EXPECT_EQ(doc.documentElement().childCount(), 1u);
}

TEST(XmlNode, BuildsDetachedSubtreeBeforeInsertion) {
    XmlDocument doc;
    xml::DetachedNode company = doc.createElement("company");
    company.node().setAttribute("id", "1");
    company.node().appendChild(doc.createText(cp("Витебск")));
    doc.documentNode().appendChild(std::move(company));
    EXPECT_FALSE(company);
    ASSERT_TRUE(doc.documentElement());
    EXPECT_EQ(doc.documentElement().text(), cp("Витебск"));
    EXPECT_EQ(XmlDocument::fromBytes(doc.toBytes()).documentElement().attribute("id"), "1");
}

TEST(XmlNode, DetachAndRemove) {
    XmlDocument doc = XmlDocument::fromBytes("<r><a/><b/><c/></r>");
    XmlNode r = doc.documentElement();
    xml::DetachedNode b = r.child(1).detach();
    EXPECT_EQ(childSummary(r), (std::vector<std::string>{"a()", "c()"}));
    r.insertChild(0, std::move(b));
    EXPECT_EQ(childSummary(r), (std::vector<std::string>{"b()", "a()", "c()"}));
    r.removeChild(2);
    r.firstChild().remove();
    EXPECT_EQ(childSummary(r), (std::vector<std::string>{"a()"}));
    EXPECT_THROW(r.removeChild(5), XmlError);
    EXPECT_THROW(doc.documentNode().detach(), XmlError);
    { xml::DetachedNode dropped = r.firstChild().detach(); }  // freed here
    EXPECT_EQ(r.childCount(), 0u);
}

TEST(XmlNode, SetTextIsLiteral) {
    XmlDocument doc = XmlDocument::fromBytes("<r><a/>old<b/></r>");
    XmlNode r = doc.documentElement();
    r.setText("x &amp; <y>");
    EXPECT_EQ(childSummary(r), (std::vector<std::string>{"#text(x &amp; <y>)"}));
    EXPECT_NE(doc.toBytes().find("x &amp;amp; &lt;y&gt;"), std::string::npos) << doc.toBytes();
    r.firstChild().setText(cp("Пинск"));
    EXPECT_EQ(r.text(), cp("Пинск"));
}

TEST(XmlDocument, CloneIsIndependent) {
    XmlDocument doc = XmlDocument::fromBytes("<r/>");
    XmlDocument copy = doc.clone();
    doc.documentElement().setText("changed");
    EXPECT_EQ(copy.documentElement().text(), "");
}

// --- XSL ---

namespace {

// HTML output naming windows-1251: the UTF-16 result must still hold the real
// characters, including one the code page lacks.
const char* const kHtmlSheet = R"xsl(<?xml version="1.0" encoding="UTF-8"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251"/>
  <xsl:template match="/company">
    <html><body><h1><xsl:value-of select="name"/></h1><p>Złoty &#8364; <br/>&amp;</p></body></html>
  </xsl:template>
</xsl:stylesheet>)xsl";

}  // namespace

TEST(XslStylesheet, HtmlOutputAsUtf16WithRealCharacters) {
    const XslStylesheet sheet = XslStylesheet::fromBytes(kHtmlSheet);
    const XmlDocument doc = load1251("<company><name>Улыбка</name></company>");
    const std::u16string out = sheet.transform(doc);
    EXPECT_NE(out.find(u"<h1>Улыбка</h1>"), std::u16string::npos);
    EXPECT_NE(out.find(u"Złoty €"), std::u16string::npos);
    EXPECT_NE(out.find(u"<br>"), std::u16string::npos);  // HTML, not XHTML
    EXPECT_NE(out.find(u"&amp;"), std::u16string::npos);
    EXPECT_EQ(out.find(u"<?xml"), std::u16string::npos);
}

TEST(XslStylesheet, XmlAndTextOutputMethods) {
    const XmlDocument doc = load1251("<company><name>Гродно</name></company>");
    const XslStylesheet asText = XslStylesheet::fromBytes(
        R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
             <xsl:output method="text"/>
             <xsl:template match="/">[<xsl:value-of select="company/name"/>&#322;]</xsl:template>
           </xsl:stylesheet>)xsl");
    EXPECT_EQ(asText.transform(doc), u"[Гродноł]");

    const XslStylesheet asXml = XslStylesheet::fromBytes(
        R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
             <xsl:output method="xml" encoding="UTF-8" omit-xml-declaration="yes"/>
             <xsl:template match="/"><n><xsl:value-of select="company/name"/></n></xsl:template>
           </xsl:stylesheet>)xsl");
    EXPECT_EQ(asXml.transform(doc), u"<n>Гродно</n>\n");
}

TEST(XslStylesheet, MsxmlNodeSetIsAvailable) {
    const XslStylesheet sheet = XslStylesheet::fromBytes(
        R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
               xmlns:msxsl="urn:schemas-microsoft-com:xslt">
             <xsl:output method="text"/>
             <xsl:variable name="v"><i>1</i><i>2</i></xsl:variable>
             <xsl:template match="/"><xsl:value-of select="count(msxsl:node-set($v)/i)"/></xsl:template>
           </xsl:stylesheet>)xsl");
    EXPECT_EQ(sheet.transform(XmlDocument::fromBytes("<a/>")), u"2");
}

TEST(XslStylesheet, CompileAndRuntimeErrorsThrow) {
    // Well-formed XML, but not XSLT.
    EXPECT_THROW(XslStylesheet::fromBytes(
                     R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
                          <xsl:template match="/"><xsl:value-of select="(("/></xsl:template>
                        </xsl:stylesheet>)xsl"),
                 XmlError);
    EXPECT_THROW(XslStylesheet::fromBytes("<xsl:stylesheet"), XmlError);
    EXPECT_THROW(XslStylesheet().transform(XmlDocument::fromBytes("<a/>")), XmlError);
    const XslStylesheet stops = XslStylesheet::fromBytes(
        R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
             <xsl:template match="/"><xsl:message terminate="yes">stop here</xsl:message></xsl:template>
           </xsl:stylesheet>)xsl");
    try {
        stops.transform(XmlDocument::fromBytes("<a/>"));
        FAIL() << "no error";
    } catch (const XmlError& e) {
        EXPECT_NE(std::string(e.what()).find("stop here"), std::string::npos) << e.what();
    }
}

TEST(XslStylesheet, FileKeepsItsFolderForIncludes) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "marvenic_xsl_include";
    std::filesystem::create_directories(dir);
    writeFile(dir / "part.xsl",
              R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
                   <xsl:template name="part">included</xsl:template>
                 </xsl:stylesheet>)xsl");
    writeFile(dir / "main.xsl",
              R"xsl(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
                   <xsl:include href="part.xsl"/>
                   <xsl:output method="text"/>
                   <xsl:template match="/"><xsl:call-template name="part"/></xsl:template>
                 </xsl:stylesheet>)xsl");
    EXPECT_EQ(XslStylesheet::fromFile(dir / "main.xsl").transform(XmlDocument::fromBytes("<a/>")),
              u"included");
    std::filesystem::remove_all(dir);
}

TEST(XslStylesheet, FromDocumentLeavesTheDocumentUsable) {
    const XmlDocument sheetDoc = XmlDocument::fromBytes(kHtmlSheet);
    const XslStylesheet sheet = XslStylesheet::fromDocument(sheetDoc);
    EXPECT_EQ(sheetDoc.documentElement().name(), "xsl:stylesheet");
    EXPECT_NE(sheet.transform(XmlDocument::fromBytes("<company><name>n</name></company>")).find(u"<h1>n</h1>"),
              std::u16string::npos);
}
