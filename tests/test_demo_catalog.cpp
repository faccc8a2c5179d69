// The shipped demo catalogs: every kind of tree and the companies table build
// from them. Read-only: the catalogs in the program folder are not changed.
#include "app/index_definitions.h"
#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"
#include "catalog/topic_tree_model.h"
#include "platform/fb/fb.h"
#include "search/companies_table_form.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

struct DemoCatalog {
    const char* folder;
    const char* language;
};

class DemoCatalogTest : public ::testing::TestWithParam<DemoCatalog> {
protected:
    void SetUp() override {
        path_ = fs::path(MARVENIC_DIST_DIR) / "Data" / GetParam().folder / GetParam().language;
        ASSERT_TRUE(fs::exists(path_ / "tolvik.gdb")) << path_;
        data_.Connect("", (path_ / "tolvik.gdb").string());
    }
    fs::path path_;
    catalog::TDaziData data_;
};

TEST_P(DemoCatalogTest, TopicTreeAndPlainListHoldEveryCompany) {
    catalog::TTopicTreeModel topics;
    data_.OpenTopics();
    catalog::FillTopicTree(topics, data_);
    std::set<int> companies;
    int topicNodes = 0;
    for (int node = 1; node <= topics.nodeCount(); ++node) {
        const catalog::TreeDataRec& rec = topics.nodeData(node);
        if (rec.IsCompany())
            companies.insert(rec.CompanyID);
        else
            ++topicNodes;
    }
    EXPECT_GE(topicNodes, 20);
    EXPECT_GE(companies.size(), 150u);

    catalog::TTopicTreeModel ascending, descending;
    data_.OpenCompanyList(false);
    catalog::FillCompanyList(ascending, data_, false);
    data_.OpenCompanyList(true);
    catalog::FillCompanyList(descending, data_, true);
    ASSERT_EQ(ascending.rowCount(), 1);  // the list root
    const QModelIndex root = ascending.index(0, 0);
    const QModelIndex rootDesc = descending.index(0, 0);
    const int rows = ascending.rowCount(root);
    EXPECT_GE(rows, static_cast<int>(companies.size()));
    ASSERT_EQ(descending.rowCount(rootDesc), rows);
    EXPECT_EQ(ascending.index(0, 0, root).data(), descending.index(rows - 1, 0, rootDesc).data());
}

TEST_P(DemoCatalogTest, EveryRecordIndexGroupsTheCompanies) {
    // Ids 2 to 5 are record paths; 6 is the keyword index, which yields rows
    // only after a keyword search has filled SEARCH_TEMP.
    for (int id = 2; id <= 5; ++id) {
        const std::vector<std::string> paths =
            app::LoadIndexEntities(QString::fromStdString((path_ / "Indexes.xml").string()), id);
        ASSERT_FALSE(paths.empty()) << id;
        catalog::TTopicTreeModel tree;
        catalog::FillIndexTree(tree, data_, paths);
        EXPECT_GE(tree.rowCount(), 3) << "index " << id << " has too few groups";
        int leaves = 0;
        for (int node = 1; node <= tree.nodeCount(); ++node)
            if (tree.nodeData(node).IsCompany())
                ++leaves;
        EXPECT_GE(leaves, 150) << id;
    }
}

TEST_P(DemoCatalogTest, CompaniesTableShowsTheWholeList) {
    catalog::TTopicTreeModel list;
    data_.OpenCompanyList(false);
    catalog::FillCompanyList(list, data_, false);
    // Every company is in the table, at most once per name it is listed under.
    std::set<std::pair<int, std::string>> listed;
    std::set<int> companies;
    for (int node = 1; node <= list.nodeCount(); ++node)
        if (const catalog::TreeDataRec& rec = list.nodeData(node); rec.IsCompany()) {
            listed.insert({rec.CompanyID, rec.TopicName});
            companies.insert(rec.CompanyID);
        }
    search::TCompaniesTableForm table;
    table.SetLanguage(GetParam().language);
    table.SetRecordReader([this](int id) { return data_.GetCompanyXML(id); });
    table.FillFromTree(list, list.index(0, 0));
    EXPECT_GE(table.RowCount(), static_cast<int>(companies.size()));
    EXPECT_LE(table.RowCount(), static_cast<int>(listed.size()));
    const std::string page = table.PrintHTML();
    EXPECT_NE(page.find("class=\"odd\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Shipped, DemoCatalogTest,
                         ::testing::Values(DemoCatalog{"Belarus", "Russian"}, DemoCatalog{"Belarus", "English"},
                                           DemoCatalog{"Grodno", "Russian"}, DemoCatalog{"Grodno", "English"}),
                         [](const auto& info) {
                             return std::string(info.param.folder) + info.param.language;
                         });

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
