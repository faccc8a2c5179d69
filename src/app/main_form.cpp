#include "app/main_form.h"

#include "app/catalogue_discovery.h"
#include "app/html_viewer.h"
#include "app/lobby_form.h"
#include "catalog/dazi_data.h"
#include "catalog/data_mediator.h"
#include "catalog/entities.h"
#include "catalog/topic_tree_model.h"
#include "lang/lang_util.h"
#include "platform/files/files.h"
#include "platform/settings/settings.h"
#include "platform/text/cp1251.h"
#include "platform/ui/wait_cursor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QTreeView>
#include <QUrl>

namespace app {
namespace {

const QString Russian = QStringLiteral("Russian");
const QString English = QStringLiteral("English");
const QString PublisherWebSite = QStringLiteral("https://www.marvenic.by/");

QString tr1251(const std::string& bytes) { return text::fromCp1251(bytes); }

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Марвеник"));
    CreateActions();
    CreateMenus();
    CreateLayout();
    CreateToolBars();
    CreateCardView();
    CreateTreeView();
    connect(SearchAction, &QAction::triggered, this, &TMainForm::SearchActionExecute);
    connect(HelpTopicsAction, &QAction::triggered, this, &TMainForm::HelpTopicsActionExecute);
    resize(1024, 700);
}

TMainForm::~TMainForm() = default;

int TMainForm::StartUp() {
    setWindowTitle(QStringLiteral("Марвеник"));
    FindDatabases();
    if (Databases.empty())
        return 0;
    CurrentDatabase = Databases.front();
    if (Databases.size() != 1) {
        TLobbyForm lobby;
        if (!lobby.ChooseCatalogue(Russian))
            return 0;
    }
    ApplyFontSizeSetting(settings::ReadFontSizeSetting());
    if (CurrentDatabase.Language != Russian)
        ApplyLanguage(CurrentDatabase.Language);
    else
        OpenCatalogue();
    // The whole screen also where no window manager honours "maximized".
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    return QApplication::exec();
}

void TMainForm::ApplyFontSizeSetting(const QString& Word) {
    struct Size {
        const char* word;
        int points;
        QAction* action;
    };
    const Size sizes[] = {{"small", 10, FontSmallAction},
                          {"normal", 12, FontNormalAction},
                          {"large", 14, FontLargeAction},
                          {"huge", 16, FontHugeAction}};
    const Size* chosen = &sizes[0];
    for (const Size& size : sizes)
        if (Word == QLatin1String(size.word))
            chosen = &size;
    m_defaultFontSize = chosen->points;
    chosen->action->setChecked(true);  // the four are one exclusive group
    HTMLViewer->SetDefaultFontSize(m_defaultFontSize);
}

void TMainForm::ChangeFontSizeActionExecute(QAction* Sender) {
    Sender->setChecked(true);
    QString word = QStringLiteral("small");
    if (FontHugeAction->isChecked())
        word = QStringLiteral("huge");
    else if (FontLargeAction->isChecked())
        word = QStringLiteral("large");
    else if (FontNormalAction->isChecked())
        word = QStringLiteral("normal");
    ApplyFontSizeSetting(word);
    settings::WriteFontSizeSetting(word);
    if (FocusedNodeData())
        TopicsTreeChange(TopicsTree->currentIndex());
    else
        ShowStartPage();
}

void TMainForm::SetCatalogueCaption() {
    setWindowTitle(lang::Translate(QStringLiteral("Марвеник")) + QStringLiteral(" - ") +
                   lang::Translate(tr1251(CurrentDatabase.Name)));
}

void TMainForm::OpenCatalogueSteps() {
    m_catalogueFolder = CurrentDatabase.Path;
    FillCatalogueMenu();
    if (catalog::DataMediator) {
        catalog::DataMediator->SearchFallbackFolder = m_catalogueFolder;
        catalog::DataMediator->SearchFolder = m_catalogueFolder;
    }
    SetCatalogueCaption();
    ui::TWaitCursor wait;
    catalog::InitEntityArray();
    catalog::InitEntityList();
    catalog::DaziData->Connect((ProgramFolder + QStringLiteral("fbclient.dll")).toStdString(),
                               QFile::encodeName(files::FindFileNoCase(m_catalogueFolder, QStringLiteral("Tolvik.gdb")))
                                   .toStdString());
    PlainMode = false;
    Descending = false;
    ExpandedAll = false;
    IndexId = 1;
    m_styleSheet.reset();
    m_styleSheet = xml::XslStylesheet::fromFile(
        QFile::encodeName(files::FindFileNoCase(m_catalogueFolder, QStringLiteral("Org.xsl"))).toStdString());
    CurrentSelection = -1;
    SelectionIds.clear();
    RefillSelectionTabs();
    ShowStartPage();
    if (!RubrikaFlashButton->isChecked())
        RubrikaFlashButton->setChecked(true);
    wait.Restore();
    GalleryCurrent = true;
}

void TMainForm::OpenCatalogue() {
    OpenCatalogueSteps();
    ApplyIndex();
}

void TMainForm::ApplyLanguage(const QString& Language) {
    lang::SetCurrentLanguage(Language);
    OpenCatalogue();
}

void TMainForm::FillCatalogueMenu() {
    // The item being clicked may be among the old ones: let it finish first.
    for (QAction* item : std::as_const(m_catalogueItems)) {
        CatalogueMItem->removeAction(item);
        item->deleteLater();
    }
    m_catalogueItems.clear();
    for (std::size_t i = 0; i < Databases.size(); ++i) {
        auto* item = new QAction(tr1251(Databases[i].Name), this);
        item->setToolTip(tr1251(Databases[i].Description));
        item->setStatusTip(item->toolTip());
        const int tag = static_cast<int>(i);
        item->setProperty("tag", tag);
        connect(item, &QAction::triggered, this, [this, tag] { CatalogueMenuItemClick(tag); });
        CatalogueMItem->addAction(item);
        m_catalogueItems.append(item);
    }
}

void TMainForm::CatalogueMenuItemClick(int Tag) {
    CurrentDatabase = Databases.at(static_cast<std::size_t>(Tag));
    OpenSelectedCatalogue();
}

void TMainForm::OpenSelectedCatalogue() {
    ApplyLanguage(CurrentDatabase.Language);
    // The viewer keeps no pictures of the previous catalog.
    HTMLViewer->clearHistory();
    HTMLViewer->document()->clear();
    OpenCatalogueSteps();
    BackFlashButtonClick();
}

void TMainForm::SelectLanguageOfCatalogue(const QString& Language) {
    for (const TDatabaseInfo& entry : Databases)
        if (entry.FolderIndex == CurrentDatabase.FolderIndex && entry.Language == Language) {
            CurrentDatabase = entry;
            return;
        }
}

void TMainForm::SwitchToLanguageButtonClick(int Tag) {
    const QString language = Tag == 0 ? Russian : English;
    SelectLanguageOfCatalogue(language);
    ApplyLanguage(language);
    SetCatalogueCaption();
}

void TMainForm::NotesButtonClick() {
    NotesSizePanel->setVisible(!NotesSizePanel->isVisible());
    NotesButton->setText(lang::Translate(NotesSizePanel->isVisible() ? QStringLiteral("Скрыть заметки")
                                                                     : QStringLiteral("Показать заметки")));
}

void TMainForm::CompanyOnTheWebActionExecute() {
    if (!QDesktopServices::openUrl(QUrl(PublisherWebSite)))
        QMessageBox::warning(this, lang::Translate(QStringLiteral("Марвеник")),
                             QStringLiteral("Could not run Web browser."));
}

}  // namespace app
