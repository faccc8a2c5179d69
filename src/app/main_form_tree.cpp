// The left half of the main window: the tree and how it is arranged (topic
// tree, flat list by name, index trees of Indexes.xml), what the right half
// shows for the chosen node, selective printing and the command states.
#include "app/main_form.h"

#include "app/catalogue_discovery.h"
#include "app/index_definitions.h"
#include "app/tree_pictures.h"
#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"
#include "catalog/entities.h"
#include "catalog/selection_conditions.h"
#include "catalog/topic_tree_model.h"
#include "gallery/full_screen_image.h"
#include "gallery/picture_gallery_form.h"
#include "lang/lang_util.h"
#include "platform/files/files.h"
#include "search/companies_table_form.h"
#include "platform/ui/wait_cursor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QFileInfo>
#include <QLabel>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTreeView>

namespace app {
namespace {

const char* const CardXMLHeader = "<?xml version=\"1.0\" encoding=\"Windows-1251\"?>\r\n";

// A borderless child filling Panel.
void fillPanel(QWidget* Panel, QWidget* Child) {
    auto* layout = qobject_cast<QBoxLayout*>(Panel->layout());
    if (!layout) {
        layout = new QVBoxLayout(Panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    layout->addWidget(Child);
}

}  // namespace

void TMainForm::CreateTreeView() {
    TopicsModel->setPictures(TreePictures());
    connect(TopicsModel, &catalog::TTopicTreeModel::fullExpansionRequested, TopicsTree, &QTreeView::expandAll);
    // A refill takes the focused node away, as clearing the tree did: the
    // right half then shows what no node shows instead of a stale node.
    connect(TopicsModel, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_treeHadCurrentNode = TopicsTree->currentIndex().isValid(); });
    connect(TopicsModel, &QAbstractItemModel::modelReset, this, [this] {
        if (std::exchange(m_treeHadCurrentNode, false))
            TopicsTreeChange(QModelIndex());
    });
    connect(SelectionsTabControl, &QTabBar::currentChanged, this, [this] { SelectionsTabControlChange(); });
    connect(RightPanelRzSplitter, &QSplitter::splitterMoved, this, [this] { RightPanelRzSplitterChange(); });
    connect(AZSortAction, &QAction::triggered, this, [this] { AZSortActionExecute(); });
    connect(ZASortAction, &QAction::triggered, this, [this] { ZASortActionExecute(); });
    connect(CloseDocumentPageAction, &QAction::triggered, this, [this] { CloseDocumentPageActionExecute(); });
    connect(DeleteAction, &QAction::triggered, this, [this] { CloseDocumentPageActionExecute(); });
    connect(acAdvancedPrintMode, &QAction::triggered, this, [this] { acAdvancedPrintModeExecute(); });
    connect(acCheckAll, &QAction::triggered, this, [this] { acCheckAllExecute(acCheckAll); });
    connect(acUncheckAll, &QAction::triggered, this, [this] { acCheckAllExecute(acUncheckAll); });
    AZSortAction->setEnabled(false);
    ZASortAction->setEnabled(false);
    acAdvancedPrintModeUpdate();
    acCheckAllUpdate();
}

const catalog::TreeDataRec* TMainForm::FocusedNodeData() const {
    return TopicsModel->dataOf(TopicsTree->currentIndex());
}

// --- The chosen node -----------------------------------------------------------------

void TMainForm::TopicsTreeChange(const QModelIndex& Current) {
    const catalog::TreeDataRec* data = TopicsModel->dataOf(Current);
    if (!data) {
        ShowStartPage();
    } else if (data->CompanyID != -1 && data->IsCompany()) {
        const catalog::TreeDataRec node = *data;
        SelectedCompanyNameLabel->setText(catalog::CharTextToQString(catalog::ConvertHTMLToChar(node.TopicName)));
        statusBar()->showMessage(catalog::CharTextToQString(
            catalog::ConvertHTMLToChar(catalog::DaziData->GetTopicPath(node.TopicID))));
        ShowCompany(node.CompanyID);
        LoadNote(node.CompanyID);
    } else {
        ShowCompaniesTable();
        ShowPictureGallery();
    }
    UpdateCommands();
}

void TMainForm::UpdateCommands() {
    const catalog::TreeDataRec* node = FocusedNodeData();
    // This test alone: a topic without sub-nodes counts as a company too.
    const bool companyChosen = node && node->IsCompany();
    const bool selectionTab = SelectionsTabControl->currentIndex() > 0;
    CloseDocumentPageAction->setEnabled(selectionTab);
    CloseDocumentPageAction->setVisible(selectionTab);
    DeleteAction->setEnabled(selectionTab);
    TreeModeAction->setEnabled(!selectionTab);
    PlainModeAction->setEnabled(!selectionTab);
    for (QAction* action : {FindInDocAction, FindNextInDocAction, PrintAction, ExportAction, DialPhoneAction,
                            SendFaxAction, SendEmailAction, GoToInternetAction})
        action->setEnabled(companyChosen);
    // The update handlers ran whenever the program was idle; every change of
    // node, tab or list comes through here.
    acAdvancedPrintModeUpdate();
    acCheckAllUpdate();
}

// --- Filling the tree ------------------------------------------------------------------

void TMainForm::RefreshList() {
    CardConditions.clear();
    int companies = 0;
    if (CurrentSelection == -1) {
        if (!IndexEntity.empty())
            CardConditions = {{IndexEntity, std::string(), false}};
        if (PlainMode) {
            catalog::DaziData->OpenCompanyList(Descending);
            companies = catalog::FillCompanyList(*TopicsModel, *catalog::DaziData, Descending);
            ExpandAllAction->setEnabled(false);
        } else {
            catalog::DaziData->OpenTopics();
            companies = catalog::FillTopicTree(*TopicsModel, *catalog::DaziData);
            ExpandAllAction->setEnabled(true);
        }
    } else {
        catalog::DaziData->OpenSelectionList(CurrentSelection);
        companies = catalog::FillCompanyList(*TopicsModel, *catalog::DaziData, Descending);
        ExpandAllAction->setEnabled(false);
        CardConditions = catalog::GetSelectionConditions(*catalog::DaziData, CurrentSelection);
    }
    CmpCountLabel->setText(lang::TranslateFormat(QStringLiteral("%d записей"), companies));
    ExpandAllActionExecute(false);
    UpdateCommands();
}

void TMainForm::ApplyIndex() {
    PlainMode = IndexId == 0;
    AZSortAction->setEnabled(PlainMode);
    ZASortAction->setEnabled(PlainMode);
    if (IndexId == 0 || IndexId == 1) {
        IndexEntity.clear();
        RefreshList();
        return;
    }
    // A failure here leaves the tree as it was.
    std::vector<std::string> entities =
        LoadIndexEntities(files::FindFileNoCase(m_catalogueFolder, QStringLiteral("Indexes.xml")), IndexId);
    IndexEntities = std::move(entities);
    IndexEntity = IndexEntities.front();
    if (!IndexEntity.empty())
        CardConditions = {{IndexEntity, std::string(), false}};
    BuildIndexTree(IndexEntities);
}

void TMainForm::BuildIndexTree(const std::vector<std::string>& Entities) {
    ui::TWaitCursor wait;
    catalog::FillIndexTree(*TopicsModel, *catalog::DaziData, Entities);
    ExpandAllAction->setEnabled(true);
    ExpandAllActionExecute(false);
    wait.Restore();
    UpdateCommands();
}

void TMainForm::IndexFlashButtonClick(QAbstractButton* Sender) {
    if (SelectionsTabControl->currentIndex() != 0)
        SelectionsTabControl->setCurrentIndex(0);  // its change handler refreshes the list
    IndexId = Sender->property("tag").toInt();
    ApplyIndex();
}

void TMainForm::BackFlashButtonClick() {
    SelectionsTabControl->setCurrentIndex(0);
    RubrikaFlashButton->setChecked(true);
    IndexFlashButtonClick(RubrikaFlashButton);
    SelectedCompanyNameLabel->clear();
    statusBar()->clearMessage();
}

void TMainForm::AZSortActionExecute() {
    Descending = false;
    ApplyIndex();
}

void TMainForm::ZASortActionExecute() {
    Descending = true;
    ApplyIndex();
}

void TMainForm::ExpandAllActionExecute(bool FromUser) {
    if (!ExpandAllAction->isEnabled())
        return;
    if (FromUser)
        ExpandedAll = !ExpandedAll;
    ExpandAllAction->setText(lang::Translate(ExpandedAll ? QStringLiteral("Свернуть все")
                                                         : QStringLiteral("Развернуть все")));
    if (ExpandedAll)
        TopicsTree->expandAll();
    else
        TopicsTree->collapseAll();
}

void TMainForm::SelectCompanyInTree(int CompanyId) {
    if (CompanyId < 0)
        return;
    const QModelIndex focused = TopicsTree->currentIndex();
    if (!focused.isValid())
        return;
    // Depth first: each child's subtree before the next sibling.
    std::vector<int> pending;
    const int start = TopicsModel->nodeOf(focused);
    for (int row = TopicsModel->childCount(start) - 1; row >= 0; --row)
        pending.push_back(TopicsModel->childNode(start, row));
    while (!pending.empty()) {
        const int node = pending.back();
        pending.pop_back();
        if (TopicsModel->nodeData(node).CompanyID == CompanyId) {
            const QModelIndex found = TopicsModel->indexOf(node);
            TopicsTree->setCurrentIndex(found);  // the change handler shows the card
            for (QModelIndex ancestor = found.parent(); ancestor.isValid(); ancestor = ancestor.parent())
                TopicsTree->expand(ancestor);
            TopicsTree->scrollTo(found);
            return;
        }
        for (int row = TopicsModel->childCount(node) - 1; row >= 0; --row)
            pending.push_back(TopicsModel->childNode(node, row));
    }
}

// --- The right half for a branch --------------------------------------------------------

void TMainForm::ShowCompaniesTable() {
    if (!CompaniesTableForm) {
        CompaniesTableForm = new search::TCompaniesTableForm(TableDecorativePanel);
        CompaniesTableForm->setObjectName(QStringLiteral("CompaniesTableForm"));
        fillPanel(TableDecorativePanel, CompaniesTableForm);
        lang::TranslateWindow(CompaniesTableForm);
        CompaniesTableForm->SetXMLHeader(CardXMLHeader);
        CompaniesTableForm->SetStyleSheetPath(m_catalogueFolder + QStringLiteral("TablePrintStyle.css"));
        connect(CompaniesTableForm, &search::TCompaniesTableForm::OnCompanyDblClick, this,
                &TMainForm::SelectCompanyInTree);
    }
    CompaniesTableForm->SetLanguage(CurrentDatabase.Language);
    CompaniesTableForm->SetMarkedOnly(acAdvancedPrintMode->isChecked());
    RightPages->setCurrentWidget(RightDecorativePanel);
    const QModelIndex focused = TopicsTree->currentIndex();
    if (TopicsModel->dataOf(focused)) {
        CompaniesTableForm->FillFromTree(*TopicsModel, focused);
        CompaniesTableForm->SetMarkedOnly(acAdvancedPrintMode->isChecked());
        SetCheckBoxes(CompaniesTableForm->MarkedOnly());
    }
}

double TMainForm::RightSplitterPosition() const {
    const QList<int> sizes = RightPanelRzSplitter->sizes();
    if (sizes.size() < 2)
        return 0;
    const int total = sizes[0] + sizes[1] + RightPanelRzSplitter->handleWidth();
    return total > 0 ? 100.0 * sizes[0] / total : 0;
}

void TMainForm::ShowPictureGallery() {
    GalleryCurrent = false;
    if (RightSplitterPosition() > 97)
        return;  // the lower pane is collapsed
    // (The Windows 98 notice has no counterpart: every system here draws it.)
    GalleryCurrent = true;
    if (!PictureGalleryForm) {
        PictureGalleryForm = new gallery::TPictureGalleryForm(PictureGalleryDecorativePanel);
        fillPanel(PictureGalleryDecorativePanel, PictureGalleryForm);
        PictureGalleryForm->AdvertFolder =
            files::FilePathNoCase(ProgramFolder, QStringLiteral("Data/Russian/Advertisement/Small/"));
        lang::TranslateWindow(PictureGalleryForm);
        PictureGalleryForm->OnPictureClick = [this](const QString& FileName, int CompanyId) {
            OnGalleryPictureClick(FileName, CompanyId);
        };
    }
    const QModelIndex focused = TopicsTree->currentIndex();
    const catalog::TreeDataRec* data = TopicsModel->dataOf(focused);
    if (!data)
        return;
    if (data->L >= 0)
        PictureGalleryForm->ShowRangePictures(data->L, data->R);
    else
        PictureGalleryForm->ShowSubtreePictures(*TopicsModel, focused);
}

void TMainForm::RightPanelRzSplitterChange() {
    if (!GalleryCurrent && RightSplitterPosition() < 98)
        ShowPictureGallery();
}

void TMainForm::OnGalleryPictureClick(const QString& FileName, int CompanyId) {
    if (CompanyId >= 0) {
        SelectCompanyInTree(CompanyId);
        return;
    }
    // An advertisement: its large version, when there is one.
    const QString small = QStringLiteral("/Small/");
    const qsizetype at = FileName.indexOf(small, 0, Qt::CaseInsensitive);
    if (at < 0)
        return;
    QString large = FileName;
    large.replace(small, QStringLiteral("/Large/"), Qt::CaseInsensitive);
    const qsizetype folderEnd = at + 1;  // the large file's folder, looked up without regard to case
    large = files::FilePathNoCase(large.left(folderEnd), large.mid(folderEnd));
    if (!QFileInfo(large).isFile())
        return;
    FullScreenImageForm->LoadPictureFile(large);
    FullScreenImageForm->ShowFullScreen(true);
}

// --- Selective printing ----------------------------------------------------------------

void TMainForm::acAdvancedPrintModeExecute() {
    // The command has flipped its checked state before it runs this.
    const bool on = acAdvancedPrintMode->isChecked();
    if (CompaniesTableForm)
        CompaniesTableForm->SetMarkedOnly(on);
    SetCheckBoxes(on);
    acCheckAllUpdate();
}

void TMainForm::acAdvancedPrintModeUpdate() {
    acAdvancedPrintMode->setEnabled(CompaniesTableForm && CompaniesTableForm->RowCount() > 0);
}

void TMainForm::acCheckAllExecute(QAction* Sender) { SetAllChecks(Sender != acUncheckAll); }

void TMainForm::acCheckAllUpdate() {
    const bool on = acAdvancedPrintMode->isChecked();
    acCheckAll->setEnabled(on);
    acUncheckAll->setEnabled(on);
}

void TMainForm::SetCheckBoxes(bool On) {
    if (CompaniesTableForm)
        CompaniesTableForm->SetCheckBoxes(On);
}

void TMainForm::SetAllChecks(bool Checked) {
    if (CompaniesTableForm)
        CompaniesTableForm->SetAllChecks(Checked);
}

}  // namespace app
