#include "catalog/build_structures.h"

#include "catalog/collation.h"
#include "catalog/dazi_data.h"
#include "catalog/scramble.h"
#include "catalog/topic_tree_model.h"
#include "platform/text/cp1251.h"


#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string_view>

namespace catalog {
namespace {

TTranslateFunction translateFunction = nullptr;

const char* const AllCompanies = "Все компании";

// --- Russian order by sort keys: one conversion per name and a byte
// comparison per step, instead of a full comparison per step.

// The permutation that puts Names in Russian order (stable).
template <class NameOf>
std::vector<std::size_t> russianOrder(std::size_t count, NameOf nameOf, bool descending) {
    std::string pool;
    std::vector<std::size_t> ends(count);
    for (std::size_t i = 0; i < count; ++i) {
        AppendRussianSortKey(nameOf(i), pool);
        ends[i] = pool.size();
    }
    const auto key = [&](std::size_t i) {
        const std::size_t start = i == 0 ? 0 : ends[i - 1];
        return std::string_view(pool.data() + start, ends[i] - start);
    };
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (descending)
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return key(b) < key(a); });
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    return order;
}

template <class T, class NameOf>
void sortByName(std::vector<T>& list, NameOf nameOf, bool descending) {
    if (list.size() < 2)
        return;
    const std::vector<std::size_t> order =
        russianOrder(list.size(), [&](std::size_t i) -> std::string_view { return nameOf(list[i]); }, descending);
    std::vector<T> sorted;
    sorted.reserve(list.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(list[i]));
    list.swap(sorted);
}

// Names are mostly stored plain (only a leading 0x7F marks a scrambled one),
// so the fetched string is kept rather than copied.
std::string unscrambled(std::string stored) {
    if (!stored.empty() && stored.front() == '\x7f')
        return UnscrambleText(stored);
    return stored;
}

// Adds List under Parent, skipping an entry of the same company as the one
// before it. Returns the number added; Refused is set when the tree said no.
int addEntries(TTopicTreeModel& tree, int parent, std::vector<TreeDataRec>& list, bool& refused) {
    int count = 0;
    std::int32_t previous = -1;
    for (TreeDataRec& entry : list) {
        if (entry.CompanyID == previous)
            continue;
        previous = entry.CompanyID;
        const int picture = NodePicture(entry);
        if (tree.addNode(parent, std::move(entry), picture) == TTopicTreeModel::NoNode) {
            refused = true;
            break;
        }
        ++count;
    }
    list.clear();
    return count;
}

}  // namespace

// --- Pictures and texts ----------------------------------------------------------

int NodePicture(const TreeDataRec& Node) {
    if (Node.CompanyID == -1 || !Node.IsCompany())
        return BranchPicture;
    if (Node.Property & 4)
        return 106;
    if (Node.Property & 2)
        return 105;
    if (Node.Property & 1)
        return 104;
    if (Node.Property & 8)
        return 107;
    return CompanyPicture;
}

void SetTranslateFunction(TTranslateFunction Function) { translateFunction = Function; }

std::string TranslateText(const char* Text) {
    if (!translateFunction)
        return text::utf8ToCp1251(Text);
    return text::toCp1251(translateFunction(QString::fromUtf8(Text)));
}

QString CaptionText(const std::string& Caption) { return text::fromCp1251(Caption); }

// --- Builders ------------------------------------------------------------------------

int FillTopicTree(TTopicTreeModel& Tree, TDaziData& Data) {
    fb::ResultSet& rows = Data.DataSet();
    const int topicId = rows.column("TopicID"), topicName = rows.column("TopicName"), left = rows.column("L"),
              right = rows.column("R"), companyId = rows.column("CompanyID"), property = rows.column("Property");

    TTopicTreeModel::TFill fill(Tree);
    Tree.clear();
    int current = TTopicTreeModel::RootNode;  // its R counts as the largest integer
    int count = 0;
    while (rows.next()) {
        TreeDataRec node;
        node.TopicID = rows.getInt(topicId);
        node.TopicName = unscrambled(rows.getText(topicName));
        node.L = rows.getInt(left);
        node.R = rows.getInt(right);
        if (rows.isNull(companyId)) {
            node.CompanyID = -1;
            node.Property = -1;
        } else {
            node.CompanyID = rows.getInt(companyId);
            node.Property = rows.getInt(property);
        }

        while (current != TTopicTreeModel::RootNode && Tree.nodeData(current).R < node.R)
            current = Tree.parentNode(current);
        const bool leaf = node.IsCompany();
        const int picture = NodePicture(node);
        const int added = Tree.addNode(current, std::move(node), picture);
        if (added == TTopicTreeModel::NoNode)
            break;
        if (leaf)
            ++count;
        else
            current = added;
    }
    Data.CloseDataSet();
    return count;
}

int FillCompanyList(TTopicTreeModel& Tree, TDaziData& Data, bool Descending) {
    std::vector<TreeDataRec> entries;
    {
        fb::ResultSet& rows = Data.DataSet();
        const int topicName = rows.column("TopicName"), companyId = rows.column("CompanyID"),
                  property = rows.column("Property");
        std::int32_t previous = -1;
        while (rows.next()) {
            const std::int32_t company = rows.getInt(companyId);
            if (company == previous)
                continue;
            previous = company;
            TreeDataRec& entry = entries.emplace_back();
            entry.TopicID = -1;
            entry.TopicName = unscrambled(rows.getText(topicName));
            entry.L = -2;
            entry.R = -1;
            entry.CompanyID = company;
            entry.Property = rows.getInt(property);
        }
        Data.CloseDataSet();
    }

    TTopicTreeModel::TFill fill(Tree);
    Tree.clear();
    Tree.reserve(entries.size() + 1);
    TreeDataRec top;
    top.TopicID = -1;
    top.TopicName = TranslateText(AllCompanies);
    top.L = -2;
    top.R = -2;
    top.CompanyID = -1;
    const int root = Tree.addNode(TTopicTreeModel::RootNode, std::move(top), BranchPicture);
    if (root == TTopicTreeModel::NoNode)
        return 0;

    SortRussian(entries, Descending);
    int count = 0;
    for (TreeDataRec& entry : entries) {
        const int picture = NodePicture(entry);
        if (Tree.addNode(root, std::move(entry), picture) == TTopicTreeModel::NoNode)
            break;
        ++count;
    }
    Tree.requestFullExpansion();
    return count;
}

int FillIndexTree(TTopicTreeModel& Tree, TDaziData& Data, const std::vector<std::string>& Paths) {
    const int first = Data.OpenIndexedTopics(Paths) - 1;  // SQL positions count from 1
    fb::ResultSet& rows = Data.DataSet();
    const std::size_t n = Paths.size();

    TTopicTreeModel::TFill fill(Tree);
    Tree.clear();
    // No value matches the start keys, so the first row opens every level.
    std::vector<std::string> keys(n, "XXXXXXXXXXXXX");
    std::vector<std::string> values(n);
    int depth = -1;
    int current = TTopicTreeModel::RootNode;
    std::vector<TreeDataRec> pending;  // the companies of the current group
    std::int32_t previous = -1;
    int count = 0;
    bool refused = false;

    const auto flush = [&] {
        if (pending.empty())
            return;
        SortRussian(pending);
        count += addEntries(Tree, current, pending, refused);
    };

    while (!refused && rows.next()) {
        for (std::size_t i = 0; i < n; ++i) {
            values[i] = Trim(unscrambled(rows.getText(first + static_cast<int>(i))));
            if (values[i].empty())
                values[i] = "---";
        }
        // Close the levels whose key changed, innermost first.
        while (depth >= 0 && !std::equal(keys.begin(), keys.begin() + depth + 1, values.begin())) {
            flush();
            current = Tree.parentNode(current);
            --depth;
        }
        for (std::size_t i = static_cast<std::size_t>(depth + 1); i < n && !refused; ++i) {
            keys[i] = values[i];
            TreeDataRec group;
            group.TopicID = -1;
            group.TopicName = keys[i];
            group.L = -1;
            group.R = -1;
            group.CompanyID = -1;
            const int added = Tree.addNode(current, std::move(group), BranchPicture);
            if (added == TTopicTreeModel::NoNode)
                refused = true;
            else
                current = added;
            previous = -1;
        }
        if (refused)
            break;
        depth = static_cast<int>(n) - 1;

        const std::int32_t company = rows.isNull(4) ? -1 : rows.getInt(4);
        if (company != previous) {
            TreeDataRec& entry = pending.emplace_back();
            entry.TopicID = rows.getInt(0);
            entry.TopicName = unscrambled(rows.getText(1));
            entry.L = rows.getInt(2);
            entry.R = rows.getInt(3);
            entry.CompanyID = company;
            entry.Property = rows.getInt(5);
            previous = company;
        }
    }
    if (!refused)
        flush();
    Data.CloseDataSet();
    return count;
}

// --- Saved selections ------------------------------------------------------------------

void GetSelections(TDaziData& Data, TSelectionList& List) {
    List.clear();
    List.push_back({0, TranslateText(AllCompanies)});
    Data.OpenSelectionNames();
    fb::ResultSet& rows = Data.DataSet();
    const int id = rows.column("SelectionID"), name = rows.column("SelectionName");
    while (rows.next())
        List.push_back({rows.getInt(id), rows.getText(name)});
    Data.CloseDataSet();
}

void FillSelectionTabs(ISelectionTabs& Tabs, std::vector<int>& IDs, TDaziData& Data) {
    IDs.assign(1, -1);
    for (int tab = Tabs.TabCount() - 1; tab >= 1; --tab)
        Tabs.RemoveTab(tab);
    Data.OpenSelectionNames();
    fb::ResultSet& rows = Data.DataSet();
    const int id = rows.column("SelectionID"), name = rows.column("SelectionName");
    while (rows.next()) {
        Tabs.AddTab(rows.getText(name));
        IDs.push_back(rows.getInt(id));
    }
    Data.CloseDataSet();
}

// --- Russian order ------------------------------------------------------------------------

void SortRussian(std::vector<std::string>& List) {
    sortByName(List, [](const std::string& name) -> std::string_view { return name; }, false);
}

void SortRussian(std::vector<TreeDataRec>& List, bool Descending) {
    sortByName(List, [](const TreeDataRec& node) -> std::string_view { return node.TopicName; }, Descending);
}

}  // namespace catalog
