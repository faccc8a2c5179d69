// Companion files of the demo catalogs: every XML file parses in its declared
// encoding, the card style sheet turns real demo records (with and without
// search marks) into cards, the index and search definitions name the right
// paths, the pictures decode and the start page's hot spots find them.
#include "demo_assembly.h"
#include "demo_files.h"
#include "demo_records.h"
#include "demo_topics.h"

#include "catalog/data_mediator.h"
#include "catalog/entities.h"
#include "catalog/formatting.h"
#include "catalog/records.h"
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"
#include "platform/xml/xslt.h"

#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace makecatalog::demo;

namespace {

std::string cp(const std::string& utf8) { return text::utf8ToCp1251(utf8); }
std::string utf8(const std::string& cp1251) { return text::cp1251ToUtf8(cp1251); }

// Text as the HTML serialiser writes it in element content.
std::string htmlText(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

const CatalogTexts& textsOf(bool english) {
    static const CatalogTexts ru{"Деловая Гродненщина", "Предприятия Гродно", 10, "Гродно и Гродненской области"};
    static const CatalogTexts en{"Business Grodno Region", "Businesses of Grodno", 10, "Grodno and the Grodno region"};
    return english ? en : ru;
}

// The companion files of a small catalog, drawn once per language.
const std::map<std::string, std::string>& filesOf(bool english) {
    static std::map<bool, std::map<std::string, std::string>> cache;
    auto it = cache.find(english);
    if (it == cache.end()) {
        const std::vector<std::pair<std::string, int>> sections = {
            {english ? "Medicine" : "Медицина", 12}, {english ? "Trade" : "Торговля", 1234}, {english ? "Transport" : "Транспорт", 7}};
        it = cache.emplace(english, catalogFiles(textsOf(english), english, 1612, 57, sections)).first;
    }
    return it->second;
}

// Demo companies of the Grodno tree, shared by both languages.
const Assembled& demoCompanies() {
    static const Assembled assembled = [] {
        AssemblyOptions o;
        o.tree = &grodnoTopics();
        o.generator.region = 'g';
        o.companies = 80;
        o.seed = 20240502;
        o.pictures = Pictures::None;
        return assemble(o);
    }();
    return assembled;
}

const DemoCompany& companyWhere(bool (*test)(const DemoCompany&)) {
    for (const DemoCompany& c : demoCompanies().companies) {
        if (test(c))
            return c;
    }
    throw std::runtime_error("no demo company fits");
}

const xml::XslStylesheet& styleOf(bool english) {
    static std::map<bool, xml::XslStylesheet> cache;
    auto it = cache.find(english);
    if (it == cache.end())
        it = cache.emplace(english, xml::XslStylesheet::fromBytes(filesOf(english).at("Org.xsl"))).first;
    return it->second;
}

struct Mark {
    std::string path;   // below company
    std::string value;  // UTF-8; empty: only the searchresult mark
};

// The card of a record (code page 1251 bytes) as UTF-8 HTML, marked as the
// viewer marks it.
std::string card(const std::string& record, bool english, const std::vector<Mark>& marks = {}) {
    xml::XmlDocument document;
    catalog::LoadXMLText(catalog::RecordXMLHeader, record, document);
    for (const Mark& m : marks)
        catalog::AddChildAtPath(document, "company/" + m.path, "searchresult");
    for (const Mark& m : marks) {
        if (!m.value.empty())
            catalog::MarkTextAtPath(document, "company/" + m.path, cp(m.value), true, "searchselect");
    }
    const std::u16string html = styleOf(english).transform(document);
    return QString::fromStdU16String(html).toStdString();
}

std::string recordOf(const DemoCompany& c, bool english) { return cp(companyRecord(c, english)); }

// --- Well-formed XML in the declared encoding

struct XmlFileCase {
    const char* file;
    const char* root;
    const char* cyrillic;  // text the Russian file must read back; nullptr: none checked
};

TEST(DemoFiles, XmlFilesAreWellFormedInTheirDeclaredEncoding) {
    const XmlFileCase cases[] = {
        {"Org.xsl", "xsl:stylesheet", "Деятельность"},
        {"Indexes.xml", "Fields", "Алфавит"},
        {"Search.xml", "Search", "Населённый пункт"},
        {"tolvik.xml", "databaseInfo", "Деловая Гродненщина"},
    };
    for (bool english : {false, true}) {
        for (const XmlFileCase& c : cases) {
            SCOPED_TRACE(std::string(c.file) + (english ? " (English)" : " (Russian)"));
            const std::string& bytes = filesOf(english).at(c.file);
            ASSERT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>", 0), 0u);
            xml::XmlDocument document;
            ASSERT_NO_THROW(document = xml::XmlDocument::fromBytes(bytes));
            EXPECT_EQ(document.documentElement().name(), c.root);
            // Read back through the declaration, the text is the one written.
            const std::string all = utf8(document.toBytes());
            if (!english && c.cyrillic) {
                EXPECT_NE(all.find(c.cyrillic), std::string::npos);
            }
            // Stored as code page 1251 bytes, as declared.
            if (!english && c.cyrillic) {
                EXPECT_NE(bytes.find(cp(c.cyrillic)), std::string::npos);
            }
        }
    }
}

TEST(DemoFiles, CardStyleSheetTakesNoParameters) {
    for (bool english : {false, true}) {
        const xml::XmlDocument sheet = xml::XmlDocument::fromBytes(filesOf(english).at("Org.xsl"));
        for (const xml::XmlNode& top : sheet.documentElement().childElements())
            EXPECT_NE(top.name(), "xsl:param");
        const std::string output = sheet.documentElement().firstChildElement("xsl:output").attribute("method").value_or("");
        EXPECT_EQ(output, "html");
    }
}

// --- The card of real records

TEST(DemoCard, RealRecordsShowNameContactsAndPictures) {
    const Assembled& a = demoCompanies();
    for (bool english : {false, true}) {
        for (std::size_t i = 0; i < 24; ++i) {
            DemoCompany c = a.companies[i];
            // Every third company gets a logo and a photo of both card kinds.
            if (i % 3 == 0) {
                c.images = {{1, 1, "logo" + std::to_string(c.id) + ".png", 0},
                            {2, 2, "photo" + std::to_string(c.id) + ".jpg", 0},
                            {2, 3, "shop" + std::to_string(c.id) + ".png", 0}};
            }
            SCOPED_TRACE("company " + std::to_string(c.id) + (english ? " (English)" : ""));
            std::string html;
            ASSERT_NO_THROW(html = card(recordOf(c, english), english));

            const std::string name = english ? c.nameEn : c.nameRu;
            EXPECT_NE(html.find(htmlText(name)), std::string::npos) << name;
            if (c.soleTrader) {
                EXPECT_NE(html.find(english ? c.privateEn : c.privateRu), std::string::npos);
            }
            for (const std::string& e : c.emails)
                EXPECT_NE(html.find("href=\"mailto:" + e + "\""), std::string::npos) << e;
            if (!c.web.empty()) {
                EXPECT_NE(html.find("href=\"http://" + c.web + "\""), std::string::npos);
            }
            if (!c.activities.empty()) {
                const std::string main = english ? c.activities.front()->en : c.activities.front()->ru;
                EXPECT_NE(html.find(htmlText(main)), std::string::npos);
            }
            for (const DemoImage& image : c.images)
                EXPECT_NE(html.find("src=\"" + std::to_string(image.cardKind) + image.name + "\""), std::string::npos)
                    << image.name;
            if (c.images.empty()) {
                EXPECT_NE(html.find("class=\"monogram\""), std::string::npos);
            }
            EXPECT_EQ(html.find("class=\"found\""), std::string::npos);
            EXPECT_EQ(html.find("class=\"label-hit\""), std::string::npos);
            EXPECT_NE(html.find("bgcolor=\"#eef3fa\""), std::string::npos);  // the plain header band
        }
    }
}

TEST(DemoCard, PhonesAreWrittenAsTheCompaniesTableWritesThem) {
    const Assembled& a = demoCompanies();
    int checked = 0;
    for (bool english : {false, true}) {
        for (std::size_t i = 0; i < 40; ++i) {
            const std::string record = recordOf(a.companies[i], english);
            const std::string html = card(record, english);
            xml::XmlDocument document;
            catalog::LoadXMLText(catalog::RecordXMLHeader, record, document);
            for (const xml::XmlNode& node : document.documentElement().childElements()) {
                if (node.name() != "phone" && node.name() != "fax")
                    continue;
                const std::string expected =
                    utf8(catalog::FormatPhone(node.attribute("code").value_or(""), trimmed(node.text())));
                EXPECT_NE(html.find(expected), std::string::npos) << expected;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 40);
}

struct MarkCase {
    const char* what;
    bool (*fits)(const DemoCompany&);
    std::string (*field)(const DemoCompany&, bool english);  // the text to find; empty: searchresult only
    const char* path;
    const char* labelRu;  // the highlighted row; nullptr: the header band
    const char* labelEn;
};

TEST(DemoCard, SearchMarksAreHighlighted) {
    const MarkCase cases[] = {
        {"name", [](const DemoCompany& c) { return !c.soleTrader; },
         [](const DemoCompany& c, bool en) {
             const std::string& name = en ? c.nameEn : c.nameRu;
             return name.substr(0, name.find(' '));
         }, "name", nullptr,
         nullptr},
        {"activity", [](const DemoCompany& c) { return c.activities.size() > 1; },
         [](const DemoCompany& c, bool en) { return en ? c.activities[1]->en : c.activities[1]->ru; }, "activities",
         "Деятельность", "Activities"},
        {"street", [](const DemoCompany& c) { return !c.address.streetRu.empty(); },
         [](const DemoCompany& c, bool en) { return en ? c.address.streetEn : c.address.streetRu; }, "street",
         "Адрес", "Address"},
        {"phone", [](const DemoCompany& c) { return !c.phones.empty(); },
         [](const DemoCompany& c, bool) { return c.phones.front().numberRu.substr(0, 3); }, "phone", "Телефон",
         "Phone"},
        {"zip, an index without a value", [](const DemoCompany& c) { return !c.address.zip.empty(); },
         [](const DemoCompany&, bool) { return std::string(); }, "zip", "Адрес", "Address"},
        {"e-mail", [](const DemoCompany& c) { return !c.emails.empty(); },
         [](const DemoCompany& c, bool) { return c.emails.front().substr(0, c.emails.front().find('@')); }, "email",
         "E-mail", "E-mail"},
    };
    for (bool english : {false, true}) {
        for (const MarkCase& m : cases) {
            SCOPED_TRACE(std::string(m.what) + (english ? " (English)" : ""));
            const DemoCompany& c = companyWhere(m.fits);
            const std::string value = m.field(c, english);
            const std::string html = card(recordOf(c, english), english, {{m.path, value}});
            if (!value.empty()) {
                EXPECT_NE(html.find("<span class=\"found\">" + htmlText(value) + "</span>"), std::string::npos)
                    << value;
            } else {
                EXPECT_EQ(html.find("class=\"found\""), std::string::npos);
            }
            const char* label = english ? m.labelEn : m.labelRu;
            if (label) {
                const QRegularExpression row(QStringLiteral("class=\"label-hit\"[^>]*>%1").arg(QString::fromUtf8(label)));
                EXPECT_TRUE(QString::fromStdString(html).contains(row)) << label;
                EXPECT_NE(html.find("class=\"value-hit\""), std::string::npos);
            } else {
                EXPECT_NE(html.find("bgcolor=\"#fff1bf\""), std::string::npos);
                EXPECT_EQ(html.find("class=\"label-hit\""), std::string::npos);
            }
        }
    }
}

TEST(DemoCard, AlphabetIndexHighlightsTheName) {
    const DemoCompany& c = companyWhere([](const DemoCompany& c) { return !c.soleTrader; });
    std::string record = recordOf(c, false);
    record.insert(record.find("<name>"), cp("<") + AlphabetPath + cp(">Ж</") + AlphabetPath + ">\n  ");
    const std::string plain = card(record, false);
    EXPECT_EQ(plain.find("bgcolor=\"#fff1bf\""), std::string::npos);
    const std::string marked = card(record, false, {{AlphabetPath, ""}});
    EXPECT_NE(marked.find("bgcolor=\"#fff1bf\""), std::string::npos);
    // The letter element is the monogram's letter, not a line of the card.
    EXPECT_NE(plain.find("class=\"monogram\""), std::string::npos);
    EXPECT_NE(plain.find(">Ж</td>"), std::string::npos);
}

TEST(DemoCard, LegalFormIsWrittenOutUnderTheName) {
    struct Case {
        bool english;
        const char* record;
        const char* fullName;  // nullptr: no full-name line
    };
    const Case cases[] = {
        {false, "<company><name>ООО \"Ромашка\"</name></company>",
         "Общество с ограниченной ответственностью \"Ромашка\""},
        {false, "<company><name>СООО \"Белтрансавто\"</name></company>",
         "Совместное общество с ограниченной ответственностью \"Белтрансавто\""},
        {false, "<company><name>ИП</name><privatename>Иванов</privatename><ownername>Иван Петрович</ownername></company>",
         "Индивидуальный предприниматель Иванов Иван Петрович"},
        {false, "<company><name>Гродненская городская поликлиника № 3</name></company>", nullptr},
        {false, "<company><name>ООО</name></company>", nullptr},
        {true, "<company><name>Romashka Medical Centre LLC</name></company>",
         "Limited liability company Romashka Medical Centre"},
        {true, "<company><name>Beltransavto JV LLC</name></company>",
         "Joint venture limited liability company Beltransavto"},
        {true, "<company><name>Santaline FLLC</name></company>", "Foreign limited liability company Santaline"},
        {true, "<company><name>IE</name><privatename>Ivanov</privatename><ownername>Ivan Petrovich</ownername></company>",
         "Individual entrepreneur Ivanov Ivan Petrovich"},
        {true, "<company><name>Grodno City Polyclinic No. 3</name></company>", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        const std::string html = card(cp(c.record), c.english);
        if (c.fullName)
            EXPECT_NE(html.find(std::string("<p class=\"fullname\">") + htmlText(c.fullName) + "</p>"),
                      std::string::npos);
        else
            EXPECT_EQ(html.find("class=\"fullname\""), std::string::npos);
    }
}

TEST(DemoCard, ProgramTransformEncodesTheCardForTheViewer) {
    catalog::InitEntityArray();
    const DemoCompany& c = companyWhere([](const DemoCompany& c) { return !c.emails.empty(); });
    xml::XmlDocument document;
    catalog::LoadXMLText(catalog::RecordXMLHeader, recordOf(c, false), document);
    catalog::AddChildAtPath(document, "company/email", "searchresult");
    catalog::MarkTextAtPath(document, "company/email", cp(c.emails.front()), true, "searchselect");
    const std::string html = catalog::TransformToHTML(document, styleOf(false));
    EXPECT_NE(html.find("<span class=\"found\">" + c.emails.front() + "</span>"), std::string::npos);
    EXPECT_NE(html.find("&#1040;&#1076;&#1088;&#1077;&#1089;"), std::string::npos);  // "Адрес"
    for (unsigned char ch : html)
        ASSERT_LT(ch, 128u);
}

// --- Index and search definitions

TEST(DemoDefinitions, IndexesNameTheButtonsAndTheirPaths) {
    struct Expected {
        const char* id;
        const char* ru;
        const char* en;
        std::vector<std::string> entities;
    };
    const std::vector<Expected> expected = {
        {"2", "Алфавит", "Alphabet", {AlphabetPath}},
        {"3", "Регион", "Region", {"district", "settlement"}},
        {"4", "Адрес", "Address", {"street"}},
        {"5", "Индекс", "Postal code", {"zip"}},
        {"6", "Слова", "Keywords", {"db:keywords/keyword"}},
    };
    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Russian");
        const xml::XmlDocument document = xml::XmlDocument::fromBytes(filesOf(english).at("Indexes.xml"));
        const xml::XmlNode fields = document.documentElement();
        ASSERT_EQ(fields.name(), "Fields");
        const std::vector<xml::XmlNode> children = fields.childElements();
        ASSERT_EQ(children.size(), expected.size());
        // The reader falls back to the last child when no id matches: it is a Field.
        EXPECT_EQ(fields.lastChild(), children.back());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const xml::XmlNode field = children[i];
            EXPECT_EQ(field.name(), "Field");
            EXPECT_EQ(field.attribute("id").value_or(""), expected[i].id);
            EXPECT_EQ(utf8(field.attribute("Name").value_or("")), english ? expected[i].en : expected[i].ru);
            // Every child node is an Entity element: no blanks, no comments.
            std::vector<std::string> entities;
            for (const xml::XmlNode& child : field.children()) {
                EXPECT_TRUE(child.isElement() && child.name() == "Entity") << child.name();
                entities.push_back(child.text());
            }
            EXPECT_EQ(entities, expected[i].entities);
        }
    }
}

TEST(DemoDefinitions, SearchFieldsAreReadByTheDataMediator) {
    const std::vector<std::string> paths = {"name",     "activities", "db:keywords/keyword", "settlement", "district",
                                            "street",   "zip",        "phone",               "email",      "web"};
    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Russian");
        const xml::XmlDocument document = xml::XmlDocument::fromBytes(filesOf(english).at("Search.xml"));
        const std::vector<catalog::TSearchEntity> fields = catalog::SearchEntities(document);
        std::vector<std::string> got;
        std::set<std::string> captions;
        for (const catalog::TSearchEntity& f : fields) {
            got.push_back(f.Path);
            EXPECT_FALSE(f.Name.empty()) << f.Path;
            captions.insert(f.Name);
            // Suggestions of an index come from a table column.
            if (!f.Index.empty()) {
                EXPECT_EQ(f.Index.rfind("db:", 0), 0u) << f.Index;
            }
        }
        EXPECT_EQ(got, paths);
        EXPECT_EQ(captions.size(), fields.size());  // every row tells itself apart
        if (english)
            EXPECT_EQ(fields[3].Name, "Town or village");
        else
            EXPECT_EQ(utf8(fields[3].Name), "Населённый пункт");
    }
}

TEST(DemoDefinitions, RecordPathsNameElementsOfTheDemoRecords) {
    std::set<std::string> elements;
    for (const DemoCompany& c : demoCompanies().companies) {
        xml::XmlDocument document;
        catalog::LoadXMLText(catalog::RecordXMLHeader, recordOf(c, false), document);
        for (const xml::XmlNode& node : document.documentElement().childElements())
            elements.insert(node.name());
    }
    std::vector<std::string> paths;
    for (const catalog::TSearchEntity& f :
         catalog::SearchEntities(xml::XmlDocument::fromBytes(filesOf(false).at("Search.xml"))))
        paths.push_back(f.Path);
    const xml::XmlDocument indexes = xml::XmlDocument::fromBytes(filesOf(false).at("Indexes.xml"));
    for (const xml::XmlNode& field : indexes.documentElement().childElements()) {
        for (const xml::XmlNode& entity : field.childElements())
            paths.push_back(entity.text());
    }
    for (const std::string& path : paths) {
        // Table paths live in the database.
        if (path.rfind("db:", 0) == 0)
            continue;
        EXPECT_TRUE(elements.count(path)) << path;
    }
}

TEST(DemoDefinitions, TablePrintStyleStylesTheClassesOfThePrintedTable) {
    const std::string& css = filesOf(false).at("TablePrintStyle.css");
    EXPECT_EQ(css, filesOf(true).at("TablePrintStyle.css"));
    for (const char* selector : {"td.odd {", "td.even {", "td[nowrap] {", "th, tr.header td, td.header {"})
        EXPECT_NE(css.find(selector), std::string::npos) << selector;
    EXPECT_NE(css.find("white-space: nowrap"), std::string::npos);
}

// --- Pictures and the start page

TEST(DemoPictures, EveryPictureDecodesAtItsSize) {
    struct Size {
        const char* prefix;
        int width, height;
    };
    const Size sizes[] = {
        {"empty.png", 96, 64}, {"button.png", 280, 40}, {"button_hot.png", 280, 40},
        {"Partners/banner", 288, 72}, {"Partners/poster", 640, 400},
    };
    for (bool english : {false, true}) {
        int pictures = 0;
        for (const auto& [name, bytes] : filesOf(english)) {
            if (!name.ends_with(".png"))
                continue;
            SCOPED_TRACE(name);
            ++pictures;
            QImage image;
            ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                                           "PNG"));
            bool known = false;
            for (const Size& s : sizes) {
                if (name.rfind(s.prefix, 0) == 0) {
                    known = true;
                    EXPECT_EQ(image.width(), s.width);
                    EXPECT_EQ(image.height(), s.height);
                }
            }
            EXPECT_TRUE(known);
        }
        EXPECT_EQ(pictures, 3 + 2 * static_cast<int>(partners(english).size()));
        EXPECT_NE(filesOf(english).at("button.png"), filesOf(english).at("button_hot.png"));
    }
    // The buttons carry the catalog's name: the languages differ.
    EXPECT_NE(filesOf(false).at("button.png"), filesOf(true).at("button.png"));
}

TEST(DemoPictures, LobbyButtonCornersTakeTheLobbyColour) {
    QImage button;
    const std::string& bytes = filesOf(false).at("button.png");
    ASSERT_TRUE(button.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())));
    EXPECT_FALSE(button.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(279, 0), QPoint(0, 39), QPoint(279, 39)})
        EXPECT_EQ(button.pixelColor(corner), QColor(0xEF, 0x9A, 0x48)) << corner.x() << "," << corner.y();
    EXPECT_NE(button.pixelColor(140, 20), QColor(0xEF, 0x9A, 0x48));
}

TEST(DemoPictures, StartPageHotSpotsAndImagesAreFilesOfTheCatalog) {
    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Russian");
        const auto& files = filesOf(english);
        const QString page = text::fromCp1251(files.at("Welcome.htm"));
        EXPECT_TRUE(page.contains(QStringLiteral("charset=windows-1251")));
        EXPECT_TRUE(page.contains(QString::fromStdString(textsOf(english).name)));
        EXPECT_TRUE(page.contains(english ? QStringLiteral("1,612") : QStringLiteral("1\u00A0612")));
        EXPECT_TRUE(page.contains(english ? QStringLiteral("Transport") : QStringLiteral("Транспорт")));

        // A hot spot opens Partners/ + href; an image source is a file of the catalog folder.
        int links = 0, images = 0;
        QRegularExpressionMatchIterator href = QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).globalMatch(page);
        while (href.hasNext()) {
            const std::string target = href.next().captured(1).toStdString();
            EXPECT_TRUE(files.count("Partners/" + target)) << target;
            ++links;
        }
        QRegularExpressionMatchIterator src = QRegularExpression(QStringLiteral("src=\"([^\"]+)\"")).globalMatch(page);
        while (src.hasNext()) {
            const std::string source = src.next().captured(1).toStdString();
            EXPECT_TRUE(files.count(source)) << source;
            // A leading digit would be taken for a picture kind of the database.
            EXPECT_FALSE(source[0] >= '0' && source[0] <= '9') << source;
            ++images;
        }
        EXPECT_EQ(links, static_cast<int>(partners(english).size()));
        EXPECT_EQ(images, links);

        // Catalogs without the partners' pictures get a page without them.
        const std::string plain = welcomePage(textsOf(english), english, 3, 2, {{"A", 3}});
        EXPECT_EQ(plain.find("href="), std::string::npos);
        EXPECT_EQ(plain.find("src="), std::string::npos);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
