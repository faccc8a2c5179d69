// Connecting the data module, and its one shared result set.
#include "catalog_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

using namespace catalog;
using namespace catalog_test;

namespace {

// What the client library says about attaching to path.
std::string attachError(const std::string& path) {
    try {
        fb::Connection c;
        c.attach(path);
    } catch (const fb::Error& e) {
        return e.what();
    }
    return {};
}

}  // namespace

TEST_F(CatalogTest, MissingDatabaseConnectsSilentlyAndTheFirstQueryFailsWithTheClientsMessage) {
    const std::string missing = (folder / "absent" / "tolvik.gdb").string();
    const std::string expected = attachError(missing);
    ASSERT_FALSE(expected.empty());

    TDaziData module;
    EXPECT_NO_THROW(module.Connect("/opt/marvenic/fbclient.dll", missing));
    EXPECT_FALSE(module.Connected());
    EXPECT_EQ(module.GetTopicPath(-1), "");  // runs nothing
    try {
        module.OpenTopics();
        FAIL() << "the query ran without a database";
    } catch (const fb::Error& e) {
        EXPECT_EQ(std::string(e.what()), expected);
    }
    EXPECT_THROW(module.GetNote(10), fb::Error);

    // The next catalog opens normally.
    module.Connect("", databasePath);
    EXPECT_TRUE(module.Connected());
    EXPECT_EQ(module.GetTopicPath(1), names::Medicine);
}

TEST_F(CatalogTest, ConnectWhileAResultIsOpenClosesIt) {
    data.OpenTopics();
    ASSERT_TRUE(data.DataSet().next());
    data.Connect("", databasePath);
    EXPECT_FALSE(data.HasDataSet());
    EXPECT_THROW(data.DataSet(), std::logic_error);
    data.OpenTopics();
    ASSERT_TRUE(data.DataSet().next());
    EXPECT_EQ(data.DataSet().getInt("TopicID"), 1);
}

TEST_F(CatalogTest, EachOperationClosesThePreviousResultAndOpenOnesLeaveTheirs) {
    data.OpenTopics();
    ASSERT_TRUE(data.DataSet().next());
    data.OpenCompanyImages(10);
    EXPECT_EQ(data.DataSet().columnIndex("TopicID"), -1);  // the topics are gone
    EXPECT_TRUE(data.DataSet().next());

    data.SetNote(10, "x");
    EXPECT_FALSE(data.HasDataSet());
    data.OpenSelectionNames();
    EXPECT_TRUE(data.HasDataSet());
    data.Disconnect();
    EXPECT_FALSE(data.HasDataSet());
    EXPECT_FALSE(data.Connected());
}
