// The areas of the main window: button bar, tabs, tree, card and table.
#include "app/main_form.h"

#include "app/html_viewer.h"
#include "catalog/topic_tree_model.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace app {
namespace {

QWidget* makePanel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

QVBoxLayout* stack(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QToolButton* makeBarButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(84, 40);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

void TMainForm::CreateLayout() {
    auto* central = makePanel(this, "CentralPanel");
    QVBoxLayout* page = stack(central);
    setCentralWidget(central);

    // Button bar: the index buttons (one pressed at a time), "Поиск", "Назад".
    ButtonBarPanel = makePanel(central, "ButtonBarPanel");
    auto* bar = new QHBoxLayout(ButtonBarPanel);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(2);
    IndexButtons = new QButtonGroup(this);
    IndexButtons->setObjectName(QStringLiteral("IndexButtons"));
    IndexButtons->setExclusive(true);
    struct IndexButton {
        QAbstractButton** field;
        const char* name;
        const char* caption;
        int tag;
        bool visible;
    };
    const IndexButton indexButtons[] = {
        {&RubrikaFlashButton, "RubrikaFlashButton", "Рубрика", 1, true},
        {&FlashButton4, "FlashButton4", "Название", 0, true},
        {&FlashButton3, "FlashButton3", "Алфавит", 2, true},
        {&FlashButton2, "FlashButton2", "Регион", 3, true},
        {&FlashButton1, "FlashButton1", "Адрес", 4, true},
        {&TasksFlashButton, "TasksFlashButton", "Индекс", 5, true},
        {&FlashButton7, "FlashButton7", "Слова", 6, false},
    };
    for (const IndexButton& spec : indexButtons) {
        QToolButton* button = makeBarButton(ButtonBarPanel, spec.name, QString::fromUtf8(spec.caption));
        button->setCheckable(true);
        button->setProperty("tag", spec.tag);
        button->setVisible(spec.visible);
        IndexButtons->addButton(button, spec.tag);
        bar->addWidget(button);
        *spec.field = button;
        connect(button, &QToolButton::clicked, this, [this, button] { IndexFlashButtonClick(button); });
    }
    RubrikaFlashButton->setChecked(true);
    auto* separator = new QFrame(ButtonBarPanel);
    separator->setObjectName(QStringLiteral("ButtonBarSeparator"));
    separator->setFrameShape(QFrame::VLine);
    separator->setFixedWidth(1);
    bar->addWidget(separator);
    SearchFlashButton = makeBarButton(ButtonBarPanel, "SearchFlashButton", QStringLiteral("Поиск"));
    connect(SearchFlashButton, &QToolButton::clicked, SearchAction, &QAction::trigger);
    connect(SearchAction, &QAction::enabledChanged, SearchFlashButton, &QWidget::setEnabled);
    bar->addWidget(SearchFlashButton);
    BackFlashButton = makeBarButton(ButtonBarPanel, "BackFlashButton", QStringLiteral("Назад"));
    connect(BackFlashButton, &QToolButton::clicked, this, &TMainForm::BackFlashButtonClick);
    bar->addWidget(BackFlashButton);
    bar->addStretch(1);  // the banner goes at the right end
    page->addWidget(ButtonBarPanel);
    auto* barBottom = new QFrame(central);
    barBottom->setFrameShape(QFrame::HLine);
    barBottom->setFrameShadow(QFrame::Sunken);
    page->addWidget(barBottom);

    // The tabs of the whole catalog and the saved selections, over the splitter.
    SelectionsTabControl = new QTabBar(central);
    SelectionsTabControl->setObjectName(QStringLiteral("SelectionsTabControl"));
    SelectionsTabControl->setExpanding(false);
    SelectionsTabControl->setDrawBase(true);
    SelectionsTabControl->addTab(QStringLiteral("Все компании"));
    page->addWidget(SelectionsTabControl);

    MainRzSplitter = new QSplitter(Qt::Horizontal, central);
    MainRzSplitter->setObjectName(QStringLiteral("MainRzSplitter"));
    MainRzSplitter->setChildrenCollapsible(false);
    page->addWidget(MainRzSplitter, 1);

    // Left: tree toolbar, company count, tree.
    QWidget* left = makePanel(MainRzSplitter, "TreePanel");
    QVBoxLayout* leftColumn = stack(left);
    TreeToolBar = MakeToolBar(left, "TreeToolBar");
    leftColumn->addWidget(TreeToolBar);
    CmpCountLabel = new QLabel(QStringLiteral("Корень"), left);
    CmpCountLabel->setObjectName(QStringLiteral("CmpCountLabel"));
    CmpCountLabel->setContentsMargins(6, 3, 6, 3);
    leftColumn->addWidget(CmpCountLabel);
    TopicsTree = new QTreeView(left);
    TopicsTree->setObjectName(QStringLiteral("TopicsTree"));
    TopicsTree->setHeaderHidden(true);
    TopicsTree->setUniformRowHeights(true);
    TopicsTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TopicsModel = new catalog::TTopicTreeModel(TopicsTree);
    TopicsTree->setModel(TopicsModel);
    connect(TopicsTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { TopicsTreeChange(current); });
    leftColumn->addWidget(TopicsTree, 1);

    // Right: the card panel or the table panel in front.
    RightPages = new QStackedWidget(MainRzSplitter);
    RightPages->setObjectName(QStringLiteral("RightPages"));

    HtmlDecorativePanel = makePanel(RightPages, "HtmlDecorativePanel");
    QVBoxLayout* card = stack(HtmlDecorativePanel);
    DocumentToolBar = MakeToolBar(HtmlDecorativePanel, "DocumentToolBar");
    card->addWidget(DocumentToolBar);
    SelectedCompanyNameLabel = new QLabel(QStringLiteral("Добро пожаловать!"), HtmlDecorativePanel);
    SelectedCompanyNameLabel->setObjectName(QStringLiteral("SelectedCompanyNameLabel"));
    SelectedCompanyNameLabel->setContentsMargins(8, 4, 8, 4);
    QFont captionFont = SelectedCompanyNameLabel->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.25);
    SelectedCompanyNameLabel->setFont(captionFont);
    SelectedCompanyNameLabel->setMinimumHeight(28);
    card->addWidget(SelectedCompanyNameLabel);
    HTMLViewer = new THTMLViewer(HtmlDecorativePanel);
    HTMLViewer->setObjectName(QStringLiteral("HTMLViewer"));
    HTMLViewer->setFrameShape(QFrame::NoFrame);
    HTMLViewer->setOpenLinks(false);
    HTMLViewer->setTextInteractionFlags(Qt::TextBrowserInteraction);
    QPalette white = HTMLViewer->palette();
    white.setColor(QPalette::Base, Qt::white);
    HTMLViewer->setPalette(white);
    card->addWidget(HTMLViewer, 1);
    NotesSizePanel = makePanel(HtmlDecorativePanel, "NotesSizePanel");
    QVBoxLayout* notes = stack(NotesSizePanel);
    NotesMemo = new QPlainTextEdit(NotesSizePanel);
    NotesMemo->setObjectName(QStringLiteral("NotesMemo"));
    NotesMemo->setProperty("tag", 0);
    notes->addWidget(NotesMemo);
    NotesSizePanel->setFixedHeight(120);
    NotesSizePanel->hide();
    card->addWidget(NotesSizePanel);
    RightPages->addWidget(HtmlDecorativePanel);

    RightDecorativePanel = makePanel(RightPages, "RightDecorativePanel");
    QVBoxLayout* table = stack(RightDecorativePanel);
    TableToolBar = MakeToolBar(RightDecorativePanel, "TableToolBar");
    table->addWidget(TableToolBar);
    SelectivePrintToolBar = MakeToolBar(RightDecorativePanel, "SelectivePrintToolBar");
    table->addWidget(SelectivePrintToolBar);
    RightPanelRzSplitter = new QSplitter(Qt::Vertical, RightDecorativePanel);
    RightPanelRzSplitter->setObjectName(QStringLiteral("RightPanelRzSplitter"));
    TableDecorativePanel = makePanel(RightPanelRzSplitter, "TableDecorativePanel");
    PictureGalleryDecorativePanel = makePanel(RightPanelRzSplitter, "PictureGalleryDecorativePanel");
    RightPanelRzSplitter->addWidget(TableDecorativePanel);
    RightPanelRzSplitter->addWidget(PictureGalleryDecorativePanel);
    RightPanelRzSplitter->setStretchFactor(0, 1);
    RightPanelRzSplitter->setStretchFactor(1, 0);  // the gallery keeps its height
    // In pixels: the pane without stretch keeps the size given here, so it
    // must be a real height (a quarter of a maximized window's right half).
    RightPanelRzSplitter->setSizes({450, 150});
    table->addWidget(RightPanelRzSplitter, 1);
    RightPages->addWidget(RightDecorativePanel);
    RightPages->setCurrentWidget(HtmlDecorativePanel);

    MainRzSplitter->addWidget(left);
    MainRzSplitter->addWidget(RightPages);
    MainRzSplitter->setStretchFactor(0, 34);
    MainRzSplitter->setStretchFactor(1, 66);
    MainRzSplitter->setSizes({34000, 66000});

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);
}

}  // namespace app
