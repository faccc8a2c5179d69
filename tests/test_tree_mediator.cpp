// The data mediator: Search.xml lookup and fields, the value lists of the
// search dialog, and the desktop open of documents.
#include "test_tree_fixture.h"

#include "catalog/data_mediator.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using tree_test::cp;

namespace {

// Temporary folders holding Search.xml variants.
class SearchDefinition : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("marvenic-search-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "catalog");
        fs::create_directories(root / "fallback");
    }
    void TearDown() override { fs::remove_all(root); }

    void write(const std::string& folder, const std::string& file, const std::string& body) {
        std::ofstream(root / folder / file, std::ios::binary)
            << "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n" << body;
    }
    QString folder(const std::string& name) const { return QString::fromStdString((root / name).string()); }

    fs::path root;
};

// Which file a loaded definition came from: its root's "from" attribute.
std::string loadedFrom(const xml::XmlDocument& document) {
    return document.documentElement().attribute("from").value_or("(empty)");
}

TEST_F(SearchDefinition, DefinitionComesFromTheFirstFolderThatHasOne) {
    struct Case {
        const char* what;
        const char* inCatalog;   // file name written to the search folder, or null
        const char* inFallback;  // ... to the fallback folder
        bool searchFolderSet;
        std::string expected;
    };
    const Case cases[] = {
        {"search folder", "Search.xml", nullptr, true, "catalog"},
        {"both", "Search.xml", "Search.xml", true, "catalog"},
        {"fallback only", nullptr, "Search.xml", true, "fallback"},
        {"letter case ignored", "SEARCH.xml", nullptr, true, "catalog"},
        {"no search folder", nullptr, "search.XML", false, "fallback"},
        {"neither", nullptr, nullptr, true, "(empty)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root / "catalog");
        fs::remove_all(root / "fallback");
        fs::create_directories(root / "catalog");
        fs::create_directories(root / "fallback");
        if (c.inCatalog)
            write("catalog", c.inCatalog, "<Search from=\"catalog\"/>");
        if (c.inFallback)
            write("fallback", c.inFallback, "<Search from=\"fallback\"/>");

        catalog::TDaziData unconnected;
        catalog::TDataMediator mediator(unconnected);
        mediator.SearchFolder = c.searchFolderSet ? folder("catalog") : QString();
        mediator.SearchFallbackFolder = folder("fallback");
        // A document that held an earlier definition.
        xml::XmlDocument document = xml::XmlDocument::fromBytes("<Search from=\"earlier\"/>");
        mediator.LoadSearchDefinition(document);
        EXPECT_EQ(loadedFrom(document), c.expected);
        if (c.expected == "(empty)") {
            EXPECT_TRUE(document.documentNode().children().empty());
        }
    }
}

TEST_F(SearchDefinition, BrokenDefinitionIsReported) {
    write("catalog", "Search.xml", "<Search><Entity>phone</Search>");
    catalog::TDaziData unconnected;
    catalog::TDataMediator mediator(unconnected);
    mediator.SearchFolder = folder("catalog");
    xml::XmlDocument document;
    EXPECT_THROW(mediator.LoadSearchDefinition(document), xml::XmlError);
}

TEST_F(SearchDefinition, EveryEntityIsAFieldInDocumentOrder) {
    write("catalog", "Search.xml",
          cp("<Search>"
             "<Group Name=\"Адрес\">"
             "<Entity>address/city</Entity>"
             "<Entity Name=\"Улица\">address/street</Entity>"
             "<Entity Name=\"\">address/zip</Entity>"
             "</Group>"
             "<Entity Name=\"Ключевые слова\" index=\"db:keywords/keyword\"> db:keywords/keyword </Entity>"
             "<Fields>"
             "<Entity>phone</Entity>"
             "<entity Name=\"not a field\">fax</entity>"
             "<Block Name=\"Деятельность\"><Inner><Entity index=\"\">activity</Entity></Inner></Block>"
             "</Fields>"
             "</Search>"));
    catalog::TDaziData unconnected;
    catalog::TDataMediator mediator(unconnected);
    mediator.SearchFolder = folder("catalog");
    xml::XmlDocument document;
    mediator.LoadSearchDefinition(document);

    const std::vector<catalog::TSearchEntity> expected = {
        {cp("Адрес"), "", "address/city"},
        {cp("Улица"), "", "address/street"},
        {"", "", "address/zip"},  // an empty Name of its own still wins
        {cp("Ключевые слова"), "db:keywords/keyword", "db:keywords/keyword"},
        {"", "", "phone"},
        {"", "", "activity"},  // only the parent's Name counts
    };
    EXPECT_EQ(catalog::SearchEntities(document), expected);
    EXPECT_TRUE(catalog::SearchEntities(xml::XmlDocument()).empty());
}

// --- Value lists and selections through the interface

using TreeMediator = tree_test::CatalogSuite<tree_test::TreeCatalogName>;

TEST_F(TreeMediator, ValueListsReplaceWhatTheListHeld) {
    catalog::TDataMediator mediator(*data);
    catalog::IDataMediator& dialogSide = mediator;
    struct Case {
        const char* path;
        bool indexed;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"address/city", false, {cp("Брест"), cp("Гродно"), cp("Минск")}},
        {"address/region", false, {cp("Брестская"), cp("Гродненская"), cp("Минская")}},
        {"db:Images/ImageName", true, {"logo.png", "map.png"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::vector<std::string> strings{"left over"};
        if (c.indexed)
            dialogSide.ListIndexValues(c.path, strings);
        else
            dialogSide.ListDistinctValues(c.path, strings);
        std::sort(strings.begin(), strings.end());  // the database's order is not ours to test
        EXPECT_EQ(strings, c.expected);
    }
}

TEST_F(TreeMediator, SelectionsStartWithTheWholeCatalog) {
    catalog::TDataMediator mediator(*data);
    catalog::TSelectionList list{{9, "left over"}};
    static_cast<catalog::IDataMediator&>(mediator).GetSelections(list);
    EXPECT_EQ(list, (catalog::TSelectionList{{0, cp("Все компании")}}));
}

// --- Desktop open

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST(OpenDocument, HandsTheAddressToTheDesktop) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &recorder, "open");
    catalog::OpenDocument(QStringLiteral("https://marvenic.by/catalog"));
    catalog::OpenDocument(QStringLiteral("mailto:info@marvenic.by"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    EXPECT_EQ(recorder.urls, (std::vector<QUrl>{QUrl(QStringLiteral("https://marvenic.by/catalog")),
                                                QUrl(QStringLiteral("mailto:info@marvenic.by"))}));
}

TEST(OpenDocument, RefusalRaisesTheBrowserMessage) {
    try {
        catalog::OpenDocument(QString());
        FAIL() << "no error for an empty target";
    } catch (const catalog::EOpenDocumentError& error) {
        EXPECT_STREQ(error.what(), "Could not run Web browser.");
    }
}

}  // namespace

#include "test_tree_mediator.moc"
