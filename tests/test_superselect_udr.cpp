// SUPERSELECT inside the embedded engine: declared as the catalog builder
// declares it, called the way searches, value lists and index trees call it.
#include "superselect_ddl.h"

#include "catalog/scramble.h"
#include "platform/fb/fb.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Code page 1251: "ООО Медтехника", "аптека", "МЕД".
const std::string OooMedtehnika = "\xCE\xCE\xCE \xCC\xE5\xE4\xF2\xE5\xF5\xED\xE8\xEA\xE0";
const std::string Apteka = "\xE0\xEF\xF2\xE5\xEA\xE0";
const std::string MedUpper = "\xCC\xC5\xC4";

std::string stored(std::string plain) {
    catalog::UnscrambleRecord(plain, catalog::RecordKey);
    return plain;
}

class SuperselectUdr : public testing::Test {
protected:
    void SetUp() override {
        fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
        dir_ = fs::temp_directory_path() / ("superselect-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        db_.create((dir_ / "t.gdb").string());
        db_.execute(superselect::SuperselectDeclaration);
        db_.execute("CREATE TABLE Companies (CompanyID INTEGER, XML BLOB)");
    }
    void TearDown() override {
        db_.detach();
        fs::remove_all(dir_);
    }

    void insert(int id, const std::string& blob) {
        db_.execute("INSERT INTO Companies (CompanyID, XML) VALUES (?, ?)",
                    {fb::Param::integer(id), fb::Param::blob(blob)});
    }

    // "SUPERSELECT(XML, 'path', 'key')" as the program writes it.
    static std::string call(const std::string& path, std::string_view key = catalog::RecordKey) {
        return "SUPERSELECT(XML, '" + path + "', '" + std::string(key) + "')";
    }

    std::vector<int> ids(const std::string& where, const fb::Params& params = {}) {
        std::vector<int> result;
        auto rs = db_.open("SELECT CompanyID FROM Companies WHERE " + where + " ORDER BY 1", params);
        while (rs->next())
            result.push_back(rs->getInt(0));
        return result;
    }

    fs::path dir_;
    fb::Connection db_;
};

TEST_F(SuperselectUdr, ReturnsTheTextAtThePathOfTheUnscrambledRecord) {
    insert(1, stored("<company><name>" + OooMedtehnika +
                     "</name><address><street prefix=\"ul.\">Pobeditelei</street></address></company>"));
    auto rs = db_.open("SELECT " + call("name") + " AS N, " + call("address/street") + " AS S, " +
                       call("fax") + " AS F FROM Companies");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getText("N"), OooMedtehnika);
    EXPECT_EQ(rs->getText("S"), "Pobeditelei");
    EXPECT_TRUE(rs->isNull("F"));
}

TEST_F(SuperselectUdr, UpperFoldsCyrillicAndNullMatchesNeitherLikeNorNotLike) {
    insert(1, stored("<company><name>" + OooMedtehnika + "</name></company>"));
    insert(2, stored("<company><name>" + Apteka + " &#1052;&#1077;&#1076;</name></company>"));
    insert(3, stored("<company><name>Other</name></company>"));
    insert(4, stored("<company><phone>1</phone></company>"));  // no name
    insert(5, "<company><name>stored plain</name></company>");   // not scrambled
    insert(6, stored("not a record"));
    db_.execute("INSERT INTO Companies (CompanyID, XML) VALUES (7, NULL)");

    const fb::Params med = {fb::Param::text("%" + MedUpper + "%")};
    EXPECT_EQ(ids("UPPER(" + call("name") + ") LIKE ?", med), (std::vector<int>{1, 2}));
    EXPECT_EQ(ids("UPPER(" + call("name") + ") NOT LIKE ?", med), (std::vector<int>{3}));
    EXPECT_EQ(ids(call("name") + " IS NULL"), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(ids(call("name", "wrong key") + " IS NOT NULL"), (std::vector<int>{}));
}

TEST_F(SuperselectUdr, ServesAsSortKeyAndSelectedColumn) {
    insert(1, stored("<company><name>b</name></company>"));
    insert(2, stored("<company><name>a</name></company>"));
    insert(3, stored("<company><name>c</name></company>"));
    auto rs = db_.open("SELECT CompanyID, " + call("name") + " FROM Companies ORDER BY 2");
    std::string order;
    while (rs->next())
        order += rs->getText(1);
    EXPECT_EQ(order, "abc");
}

TEST_F(SuperselectUdr, ReadsRecordsLongerThanOneSegmentAndCutsLongValues) {
    // The value sits past the first 64 KiB of the blob.
    insert(1, stored("<company><filler>" + std::string(70000, 'z') +
                     "</filler><name>at the end</name></company>"));
    insert(2, stored("<company><name>" + std::string(5000, '\xDF') + "</name></company>"));
    auto rs = db_.open("SELECT CompanyID, " + call("name") + " FROM Companies ORDER BY 1");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getText(1), "at the end");
    ASSERT_TRUE(rs->next());
    EXPECT_EQ(rs->getText(1), std::string(4000, '\xDF'));
}

// Where the value sits relative to the first bytes scanned, the segments of
// the blob and the end of a truncated record.
TEST_F(SuperselectUdr, ReadsAsFarAsTheValueNeedsWhereverItSits) {
    const std::string filler = "<filler>" + std::string(600, 'f') + "</filler>";
    struct Row {
        const char* title;
        std::string plain;
        std::optional<std::string> name;
    };
    const std::vector<Row> rows = {
        {"after the first 512 bytes", "<company>" + filler + "<name>late</name></company>", "late"},
        {"value crossing 512", "<company><filler>" + std::string(480, 'f') + "</filler><name>" +
                                   std::string(100, 'n') + "</name></company>",
         std::string(100, 'n')},
        {"value crossing the first segment",
         "<company><filler>" + std::string(65500, 'f') + "</filler><name>" + std::string(300, 'n') +
             "</name></company>",
         std::string(300, 'n')},
        {"truncated in the value after the first bytes", "<company>" + filler + "<name>cut", std::nullopt},
        {"truncated before the path", "<company>" + filler, std::nullopt},
        {"truncated in the start tag", "<company>" + filler + "<name", std::nullopt},
        {"fault after the value", "<company><name>early</name><x>" + filler, "early"},
        {"absent, root closes late", "<company>" + filler + "<zip>1</zip></company>", std::nullopt},
        {"empty blob", "", std::nullopt},
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        insert(static_cast<int>(i), stored(rows[i].plain));
    auto rs = db_.open("SELECT CompanyID, " + call("name") + " FROM Companies ORDER BY 1");
    for (const Row& row : rows) {
        ASSERT_TRUE(rs->next()) << row.title;
        if (row.name) {
            EXPECT_EQ(rs->getText(1), *row.name) << row.title;
        } else {
            EXPECT_TRUE(rs->isNull(1)) << row.title;
        }
    }
}

// One function instance serves every statement of its attachment, each in
// its own transaction, also while another one is open; other attachments
// have their own.
TEST_F(SuperselectUdr, ServesEveryTransactionAndAttachment) {
    insert(1, stored("<company><name>one</name></company>"));
    insert(2, stored("<company><name>two</name></company>"));
    auto first = db_.open("SELECT " + call("name") + " FROM Companies ORDER BY CompanyID");
    auto second = db_.open("SELECT " + call("name") + " FROM Companies ORDER BY CompanyID DESC");
    ASSERT_TRUE(first->next());
    ASSERT_TRUE(second->next());
    EXPECT_EQ(first->getText(0), "one");
    EXPECT_EQ(second->getText(0), "two");
    ASSERT_TRUE(first->next());
    ASSERT_TRUE(second->next());
    EXPECT_EQ(first->getText(0), "two");
    EXPECT_EQ(second->getText(0), "one");
    first.reset();
    second.reset();

    insert(3, stored("<company><name>three</name></company>"));
    fb::Connection other;
    other.attach((dir_ / "t.gdb").string());
    for (fb::Connection* c : {&db_, &other, &db_}) {
        auto rs = c->open("SELECT " + call("name") + " FROM Companies ORDER BY CompanyID");
        std::string names;
        while (rs->next())
            names += rs->getText(0) + ",";
        EXPECT_EQ(names, "one,two,three,");
    }
    other.detach();
}

}  // namespace
