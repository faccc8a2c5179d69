// The search command of the main window, which keeps its results as
// selection tabs, and the help pages. The main window runs on a small
// catalog built by the catalog builder in a temporary folder; the search
// dialog is replaced by fixed requests.
#include "app/catalogue_discovery.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "builder.h"
#include "catalog/dazi_data.h"
#include "catalog/data_mediator.h"
#include "catalog/selection_conditions.h"
#include "catalog/topic_tree_model.h"
#include "lang/lang_util.h"
#include "platform/fb/fb.h"
#include "platform/text/cp1251.h"
#include "search/search_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

namespace fs = std::filesystem;

std::string cp(std::string_view utf8) { return text::utf8ToCp1251(utf8); }
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Companies (address/city): 1 Клиника Минск, 2 Аптека Брест, 3 Автобаза
// Борисов, 4 Типография Гродно, 5 Кафе Минск; all of them in one topic.
const char* const StyleSheet = R"(<?xml version="1.0" encoding="windows-1251"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251"/>
  <xsl:template match="/"><html><body><h1><xsl:value-of select="company/name"/></h1></body></html></xsl:template>
</xsl:stylesheet>
)";

const char* const SearchDefinition = R"(<?xml version="1.0" encoding="windows-1251"?>
<Search><Entity Name="Название">name</Entity><Entity Name="Город">address/city</Entity></Search>
)";

makecatalog::CatalogSource fixtureSource() {
    struct Company {
        int id;
        const char *name, *city;
    };
    const Company companies[] = {
        {1, "Клиника", "Минск"}, {2, "Аптека", "Брест"}, {3, "Автобаза", "Борисов"},
        {4, "Типография", "Гродно"}, {5, "Кафе", "Минск"}};
    makecatalog::CatalogSource source;
    makecatalog::TopicNode all;
    all.name = cp("Разное");
    for (const Company& c : companies) {
        makecatalog::TopicNode node;
        node.name = cp(c.name);
        node.companyId = c.id;
        all.children.push_back(node);
        source.companies.push_back({c.id,
                                    cp("<company><name>" + std::string(c.name) + "</name><address><city>" +
                                       c.city + "</city></address></company>"),
                                    {},
                                    {}});
    }
    source.topics = {all};
    source.files["Org.xsl"] = StyleSheet;
    source.files["Search.xml"] = cp(SearchDefinition);
    return source;
}

const fs::path& builtCatalogue() {
    static QTemporaryDir dir;
    static const fs::path path = [] {
        const fs::path folder = fs::path(dir.path().toStdString()) / "built";
        makecatalog::buildCatalog(fixtureSource(), folder.string());
        return folder;
    }();
    return path;
}

catalog::TQueryCondition condition(const char* path, const char* value, bool negate = false) {
    return {cp(path), cp(value), negate};
}

catalog::TSelection selection(int id, const char* name) { return {id, cp(name)}; }

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

class SearchCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const fs::path root(m_dir.path().toStdString());
        fs::copy(builtCatalogue(), root / "Catalog", fs::copy_options::recursive);
        fs::create_directories(root / "Program");
        app::ProgramFolder = QString::fromStdString((root / "Program").string()) + "/";
        app::CurrentDatabase = app::TDatabaseInfo();
        app::CurrentDatabase.Language = "Russian";
        app::CurrentDatabase.Path = QString::fromStdString((root / "Catalog").string()) + "/";
        catalog::DaziData = std::make_unique<catalog::TDaziData>();
        catalog::DataMediator = std::make_unique<catalog::TDataMediator>(*catalog::DaziData);
        form = std::make_unique<app::TMainForm>();
        form->show();
        form->OpenCatalogue();
        form->SearchDialogHook = [this] { return request; };
        QApplication::processEvents();
    }

    void TearDown() override {
        form.reset();
        catalog::DataMediator.reset();
        catalog::DaziData.reset();
        app::CurrentDatabase = app::TDatabaseInfo();
        search::TSearchDialog::ClearSavedState();
    }

    void addSelection(int id, const char* name, std::initializer_list<int> companies) {
        catalog::DaziData->AddSelectionName(id, cp(name), catalog::ConditionsToText({condition("name", "x")}));
        for (int company : companies)
            catalog::DaziData->ExecSQL("INSERT INTO Selections (SelectionID, CompanyID) VALUES (" +
                                       std::to_string(id) + ", " + std::to_string(company) + ")");
        form->RefillSelectionTabs();
    }

    // The companies listed for the current tab.
    QStringList listed() const {
        const catalog::TTopicTreeModel& model = *form->TopicsModel;
        QStringList names;
        const QModelIndex root = model.index(0, 0);
        for (int row = 0; row < model.rowCount(root); ++row)
            names << model.index(row, 0, root).data().toString();
        return sorted(names);
    }

    QStringList tabTexts() const {
        QStringList texts;
        for (int i = 0; i < form->SelectionsTabControl->count(); ++i)
            texts << form->SelectionsTabControl->tabText(i);
        return texts;
    }

    // Runs the search; a message box it shows is answered with OK and its
    // text returned.
    QString search() {
        QString message;
        // The search lets pending events run before its box exists: keep looking.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&message] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(10);
        form->SearchAction->trigger();
        answer.stop();
        QApplication::processEvents();
        return message;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<app::TMainForm> form;
    std::optional<app::TSearchRequest> request;
};

TEST_F(SearchCommandTest, EachSearchOfTheWholeCatalogueAddsATabAtTheEndWithItsMatches) {
    struct Case {
        catalog::TQueryConditions conditions;
        bool all;
        QStringList expected;
    };
    const Case cases[] = {
        {{condition("address/city", "минск")}, true, {U("Кафе"), U("Клиника")}},
        {{condition("address/city", "Минск"), condition("name", "Кафе")}, true, {U("Кафе")}},
        {{condition("address/city", "Минск"), condition("address/city", "Брест")}, false,
         {U("Аптека"), U("Кафе"), U("Клиника")}},
        {{condition("address/city", "Минск", true)}, true, {U("Автобаза"), U("Аптека"), U("Типография")}},
    };
    int tabs = 1;
    for (const Case& c : cases) {
        request = app::TSearchRequest{c.conditions, c.all, false, selection(0, "Все компании"),
                                      selection(-1, "Результаты поиска")};
        EXPECT_EQ(search(), QString());
        ++tabs;
        ASSERT_EQ(form->SelectionsTabControl->count(), tabs);
        EXPECT_EQ(form->SelectionsTabControl->currentIndex(), tabs - 1);
        EXPECT_EQ(form->SelectionsTabControl->tabText(tabs - 1), U("Результаты поиска"));
        EXPECT_EQ(form->CurrentSelection, form->SelectionIds.back());
        EXPECT_EQ(listed(), c.expected);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(SearchCommandTest, SearchIntoAnExistingTabTakesItsPlaceAtTheEnd) {
    struct Case {
        const char* what;
        int searchIn;
        bool add;
        QStringList expected;
    };
    const Case cases[] = {
        // Клиника is an old member and a match: listed once.
        {"add", 0, true, {U("Автобаза"), U("Кафе"), U("Клиника")}},
        {"replace", 0, false, {U("Кафе"), U("Клиника")}},
        {"within itself, replacing", 7, false, {U("Клиника")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int id : form->SelectionIds)
            if (id > 0)
                catalog::DaziData->DeleteSelection(id);
        addSelection(7, "Мои", {1, 3});
        addSelection(8, "Другие", {2});
        form->SelectionsTabControl->setCurrentIndex(1);
        ASSERT_EQ(tabTexts(), QStringList({U("Все компании"), U("Мои"), U("Другие")}));

        request = app::TSearchRequest{{condition("address/city", "Минск")}, true, c.add,
                                      selection(c.searchIn, c.searchIn ? "Мои" : "Все компании"),
                                      selection(7, "Мои")};
        EXPECT_EQ(search(), QString());
        EXPECT_EQ(tabTexts(), QStringList({U("Все компании"), U("Другие"), U("Мои")}));
        EXPECT_EQ(form->SelectionsTabControl->currentIndex(), 2);
        EXPECT_EQ(std::count(form->SelectionIds.begin(), form->SelectionIds.end(), 7), 0);
        EXPECT_EQ(catalog::DaziData->GetSelectionCount(7), 0);
        EXPECT_EQ(form->CurrentSelection, form->SelectionIds.back());
        EXPECT_EQ(listed(), c.expected);
    }
}

TEST_F(SearchCommandTest, NoMatchWarnsAndKeepsTheTabs) {
    struct Case {
        const char* what;
        catalog::TSelection target;
        int currentAfter;
    };
    const Case cases[] = {
        {"into a tab: its tab is shown again", selection(7, "Мои"), 1},
        {"into a new tab: the tab stays", selection(-1, "Результаты поиска"), 0},
    };
    addSelection(7, "Мои", {1, 3});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->SelectionsTabControl->setCurrentIndex(0);
        request = app::TSearchRequest{{condition("address/city", "Нигде")}, true, false,
                                      selection(0, "Все компании"), c.target};
        EXPECT_EQ(search(), U("Нет записей, соответствующих заданному условию!"));
        EXPECT_EQ(tabTexts(), QStringList({U("Все компании"), U("Мои")}));
        EXPECT_EQ(form->SelectionIds, std::vector<int>({-1, 7}));
        EXPECT_EQ(form->SelectionsTabControl->currentIndex(), c.currentAfter);
        EXPECT_EQ(catalog::DaziData->GetMaxSelectionID(), 7);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(SearchCommandTest, CancelledDialogChangesNothing) {
    request.reset();
    EXPECT_EQ(search(), QString());
    EXPECT_EQ(tabTexts(), QStringList({U("Все компании")}));
}

TEST_F(SearchCommandTest, SearchDialogHelpOpensTheSearchPageOfTheLanguageAndLinksWork) {
    QTemporaryDir program;
    for (const char* name : {"Lang.lng", "Russian.lng", "English.lng"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(MARVENIC_DIST_DIR "/") + name, program.path() + "/" + name));
    lang::InitLanguageLayer(program.path() + "/");
    lang::SetCurrentLanguage("English");
    app::ProgramFolder = QStringLiteral(MARVENIC_DIST_DIR "/");

    // The real dialog: its help button, then cancelled.
    form->SearchDialogHook = nullptr;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<search::TSearchDialog*>(QApplication::activeModalWidget())) {
            dialog->HelpButton->click();
            dialog->reject();
        }
    });
    answer.start(10);
    form->SearchAction->trigger();
    answer.stop();
    QApplication::processEvents();

    app::THelpWindow* help = form->HelpWindow;
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Help");
    EXPECT_TRUE(help->CurrentFile().endsWith("/Help/English/search.html")) << help->CurrentFile().toStdString();
    EXPECT_TRUE(help->Browser->toPlainText().contains("does not contain"));
    EXPECT_EQ(tabTexts(), QStringList({"All companies"}));

    help->ContentsButton->click();
    EXPECT_TRUE(help->CurrentFile().endsWith("/Help/English/index.html"));
    ASSERT_TRUE(help->BackButton->isEnabled());
    help->BackButton->click();
    EXPECT_TRUE(help->CurrentFile().endsWith("/Help/English/search.html"));
    EXPECT_TRUE(help->ForwardButton->isEnabled());

    lang::SetCurrentLanguage("Russian");
    form->HelpTopicsAction->trigger();
    EXPECT_EQ(help->windowTitle(), U("Справка"));
    EXPECT_TRUE(help->CurrentFile().endsWith("/Help/Russian/index.html"));
    EXPECT_TRUE(help->Browser->toPlainText().contains(U("Содержание")));
    lang::DoneLanguageLayer();
}

}  // namespace

int main(int argc, char** argv) {
    // Listing the tests runs this without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
