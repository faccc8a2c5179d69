// The selection tabs over the tree: the whole catalog first, then one tab per
// saved selection.
#include "app/main_form.h"

#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"

#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace app {

void TMainForm::SelectionsTabControlChange() {
    const int index = SelectionsTabControl->currentIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < SelectionIds.size())
        CurrentSelection = SelectionIds[static_cast<std::size_t>(index)];
    RefreshList();
}

void TMainForm::RefillSelectionTabs() {
    // Removing the current tab moves the current index: no refresh for the
    // tabs on their way out, the caller selects the tab to show.
    const QSignalBlocker quiet(SelectionsTabControl);
    catalog::TTabBarTabs<QTabBar> tabs(*SelectionsTabControl);
    catalog::FillSelectionTabs(tabs, SelectionIds, *catalog::DaziData);
}

void TMainForm::ChangeSelectionTab(int Index) {
    if (SelectionsTabControl->currentIndex() != Index)
        SelectionsTabControl->setCurrentIndex(Index);  // the change handler runs
    else
        SelectionsTabControlChange();
}

void TMainForm::CloseDocumentPageActionExecute() {
    if (CurrentSelection == -1)
        return;
    const int index = SelectionsTabControl->currentIndex();
    catalog::DaziData->DeleteSelection(CurrentSelection);
    RefillSelectionTabs();
    ChangeSelectionTab(std::max(index - 1, 0));
}

void TMainForm::SelectSelectionTab(int SelectionId) {
    const auto found = std::find(SelectionIds.begin(), SelectionIds.end(), SelectionId);
    if (found == SelectionIds.end())
        return;
    ChangeSelectionTab(static_cast<int>(found - SelectionIds.begin()));
}

}  // namespace app
