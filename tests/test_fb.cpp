// The Firebird layer against a real embedded database.
#include "platform/fb/fb.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

class FbTest : public ::testing::Test {
protected:
    void SetUp() override {
        fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
        dir_ = fs::temp_directory_path() /
               ("fbtest-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "t.gdb").string();
        db_.create(path_);
        db_.execute("CREATE TABLE T (ID INTEGER, NAME VARCHAR(40) CHARACTER SET WIN1251,"
                    " DATA BLOB SUB_TYPE 0, NOTE BLOB SUB_TYPE TEXT CHARACTER SET WIN1251)");
    }
    void TearDown() override {
        db_.detach();
        fs::remove_all(dir_);
    }
    fs::path dir_;
    std::string path_;
    fb::Connection db_;
};

TEST_F(FbTest, ParametersRoundTripWithNullsReadingAsZeroAndEmpty) {
    db_.execute("INSERT INTO T (ID, NAME, DATA, NOTE) VALUES (?, ?, ?, ?)",
                {fb::Param::integer(7), fb::Param::text("\xcc\xe5\xe4"),  // "Мед" in cp1251
                 fb::Param::blob(std::string("\0\x01\xff", 3)), fb::Param::text("note")});
    db_.execute("INSERT INTO T (ID, NAME, DATA, NOTE) VALUES (?, ?, ?, ?)",
                {fb::Param::integer(8), fb::Param::null(), fb::Param::null(), fb::Param::null()});

    auto rs = db_.open("SELECT ID, NAME, UPPER(NAME) AS UPNAME, DATA, NOTE FROM T ORDER BY ID");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt("id"), 7);
    EXPECT_EQ(rs->getText("Name"), "\xcc\xe5\xe4");
    EXPECT_EQ(rs->getText("UPNAME"), "\xcc\xc5\xc4");  // the database folds Cyrillic
    EXPECT_EQ(rs->getBlob("DATA"), std::string("\0\x01\xff", 3));
    EXPECT_EQ(rs->getText("NOTE"), "note");
    EXPECT_EQ(rs->getText(0), "7");
    ASSERT_TRUE(rs->next());
    EXPECT_TRUE(rs->isNull("NAME"));
    EXPECT_EQ(rs->getText("NAME"), "");
    EXPECT_EQ(rs->getBlob("DATA"), "");
    EXPECT_EQ(rs->openBlob(rs->column("DATA")), nullptr);
    EXPECT_FALSE(rs->next());
    EXPECT_FALSE(rs->next());
}

TEST_F(FbTest, NamedParametersAndColumnLookup) {
    db_.execute("INSERT INTO T (ID, NAME) VALUES (:Id, :Name)",
                {fb::Param::integer(1), fb::Param::text("a ':x' b")});
    auto rs = db_.open("SELECT ID, NAME, (ID + 1) AS NEXT_ID FROM T WHERE ID = :Id", {fb::Param::integer(1)});
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getText("name"), "a ':x' b");
    EXPECT_EQ(rs->getInt("next_id"), 2);
    EXPECT_EQ(rs->columnIndex("missing"), -1);
    EXPECT_THROW(rs->getInt("missing"), fb::Error);
}

TEST_F(FbTest, EmptyResultAndAggregateOfNothingReadZero) {
    auto rs = db_.open("SELECT MAX(ID) FROM T");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt(0), 0);
    EXPECT_TRUE(rs->isNull(0));
    auto none = db_.open("SELECT ID FROM T");
    EXPECT_FALSE(none->next());
    EXPECT_EQ(none->getInt(0), 0);
}

TEST_F(FbTest, LargeBlobsCrossSegmentBoundaries) {
    std::string big(3 * 65535 + 17, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 31 % 251);
    db_.execute("INSERT INTO T (ID, DATA) VALUES (1, ?)", {fb::Param::blob(big)});
    auto rs = db_.open("SELECT DATA FROM T");
    ASSERT_TRUE(rs->next());
    auto reader = rs->openBlob(0);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->size(), static_cast<int64_t>(big.size()));
    std::string part(100000, '\0');
    EXPECT_EQ(reader->read(part.data(), 100000), 100000);
    EXPECT_EQ(part, big.substr(0, 100000));
    EXPECT_EQ(reader->readAll(), big.substr(100000));
}

TEST_F(FbTest, ErrorsCarryTheClientMessage) {
    try {
        db_.execute("SELECT * FROM NO_SUCH_TABLE");
        FAIL() << "no error";
    } catch (const fb::Error& e) {
        EXPECT_NE(std::string(e.what()).find("NO_SUCH_TABLE"), std::string::npos) << e.what();
    }
    fb::Connection missing;
    EXPECT_THROW(missing.attach((dir_ / "none.gdb").string()), fb::Error);
    EXPECT_FALSE(missing.attached());
    EXPECT_THROW(missing.open("SELECT 1 FROM RDB$DATABASE"), fb::Error);
}

TEST_F(FbTest, StatementsCommitAndOtherAttachmentsSeeThem) {
    fb::Connection other;
    other.attach(path_);
    db_.execute("INSERT INTO T (ID) VALUES (42)");
    auto rs = other.open("SELECT COUNT(*) FROM T");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt(0), 1);
}

TEST_F(FbTest, DatabaseIsDialectOneAndSharedWithIsql) {
    auto rs = db_.open("SELECT MON$SQL_DIALECT FROM MON$DATABASE");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt(0), 1);
    rs->close();

    db_.execute("INSERT INTO T (ID) VALUES (5)");
    // A separate process opens the same file while this attachment is open.
    const std::string cmd = "echo 'SELECT ID * 1001 AS N FROM T;' | isql-fb -q -user Tolvik -password kelmo '" +
                            path_ + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[256];
    while (size_t n = fread(buf, 1, sizeof buf, pipe.get()))
        out.append(buf, n);
    EXPECT_NE(out.find("5005"), std::string::npos) << out;
    EXPECT_EQ(out.find("lock"), std::string::npos) << out;
}

TEST_F(FbTest, BatchCommitsAllRowsOrNone) {
    {
        auto batch = db_.batch("INSERT INTO T (ID, NAME) VALUES (?, ?)");
        for (int i = 0; i < 100; ++i)
            batch->add({fb::Param::integer(i), fb::Param::text(std::to_string(i * 7))});
        batch->commit();
    }
    {
        auto abandoned = db_.batch("INSERT INTO T (ID) VALUES (?)");
        abandoned->add({fb::Param::integer(1000)});
    }
    auto rs = db_.open("SELECT COUNT(*), MAX(ID) FROM T");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getInt(0), 100);
    EXPECT_EQ(rs->getInt(1), 99);
}

}  // namespace

namespace {

// The engine refuses its character-set module when the root is reached
// through a symbolic link, so the root is named by its real path.
TEST(FbRoot, PrivateRootIsNamedByItsRealPath) {
    const fs::path dir = fs::temp_directory_path() / ("fbroot-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "real");
    fs::create_directory_symlink(dir / "real", dir / "link");
    const char* saved = std::getenv("FIREBIRD");
    const std::string keep = saved ? saved : "";
    unsetenv("FIREBIRD");

    fb::usePrivateRoot((dir / "link").string());
    const std::string chosen = std::getenv("FIREBIRD") ? std::getenv("FIREBIRD") : "";
    fb::usePrivateRoot((dir / "elsewhere").string());  // a root already set stays
    const std::string after = std::getenv("FIREBIRD") ? std::getenv("FIREBIRD") : "";

    if (saved)
        setenv("FIREBIRD", keep.c_str(), 1);
    else
        unsetenv("FIREBIRD");
    EXPECT_EQ(chosen, fs::canonical(dir / "real").string());
    EXPECT_EQ(after, chosen);
    fs::remove_all(dir);
}

}  // namespace
