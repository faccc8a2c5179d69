// The language component, its property table, the program-wide helpers and
// the phrase files shipped in the program folder.
#include "lang/lang_util.h"
#include "lang/multi_language.h"
#include "lang/property_masks.h"
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

void writeCp1251(const QString& path, const char* utf8) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    const std::string bytes = text::utf8ToCp1251(utf8);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QStringList readCp1251Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (const QString& line : text::fromCp1251(bytes.toStdString()).split('\n'))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}

// The Russian file has CR LF, padded lines and blank lines that the English
// one lacks: lists are parallel in their non-empty lines.
const char* const RussianPhrases =
    "Поиск\r\n"
    "   Файл  \r\n"
    "\r\n"
    "Строка один\\nСтрока два\r\n"
    "  \r\n"
    "Все компании\r\n"
    "%d записей\r\n"
    "Отмена\r\n"
    "Принять\r\n"
    "Справка\r\n"
    "Два\r\n"
    "Подсказка\r\n"
    "Заголовок\r\n"
    "Вкладка\r\n"
    "Пункт\r\n"
    "Колонка\r\n"
    "Раздел\r\n"
    "Отчёт\r\n"
    "Поле ввода\r\n"
    "Поиск\r\n";
const char* const EnglishPhrases =
    "Search\n"
    "File\n"
    "Line one\\nLine two\n"
    "All companies\n"
    "%d records\n"
    "Cancel\n"
    "Accept\n"
    "Help\n"
    "Two\\nlines\n"
    "Tooltip\n"
    "Title\n"
    "Tab\n"
    "Item\n"
    "Column\n"
    "Section\n"
    "Report\n"
    "Input field\n"
    "Search again\n";

// Records the index-file message instead of showing a modal box.
class RecordingLanguage : public lang::TMultiLanguage {
public:
    QStringList messages;

protected:
    void ShowIndexNotFound(const QString& message) override { messages.append(message); }
};

class LanguageFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        writeCp1251(dir.filePath("Lang.lng"), "Russian=Russian.lng\r\nEnglish=English.lng\r\n");
        writeCp1251(dir.filePath("Russian.lng"), RussianPhrases);
        writeCp1251(dir.filePath("English.lng"), EnglishPhrases);
        language.SetFileName(dir.filePath("Lang.lng"));
        language.SetIncludes(lang::StandardIncludeMasks());
    }
    QString ru(const QString& s) { return language.TranslateString(s, "Russian", "English"); }

    QTemporaryDir dir;
    RecordingLanguage language;
};

// --- TranslateString ------------------------------------------------------------

TEST_F(LanguageFiles, TranslatesWholePhrasesKeepingSurroundingsAndEndings) {
    const struct {
        const char* text;
        const char* translation;
    } cases[] = {
        {"Поиск", "Search"},
        {"  Поиск  ", "  Search  "},
        {"Поиск...", "Search..."},
        {"Поиск:", "Search:"},
        {"Поиск -", "Search -"},
        {"Поиск.", "Search."},
        {"Поиск:...", "Search:..."},          // "..." then ":" come off
        {"Поиск...:", "Поиск...:"},           // endings come off only in their order
        {"Файл", "File"},                     // padded line in the phrase file
        {"Все компании", "All companies"},    // blank lines do not shift the lists
        {"Неизвестно", "Неизвестно"},
        {"поиск", "поиск"},                   // phrases are case-sensitive
        {"Поиск Поиск", "Поиск Поиск"},       // whole phrases only
        {"", ""},
        {"   ", "   "},
        {"Строка один\nСтрока два", "Line one\nLine two"},
        {"Строка один\r\nСтрока два", "Line one\nLine two"},
        {" Строка один\nСтрока два:", " Line one\nLine two:"},
        {"Строка один\\nСтрока два", "Line one\nLine two"},  // the written form itself
        {"Два", "Two\nlines"},
        {"Два...", "Two\\nlines..."},  // found without a line break: the phrase is used as written
    };
    for (const auto& c : cases)
        EXPECT_EQ(ru(U(c.text)), U(c.translation)) << c.text;
}

TEST_F(LanguageFiles, FirstMatchWinsAndTranslatesBothWays) {
    EXPECT_EQ(ru(U("Поиск")), "Search");
    EXPECT_EQ(language.TranslateString("Search again", "English", "Russian"), U("Поиск"));
    EXPECT_EQ(language.TranslateString("Search...", "English", "Russian"), U("Поиск..."));
    EXPECT_EQ(language.TranslateString("Line one\nLine two", "English", "Russian"), U("Строка один\nСтрока два"));
    EXPECT_EQ(language.TranslateString(U("Поиск..."), "Russian", "Russian"), U("Поиск..."));
    EXPECT_EQ(language.TranslateString(U("Поиск..."), "russian", "ENGLISH"), "Search...");
}

TEST_F(LanguageFiles, UnknownOrEmptyLanguageNameIsRefused) {
    const struct {
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"Russian", "German", "Invalid language German"},
        {"Deutsch", "English", "Invalid language Deutsch"},
        {"", "English", "Invalid language "},
        {"Russian", "", "Invalid language "},
    };
    for (const auto& c : cases)
        for (const char* text : {"Поиск", ""}) {
            try {
                language.TranslateString(U(text), c.from, c.to);
                ADD_FAILURE() << c.from << " -> " << c.to;
            } catch (const lang::ELanguageError& e) {
                EXPECT_EQ(e.message(), c.message);
            }
        }
}

TEST_F(LanguageFiles, InactiveComponentReturnsEveryTextUnchanged) {
    language.SetActive(false);
    EXPECT_EQ(ru(U("Поиск")), U("Поиск"));
    EXPECT_EQ(language.TranslateString(U("Поиск"), "German", ""), U("Поиск"));
    language.SetActive(true);
    EXPECT_EQ(ru(U("Поиск")), "Search");
}

TEST_F(LanguageFiles, ActivationWithoutFileNameIsRefused) {
    lang::TMultiLanguage bare;
    bare.SetActive(false);
    try {
        bare.SetActive(true);
        ADD_FAILURE() << "activated without a file name";
    } catch (const lang::ELanguageError& e) {
        EXPECT_EQ(e.message(), "You must specify \"FileName\" property");
    }
    EXPECT_FALSE(bare.Active());

    // Active from creation: the first translation loads and fails the same way.
    lang::TMultiLanguage lazy;
    EXPECT_THROW(lazy.TranslateString("x", "Russian", "English"), lang::ELanguageError);
}

TEST_F(LanguageFiles, MissingIndexFileIsReportedOnceThenNoLanguageIsValid) {
    const QString missing = dir.filePath("Nowhere.lng");
    language.SetFileName(missing);
    language.SetActive(false);
    language.SetActive(true);
    EXPECT_EQ(language.messages, QStringList{"Language file \"" + missing + "\" is not found."});
    EXPECT_TRUE(language.Active());
    EXPECT_TRUE(language.LanguageNames().isEmpty());
    for (int i = 0; i < 2; ++i) {
        try {
            ru(U("Поиск"));
            ADD_FAILURE() << "translated without languages";
        } catch (const lang::ELanguageError& e) {
            EXPECT_EQ(e.message(), "Invalid language Russian");
        }
    }
    EXPECT_EQ(language.messages.size(), 1);
}

TEST_F(LanguageFiles, IndexLinesAreTrimmedAndNamesAndFileNamesIgnoreCase) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    writeCp1251(elsewhere.filePath("phrases.lng"), RussianPhrases);
    QFile::remove(dir.filePath("English.lng"));
    writeCp1251(dir.filePath("english.LNG"), EnglishPhrases);
    const std::string index = "  russian = " + elsewhere.filePath("Phrases.LNG").toStdString() +
                              "  \n"
                              "\n"
                              "a line without an equals sign\n"
                              " = Orphan.lng\n"
                              "ENGLISH=English.lng\n";
    writeCp1251(dir.filePath("Lang.lng"), index.c_str());

    EXPECT_EQ(language.LanguageNames(), (QStringList{"RUSSIAN", "ENGLISH"}));
    EXPECT_EQ(language.TranslateString(U("Поиск..."), "Russian", "English"), "Search...");
    EXPECT_TRUE(language.messages.isEmpty());
}

TEST_F(LanguageFiles, UnreadablePhraseFileIsNotReportedAndTextsStayUntranslated) {
    writeCp1251(dir.filePath("Lang.lng"), "Russian=Russian.lng\nEnglish=Missing.lng\n");
    EXPECT_EQ(ru(U("Поиск")), U("Поиск"));
    EXPECT_TRUE(language.messages.isEmpty());
    EXPECT_EQ(language.LanguageNames(), (QStringList{"RUSSIAN", "ENGLISH"}));
    EXPECT_THROW(language.TranslateString(U("Поиск"), "Russian", "German"), lang::ELanguageError);
}

TEST_F(LanguageFiles, FilesAreReadOnceAndDroppedOnDeactivation) {
    EXPECT_EQ(ru(U("Поиск")), "Search");
    writeCp1251(dir.filePath("English.lng"), "Find\n");
    EXPECT_EQ(ru(U("Поиск")), "Search");
    language.SetActive(false);
    language.SetActive(true);
    EXPECT_EQ(ru(U("Поиск")), "Find");
}

// --- Windows ------------------------------------------------------------------

// A window with every kind of text the masks reach, designed in Russian.
struct SampleWindow {
    SampleWindow() {
        main.setWindowTitle(U("Поиск"));
        menu = main.menuBar()->addMenu(U("Файл"));
        action = menu->addAction(U("Поиск..."));
        action->setToolTip(U("Подсказка"));
        action->setStatusTip(U("Подсказка"));
        subMenu = menu->addMenu(U("Раздел"));
        derived = new QAction(U("Все компании"), &main);
        toolBar = main.addToolBar(U("Заголовок"));
        toolBar->addAction(derived);

        auto* central = new QWidget(&main);
        auto* layout = new QVBoxLayout(central);
        main.setCentralWidget(central);
        const auto add = [layout](auto* widget) {
            layout->addWidget(widget);
            return widget;
        };
        label = add(new QLabel(U("Строка один\nСтрока два")));
        button = add(new QPushButton(U("  Отмена  ")));
        check = add(new QCheckBox(U("Поиск:")));
        group = add(new QGroupBox(U("Заголовок")));
        group->setToolTip(U("Подсказка"));
        tabWidget = add(new QTabWidget);
        tabWidget->addTab(new QWidget, U("Вкладка"));
        tabWidget->addTab(new QWidget, U("Вкладка..."));
        tabBar = add(new QTabBar);
        tabBar->addTab(U("Все компании"));
        combo = add(new QComboBox);
        combo->addItems({U("Пункт"), U("Неизвестно")});
        combo->setPlaceholderText(U("Поле ввода"));
        list = add(new QListWidget);
        list->addItem(U("Пункт"));
        tree = add(new QTreeWidget);
        tree->setHeaderLabels({U("Колонка")});
        auto* top = new QTreeWidgetItem(tree, QStringList{U("Пункт")});
        new QTreeWidgetItem(top, QStringList{U("Раздел")});
        table = add(new QTableWidget(1, 1));
        table->setHorizontalHeaderLabels({U("Колонка")});
        view = add(new QTreeView);
        model = new QStandardItemModel(0, 1, view);
        model->setHorizontalHeaderLabels({U("Колонка")});
        view->setModel(model);
        box = add(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help));
        box->button(QDialogButtonBox::Ok)->setText(U("Принять"));
        box->button(QDialogButtonBox::Cancel)->setText(U("Отмена"));
        box->button(QDialogButtonBox::Help)->setText(U("Справка"));
        custom = box->addButton(U("Поиск"), QDialogButtonBox::ActionRole);
        edit = add(new QLineEdit(U("Поиск")));
        edit->setPlaceholderText(U("Поле ввода"));
        readOnly = add(new QLineEdit(U("Поиск")));
        readOnly->setReadOnly(true);
        textEdit = add(new QTextEdit);
        textEdit->setPlainText(U("Поиск"));
        toolBox = add(new QToolBox);
        toolBox->addItem(new QWidget, U("Раздел"));
        report = new QObject(&main);
        report->setProperty("reportTitle", U("Отчёт"));
    }

    struct Probe {
        const char* what;
        std::function<QString()> text;
        QString russian;
        QString english;
    };

    std::vector<Probe> probes() {
        const auto toolButton = qobject_cast<QToolButton*>(toolBar->widgetForAction(derived));
        return {
            {"window title", [this] { return main.windowTitle(); }, U("Поиск"), "Search"},
            {"menu title", [this] { return menu->title(); }, U("Файл"), "File"},
            {"sub-menu title", [this] { return subMenu->title(); }, U("Раздел"), "Section"},
            {"action", [this] { return action->text(); }, U("Поиск..."), "Search..."},
            {"action tool tip", [this] { return action->toolTip(); }, U("Подсказка"), "Tooltip"},
            {"action status tip", [this] { return action->statusTip(); }, U("Подсказка"), "Tooltip"},
            {"derived tool tip", [this] { return derived->toolTip(); }, U("Все компании"), "All companies"},
            {"tool button", [toolButton] { return toolButton->text(); }, U("Все компании"), "All companies"},
            {"tool bar title", [this] { return toolBar->windowTitle(); }, U("Заголовок"), "Title"},
            {"label", [this] { return label->text(); }, U("Строка один\nСтрока два"), "Line one\nLine two"},
            {"button", [this] { return button->text(); }, U("  Отмена  "), "  Cancel  "},
            {"check box", [this] { return check->text(); }, U("Поиск:"), "Search:"},
            {"group title", [this] { return group->title(); }, U("Заголовок"), "Title"},
            {"group tool tip", [this] { return group->toolTip(); }, U("Подсказка"), "Tooltip"},
            {"page tab", [this] { return tabWidget->tabText(0); }, U("Вкладка"), "Tab"},
            {"second page tab", [this] { return tabWidget->tabText(1); }, U("Вкладка..."), "Tab..."},
            {"tab bar", [this] { return tabBar->tabText(0); }, U("Все компании"), "All companies"},
            {"combo item", [this] { return combo->itemText(0); }, U("Пункт"), "Item"},
            {"unknown combo item", [this] { return combo->itemText(1); }, U("Неизвестно"), U("Неизвестно")},
            {"combo placeholder", [this] { return combo->placeholderText(); }, U("Поле ввода"), "Input field"},
            {"list item", [this] { return list->item(0)->text(); }, U("Пункт"), "Item"},
            {"tree header", [this] { return tree->headerItem()->text(0); }, U("Колонка"), "Column"},
            {"tree item", [this] { return tree->topLevelItem(0)->text(0); }, U("Пункт"), "Item"},
            {"tree child", [this] { return tree->topLevelItem(0)->child(0)->text(0); }, U("Раздел"), "Section"},
            {"table header", [this] { return table->horizontalHeaderItem(0)->text(); }, U("Колонка"), "Column"},
            {"model header", [this] { return model->headerData(0, Qt::Horizontal).toString(); }, U("Колонка"), "Column"},
            {"ok", [this] { return box->button(QDialogButtonBox::Ok)->text(); }, U("Принять"), "Accept"},
            {"cancel", [this] { return box->button(QDialogButtonBox::Cancel)->text(); }, U("Отмена"), "Cancel"},
            {"help", [this] { return box->button(QDialogButtonBox::Help)->text(); }, U("Справка"), "Help"},
            {"other box button", [this] { return custom->text(); }, U("Поиск"), "Search"},
            {"typed text", [this] { return edit->text(); }, U("Поиск"), U("Поиск")},
            {"edit placeholder", [this] { return edit->placeholderText(); }, U("Поле ввода"), "Input field"},
            {"read-only edit", [this] { return readOnly->text(); }, U("Поиск"), "Search"},
            {"text edit", [this] { return textEdit->toPlainText(); }, U("Поиск"), U("Поиск")},
            {"tool box item", [this] { return toolBox->itemText(0); }, U("Раздел"), "Section"},
            {"report title", [this] { return report->property("reportTitle").toString(); }, U("Отчёт"), "Report"},
        };
    }

    QMainWindow main;
    QMenu* menu;
    QMenu* subMenu;
    QAction* action;
    QAction* derived;
    QToolBar* toolBar;
    QLabel* label;
    QPushButton* button;
    QCheckBox* check;
    QGroupBox* group;
    QTabWidget* tabWidget;
    QTabBar* tabBar;
    QComboBox* combo;
    QListWidget* list;
    QTreeWidget* tree;
    QTableWidget* table;
    QTreeView* view;
    QStandardItemModel* model;
    QDialogButtonBox* box;
    QPushButton* custom;
    QLineEdit* edit;
    QLineEdit* readOnly;
    QTextEdit* textEdit;
    QToolBox* toolBox;
    QObject* report;
};

TEST_F(LanguageFiles, WindowIsTranslatedAndTranslatedBack) {
    SampleWindow window;
    for (const auto& p : window.probes())
        ASSERT_EQ(p.text(), p.russian) << p.what;

    language.TranslateForm(&window.main, "Russian", "English");
    for (const auto& p : window.probes())
        EXPECT_EQ(p.text(), p.english) << p.what;

    language.TranslateForm(&window.main, "English", "Russian");
    for (const auto& p : window.probes())
        EXPECT_EQ(p.text(), p.russian) << p.what;
}

TEST_F(LanguageFiles, DerivedToolTipKeepsFollowingTheText) {
    SampleWindow window;
    language.TranslateForm(&window.main, "Russian", "English");
    window.derived->setText(U("Свернуть все"));
    EXPECT_EQ(window.derived->toolTip(), U("Свернуть все"));
}

TEST_F(LanguageFiles, EachTextBelongsToOnePath) {
    // The standard box buttons and the tool button of an action are not captions of their own.
    SampleWindow window;
    language.SetIncludes({".Caption"});
    language.TranslateForm(&window.main, "Russian", "English");
    EXPECT_EQ(window.box->button(QDialogButtonBox::Ok)->text(), U("Принять"));
    EXPECT_EQ(window.custom->text(), "Search");
    EXPECT_EQ(window.tabWidget->tabText(0), U("Вкладка"));
    EXPECT_EQ(window.derived->text(), "All companies");

    language.SetIncludes({".CaptionOK"});
    language.TranslateForm(&window.main, "Russian", "English");
    EXPECT_EQ(window.box->button(QDialogButtonBox::Ok)->text(), "Accept");
    EXPECT_EQ(window.box->button(QDialogButtonBox::Cancel)->text(), U("Отмена"));
}

}  // namespace

namespace app {

// A window class in a namespace, for masks with a class part.
class TSampleForm : public QWidget {
    Q_OBJECT
};

}  // namespace app

namespace {

TEST_F(LanguageFiles, MaskClassPartSelectsComponentsByClassName) {
    const struct {
        QStringList masks;
        bool label;
        bool button;
        bool form;
    } cases[] = {
        {{".Caption"}, true, true, true},
        {{"QLabel.Caption"}, true, false, false},
        {{" qlabel . caption "}, true, false, false},
        {{"QPushButton.Caption"}, false, true, false},
        {{"TSampleForm.Caption"}, false, false, true},
        {{"app::TSampleForm.Caption"}, false, false, true},
        {{"QWidget.Caption"}, false, false, false},  // the class itself, not its ancestors
        {{"QLabel"}, false, false, false},
        {{"QLabel."}, false, false, false},
        {{"."}, false, false, false},
        {{".Unknown"}, false, false, false},
    };
    for (const auto& c : cases) {
        app::TSampleForm form;
        form.setWindowTitle(U("Поиск"));
        auto* label = new QLabel(U("Поиск"), &form);
        auto* button = new QPushButton(U("Поиск"), &form);
        language.SetIncludes(c.masks);
        language.TranslateForm(&form, "Russian", "English");
        const QString what = c.masks.join(',');
        EXPECT_EQ(label->text() == "Search", c.label) << what.toStdString();
        EXPECT_EQ(button->text() == "Search", c.button) << what.toStdString();
        EXPECT_EQ(form.windowTitle() == "Search", c.form) << what.toStdString();
    }
}

TEST_F(LanguageFiles, TranslateFormChecksLanguagesEvenWithoutTexts) {
    QWidget empty;
    EXPECT_THROW(language.TranslateForm(&empty, "Russian", "German"), lang::ELanguageError);
}

TEST_F(LanguageFiles, LanguageChangeSwitchesEveryWindow) {
    QWidget first;
    auto* firstLabel = new QLabel(U("Поиск"), &first);
    QWidget second;
    second.setWindowTitle(U("Файл"));
    // A window with a parent is switched together with its parent.
    auto* dialog = new QWidget(&first, Qt::Dialog);
    auto* dialogLabel = new QLabel(U("Отмена"), dialog);

    language.SetLanguage("Russian");  // the first change translates nothing
    EXPECT_EQ(language.Language(), "Russian");
    EXPECT_EQ(language.FromLanguage(), "");
    EXPECT_EQ(firstLabel->text(), U("Поиск"));

    language.SetLanguage("English");
    EXPECT_EQ(language.FromLanguage(), "Russian");
    EXPECT_EQ(firstLabel->text(), "Search");
    EXPECT_EQ(second.windowTitle(), "File");
    EXPECT_EQ(dialogLabel->text(), "Cancel");

    language.SetLanguage("english");  // the same language again: every window into itself
    EXPECT_EQ(language.FromLanguage(), "English");
    EXPECT_EQ(language.Language(), "english");
    EXPECT_EQ(firstLabel->text(), "Search");

    try {
        language.SetLanguage("German");
        ADD_FAILURE() << "switched to an unknown language";
    } catch (const lang::ELanguageError& e) {
        EXPECT_EQ(e.message(), "Invalid language German");
    }
    EXPECT_EQ(language.Language(), "english");
    EXPECT_EQ(language.FromLanguage(), "English");

    language.SetLanguage("Russian");
    EXPECT_EQ(firstLabel->text(), U("Поиск"));
    EXPECT_EQ(second.windowTitle(), U("Файл"));
    EXPECT_EQ(dialogLabel->text(), U("Отмена"));
}

TEST_F(LanguageFiles, InactiveComponentIgnoresLanguageChanges) {
    QWidget window;
    auto* label = new QLabel(U("Поиск"), &window);
    language.SetActive(false);
    language.SetLanguage("Russian");
    language.SetLanguage("English");
    EXPECT_EQ(language.Language(), "");
    EXPECT_EQ(label->text(), U("Поиск"));
}

// --- The program-wide layer -----------------------------------------------------

class LanguageLayer : public LanguageFiles {
protected:
    void TearDown() override { lang::DoneLanguageLayer(); }
};

TEST_F(LanguageLayer, WithoutIndexFileEverythingStaysAsWritten) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    lang::InitLanguageLayer(empty.path());
    EXPECT_EQ(lang::CurrentLanguage(), "Russian");
    ASSERT_NE(lang::LanguageComponent(), nullptr);
    EXPECT_FALSE(lang::LanguageComponent()->Active());
    EXPECT_EQ(lang::LanguageComponent()->FileName(), "Lang.lng");
    EXPECT_EQ(lang::LanguageComponent()->Includes(), lang::StandardIncludeMasks());

    QLabel label(U("Поиск"));
    EXPECT_NO_THROW(lang::SetCurrentLanguage("English"));
    EXPECT_EQ(lang::CurrentLanguage(), "English");
    EXPECT_EQ(lang::Translate(U("Поиск...")), U("Поиск..."));
    EXPECT_EQ(lang::TranslateFormat(U("%d записей"), 3), U("3 записей"));
    lang::TranslateWindow(&label);
    EXPECT_EQ(label.text(), U("Поиск"));
}

TEST_F(LanguageLayer, IndexBesideTheProgramIsFoundWhateverItsLetterCase) {
    ASSERT_TRUE(QFile::rename(dir.filePath("Lang.lng"), dir.filePath("lang.LNG")));
    lang::InitLanguageLayer(dir.path());
    lang::TMultiLanguage* component = lang::LanguageComponent();
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->FileName(), dir.filePath("lang.LNG"));
    EXPECT_TRUE(component->Active());
    EXPECT_EQ(component->Language(), "Russian");
    EXPECT_EQ(component->FromLanguage(), "");
    EXPECT_EQ(lang::Translate(U("Поиск...")), U("Поиск..."));

    QLabel open(U("Поиск"));
    lang::SetCurrentLanguage("English");
    EXPECT_EQ(lang::CurrentLanguage(), "English");
    EXPECT_EQ(open.text(), "Search");
    EXPECT_EQ(lang::Translate(U("Поиск...")), "Search...");
    EXPECT_EQ(lang::TranslateFormat(U("%d записей"), 5), "5 records");

    QLabel created(U("Все компании"));
    lang::TranslateWindow(&created);
    EXPECT_EQ(created.text(), "All companies");

    lang::SetCurrentLanguage("Russian");
    EXPECT_EQ(open.text(), U("Поиск"));
    EXPECT_EQ(created.text(), U("Все компании"));
}

TEST_F(LanguageLayer, EndOfModuleDropsTheComponent) {
    lang::InitLanguageLayer(dir.path());
    lang::DoneLanguageLayer();
    EXPECT_EQ(lang::LanguageComponent(), nullptr);
    EXPECT_EQ(lang::CurrentLanguage(), "");
    EXPECT_EQ(lang::Translate(U("Поиск")), U("Поиск"));
}

// --- Formatting -------------------------------------------------------------------

TEST(FormatText, PrintfLikePlaceholders) {
    using lang::FormatText;
    const struct {
        QString result;
        const char* expected;
    } cases[] = {
        {FormatText(U("%d записей"), {5}), "5 записей"},
        {FormatText("%s (%s)", {"Centre", "Russian"}), "Centre (Russian)"},
        {FormatText("%s", {U("Минск")}), "Минск"},
        {FormatText("[%5d]", {42}), "[   42]"},
        {FormatText("[%-5d]", {42}), "[42   ]"},
        {FormatText("[%05d]", {-42}), "[-0042]"},
        {FormatText("[%.3d]", {7}), "[007]"},
        {FormatText("[%6s][%-6s]", {"ab", "cd"}), "[    ab][cd    ]"},
        {FormatText("%.2s", {"abc"}), "ab"},
        {FormatText("%x %X", {255u, 255}), "ff FF"},
        {FormatText("%.2f", {3.14159}), "3.14"},
        {FormatText("%f", {2}), "2.000000"},
        {FormatText("%d", {-9223372036854775807LL - 1}), "-9223372036854775808"},
        {FormatText("%u", {4000000000u}), "4000000000"},
        {FormatText("100%%", {}), "100%"},
        {FormatText("%1:s %0:s %s", {"a", "b"}), "b a b"},
        {FormatText("", {1}), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, U(c.expected));
}

TEST(FormatText, MismatchedPlaceholderIsAnError) {
    const struct {
        const char* format;
        std::function<QString(const char*)> run;
    } cases[] = {
        {"%d", [](const char* f) { return lang::FormatText(f, {}); }},
        {"%d", [](const char* f) { return lang::FormatText(f, {"x"}); }},
        {"%s", [](const char* f) { return lang::FormatText(f, {1}); }},
        {"%q", [](const char* f) { return lang::FormatText(f, {1}); }},
        {"%", [](const char* f) { return lang::FormatText(f, {1}); }},
        {"%2:d", [](const char* f) { return lang::FormatText(f, {1, 2}); }},
    };
    for (const auto& c : cases) {
        try {
            c.run(c.format);
            ADD_FAILURE() << c.format;
        } catch (const lang::ELanguageError& e) {
            EXPECT_EQ(e.message(), QString("Format '%1' invalid or incompatible with argument").arg(c.format));
        }
    }
}

// --- The phrase files of the program folder ----------------------------------------

class ShippedLanguageFiles : public ::testing::Test {
protected:
    void SetUp() override {
        language.SetFileName(QStringLiteral(MARVENIC_DIST_DIR "/Lang.lng"));
        russian = readCp1251Lines(QStringLiteral(MARVENIC_DIST_DIR "/Russian.lng"));
        english = readCp1251Lines(QStringLiteral(MARVENIC_DIST_DIR "/English.lng"));
    }
    RecordingLanguage language;
    QStringList russian;
    QStringList english;
};

TEST_F(ShippedLanguageFiles, ListsAreParallelAndEveryPhraseGoesThereAndBack) {
    EXPECT_EQ(language.LanguageNames(), (QStringList{"RUSSIAN", "ENGLISH"}));
    ASSERT_FALSE(russian.isEmpty());
    ASSERT_EQ(russian.size(), english.size());
    EXPECT_EQ(QSet<QString>(russian.begin(), russian.end()).size(), russian.size()) << "a Russian phrase twice";
    EXPECT_EQ(QSet<QString>(english.begin(), english.end()).size(), english.size()) << "an English phrase twice";
    for (qsizetype i = 0; i < russian.size(); ++i) {
        const QString there = language.TranslateString(russian[i], "Russian", "English");
        EXPECT_EQ(there, QString(english[i]).replace("\\n", "\n")) << russian[i].toStdString();
        EXPECT_EQ(language.TranslateString(there, "English", "Russian"), QString(russian[i]).replace("\\n", "\n"));
    }
}

TEST_F(ShippedLanguageFiles, KnownCaptionsAndMessages) {
    const struct {
        const char* russian;
        const char* english;
    } cases[] = {
        {"Марвеник", "Marvenic"},
        {"Все компании", "All companies"},
        {"Рубрика", "Topics"},
        {"Поиск...", "Search..."},
        {"Поиск", "Search"},
        {"О программе...", "About..."},
        {"Печать компании...", "Print company..."},
        {"Индекс", "Postcode"},
        {"Индекс:", "Index:"},
        {"%d записей", "%d records"},
        {"Нет записей, соответствующих заданному условию!", "No records match the given condition!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(language.TranslateString(U(c.russian), "Russian", "English"), U(c.english)) << c.russian;
    EXPECT_TRUE(language.messages.isEmpty());
}

}  // namespace

int main(int argc, char** argv) {
    // Discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "test_lang.moc"
