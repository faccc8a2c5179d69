// Catalog discovery under Data/, the order of the catalogs, and where the
// lobby puts its buttons.
#include "app/catalogue_discovery.h"
#include "app/lobby_form.h"
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

using app::TDatabaseInfo;

namespace {

std::string cp1251(const char* utf8) { return text::utf8ToCp1251(utf8); }

// A program folder with catalog folders made of empty database files.
class DiscoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        app::ProgramFolder = dir.path() + "/";
    }

    // Data/Folder/Language/ with an empty tolvik.gdb (unless Database is
    // false) and a tolvik.xml when Info is given.
    void addCatalogue(const QString& folder, const QString& language, bool database = true,
                      const std::string& info = {}) {
        const QString path = dir.path() + "/Data/" + folder + "/" + language;
        ASSERT_TRUE(QDir().mkpath(path));
        if (database)
            writeFile(path + "/tolvik.gdb", "");
        if (!info.empty())
            writeFile(path + "/tolvik.xml", info);
    }

    static void writeFile(const QString& path, const std::string& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // tolvik.xml in code page 1251; Elements is the XML inside databaseInfo.
    static std::string infoFile(const char* elementsUtf8) {
        return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<databaseInfo>" + cp1251(elementsUtf8) +
               "</databaseInfo>\r\n";
    }

    static std::vector<std::string> names() {
        std::vector<std::string> out;
        for (const TDatabaseInfo& info : app::Databases)
            out.push_back(info.Name);
        return out;
    }

    QTemporaryDir dir;
};

TEST_F(DiscoveryTest, SingleCatalogueGetsTheDefaults) {
    addCatalogue("Centre", "Russian");
    app::FindDatabases();
    ASSERT_EQ(app::Databases.size(), 1u);
    const TDatabaseInfo& info = app::Databases[0];
    EXPECT_EQ(info.FolderIndex, 0);
    EXPECT_EQ(info.Order, 0);
    EXPECT_EQ(info.Name, "Centre (Russian)");
    EXPECT_EQ(info.Description, "");
    EXPECT_EQ(info.Language, "Russian");
    EXPECT_EQ(info.Path, dir.path() + "/Data/Centre/Russian/");
}

TEST_F(DiscoveryTest, BothLanguagesWithoutInfoFilesPutEnglishFirst) {
    addCatalogue("Centre", "Russian");
    addCatalogue("Centre", "English");
    app::FindDatabases();
    EXPECT_EQ(names(), (std::vector<std::string>{"Centre (English)", "Centre (Russian)"}));
    EXPECT_EQ(app::Databases[0].Language, "English");
    EXPECT_EQ(app::Databases[0].Path, dir.path() + "/Data/Centre/English/");
    EXPECT_EQ(app::Databases[0].FolderIndex, app::Databases[1].FolderIndex);
}

TEST_F(DiscoveryTest, EnglishInheritsTheRussianOrderButNothingElse) {
    addCatalogue("Centre", "Russian", true,
                 infoFile("<name>Деловой центр</name><description>Весь город</description><order>5</order>"));
    addCatalogue("Centre", "English");
    addCatalogue("Other", "Russian", true, infoFile("<order>4</order>"));
    app::FindDatabases();
    ASSERT_EQ(app::Databases.size(), 3u);
    const TDatabaseInfo& english = app::Databases[0];
    EXPECT_EQ(english.Language, "English");
    EXPECT_EQ(english.Order, 5);
    EXPECT_EQ(english.Name, "Centre (English)");
    EXPECT_EQ(english.Description, "");
    EXPECT_EQ(app::Databases[1].Name, cp1251("Деловой центр"));
    EXPECT_EQ(app::Databases[1].Description, cp1251("Весь город"));
    EXPECT_EQ(app::Databases[2].Name, cp1251("Other (Russian)"));
}

TEST_F(DiscoveryTest, EnglishOwnOrderWinsAndAnInfoFileWithoutDatabaseCountsForNothing) {
    addCatalogue("A", "Russian", true, infoFile("<order>5</order>"));
    addCatalogue("A", "English", true, infoFile("<order>2</order>"));
    addCatalogue("B", "Russian", false, infoFile("<order>9</order>"));  // no catalog here
    addCatalogue("B", "English");
    app::FindDatabases();
    ASSERT_EQ(app::Databases.size(), 3u);
    EXPECT_EQ(names(), (std::vector<std::string>{"A (Russian)", "A (English)", "B (English)"}));
    EXPECT_EQ(app::Databases[1].Order, 2);
    EXPECT_EQ(app::Databases[2].Order, 0);
}

TEST_F(DiscoveryTest, InfoFileValues) {
    struct Case {
        const char* elements;
        int order;
        const char* name;  // UTF-8
        const char* description;
    };
    const Case cases[] = {
        {"<order>7</order>", 7, "X (Russian)", ""},
        {"<order> -3 </order>", -3, "X (Russian)", ""},
        {"<order>+4</order>", 4, "X (Russian)", ""},
        {"<order>abc</order>", 0, "X (Russian)", ""},
        {"<order>5x</order>", 0, "X (Russian)", ""},
        {"<order>1.5</order>", 0, "X (Russian)", ""},
        {"<order>99999999999</order>", 0, "X (Russian)", ""},
        {"<name>   </name><description>\t\r\n</description>", 0, "X (Russian)", ""},
        {"<name> Деловая Беларусь </name>", 0, "Деловая Беларусь", ""},
        {"<description>  Все области  </description>", 0, "X (Russian)", "Все области"},
        {"<other>1</other><name a='b'>Имя</name>", 0, "Имя", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elements);
        TDatabaseInfo info;
        info.Name = "X (Russian)";
        const QString file = dir.path() + "/tolvik.xml";
        writeFile(file, infoFile(c.elements));
        app::ApplyDatabaseInfoFile(file, info);
        EXPECT_EQ(info.Order, c.order);
        EXPECT_EQ(info.Name, cp1251(c.name));
        EXPECT_EQ(info.Description, cp1251(c.description));
    }
}

TEST_F(DiscoveryTest, InfoFileIsReadInItsDeclaredEncoding) {
    addCatalogue("U", "Russian", true,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?><databaseInfo><name>Минск</name></databaseInfo>");
    app::FindDatabases();
    ASSERT_EQ(app::Databases.size(), 1u);
    EXPECT_EQ(app::Databases[0].Name, cp1251("Минск"));
}

TEST_F(DiscoveryTest, MalformedInfoFileIsAnXmlError) {
    addCatalogue("Bad", "Russian", true, "<databaseInfo><name>x</databaseInfo>");
    EXPECT_THROW(app::FindDatabases(), xml::XmlError);
}

TEST_F(DiscoveryTest, NamesDescendAtEqualOrderAndHigherOrdersComeFirst) {
    for (const char* folder : {"Brest", "Vitebsk", "Gomel", "Minsk"})
        addCatalogue(folder, "Russian");
    addCatalogue("Grodno", "Russian", true, infoFile("<order>1</order>"));
    app::FindDatabases();
    EXPECT_EQ(names(), (std::vector<std::string>{"Grodno (Russian)", "Vitebsk (Russian)", "Minsk (Russian)",
                                                 "Gomel (Russian)", "Brest (Russian)"}));
}

TEST_F(DiscoveryTest, FileNamesAreFoundWithoutRegardToLetterCase) {
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/data/Centre/RUSSIAN"));
    writeFile(dir.path() + "/data/Centre/RUSSIAN/Tolvik.GDB", "");
    writeFile(dir.path() + "/data/Centre/RUSSIAN/TOLVIK.xml", infoFile("<order>3</order>"));
    app::FindDatabases();
    ASSERT_EQ(app::Databases.size(), 1u);
    EXPECT_EQ(app::Databases[0].Order, 3);
    EXPECT_EQ(app::Databases[0].Path, dir.path() + "/data/Centre/RUSSIAN/");
}

TEST_F(DiscoveryTest, NothingToFind) {
    app::FindDatabases();  // no Data folder at all
    EXPECT_TRUE(app::Databases.empty());
    addCatalogue(".hidden", "Russian");
    addCatalogue("NoLanguage", "German");
    app::FindDatabases();
    EXPECT_TRUE(app::Databases.empty());
}

TDatabaseInfo entry(int order, const char* language, const char* name) {
    TDatabaseInfo info;
    info.Order = order;
    info.Language = language;
    info.Name = name;
    return info;
}

int sign(int v) { return (v > 0) - (v < 0); }

TEST(CompareDatabases, Rules) {
    struct Case {
        TDatabaseInfo a, b;
        int ascending;  // sign with Ascending true
    };
    const Case cases[] = {
        {entry(2, "Russian", "A"), entry(1, "English", "Z"), 1},
        {entry(-1, "English", "Z"), entry(0, "Russian", "A"), -1},
        {entry(0, "English", "A"), entry(0, "Russian", "Z"), 1},
        {entry(0, "Russian", "Z"), entry(0, "English", "A"), -1},
        {entry(0, "Russian", "B"), entry(0, "Russian", "A"), 1},
        {entry(0, "Russian", "a"), entry(0, "Russian", "B"), 1},               // ordinal, case-sensitive
        {entry(0, "Russian", "\xc0"), entry(0, "Russian", "z"), 1},            // bytes compare unsigned
        {entry(0, "Russian", "A"), entry(0, "Russian", "A"), 0},
        {entry(0, "English", "B"), entry(0, "English", "A"), 1},
        {entry(0, "English", "A"), entry(0, "English", "A"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a.Name + " / " + c.b.Name);
        EXPECT_EQ(sign(app::CompareDatabases(c.a, c.b, true)), c.ascending);
        EXPECT_EQ(sign(app::CompareDatabases(c.a, c.b, false)), -c.ascending);
    }
}

TEST(SortDatabases, EveryStartingOrderGivesTheSameResult) {
    const std::vector<TDatabaseInfo> expected = {
        entry(5, "English", "K"), entry(5, "Russian", "M"), entry(5, "Russian", "B"), entry(0, "English", "Z"),
        entry(0, "English", "A"), entry(0, "Russian", "Q"), entry(-2, "Russian", "A"),
    };
    std::vector<int> permutation(expected.size());
    for (std::size_t i = 0; i < permutation.size(); ++i)
        permutation[i] = static_cast<int>(i);
    do {
        std::vector<TDatabaseInfo> list;
        for (int i : permutation)
            list.push_back(expected[static_cast<std::size_t>(i)]);
        app::SortDatabases(list);
        std::vector<std::string> got, want;
        for (std::size_t i = 0; i < list.size(); ++i) {
            got.push_back(list[i].Name + list[i].Language.toStdString());
            want.push_back(expected[i].Name + expected[i].Language.toStdString());
        }
        ASSERT_EQ(got, want);
    } while (std::next_permutation(permutation.begin(), permutation.end()));
}

TEST(LobbyButtons, Placement) {
    const int W = app::TLobbyForm::ButtonWidth, H = 37;
    const int gap = (640 - 2 * W) / 3;
    struct Case {
        int n, i;
        int left, top;
    };
    const Case cases[] = {
        {1, 0, 180, 329},
        {2, 0, 180, 329 - (H + 4)}, {2, 1, 180, 329},
        {3, 0, 180, 329 - 2 * (H + 4)}, {3, 2, 180, 329},
        {4, 0, 180, 329 - 2 * (H + 4)}, {4, 3, 180, 329 + (H + 4)},
        // five: half is 2 (halves round to even): entries 0-2 left, 3-4 right
        {5, 0, gap, 255}, {5, 2, gap, 255 + 2 * (H + 4)}, {5, 3, 2 * gap + W, 255}, {5, 4, 2 * gap + W, 255 + H + 4},
        // six: half is 3: entries 0-3 left, 4-5 right
        {6, 3, gap, 255 + 3 * (H + 4)}, {6, 4, 2 * gap + W, 255}, {6, 5, 2 * gap + W, 255 + H + 4},
        // seven: half is 4
        {7, 4, gap, 255 + 4 * (H + 4)}, {7, 5, 2 * gap + W, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " buttons, button " << c.i);
        const QRect r = app::TLobbyForm::ButtonRect(c.i, c.n, W, H);
        EXPECT_EQ(r.left(), c.left);
        EXPECT_EQ(r.top(), c.top);
        EXPECT_EQ(r.size(), QSize(W, H));
    }
}

}  // namespace
