// Stand-ins for the tree builders and the tab filler of the data mediator,
// until those exist: the topic tree in a QStandardItemModel, and the tabs
// reduced to the first one. Replace this file with the real builders.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QModelIndex;
class QStandardItemModel;
class QTabBar;

namespace catalog {
class TDaziData;
}

namespace app {

// What the main window reads of a node.
struct PreviewNode {
    int TopicID = -1;
    std::string TopicName;  // code page 1251, unscrambled, as stored
    int L = 0;
    int R = 0;
    int CompanyID = -1;
};

// Fills Model with the whole topic tree; returns the number of company rows.
int FillTopicTreePreview(catalog::TDaziData& Data, QStandardItemModel& Model);

// The node behind Index; nothing for an invalid index.
std::optional<PreviewNode> PreviewNodeData(const QModelIndex& Index);

// All tabs but the first removed; SelectionIds holds -1 for it.
void FillSelectionTabsPreview(QTabBar& Tabs, std::vector<int>& SelectionIds);

}  // namespace app
