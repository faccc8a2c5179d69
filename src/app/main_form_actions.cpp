// The commands of the main window, its menus and its toolbars.
#include "app/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>
#include <QToolButton>

namespace app {
namespace {

QAction* makeAction(QMainWindow* owner, const char* name, const QString& caption, bool visible = true) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setVisible(visible);
    owner->addAction(action);  // shortcuts work wherever the focus is in the window
    return action;
}

QMenu* makeMenu(QMenuBar* bar, const char* name, const QString& title) {
    auto* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

QToolBar* TMainForm::MakeToolBar(QWidget* parent, const char* name) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return bar;
}

namespace {

// A toolbar item that is not an action, created hidden.
void addHidden(QToolBar* bar, QWidget* widget) { bar->addWidget(widget)->setVisible(false); }

// Toolbars, unlike menus, show a rule between two groups even when the group
// on one side is all hidden: show a rule only between visible items.
void tidySeparators(QToolBar* bar) {
    bool seenVisible = false;
    QAction* pending = nullptr;  // shown once a visible item follows it
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            action->setVisible(false);
            if (seenVisible && !pending)
                pending = action;
            seenVisible = false;
        } else if (action->isVisible()) {
            if (pending)
                pending->setVisible(true);
            pending = nullptr;
            seenVisible = true;
        }
    }
}

void keepSeparatorsTidy(QToolBar* bar) {
    tidySeparators(bar);
    for (QAction* action : bar->actions())
        if (!action->isSeparator())
            QObject::connect(action, &QAction::visibleChanged, bar, [bar] { tidySeparators(bar); });
}

}  // namespace

void TMainForm::CreateActions() {
    SearchAction = makeAction(this, "SearchAction", QStringLiteral("Поиск..."));
    SearchAction->setShortcut(QKeySequence(Qt::Key_F3));
    CombineAction = makeAction(this, "CombineAction", QStringLiteral("Объединение результатов..."), false);
    DeleteAction = makeAction(this, "DeleteAction", QStringLiteral("Удалить"));
    ExportAction = makeAction(this, "ExportAction", QStringLiteral("Экспорт..."), false);
    PrintAction = makeAction(this, "PrintAction", QStringLiteral("Печать компании..."));
    DialPhoneAction = makeAction(this, "DialPhoneAction", QStringLiteral("Набрать номер"), false);
    SendFaxAction = makeAction(this, "SendFaxAction", QStringLiteral("Послать факс"), false);
    SendEmailAction = makeAction(this, "SendEmailAction", QStringLiteral("Послать E-mail"), false);
    GoToInternetAction = makeAction(this, "GoToInternetAction", QStringLiteral("Go to Internet"), false);
    CloseAction = makeAction(this, "CloseAction", QStringLiteral("Close"));
    HelpTopicsAction = makeAction(this, "HelpTopicsAction", QStringLiteral("Справка"));
    CompanyOnTheWebAction = makeAction(this, "CompanyOnTheWebAction", QStringLiteral("Интернет сайт Марвеник"));
    AboutAction = makeAction(this, "AboutAction", QStringLiteral("О программе..."));
    TreeModeAction = makeAction(this, "TreeModeAction", QStringLiteral("Дерево"));
    PlainModeAction = makeAction(this, "PlainModeAction", QStringLiteral("Список"));
    AZSortAction = makeAction(this, "AZSortAction", QStringLiteral("Сортировка по возрастанию"), false);
    ZASortAction = makeAction(this, "ZASortAction", QStringLiteral("Сортировка по убыванию"), false);
    FindInDocAction = makeAction(this, "FindInDocAction", QStringLiteral("Найти"));
    FindNextInDocAction = makeAction(this, "FindNextInDocAction", QStringLiteral("Продолжить поиск"));
    FontSizeAction = makeAction(this, "FontSizeAction", QStringLiteral("Размер шрифта"));
    FontHugeAction = makeAction(this, "FontHugeAction", QStringLiteral("Огромный шрифт"));
    FontLargeAction = makeAction(this, "FontLargeAction", QStringLiteral("Большой шрифт"));
    FontNormalAction = makeAction(this, "FontNormalAction", QStringLiteral("Нормальный шрифт"));
    FontSmallAction = makeAction(this, "FontSmallAction", QStringLiteral("Маленький шрифт"));
    CloseDocumentPageAction = makeAction(this, "CloseDocumentPageAction", QStringLiteral("Закрыть документ"));
    ExpandAllAction = makeAction(this, "ExpandAllAction", QStringLiteral("Развернуть все"));
    PrintEnvelopesAction = makeAction(this, "PrintEnvelopesAction", QStringLiteral("Печать конвертов"));
    PrintLabelsAction = makeAction(this, "PrintLabelsAction", QStringLiteral("Печать наклеек"));
    PrintCompanyTableAction = makeAction(this, "PrintCompanyTableAction", QStringLiteral("Печать таблицы"));
    acAdvancedPrintMode = makeAction(this, "acAdvancedPrintMode", QStringLiteral("Выборочная печать"));
    acAdvancedPrintMode->setCheckable(true);
    acCheckAll = makeAction(this, "acCheckAll", QStringLiteral("Выделить все"));
    acUncheckAll = makeAction(this, "acUncheckAll", QStringLiteral("Снять все выделения"));
    NotesButton = makeAction(this, "NotesButton", QStringLiteral("Показать заметки"));

    auto* fontSizes = new QActionGroup(this);
    fontSizes->setExclusive(true);
    for (QAction* action : {FontHugeAction, FontLargeAction, FontNormalAction, FontSmallAction}) {
        action->setCheckable(true);
        fontSizes->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { ChangeFontSizeActionExecute(action); });
    }
    FontSmallAction->setChecked(true);

    connect(ExpandAllAction, &QAction::triggered, this, [this] { ExpandAllActionExecute(true); });
    connect(NotesButton, &QAction::triggered, this, &TMainForm::NotesButtonClick);
    connect(CompanyOnTheWebAction, &QAction::triggered, this, &TMainForm::CompanyOnTheWebActionExecute);
}

void TMainForm::CreateMenus() {
    QMenuBar* bar = menuBar();

    CatalogueMItem = makeMenu(bar, "CatalogueMItem", QStringLiteral("Каталог"));
    CatalogueMItem->setToolTipsVisible(true);  // the catalogs' descriptions

    SelectionsMItem = makeMenu(bar, "SelectionsMItem", QStringLiteral("Выборки"));
    SelectionsMItem->addActions({SearchAction, CombineAction, DeleteAction});

    CompanyMItem = makeMenu(bar, "CompanyMItem", QStringLiteral("Компания"));
    CompanyMItem->addActions({ExportAction, PrintAction});
    CompanyMItem->addSeparator();
    CompanyMItem->addActions({DialPhoneAction, SendFaxAction, SendEmailAction, GoToInternetAction});
    CompanyMItem->addSeparator();
    CompanyMItem->addAction(CloseAction);

    TreeMItem = makeMenu(bar, "TreeMItem", QStringLiteral("Дерево"));
    TreeMItem->addActions({TreeModeAction, PlainModeAction});
    TreeMItem->addSeparator();
    TreeMItem->addActions({AZSortAction, ZASortAction});
    TreeMItem->addSeparator();
    TreeMItem->addAction(ExpandAllAction);

    TextMItem = makeMenu(bar, "TextMItem", QStringLiteral("Текст"));
    TextMItem->addActions({FindInDocAction, FindNextInDocAction});
    TextMItem->addSeparator();
    TextMItem->addActions({FontHugeAction, FontLargeAction, FontNormalAction, FontSmallAction});
    TextMItem->addSeparator();
    TextMItem->addAction(CloseDocumentPageAction);

    LanguageMItem = makeMenu(bar, "LanguageMItem", QStringLiteral("Язык"));
    RussianLanguageItem = LanguageMItem->addAction(QStringLiteral("Русский"));
    RussianLanguageItem->setObjectName(QStringLiteral("RussianLanguageItem"));
    RussianLanguageItem->setProperty("tag", 0);
    EnglishLanguageItem = LanguageMItem->addAction(QStringLiteral("Английский"));
    EnglishLanguageItem->setObjectName(QStringLiteral("EnglishLanguageItem"));
    EnglishLanguageItem->setProperty("tag", 1);
    for (QAction* item : {RussianLanguageItem, EnglishLanguageItem})
        connect(item, &QAction::triggered, this,
                [this, item] { SwitchToLanguageButtonClick(item->property("tag").toInt()); });
    LanguageMItem->menuAction()->setVisible(false);

    HelpMItem = makeMenu(bar, "HelpMItem", QStringLiteral("Справка"));
    HelpMItem->addActions({HelpTopicsAction, CompanyOnTheWebAction});
    HelpMItem->addSeparator();
    HelpMItem->addAction(AboutAction);

    FontPopupMenu = new QMenu(this);
    FontPopupMenu->setObjectName(QStringLiteral("FontPopupMenu"));
    FontPopupMenu->addActions({FontHugeAction, FontLargeAction, FontNormalAction, FontSmallAction});
    FontSizeAction->setMenu(FontPopupMenu);
}

// The toolbars inside the areas need the areas: CreateLayout runs first.
void TMainForm::CreateToolBars() {
    MainToolBar = MakeToolBar(this, "MainToolBar");
    MainToolBar->addActions({SearchAction, CombineAction, DeleteAction, ExportAction});
    addToolBar(Qt::TopToolBarArea, MainToolBar);
    MainToolBar->hide();

    auto* indexLabel = new QLabel(QStringLiteral("Индекс:"), TreeToolBar);
    indexLabel->setObjectName(QStringLiteral("IndexLabel"));
    addHidden(TreeToolBar, indexLabel);
    auto* indexDropDown = new QToolButton(TreeToolBar);
    indexDropDown->setObjectName(QStringLiteral("IndexDropDownButton"));
    indexDropDown->setText(QStringLiteral("Рубрика"));
    addHidden(TreeToolBar, indexDropDown);
    TreeToolBar->addSeparator();
    TreeToolBar->addActions({AZSortAction, ZASortAction});
    TreeToolBar->addSeparator();
    TreeToolBar->addActions({ExpandAllAction, DeleteAction});

    DocumentToolBar->addActions({FindInDocAction, FindNextInDocAction});
    DocumentToolBar->addSeparator();
    DocumentToolBar->addAction(FontSizeAction);
    if (auto* button = qobject_cast<QToolButton*>(DocumentToolBar->widgetForAction(FontSizeAction)))
        button->setPopupMode(QToolButton::InstantPopup);
    DocumentToolBar->addSeparator();
    DocumentToolBar->addActions({PrintAction, PrintEnvelopesAction, NotesButton});
    auto* spacer = new QWidget(DocumentToolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    DocumentToolBar->addWidget(spacer);
    DocumentToolBar->addAction(CloseDocumentPageAction);

    TableToolBar->addActions({PrintCompanyTableAction, PrintLabelsAction, PrintEnvelopesAction});

    SelectivePrintToolBar->addAction(acAdvancedPrintMode);
    SelectivePrintToolBar->addSeparator();
    SelectivePrintToolBar->addActions({acCheckAll, acUncheckAll});

    for (QToolBar* toolBar : {MainToolBar, TreeToolBar, DocumentToolBar, TableToolBar, SelectivePrintToolBar})
        keepSeparatorsTidy(toolBar);
}

}  // namespace app
