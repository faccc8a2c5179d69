// The tree builders on real catalogs: topic tree, plain company list,
// grouped index trees and selection tabs.
#include "test_tree_fixture.h"

#include "catalog/build_structures.h"

#include <QSignalSpy>

#include <string>
#include <vector>

using catalog::TreeDataRec;
using catalog::TTopicTreeModel;
using tree_test::childNamed;
using tree_test::childNames;
using tree_test::cp;
using tree_test::utf8;

namespace {

constexpr int Root = TTopicTreeModel::RootNode;

struct Fields {
    int TopicID, L, R, CompanyID, Property;
};

void expectFields(const TreeDataRec& node, const Fields& expected, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(node.TopicID, expected.TopicID);
    EXPECT_EQ(node.L, expected.L);
    EXPECT_EQ(node.R, expected.R);
    EXPECT_EQ(node.CompanyID, expected.CompanyID);
    EXPECT_EQ(node.Property, expected.Property);
}

// Every node of the subtree, depth first.
void collect(const TTopicTreeModel& tree, int node, std::vector<int>& nodes) {
    for (int row = 0; row < tree.childCount(node); ++row) {
        nodes.push_back(tree.childNode(node, row));
        collect(tree, nodes.back(), nodes);
    }
}

using TreeNestedCatalog = tree_test::CatalogSuite<tree_test::NestedCatalogName>;
using TreeBuilders = tree_test::CatalogSuite<tree_test::TreeCatalogName>;

// --- FillTopicTree -------------------------------------------------------------------

TEST_F(TreeNestedCatalog, TopicTreeFollowsTheNestedSets) {
    TTopicTreeModel tree;
    data->OpenTopics();
    EXPECT_EQ(catalog::FillTopicTree(tree, *data), 2);  // (3, 4) and (6, 7)

    ASSERT_EQ(tree.childCount(Root), 1);
    const int north = tree.childNode(Root, 0);
    EXPECT_EQ(childNames(tree, north), (std::vector<std::string>{"Лес", "Лесхоз"}));
    const int forest = tree.childNode(north, 0);
    EXPECT_EQ(childNames(tree, forest), std::vector<std::string>{"Поляна"});
    const int glade = tree.childNode(forest, 0);
    const int company = tree.childNode(north, 1);
    EXPECT_EQ(tree.childCount(glade), 0);
    EXPECT_EQ(tree.childCount(company), 0);

    expectFields(tree.nodeData(north), {1, 1, 8, -1, -1}, "topic");
    expectFields(tree.nodeData(forest), {2, 2, 5, -1, -1}, "inner topic");
    expectFields(tree.nodeData(glade), {3, 3, 4, -1, -1}, "leaf topic without a company");
    expectFields(tree.nodeData(company), {4, 6, 7, 20, 6}, "company");

    EXPECT_EQ(tree.nodePicture(north), catalog::BranchPicture);
    EXPECT_EQ(tree.nodePicture(glade), catalog::BranchPicture);
    EXPECT_EQ(tree.nodePicture(company), 106);  // Property 6: bit 4 wins over bit 2
}

TEST_F(TreeBuilders, TopicTreeShowsEveryListingUnscrambled) {
    TTopicTreeModel tree;
    data->OpenTopics();
    EXPECT_EQ(catalog::FillTopicTree(tree, *data), 11);

    EXPECT_EQ(childNames(tree, Root), (std::vector<std::string>{"Медицина", "Транспорт", "Кафе &quot;Уют&quot;",
                                                                 "apple store", "24 часа"}));
    const int medicine = childNamed(tree, Root, "Медицина");
    EXPECT_EQ(childNames(tree, medicine), (std::vector<std::string>{"Клиники", "Больница", "Пустой раздел"}));
    EXPECT_EQ(childNames(tree, childNamed(tree, medicine, "Клиники")),
              (std::vector<std::string>{"Медицинский центр", "Аптека Здоровье"}));

    // A company listed in two topics is shown under each.
    std::vector<int> nodes;
    collect(tree, Root, nodes);
    int listings = 0;
    for (int node : nodes)
        listings += tree.nodeData(node).CompanyID == 10;
    EXPECT_EQ(listings, 2);
    EXPECT_EQ(tree.nodeCount(), 14);
    EXPECT_EQ(tree.nodeText(childNamed(tree, Root, "Кафе &quot;Уют&quot;")), QStringLiteral("Кафе \"Уют\""));
}

TEST_F(TreeBuilders, RefillReplacesTheTreeInOneReset) {
    TTopicTreeModel tree;
    data->OpenTopics();
    catalog::FillTopicTree(tree, *data);
    QSignalSpy resets(&tree, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&tree, &QAbstractItemModel::rowsInserted);
    data->OpenTopics();
    EXPECT_EQ(catalog::FillTopicTree(tree, *data), 11);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count(), 0);
    EXPECT_EQ(tree.nodeCount(), 14);
}

// --- FillCompanyList ---------------------------------------------------------------------

const std::vector<std::string> AscendingNames = {
    "24 часа",  "Автобаза", "Аптека Здоровье", "Больница", "Гараж №1", "Кафе &quot;Уют&quot;", "Медицинский центр",
    "apple store"};

TEST_F(TreeBuilders, CompanyListIsOneSortedLevelUnderAllCompanies) {
    TTopicTreeModel tree;
    QSignalSpy expand(&tree, &TTopicTreeModel::fullExpansionRequested);
    data->OpenCompanyList(false);
    // Company 12's two rows (same name, other Property) follow each other and
    // merge; company 13 under two names gives two entries.
    EXPECT_EQ(catalog::FillCompanyList(tree, *data, false), 8);
    EXPECT_EQ(expand.count(), 1);

    ASSERT_EQ(tree.childCount(Root), 1);
    const int top = tree.childNode(Root, 0);
    EXPECT_EQ(tree.nodeData(top).TopicName, cp("Все компании"));
    expectFields(tree.nodeData(top), {-1, -2, -2, -1, 0}, "all companies");
    EXPECT_FALSE(tree.nodeData(top).IsCompany());
    EXPECT_EQ(childNames(tree, top), AscendingNames);

    const TreeDataRec& pharmacy = tree.nodeData(childNamed(tree, top, "Аптека Здоровье"));
    expectFields(pharmacy, {-1, -2, -1, 11, 1}, "entry");
    EXPECT_TRUE(pharmacy.IsCompany());
    EXPECT_EQ(tree.nodePicture(childNamed(tree, top, "Аптека Здоровье")), 104);
    EXPECT_EQ(tree.nodePicture(childNamed(tree, top, "Кафе &quot;Уют&quot;")), 107);
    EXPECT_EQ(tree.nodePicture(childNamed(tree, top, "24 часа")), catalog::CompanyPicture);
}

TEST_F(TreeBuilders, DescendingListIsTheAscendingOneReversed) {
    TTopicTreeModel tree;
    data->OpenCompanyList(true);
    EXPECT_EQ(catalog::FillCompanyList(tree, *data, true), 8);
    const std::vector<std::string> descending(AscendingNames.rbegin(), AscendingNames.rend());
    EXPECT_EQ(childNames(tree, tree.childNode(Root, 0)), descending);
}

TEST_F(TreeBuilders, EmptyListKeepsTheAllCompaniesNode) {
    TTopicTreeModel tree;
    data->OpenSelectionList(999);
    EXPECT_EQ(catalog::FillCompanyList(tree, *data, false), 0);
    ASSERT_EQ(tree.childCount(Root), 1);
    EXPECT_EQ(tree.nodeData(tree.childNode(Root, 0)).TopicName, cp("Все компании"));
    EXPECT_EQ(tree.childCount(tree.childNode(Root, 0)), 0);
}

TEST_F(TreeBuilders, TheAllCompaniesCaptionIsTranslated) {
    catalog::SetTranslateFunction([](const QString& text) {
        return text == QStringLiteral("Все компании") ? QStringLiteral("All companies") : text;
    });
    TTopicTreeModel tree;
    data->OpenSelectionList(999);
    catalog::FillCompanyList(tree, *data, false);
    catalog::TSelectionList selections;
    catalog::GetSelections(*data, selections);
    catalog::SetTranslateFunction(nullptr);

    EXPECT_EQ(tree.nodeData(tree.childNode(Root, 0)).TopicName, "All companies");
    ASSERT_FALSE(selections.empty());
    EXPECT_EQ(selections[0].Name, "All companies");
}

// --- FillIndexTree -------------------------------------------------------------------------

TEST_F(TreeBuilders, OnePathGroupsByValueWithEmptyValuesUnderDashes) {
    TTopicTreeModel tree;
    // Company 10 is listed twice and company 13 under two names: each once.
    EXPECT_EQ(catalog::FillIndexTree(tree, *data, {"address/city"}), 7);

    EXPECT_EQ(childNames(tree, Root), (std::vector<std::string>{"---", "Брест", "Гродно", "Минск"}));
    const int dashes = tree.childNode(Root, 0);
    expectFields(tree.nodeData(dashes), {-1, -1, -1, -1, 0}, "group");
    EXPECT_EQ(tree.nodePicture(dashes), catalog::BranchPicture);
    EXPECT_EQ(childNames(tree, dashes), (std::vector<std::string>{"Больница", "Кафе &quot;Уют&quot;"}));
    EXPECT_EQ(childNames(tree, childNamed(tree, Root, "Брест")), std::vector<std::string>{"Автобаза"});
    EXPECT_EQ(childNames(tree, childNamed(tree, Root, "Гродно")),
              (std::vector<std::string>{"24 часа", "apple store"}));
    EXPECT_EQ(childNames(tree, childNamed(tree, Root, "Минск")),
              (std::vector<std::string>{"Аптека Здоровье", "Медицинский центр"}));

    // Company nodes keep their topic row's values.
    const TreeDataRec& depot = tree.nodeData(tree.childNode(childNamed(tree, Root, "Брест"), 0));
    EXPECT_EQ(depot.CompanyID, 13);
    EXPECT_EQ(depot.Property, 4);
    EXPECT_EQ(depot.R, depot.L + 1);
    EXPECT_GT(depot.TopicID, 0);
}

TEST_F(TreeBuilders, TwoPathsMakeEachGroupOnce) {
    TTopicTreeModel tree;
    QSignalSpy resets(&tree, &QAbstractItemModel::modelReset);
    EXPECT_EQ(catalog::FillIndexTree(tree, *data, {"address/region", "address/district"}), 7);
    EXPECT_EQ(resets.count(), 1);

    EXPECT_EQ(childNames(tree, Root), (std::vector<std::string>{"Брестская", "Гродненская", "Минская"}));
    const int brest = childNamed(tree, Root, "Брестская");
    EXPECT_EQ(childNames(tree, brest), (std::vector<std::string>{"Ленинский", "Московский"}));
    EXPECT_EQ(childNames(tree, childNamed(tree, brest, "Ленинский")), std::vector<std::string>{"Больница"});
    EXPECT_EQ(childNames(tree, childNamed(tree, brest, "Московский")), std::vector<std::string>{"Автобаза"});
    const int minsk = childNamed(tree, Root, "Минская");
    EXPECT_EQ(childNames(tree, minsk), std::vector<std::string>{"Ленинский"});
    EXPECT_EQ(childNames(tree, childNamed(tree, minsk, "Ленинский")),
              (std::vector<std::string>{"Аптека Здоровье", "Кафе &quot;Уют&quot;", "Медицинский центр"}));
    EXPECT_EQ(tree.nodeCount(), 3 + 4 + 7);
}

TEST_F(TreeBuilders, IndexTreeOfATablePath) {
    TTopicTreeModel tree;
    EXPECT_EQ(catalog::FillIndexTree(tree, *data, {"db:Images/ImageName"}), 2);
    EXPECT_EQ(childNames(tree, Root), (std::vector<std::string>{"logo.png", "map.png"}));
    EXPECT_EQ(childNames(tree, childNamed(tree, Root, "logo.png")), std::vector<std::string>{"Медицинский центр"});
    EXPECT_EQ(childNames(tree, childNamed(tree, Root, "map.png")), std::vector<std::string>{"Автобаза"});
}

// --- Selections ------------------------------------------------------------------------------------

// A tab row in memory.
class FakeTabs : public catalog::ISelectionTabs {
public:
    std::vector<QString> tabs{QStringLiteral("Все компании")};
    int TabCount() const override { return static_cast<int>(tabs.size()); }
    void RemoveTab(int index) override { tabs.erase(tabs.begin() + index); }
    void AddTab(const std::string& caption) override { tabs.push_back(catalog::CaptionText(caption)); }
};

class TreeSelections : public TreeBuilders {
protected:
    void SetUp() override {
        data->ExecSQL("DELETE FROM Selections");
        data->ExecSQL("DELETE FROM SelectionNames");
    }
    void save(int id, const std::string& name, const std::vector<int>& companies) {
        data->AddSelectionName(id, cp(name), "");
        for (int company : companies)
            data->ExecSQL("INSERT INTO Selections (SelectionID, CompanyID) VALUES (" + std::to_string(id) + ", " +
                          std::to_string(company) + ")");
    }
};

TEST_F(TreeSelections, NoSavedSelections) {
    FakeTabs tabs;
    tabs.tabs.push_back(QStringLiteral("stale"));
    std::vector<int> ids{7, 8};
    catalog::FillSelectionTabs(tabs, ids, *data);
    EXPECT_EQ(tabs.tabs, std::vector<QString>{QStringLiteral("Все компании")});
    EXPECT_EQ(ids, std::vector<int>{-1});

    catalog::TSelectionList list{{3, "stale"}};
    catalog::GetSelections(*data, list);
    EXPECT_EQ(list, (catalog::TSelectionList{{0, cp("Все компании")}}));
}

TEST_F(TreeSelections, TabsAndListFollowSelectionIdOrder) {
    save(5, "Аптеки", {11});
    save(2, "Поиск: Минск", {10, 13});
    FakeTabs tabs;
    tabs.tabs.push_back(QStringLiteral("stale one"));
    tabs.tabs.push_back(QStringLiteral("stale two"));
    std::vector<int> ids;
    catalog::FillSelectionTabs(tabs, ids, *data);
    EXPECT_EQ(tabs.tabs, (std::vector<QString>{QStringLiteral("Все компании"), QStringLiteral("Поиск: Минск"),
                                               QStringLiteral("Аптеки")}));
    EXPECT_EQ(ids, (std::vector<int>{-1, 2, 5}));

    catalog::TSelectionList list;
    catalog::GetSelections(*data, list);
    EXPECT_EQ(list, (catalog::TSelectionList{{0, cp("Все компании")}, {2, cp("Поиск: Минск")}, {5, cp("Аптеки")}}));
}

TEST_F(TreeSelections, SelectionListFillsThePlainList) {
    save(2, "Поиск", {10, 12, 13});
    TTopicTreeModel tree;
    data->OpenSelectionList(2);
    // Rows by name: Автобаза 13, Больница 12 (twice), Гараж №1 13, Медицинский
    // центр 10. Only neighbours merge, so 13 keeps both of its names.
    EXPECT_EQ(catalog::FillCompanyList(tree, *data, false), 4);
    EXPECT_EQ(childNames(tree, tree.childNode(Root, 0)),
              (std::vector<std::string>{"Автобаза", "Больница", "Гараж №1", "Медицинский центр"}));

    save(3, "Транспорт", {13});
    data->OpenSelectionList(3);
    // Автобаза and Гараж №1 now follow each other: one entry.
    EXPECT_EQ(catalog::FillCompanyList(tree, *data, false), 1);
    EXPECT_EQ(childNames(tree, tree.childNode(Root, 0)), std::vector<std::string>{"Автобаза"});
}

}  // namespace
