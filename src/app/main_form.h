// The main window: catalog opening, the menus and toolbars, the tree on the
// left and the card or the companies table on the right.
#pragma once

#include "catalog/build_structures.h"
#include "catalog/query_condition.h"
#include "platform/xml/xslt.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QMenu;
class QModelIndex;
class QPlainTextEdit;
class QSplitter;
class QStackedWidget;
class QStandardItemModel;
class QTabBar;
class QTextBrowser;
class QToolBar;
class QTreeView;
class QWidget;

namespace catalog {
class TMemoryStream;
class TTopicTreeModel;
struct TreeDataRec;
}
namespace gallery {
class TFullScreenImageForm;
class TPictureGalleryForm;
}
namespace search {
class TCompaniesTableForm;
}

namespace app {

class TFindDialogForm;
class THelpWindow;
class THTMLViewer;

// What a confirmed search dialog returns.
struct TSearchRequest {
    catalog::TQueryConditions Conditions;
    bool AllConditions = true;
    bool AddToTarget = false;
    catalog::TSelection SearchIn;
    catalog::TSelection Target;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Finds the catalogs, lets the user choose one when there are several,
    // opens it and runs the event loop until the window closes. Returns the
    // exit code: 0 also when there is no catalog or the lobby was closed.
    // Errors before the event loop are passed on.
    int StartUp();

    void OpenCatalogue();
    void ApplyLanguage(const QString& Language);
    void FillCatalogueMenu();
    void CatalogueMenuItemClick(int Tag);
    void OpenSelectedCatalogue();
    void SelectLanguageOfCatalogue(const QString& Language);
    // The items of the hidden "Язык" menu: tag 0 Russian, 1 English.
    void SwitchToLanguageButtonClick(int Tag);

    void UpdateCommands();
    void ShowStartPage();
    void BackFlashButtonClick();
    void IndexFlashButtonClick(QAbstractButton* Sender);
    void ApplyIndex();
    void RefreshList();
    void ExpandAllActionExecute(bool FromUser);
    void ChangeFontSizeActionExecute(QAction* Sender);
    void NotesButtonClick();
    void CompanyOnTheWebActionExecute();

    // --- Search and help (main_form_search.cpp)
    void SearchActionExecute();
    // Shows the search dialog; empty when it was not confirmed. Tests put
    // their own in its place.
    std::function<std::optional<TSearchRequest>()> SearchDialogHook;
    std::optional<TSearchRequest> RunSearchDialog();
    void HelpTopicsActionExecute();
    // Topic (a file name) of the help pages of the current language.
    void ShowHelpTopic(const QString& Topic);
    // Created on first use.
    THelpWindow* HelpWindow = nullptr;

    QString CatalogueFolder() const { return m_catalogueFolder; }
    int DefaultFontSize() const { return m_defaultFontSize; }
    // The catalog's compiled Org.xsl; null before the first catalog open.
    const xml::XslStylesheet* StyleSheet() const { return m_styleSheet ? &*m_styleSheet : nullptr; }

    // --- Arrangement state of the tree
    int IndexId = 1;
    bool PlainMode = false;
    bool Descending = false;
    bool ExpandedAll = false;
    int CurrentSelection = -1;
    std::vector<int> SelectionIds;
    bool GalleryCurrent = true;

    // --- Commands
    QAction* SearchAction = nullptr;
    QAction* CombineAction = nullptr;
    QAction* DeleteAction = nullptr;
    QAction* ExportAction = nullptr;
    QAction* PrintAction = nullptr;
    QAction* DialPhoneAction = nullptr;
    QAction* SendFaxAction = nullptr;
    QAction* SendEmailAction = nullptr;
    QAction* GoToInternetAction = nullptr;
    QAction* CloseAction = nullptr;
    QAction* HelpTopicsAction = nullptr;
    QAction* CompanyOnTheWebAction = nullptr;
    QAction* AboutAction = nullptr;
    QAction* TreeModeAction = nullptr;
    QAction* PlainModeAction = nullptr;
    QAction* AZSortAction = nullptr;
    QAction* ZASortAction = nullptr;
    QAction* FindInDocAction = nullptr;
    QAction* FindNextInDocAction = nullptr;
    QAction* FontSizeAction = nullptr;
    QAction* FontHugeAction = nullptr;
    QAction* FontLargeAction = nullptr;
    QAction* FontNormalAction = nullptr;
    QAction* FontSmallAction = nullptr;
    QAction* CloseDocumentPageAction = nullptr;
    QAction* ExpandAllAction = nullptr;
    QAction* PrintEnvelopesAction = nullptr;
    QAction* PrintLabelsAction = nullptr;
    QAction* PrintCompanyTableAction = nullptr;
    QAction* acAdvancedPrintMode = nullptr;
    QAction* acCheckAll = nullptr;
    QAction* acUncheckAll = nullptr;
    QAction* NotesButton = nullptr;
    QAction* RussianLanguageItem = nullptr;
    QAction* EnglishLanguageItem = nullptr;

    // --- Menus
    QMenu* CatalogueMItem = nullptr;
    QMenu* SelectionsMItem = nullptr;
    QMenu* CompanyMItem = nullptr;
    QMenu* TreeMItem = nullptr;
    QMenu* TextMItem = nullptr;
    QMenu* LanguageMItem = nullptr;
    QMenu* HelpMItem = nullptr;
    QMenu* FontPopupMenu = nullptr;

    // --- Toolbars
    QToolBar* MainToolBar = nullptr;
    QToolBar* TreeToolBar = nullptr;
    QToolBar* DocumentToolBar = nullptr;
    QToolBar* TableToolBar = nullptr;
    QToolBar* SelectivePrintToolBar = nullptr;

    // --- Areas
    QWidget* ButtonBarPanel = nullptr;
    QButtonGroup* IndexButtons = nullptr;
    QAbstractButton* RubrikaFlashButton = nullptr;
    QAbstractButton* FlashButton4 = nullptr;
    QAbstractButton* FlashButton3 = nullptr;
    QAbstractButton* FlashButton2 = nullptr;
    QAbstractButton* FlashButton1 = nullptr;
    QAbstractButton* TasksFlashButton = nullptr;
    QAbstractButton* FlashButton7 = nullptr;
    QAbstractButton* SearchFlashButton = nullptr;
    QAbstractButton* BackFlashButton = nullptr;
    QTabBar* SelectionsTabControl = nullptr;
    QSplitter* MainRzSplitter = nullptr;
    QLabel* CmpCountLabel = nullptr;
    QTreeView* TopicsTree = nullptr;
    catalog::TTopicTreeModel* TopicsModel = nullptr;
    QStackedWidget* RightPages = nullptr;
    QWidget* HtmlDecorativePanel = nullptr;
    QLabel* SelectedCompanyNameLabel = nullptr;
    THTMLViewer* HTMLViewer = nullptr;
    QWidget* NotesSizePanel = nullptr;
    QPlainTextEdit* NotesMemo = nullptr;
    QWidget* RightDecorativePanel = nullptr;
    QSplitter* RightPanelRzSplitter = nullptr;
    QWidget* TableDecorativePanel = nullptr;
    QWidget* PictureGalleryDecorativePanel = nullptr;

    // --- Card view (main_form_card.cpp)
    // Conditions marked in cards; set by the tree and tab handlers.
    catalog::TQueryConditions CardConditions;
    void ShowCompany(int CompanyId);
    // The card HTML (code page 1251) of a record, with CardConditions marked.
    void BuildCompanyHtml(const std::string& RecordXml, std::string& Html) const;
    void LoadNote(int CompanyId);
    void NotesMemoChange();
    // A picture of the card: from the database, else the catalog folder's
    // file, else its empty.png. Null for a "file:" source, which the viewer
    // loads itself.
    std::unique_ptr<catalog::TMemoryStream> HTMLViewerImageRequest(const QString& SRC);
    void HTMLViewerImageClick(const QString& Src);
    void HTMLViewerHotSpotClick(const QString& SRC);
    void FindInDocActionExecute();
    void FindNextInDocActionExecute();
    TFindDialogForm* FindDialogForm = nullptr;
    gallery::TFullScreenImageForm* FullScreenImageForm = nullptr;
    // Hands web and mail links to the desktop (catalog::OpenDocument);
    // tests put their own in its place.
    std::function<void(const QString&)> OpenDocumentHook;

private:
    // --- Card view
    void CreateCardView();

    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateLayout();
    static QToolBar* MakeToolBar(QWidget* parent, const char* name);

    // Steps 1 to 13 of the opening; OpenCatalogue adds ApplyIndex.
    void OpenCatalogueSteps();
    void SetCatalogueCaption();
    void ApplyFontSizeSetting(const QString& Word);
    void TopicsTreeChange(const QModelIndex& Current);

    QString m_catalogueFolder;
    int m_defaultFontSize = 10;
    // Org.xsl of the catalog, for the card transform.
    std::optional<xml::XslStylesheet> m_styleSheet;
    QList<QAction*> m_catalogueItems;

    // --- Tree, indexes and selection tabs (main_form_tree.cpp, main_form_tabs.cpp)
public:
    // The Entity paths of the Indexes.xml field chosen last, and the first
    // of them while such an index is current (empty for indexes 0 and 1).
    std::vector<std::string> IndexEntities;
    std::string IndexEntity;
    // Created on first use, children of the right half.
    search::TCompaniesTableForm* CompaniesTableForm = nullptr;
    gallery::TPictureGalleryForm* PictureGalleryForm = nullptr;

    void BuildIndexTree(const std::vector<std::string>& Entities);
    void AZSortActionExecute();
    void ZASortActionExecute();
    void SelectionsTabControlChange();
    // Also "Удалить".
    void CloseDocumentPageActionExecute();
    void SelectSelectionTab(int SelectionId);
    // FillSelectionTabs on the tabs and SelectionIds; the change handler does
    // not run for the tabs it removes, the caller selects the tab to show.
    void RefillSelectionTabs();
    void ShowCompaniesTable();
    void ShowPictureGallery();
    void RightPanelRzSplitterChange();
    void OnGalleryPictureClick(const QString& FileName, int CompanyId);
    void SelectCompanyInTree(int CompanyId);
    void acAdvancedPrintModeExecute();
    void acAdvancedPrintModeUpdate();
    // acCheckAll and acUncheckAll.
    void acCheckAllExecute(QAction* Sender);
    void acCheckAllUpdate();
    void SetCheckBoxes(bool On);
    void SetAllChecks(bool Checked);
    // The record of the focused tree node; null when none is focused.
    const catalog::TreeDataRec* FocusedNodeData() const;
    // Where the bar between the companies table and the gallery sits, in
    // percent of the right half's height from the top.
    double RightSplitterPosition() const;

private:
    void CreateTreeView();
    // Makes tab Index current; runs the change handler itself when it is already.
    void ChangeSelectionTab(int Index);
    bool m_treeHadCurrentNode = false;
};

}  // namespace app
