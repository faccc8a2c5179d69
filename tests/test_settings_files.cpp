// The font-size setting and the folder helpers.
#include "platform/files/files.h"
#include "platform/settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <filesystem>
#include <ostream>
#include <stdexcept>

// Readable QStrings in failure messages.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// --- Font size -------------------------------------------------------------

class FontSizeSetting : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        useFolder(dir.path());
    }
    void TearDown() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QString());
    }
    static void useFolder(const QString& folder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder + "/system");
    }
    static void store(const QVariant& value) {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Marvenic");
        raw.setValue("DefaultFontSize", value);
        raw.sync();
        ASSERT_EQ(raw.status(), QSettings::NoError);
    }
    QTemporaryDir dir;
};

TEST_F(FontSizeSetting, MissingValueReadsSmall) { EXPECT_EQ(settings::ReadFontSizeSetting(), "small"); }

TEST_F(FontSizeSetting, OnlyTheFourExactWordsAreRead) {
    const struct {
        QVariant stored;
        const char* read;
    } cases[] = {
        {"small", "small"}, {"normal", "normal"}, {"large", "large"}, {"huge", "huge"},
        {"Large", "small"}, {"HUGE", "small"},    {" huge", "small"}, {"huge ", "small"},
        {"", "small"},      {"tiny", "small"},    {14, "small"},      {QStringList{"huge", "large"}, "small"},
    };
    for (const auto& c : cases) {
        store(c.stored);
        EXPECT_EQ(settings::ReadFontSizeSetting(), c.read) << c.stored.toString().toStdString();
    }
}

TEST_F(FontSizeSetting, WrittenValueIsReadBackFromTheMarvenicFile) {
    settings::WriteFontSizeSetting("huge");
    EXPECT_EQ(settings::ReadFontSizeSetting(), "huge");
    QSettings file(dir.filePath("Marvenic.conf"), QSettings::IniFormat);
    EXPECT_EQ(file.value("DefaultFontSize").toString(), "huge");

    settings::WriteFontSizeSetting("normal");
    EXPECT_EQ(settings::ReadFontSizeSetting(), "normal");
}

TEST_F(FontSizeSetting, ValueIsStoredAsGivenAndValidatedOnRead) {
    settings::WriteFontSizeSetting("Large");
    QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Marvenic");
    EXPECT_EQ(raw.value("DefaultFontSize").toString(), "Large");
    EXPECT_EQ(settings::ReadFontSizeSetting(), "small");
}

TEST_F(FontSizeSetting, UnwritableLocationIsSkippedSilently) {
    // A settings folder below a plain file can never be created, even as root.
    const QString blocker = dir.filePath("blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    useFolder(blocker + "/settings");

    EXPECT_NO_THROW(settings::WriteFontSizeSetting("huge"));
    EXPECT_EQ(settings::ReadFontSizeSetting(), "small");
    EXPECT_TRUE(QFileInfo(blocker).isFile());
}

// --- Folder listing -----------------------------------------------------------

namespace fs = std::filesystem;

class FolderListing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"a.ptp", "B.PTP", "c.txt", "README", ".hidden.ptp"})
            touch(dir.filePath(name));
        for (const char* name : {"Sub", "x.ptp", ".git"})
            ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        fs::create_symlink("a.ptp", path("link.ptp"));
        fs::create_symlink("Sub", path("SubLink"));
    }
    static void touch(const QString& file) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    fs::path path(const char* name) const { return fs::path(dir.filePath(name).toStdString()); }
    // Names of the folder in the order the file system gives them.
    QStringList directoryOrder() const {
        QStringList names;
        for (const auto& entry : fs::directory_iterator(dir.path().toStdString()))
            names.append(QString::fromStdString(entry.path().filename().string()));
        return names;
    }
    static QStringList sorted(QStringList list) {
        list.sort();
        return list;
    }
    QTemporaryDir dir;
};

TEST_F(FolderListing, FilesMatchingMaskWithoutHiddenEntriesOrFolders) {
    const struct {
        const char* mask;
        QStringList names;
    } cases[] = {
        {"*.ptp", {"B.PTP", "a.ptp", "link.ptp"}},
        {"*.PTP", {"B.PTP", "a.ptp", "link.ptp"}},
        {"?.ptp", {"B.PTP", "a.ptp"}},
        {"a*", {"a.ptp"}},
        {"*.*", {"B.PTP", "README", "a.ptp", "c.txt", "link.ptp"}},
        {"*", {"B.PTP", "README", "a.ptp", "c.txt", "link.ptp"}},
        {"c.txt", {"c.txt"}},
        {"*.jpg", {}},
    };
    for (const auto& c : cases) {
        QStringList list;
        files::ListFiles(dir.path(), c.mask, list, false);
        EXPECT_EQ(sorted(list), c.names) << c.mask;
    }
}

TEST_F(FolderListing, ListsInFileSystemOrderAndAppends) {
    QStringList list{"kept"};
    files::ListFiles(dir.path(), "*.*", list, false);
    QStringList expected{"kept"};
    for (const QString& name : directoryOrder())
        if (QStringList{"a.ptp", "B.PTP", "c.txt", "README", "link.ptp"}.contains(name))
            expected.append(name);
    EXPECT_EQ(list, expected);
}

TEST_F(FolderListing, FullPathsJoinFolderAndName) {
    for (const QString& folder : {dir.path(), dir.path() + "/"}) {
        QStringList list;
        files::ListFiles(folder, "a.ptp", list, true);
        EXPECT_EQ(list, QStringList{dir.path() + "/a.ptp"});
        QStringList folders;
        files::ListFolders(folder, folders, true);
        EXPECT_EQ(sorted(folders), (QStringList{dir.path() + "/Sub", dir.path() + "/SubLink", dir.path() + "/x.ptp"}));
    }
}

TEST_F(FolderListing, FoldersOnlyWithoutHiddenOnesAndDots) {
    QStringList list;
    files::ListFolders(dir.path(), list, false);
    EXPECT_EQ(sorted(list), (QStringList{"Sub", "SubLink", "x.ptp"}));
}

TEST_F(FolderListing, MissingFolderAddsNothingAndEmptyFolderNameIsRefused) {
    QStringList list;
    files::ListFiles(dir.filePath("none"), "*.*", list, true);
    files::ListFolders(dir.filePath("none"), list, true);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_THROW(files::ListFiles("", "*.*", list, false), std::invalid_argument);
    EXPECT_THROW(files::ListFolders("", list, false), std::invalid_argument);
}

// --- Names without regard to letter case ----------------------------------------

class NoCaseLookup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("Data/Belarus/Russian"));
        for (const char* name : {"Tolvik.gdb", "Lang.lng", "lang.lng", "Данные.txt", "Data/Belarus/Russian/tolvik.gdb"}) {
            QFile f(dir.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    QTemporaryDir dir;
};

TEST_F(NoCaseLookup, FindsTheExistingSpelling) {
    const struct {
        const char* asked;
        const char* found;
    } cases[] = {
        {"tolvik.gdb", "Tolvik.gdb"},
        {"TOLVIK.GDB", "Tolvik.gdb"},
        {"Tolvik.gdb", "Tolvik.gdb"},
        {"lang.lng", "lang.lng"},   // the exact name wins
        {"Lang.lng", "Lang.lng"},
        {"LANG.LNG", "Lang.lng"},   // otherwise the first in ordinal order
        {"данные.TXT", "Данные.txt"},
        {"data", "Data"},
        {"missing.txt", "missing.txt"},  // as asked, so that an existence check fails
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::FindFileNoCase(dir.path(), QString::fromUtf8(c.asked)),
                  dir.path() + "/" + QString::fromUtf8(c.found))
            << c.asked;
    EXPECT_EQ(files::FindFileNoCase(dir.path() + "/", "TOLVIK.gdb"), dir.path() + "/Tolvik.gdb");
}

TEST_F(NoCaseLookup, ResolvesEveryComponentOfARelativePath) {
    const QString root = dir.path();
    const struct {
        const char* relative;
        QString path;
    } cases[] = {
        {"data/belarus/RUSSIAN/Tolvik.gdb", root + "/Data/Belarus/Russian/tolvik.gdb"},
        {"DATA\\Belarus\\russian\\", root + "/Data/Belarus/Russian/"},
        {"./data//belarus", root + "/Data/Belarus"},
        {"data/nowhere/tolvik.gdb", root + "/Data/nowhere/tolvik.gdb"},
        {"", root},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::FilePathNoCase(root, c.relative), c.path) << c.relative;
}

}  // namespace
