// Tree builders: what the windows show, made from the results of the data
// module's queries. The topic tree, the plain company list and the grouped
// index trees fill a TTopicTreeModel; the selection tabs fill any tab row
// through ISelectionTabs, so this layer needs no widgets.
//
// Each builder clears the tree and fills it inside one fill bracket; the
// view repaints once. A query error passes through and leaves the tree with
// what was added so far.
#pragma once

#include "catalog/tree_data.h"

#include <QString>

#include <string>
#include <vector>

namespace catalog {

class TDaziData;
class TTopicTreeModel;

// --- Node pictures (numbers of the main window's action image list)

inline constexpr int BranchPicture = 13;
inline constexpr int CompanyPicture = 14;

// Branches get BranchPicture; a company leaf (a CompanyID and R = L + 1)
// gets the picture of the first of its Property bits 4, 2, 1, 8 that is set
// (106, 105, 104, 107), else CompanyPicture.
int NodePicture(const TreeDataRec& Node);

// --- Translation of the builders' own texts ("Все компании")
//
// The catalog layer does not depend on the language layer; the program sets
// lang::Translate here at start-up. Without a function texts stay Russian.
using TTranslateFunction = QString (*)(const QString&);
void SetTranslateFunction(TTranslateFunction Function);
// Text (UTF-8) in the current language, as code page 1251.
std::string TranslateText(const char* Text);

// --- Builders. Each walks the result that the named query of the data module
// left open, or runs its query itself.

// After OpenTopics: the topic hierarchy with companies as leaves. Returns
// the number of leaves (leaf topics without companies count too).
int FillTopicTree(TTopicTreeModel& Tree, TDaziData& Data);

// After OpenCompanyList or OpenSelectionList: one top node "Все компании"
// with a child per company, in Russian order (reversed when Descending), the
// top node expanded. Rows that follow each other with the same company make
// one entry. Returns the number of entries.
int FillCompanyList(TTopicTreeModel& Tree, TDaziData& Data, bool Descending);

// Runs OpenIndexedTopics(Paths): one level of group nodes per path, captioned
// by the trimmed values ("---" for an empty one), companies under the last
// level in Russian order. Groups come in the database's order and each is
// made once. Returns the number of company nodes.
int FillIndexTree(TTopicTreeModel& Tree, TDaziData& Data, const std::vector<std::string>& Paths);

// --- Saved selections

struct TSelection {
    int ID = 0;
    std::string Name;  // code page 1251

    friend bool operator==(const TSelection&, const TSelection&) = default;
};
using TSelectionList = std::vector<TSelection>;

// Element 0 is the whole catalog (ID 0, "Все компании" translated); then
// every saved selection in SelectionID order.
void GetSelections(TDaziData& Data, TSelectionList& List);

// A row of tabs whose first tab stands for the whole catalog.
class ISelectionTabs {
public:
    virtual ~ISelectionTabs() = default;
    virtual int TabCount() const = 0;
    virtual void RemoveTab(int Index) = 0;
    virtual void AddTab(const std::string& Caption) = 0;  // code page 1251
};

// The text of a code page 1251 caption for the user interface.
QString CaptionText(const std::string& Caption);

// ISelectionTabs over a QTabBar (or anything with count, removeTab and
// addTab(QString)); a template so that this layer needs no QtWidgets.
template <class TabBar>
class TTabBarTabs final : public ISelectionTabs {
public:
    explicit TTabBarTabs(TabBar& tabs) : m_tabs(tabs) {}
    int TabCount() const override { return m_tabs.count(); }
    void RemoveTab(int Index) override { m_tabs.removeTab(Index); }
    void AddTab(const std::string& Caption) override { m_tabs.addTab(CaptionText(Caption)); }

private:
    TabBar& m_tabs;
};

// Removes every tab but the first, then adds a tab per saved selection.
// IDs[k] is the selection shown by tab k; IDs[0] = -1.
void FillSelectionTabs(ISelectionTabs& Tabs, std::vector<int>& IDs, TDaziData& Data);

// --- The order of company names (CompareRussian)

void SortRussian(std::vector<std::string>& List);
// By TopicName; equal names keep their order.
void SortRussian(std::vector<TreeDataRec>& List, bool Descending = false);

}  // namespace catalog
