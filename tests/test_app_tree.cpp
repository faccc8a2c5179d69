// The tree half of the main window: the arrangements of the tree (topic
// tree, flat list, Indexes.xml indexes), the selection tabs, what the right
// half shows for a node, the gallery pane, selective printing, the command
// states and the node pictures. The main window runs on a small catalog
// built by the catalog builder in a temporary folder.
#include "app/catalogue_discovery.h"
#include "app/html_viewer.h"
#include "app/index_definitions.h"
#include "app/main_form.h"
#include "app/tree_pictures.h"
#include "builder.h"
#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"
#include "catalog/selection_conditions.h"
#include "catalog/topic_tree_model.h"
#include "gallery/picture_gallery_form.h"
#include "lang/lang_util.h"
#include "platform/fb/fb.h"
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"
#include "search/companies_table_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace catalog {
void PrintTo(const TQueryCondition& c, std::ostream* os) {
    *os << "{" << text::cp1251ToUtf8(c.Path) << " = " << text::cp1251ToUtf8(c.Value) << (c.Negate ? ", not" : "")
        << "}";
}
}  // namespace catalog

namespace {

namespace fs = std::filesystem;

std::string cp(std::string_view utf8) { return text::utf8ToCp1251(utf8); }
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Like the program's application: an exception escaping an event handler
// ends up in one place, here a list of messages.
class TTestApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            errors.push_back(QString::fromUtf8(error.what()));
        }
        return false;
    }
    std::vector<QString> errors;
};

TTestApplication* application() { return static_cast<TTestApplication*>(QCoreApplication::instance()); }

// --- The fixture catalog ---------------------------------------------------------
//
//   Медицина
//     Клиника "Здоровье"   company 1, Property 2   (stored as Клиника &quot;Здоровье&quot;)
//     Аптека               company 2, Property 6
//     Пустая рубрика       a leaf topic without a company
//   Транспорт
//     Автобаза             company 3, Property 1
//     Клиника "Здоровье"   company 1 again
//   Разное
//     Типография           company 4, Property 8
//     Кафе                 company 5, Property 0
//
// Records (address/region, address/city): 1 Минская Минск, 2 Брестская Брест,
// 3 Минская Борисов, 4 Гродненская Гродно, 5 Минская Минск.

const char* const StyleSheet = R"(<?xml version="1.0" encoding="windows-1251"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251"/>
  <xsl:template match="/"><html><body><h1><xsl:value-of select="company/name"/></h1></body></html></xsl:template>
</xsl:stylesheet>
)";

// Regions in two levels (3), the city alone (5); no field for the tag 4.
const char* const Indexes = R"(<?xml version="1.0" encoding="windows-1251"?>
<!-- The index buttons' fields. -->
<Fields>
  <Field id="2" Name="Алфавит"><Entity>name</Entity></Field>
  <Field id="3" Name="Регион">
    <!-- the region, then the city -->
    <Entity>address/region</Entity>
    <Entity> address/city </Entity>
  </Field>
  <Field id="5" Name="Индекс"><Entity>address/city</Entity></Field>
</Fields>
)";

makecatalog::TopicNode topic(const char* name, std::vector<makecatalog::TopicNode> children = {}) {
    makecatalog::TopicNode node;
    node.name = cp(name);
    node.children = std::move(children);
    return node;
}

makecatalog::TopicNode entry(const char* name, int company, int property) {
    makecatalog::TopicNode node;
    node.name = cp(name);
    node.companyId = company;
    node.property = property;
    return node;
}

makecatalog::CatalogSource fixtureSource() {
    const char* const clinic = "Клиника \"Здоровье\"";  // the builder stores it as &quot;
    makecatalog::CatalogSource source;
    source.topics = {
        topic("Медицина", {entry(clinic, 1, 2), entry("Аптека", 2, 6), topic("Пустая рубрика")}),
        topic("Транспорт", {entry("Автобаза", 3, 1), entry(clinic, 1, 2)}),
        topic("Разное", {entry("Типография", 4, 8), entry("Кафе", 5, 0)}),
    };
    struct Company {
        int id;
        const char *name, *region, *city;
    };
    const Company companies[] = {{1, "Клиника &quot;Здоровье&quot;", "Минская", "Минск"},
                                 {2, "Аптека", "Брестская", "Брест"},
                                 {3, "Автобаза", "Минская", "Борисов"},
                                 {4, "Типография", "Гродненская", "Гродно"},
                                 {5, "Кафе", "Минская", "Минск"}};
    for (const Company& c : companies)
        source.companies.push_back({c.id,
                                    cp("<company><name>" + std::string(c.name) + "</name><address><region>" +
                                       c.region + "</region><city>" + c.city + "</city></address></company>"),
                                    {},
                                    {}});
    source.files["Org.xsl"] = StyleSheet;
    source.files["Indexes.xml"] = cp(Indexes);
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

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

catalog::TQueryCondition condition(const char* path, const char* value) { return {cp(path), cp(value), false}; }

// Qt reports a hidden action as disabled and keeps the enabled state set for
// it until the action is shown again.
bool enabledState(QAction* action) {
    if (action->isVisible())
        return action->isEnabled();
    action->setVisible(true);
    const bool enabled = action->isEnabled();
    action->setVisible(false);
    return enabled;
}

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        root = fs::path(m_dir.path().toStdString());
        catalogue = root / "Catalog";
        fs::copy(builtCatalogue(), catalogue, fs::copy_options::recursive);
        writeFile(root / "Program" / "Welcome.htm", cp("<html><body><p>Добро пожаловать</p></body></html>"));

        app::ProgramFolder = QString::fromStdString((root / "Program").string()) + "/";
        app::CurrentDatabase = app::TDatabaseInfo();
        app::CurrentDatabase.Language = "Russian";
        app::CurrentDatabase.Path = QString::fromStdString(catalogue.string()) + "/";
        catalog::DaziData = std::make_unique<catalog::TDaziData>();
        form = std::make_unique<app::TMainForm>();
        form->resize(1000, 700);
        form->show();
        form->OpenCatalogue();
        QApplication::processEvents();
        application()->errors.clear();
    }

    void TearDown() override {
        form.reset();
        catalog::DaziData.reset();
        app::CurrentDatabase = app::TDatabaseInfo();
    }

    const catalog::TTopicTreeModel& model() const { return *form->TopicsModel; }

    // The node reached by the texts of its ancestors and itself, from the top.
    QModelIndex node(std::initializer_list<const char*> path) const {
        QModelIndex at;
        for (const char* name : path) {
            QModelIndex next;
            for (int row = 0; row < model().rowCount(at) && !next.isValid(); ++row)
                if (model().index(row, 0, at).data().toString() == U(name))
                    next = model().index(row, 0, at);
            if (!next.isValid()) {
                ADD_FAILURE() << "no node " << name;
                return {};
            }
            at = next;
        }
        return at;
    }

    // The texts of a node's children (of the top level for the invalid index).
    QStringList children(const QModelIndex& parent = {}) const {
        QStringList texts;
        for (int row = 0; row < model().rowCount(parent); ++row)
            texts << model().index(row, 0, parent).data().toString();
        return texts;
    }

    static QStringList sorted(QStringList list) {
        list.sort();
        return list;
    }

    void choose(const QModelIndex& index) { form->TopicsTree->setCurrentIndex(index); }

    // A saved selection of the given companies, then the tabs refilled.
    void addSelection(int id, const char* name, const catalog::TQueryConditions& conditions,
                      std::initializer_list<int> companies) {
        catalog::DaziData->AddSelectionName(id, cp(name), catalog::ConditionsToText(conditions));
        for (int company : companies)
            catalog::DaziData->ExecSQL("INSERT INTO Selections (SelectionID, CompanyID) VALUES (" +
                                       std::to_string(id) + ", " + std::to_string(company) + ")");
        form->RefillSelectionTabs();
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    const QStringList TopicTree = {U("Медицина"), U("Транспорт"), U("Разное")};

    QTemporaryDir m_dir;
    fs::path root, catalogue;
    std::unique_ptr<app::TMainForm> form;
};

// --- The topic tree and its nodes ----------------------------------------------------

TEST_F(TreeTest, OpenedCatalogueShowsTheTopicTreeWithItsLeafCount) {
    EXPECT_EQ(children(), TopicTree);
    EXPECT_EQ(children(node({"Медицина"})),
              QStringList({U("Клиника \"Здоровье\""), U("Аптека"), U("Пустая рубрика")}));
    EXPECT_EQ(form->CmpCountLabel->text(), U("7 записей"));
    EXPECT_TRUE(form->RubrikaFlashButton->isChecked());
    EXPECT_EQ(form->IndexId, 1);
    EXPECT_TRUE(form->ExpandAllAction->isEnabled());
    EXPECT_FALSE(enabledState(form->AZSortAction));
    EXPECT_EQ(form->SelectionIds, std::vector<int>({-1}));
}

TEST_F(TreeTest, CompanyLeafShowsItsCardCaptionAndTopicPathAndBranchShowsTheTable) {
    choose(node({"Транспорт", "Клиника \"Здоровье\""}));
    EXPECT_EQ(form->RightPages->currentWidget(), form->HtmlDecorativePanel);
    EXPECT_EQ(form->SelectedCompanyNameLabel->text(), U("Клиника \"Здоровье\""));
    EXPECT_EQ(form->statusBar()->currentMessage(), U("Транспорт > Клиника \"Здоровье\""));
    EXPECT_TRUE(form->HTMLViewer->toPlainText().contains(U("Клиника \"Здоровье\"")));

    choose(node({"Медицина"}));
    EXPECT_EQ(form->RightPages->currentWidget(), form->RightDecorativePanel);
    ASSERT_NE(form->CompaniesTableForm, nullptr);
    EXPECT_EQ(form->CompaniesTableForm->parentWidget(), form->TableDecorativePanel);
    EXPECT_EQ(form->CompaniesTableForm->RowCount(), 2);  // the empty topic adds none

    // A leaf topic without a company is a branch: an empty table.
    choose(node({"Медицина", "Пустая рубрика"}));
    EXPECT_EQ(form->RightPages->currentWidget(), form->RightDecorativePanel);
    EXPECT_EQ(form->CompaniesTableForm->RowCount(), 0);
}

TEST_F(TreeTest, RefillingTheTreeTakesTheRightHalfBackToTheStartPage) {
    choose(node({"Медицина", "Аптека"}));
    ASSERT_EQ(form->SelectedCompanyNameLabel->text(), U("Аптека"));
    click(form->FlashButton4);
    EXPECT_FALSE(form->TopicsTree->currentIndex().isValid());
    EXPECT_EQ(form->RightPages->currentWidget(), form->HtmlDecorativePanel);
    EXPECT_EQ(form->SelectedCompanyNameLabel->text(), QString());
    EXPECT_TRUE(form->HTMLViewer->toPlainText().contains(U("Добро пожаловать")));
    EXPECT_FALSE(form->PrintAction->isEnabled());
}

TEST_F(TreeTest, PicturesFollowThePropertyBitsAndFoldersOpen) {
    struct Case {
        std::initializer_list<const char*> path;
        int picture;
    };
    const Case cases[] = {
        {{"Медицина"}, 13},
        {{"Медицина", "Пустая рубрика"}, 13},
        {{"Медицина", "Клиника \"Здоровье\""}, 105},  // 2
        {{"Медицина", "Аптека"}, 106},                // 6: bit 4 wins over bit 2
        {{"Транспорт", "Автобаза"}, 104},             // 1
        {{"Разное", "Типография"}, 107},              // 8
        {{"Разное", "Кафе"}, 14},                     // 0
    };
    const QHash<int, QIcon> pictures = app::TreePictures();
    auto image = [](const QIcon& icon, QIcon::State state = QIcon::Off) {
        return icon.pixmap(QSize(16, 16), QIcon::Normal, state).toImage();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*std::prev(c.path.end()));
        const QModelIndex index = node(c.path);
        EXPECT_EQ(index.data(catalog::TTopicTreeModel::PictureRole).toInt(), c.picture);
        const QIcon shown = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(image(shown), image(pictures.value(c.picture)));
    }
    // Six different pictures, each drawn at 16 px; a topic opens as a folder does.
    std::vector<QImage> seen;
    for (int number : app::TreePictureNumbers) {
        const QImage drawn = image(pictures.value(number));
        EXPECT_EQ(drawn.size(), QSize(16, 16));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), drawn), 0) << number;
        seen.push_back(drawn);
    }
    EXPECT_NE(image(pictures.value(13), QIcon::On), image(pictures.value(13), QIcon::Off));
}

TEST_F(TreeTest, ExpandAllFlipsWithItsCaptionAndSurvivesARefill) {
    const QModelIndex medicine = node({"Медицина"});
    EXPECT_FALSE(form->TopicsTree->isExpanded(medicine));
    form->ExpandAllAction->trigger();
    EXPECT_TRUE(form->ExpandedAll);
    EXPECT_TRUE(form->TopicsTree->isExpanded(node({"Медицина"})));
    EXPECT_EQ(form->ExpandAllAction->text(), U("Свернуть все"));
    click(form->FlashButton2);  // the region tree comes expanded too
    EXPECT_TRUE(form->TopicsTree->isExpanded(node({"Минская"})));
    form->ExpandAllAction->trigger();
    EXPECT_FALSE(form->TopicsTree->isExpanded(node({"Минская"})));
    EXPECT_EQ(form->ExpandAllAction->text(), U("Развернуть все"));
}

// --- The flat list ------------------------------------------------------------------

TEST_F(TreeTest, FlatListRootIsABranchShowingEveryCompanyAndSortsBothWays) {
    click(form->FlashButton4);  // "Название"
    EXPECT_TRUE(form->PlainMode);
    EXPECT_TRUE(enabledState(form->AZSortAction));
    EXPECT_TRUE(enabledState(form->ZASortAction));
    EXPECT_FALSE(form->ExpandAllAction->isEnabled());
    ASSERT_EQ(children(), QStringList({U("Все компании")}));
    const QModelIndex all = node({"Все компании"});
    EXPECT_TRUE(form->TopicsTree->isExpanded(all));
    const QStringList ascending = children(all);
    EXPECT_EQ(ascending, QStringList({U("Автобаза"), U("Аптека"), U("Кафе"), U("Клиника \"Здоровье\""),
                                      U("Типография")}));
    EXPECT_EQ(form->CmpCountLabel->text(), U("5 записей"));

    choose(all);
    EXPECT_EQ(form->RightPages->currentWidget(), form->RightDecorativePanel);
    ASSERT_NE(form->CompaniesTableForm, nullptr);
    EXPECT_EQ(form->CompaniesTableForm->RowCount(), 5);
    EXPECT_FALSE(form->PrintAction->isEnabled());

    // A company of the flat list belongs to no topic: no topic path.
    choose(node({"Все компании", "Кафе"}));
    EXPECT_EQ(form->SelectedCompanyNameLabel->text(), U("Кафе"));
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());

    form->ZASortAction->trigger();
    QStringList descending = children(node({"Все компании"}));
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(descending, ascending);
    EXPECT_TRUE(form->Descending);
    form->AZSortAction->trigger();
    EXPECT_EQ(children(node({"Все компании"})), ascending);

    click(form->RubrikaFlashButton);
    EXPECT_FALSE(form->PlainMode);
    EXPECT_FALSE(enabledState(form->AZSortAction));
    EXPECT_EQ(children(), TopicTree);
    form->ZASortAction->trigger();  // disabled outside the flat list
    EXPECT_FALSE(form->Descending);
    EXPECT_EQ(children(), TopicTree);
}

// --- Indexes and tabs --------------------------------------------------------------

TEST_F(TreeTest, IndexThenSelectionTabThenWholeCatalogueThenBack) {
    addSelection(7, "Медицинские", {condition("name", "Клиника")}, {1, 2});
    ASSERT_EQ(form->SelectionsTabControl->count(), 2);
    EXPECT_EQ(form->SelectionsTabControl->tabText(1), U("Медицинские"));

    click(form->FlashButton2);  // "Регион": region, then city
    EXPECT_EQ(form->IndexId, 3);
    EXPECT_EQ(sorted(children()), QStringList({U("Брестская"), U("Гродненская"), U("Минская")}));
    EXPECT_EQ(sorted(children(node({"Минская"}))), QStringList({U("Борисов"), U("Минск")}));
    EXPECT_EQ(sorted(children(node({"Минская", "Минск"}))), QStringList({U("Кафе"), U("Клиника \"Здоровье\"")}));
    EXPECT_EQ(form->IndexEntities, std::vector<std::string>({"address/region", "address/city"}));
    EXPECT_EQ(form->CardConditions, catalog::TQueryConditions({condition("address/region", "")}));
    EXPECT_EQ(form->CmpCountLabel->text(), U("7 записей"));  // left as it was
    EXPECT_TRUE(form->ExpandAllAction->isEnabled());

    form->SelectionsTabControl->setCurrentIndex(1);
    EXPECT_EQ(form->CurrentSelection, 7);
    EXPECT_EQ(children(node({"Все компании"})), QStringList({U("Аптека"), U("Клиника \"Здоровье\"")}));
    EXPECT_EQ(form->CardConditions, catalog::TQueryConditions({condition("name", "Клиника")}));
    EXPECT_EQ(form->CmpCountLabel->text(), U("2 записей"));
    EXPECT_FALSE(form->ExpandAllAction->isEnabled());

    // The whole catalog again: the topic tree, the region still marked in cards.
    form->SelectionsTabControl->setCurrentIndex(0);
    EXPECT_EQ(form->CurrentSelection, -1);
    EXPECT_EQ(children(), TopicTree);
    EXPECT_EQ(form->CardConditions, catalog::TQueryConditions({condition("address/region", "")}));

    choose(node({"Медицина", "Аптека"}));
    ASSERT_FALSE(form->statusBar()->currentMessage().isEmpty());
    click(form->BackFlashButton);
    EXPECT_TRUE(form->RubrikaFlashButton->isChecked());
    EXPECT_EQ(form->IndexId, 1);
    EXPECT_EQ(form->IndexEntity, "");
    EXPECT_TRUE(form->CardConditions.empty());
    EXPECT_EQ(children(), TopicTree);
    EXPECT_EQ(form->SelectedCompanyNameLabel->text(), QString());
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
}

TEST_F(TreeTest, IndexButtonOnASelectionTabSwitchesToTheWholeCatalogueFirst) {
    addSelection(3, "Выборка", {condition("name", "А")}, {2, 3});
    form->SelectionsTabControl->setCurrentIndex(1);
    ASSERT_EQ(form->CurrentSelection, 3);

    click(form->FlashButton1);  // "Адрес": no field with its tag, so the last one (city)
    EXPECT_TRUE(form->FlashButton1->isChecked());
    EXPECT_EQ(form->SelectionsTabControl->currentIndex(), 0);
    EXPECT_EQ(form->CurrentSelection, -1);
    EXPECT_EQ(sorted(children()), QStringList({U("Борисов"), U("Брест"), U("Гродно"), U("Минск")}));
    EXPECT_EQ(form->CardConditions, catalog::TQueryConditions({condition("address/city", "")}));
}

TEST_F(TreeTest, ClosingASelectionShowsTheTabToItsLeft) {
    struct Case {
        const char* what;
        std::vector<int> selections;  // ids, each holding company 1
        int closedTab;
        int shownSelection;  // -1: the whole catalog
    };
    const Case cases[] = {
        {"the only selection", {4}, 1, -1},
        {"the second of two", {4, 9}, 2, 4},
        {"the first of two", {4, 9}, 1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        catalog::DaziData->ExecSQL("DELETE FROM Selections");
        catalog::DaziData->ExecSQL("DELETE FROM SelectionNames");
        form->RefillSelectionTabs();
        form->SelectSelectionTab(-1);
        for (int id : c.selections)
            addSelection(id, "Выборка", {}, {1});
        form->SelectionsTabControl->setCurrentIndex(c.closedTab);
        const int closed = form->CurrentSelection;
        EXPECT_TRUE(form->CloseDocumentPageAction->isVisible());
        form->CloseDocumentPageAction->trigger();

        EXPECT_EQ(form->SelectionsTabControl->count(), static_cast<int>(c.selections.size()));
        EXPECT_EQ(form->SelectionsTabControl->currentIndex(), c.closedTab - 1);
        EXPECT_EQ(form->CurrentSelection, c.shownSelection);
        EXPECT_EQ(std::count(form->SelectionIds.begin(), form->SelectionIds.end(), closed), 0);
        catalog::TSelectionList stored;
        catalog::GetSelections(*catalog::DaziData, stored);
        EXPECT_EQ(stored.size(), c.selections.size());
        if (c.shownSelection == -1) {
            EXPECT_EQ(children(), TopicTree);
            EXPECT_EQ(form->CmpCountLabel->text(), U("7 записей"));
            EXPECT_FALSE(form->CloseDocumentPageAction->isVisible());
        } else {
            EXPECT_EQ(children(node({"Все компании"})), QStringList({U("Клиника \"Здоровье\"")}));
        }
    }
}

TEST_F(TreeTest, DeleteDoesNothingOnTheWholeCatalogue) {
    addSelection(4, "Выборка", {}, {1});
    form->DeleteAction->trigger();  // disabled: nothing
    form->CloseDocumentPageActionExecute();
    EXPECT_EQ(form->SelectionsTabControl->count(), 2);
    form->SelectionsTabControl->setCurrentIndex(1);
    form->DeleteAction->trigger();
    EXPECT_EQ(form->SelectionsTabControl->count(), 1);
    EXPECT_EQ(form->CurrentSelection, -1);
}

TEST_F(TreeTest, SelectSelectionTabShowsTheSelectionAlsoWhenItIsCurrent) {
    addSelection(4, "Первая", {}, {1});
    addSelection(6, "Вторая", {}, {2, 3});
    form->SelectSelectionTab(6);
    EXPECT_EQ(form->SelectionsTabControl->currentIndex(), 2);
    EXPECT_EQ(form->CmpCountLabel->text(), U("2 записей"));

    // Behind the window's back the selection grows; choosing it again shows that.
    catalog::DaziData->ExecSQL("INSERT INTO Selections (SelectionID, CompanyID) VALUES (6, 4)");
    form->SelectSelectionTab(6);
    EXPECT_EQ(form->CmpCountLabel->text(), U("3 записей"));

    form->SelectSelectionTab(5);  // no such tab
    EXPECT_EQ(form->CurrentSelection, 6);
    form->SelectSelectionTab(-1);
    EXPECT_EQ(form->SelectionsTabControl->currentIndex(), 0);
    EXPECT_EQ(children(), TopicTree);
}

// --- Bad Indexes.xml -----------------------------------------------------------------

TEST_F(TreeTest, BadIndexesFileIsReportedAndKeepsTheTree) {
    struct Case {
        const char* what;
        std::optional<std::string> file;  // none: no Indexes.xml
        QString message;                  // empty: any message of the XML reader
    };
    const QString invalid = "Indexes xml file format is invalid!";
    const QString none = U("В файле Indexes.xml нет ни одного индекса.");
    const Case cases[] = {
        {"a child that is no Entity", "<Fields><Field id='3'><Entity>name</Entity><Other/></Field></Fields>", invalid},
        {"text in a Field", "<Fields><Field id='3'>name</Field></Fields>", invalid},
        {"a Field without Entity", "<Fields><Field id='3'/></Fields>", invalid},
        {"Fields without children", "<Fields/>", none},
        {"Fields with a remark only", "<Fields> <!-- none yet --> </Fields>", none},
        {"another root", "<Indexes><Field id='3'><Entity>name</Entity></Field></Indexes>", none},
        {"not well-formed", "<Fields><Field id='3'>", {}},
        {"missing", std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.file)
            writeFile(catalogue / "Indexes.xml", *c.file);
        else
            fs::remove(catalogue / "Indexes.xml");
        click(form->FlashButton4);  // the flat list, with its sort commands
        ASSERT_TRUE(enabledState(form->AZSortAction));
        choose(node({"Все компании", "Кафе"}));
        application()->errors.clear();

        click(form->FlashButton2);
        ASSERT_EQ(application()->errors.size(), 1u);
        if (c.message.isEmpty())
            EXPECT_FALSE(application()->errors[0].isEmpty());
        else
            EXPECT_EQ(application()->errors[0], c.message);
        EXPECT_EQ(children(), QStringList({U("Все компании")}));
        EXPECT_EQ(form->SelectedCompanyNameLabel->text(), U("Кафе"));
        EXPECT_FALSE(form->PlainMode);
        EXPECT_FALSE(enabledState(form->AZSortAction));
        EXPECT_FALSE(enabledState(form->ZASortAction));
    }
}

// --- Command states -------------------------------------------------------------------

TEST_F(TreeTest, UpdateCommandsFollowTheFocusedNodeAndTheTab) {
    addSelection(4, "Выборка", {}, {1, 2});
    struct Case {
        const char* what;
        int tab;
        std::function<QModelIndex()> focus;
        bool companyCommands;
    };
    const Case cases[] = {
        {"topic with sub-nodes", 0, [&] { return node({"Медицина"}); }, false},
        {"company", 0, [&] { return node({"Медицина", "Аптека"}); }, true},
        {"leaf topic without a company", 0, [&] { return node({"Медицина", "Пустая рубрика"}); }, true},
        {"nothing focused", 0, [] { return QModelIndex(); }, false},
        {"selection root", 1, [&] { return node({"Все компании"}); }, false},
        {"selection company", 1, [&] { return node({"Все компании", "Аптека"}); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->SelectionsTabControl->setCurrentIndex(c.tab);
        choose(c.focus());
        const bool selectionTab = c.tab > 0;
        EXPECT_EQ(form->CloseDocumentPageAction->isVisible(), selectionTab);
        EXPECT_EQ(form->CloseDocumentPageAction->isEnabled(), selectionTab);
        EXPECT_EQ(form->DeleteAction->isEnabled(), selectionTab);
        EXPECT_EQ(form->TreeModeAction->isEnabled(), !selectionTab);
        EXPECT_EQ(form->PlainModeAction->isEnabled(), !selectionTab);
        for (QAction* action : {form->FindInDocAction, form->FindNextInDocAction, form->PrintAction,
                                form->ExportAction, form->DialPhoneAction, form->SendFaxAction, form->SendEmailAction,
                                form->GoToInternetAction})
            EXPECT_EQ(enabledState(action), c.companyCommands) << action->objectName().toStdString();
    }
}

// --- Companies table and selective printing ----------------------------------------------

TEST_F(TreeTest, SelectivePrintingPutsCheckBoxesOnTheTableRows) {
    EXPECT_FALSE(form->acAdvancedPrintMode->isEnabled());  // no table yet
    EXPECT_FALSE(form->acCheckAll->isEnabled());
    choose(node({"Медицина", "Пустая рубрика"}));
    EXPECT_FALSE(form->acAdvancedPrintMode->isEnabled());  // a table without rows
    choose(node({"Медицина"}));
    ASSERT_TRUE(form->acAdvancedPrintMode->isEnabled());
    EXPECT_FALSE(form->acCheckAll->isEnabled());

    const search::TCompaniesTableModel& rows = form->CompaniesTableForm->Model();
    auto checked = [&rows] {
        int count = 0;
        for (int row = 0; row < rows.RowCount(); ++row)
            count += rows.Row(row).Checked ? 1 : 0;
        return count;
    };
    form->acAdvancedPrintMode->trigger();
    EXPECT_TRUE(form->acAdvancedPrintMode->isChecked());
    EXPECT_TRUE(form->CompaniesTableForm->MarkedOnly());
    EXPECT_TRUE(rows.CheckBoxes());
    EXPECT_TRUE(form->acCheckAll->isEnabled());
    EXPECT_TRUE(form->acUncheckAll->isEnabled());
    form->acCheckAll->trigger();
    EXPECT_EQ(checked(), 2);
    form->acUncheckAll->trigger();
    EXPECT_EQ(checked(), 0);

    // Another branch keeps the mode.
    choose(node({"Разное"}));
    EXPECT_TRUE(form->CompaniesTableForm->MarkedOnly());
    EXPECT_TRUE(rows.CheckBoxes());

    form->acAdvancedPrintMode->trigger();
    EXPECT_FALSE(form->CompaniesTableForm->MarkedOnly());
    EXPECT_FALSE(rows.CheckBoxes());
    EXPECT_FALSE(form->acCheckAll->isEnabled());
}

TEST_F(TreeTest, DoubleClickInTheTableSelectsTheCompanyBelowTheChosenBranch) {
    const QModelIndex transport = node({"Транспорт"});
    choose(transport);
    search::TCompaniesTreeView& table = form->CompaniesTableForm->Tree();
    int clinicRow = -1;
    for (int row = 0; row < form->CompaniesTableForm->RowCount(); ++row)
        if (form->CompaniesTableForm->Model().Row(row).CompanyID == 1)
            clinicRow = row;
    ASSERT_GE(clinicRow, 0);
    const QModelIndex hit = form->CompaniesTableForm->Model().index(clinicRow, 0);
    table.setCurrentIndex(hit);
    form->CompaniesTableForm->TreeDblClick(hit);

    // Company 1 is also under Медицина, earlier in the tree: the one below Транспорт is chosen.
    EXPECT_EQ(form->TopicsTree->currentIndex(), node({"Транспорт", "Клиника \"Здоровье\""}));
    EXPECT_TRUE(form->TopicsTree->isExpanded(transport));
    EXPECT_EQ(form->RightPages->currentWidget(), form->HtmlDecorativePanel);
    EXPECT_EQ(form->statusBar()->currentMessage(), U("Транспорт > Клиника \"Здоровье\""));

    // From a company node there is nothing below to search.
    form->SelectCompanyInTree(3);
    EXPECT_EQ(form->TopicsTree->currentIndex(), node({"Транспорт", "Клиника \"Здоровье\""}));
}

// --- The gallery pane ----------------------------------------------------------------------

TEST_F(TreeTest, CollapsedGalleryPaneIsFilledOnlyOnceTheSplitterOpens) {
    EXPECT_TRUE(form->GalleryCurrent);
    form->RightPages->setCurrentWidget(form->RightDecorativePanel);  // laid out, as the user sees it
    QApplication::processEvents();
    form->RightPanelRzSplitter->setSizes({1000, 0});
    ASSERT_GT(form->RightSplitterPosition(), 97);
    const QModelIndex medicine = node({"Медицина"});
    choose(medicine);
    EXPECT_FALSE(form->GalleryCurrent);
    EXPECT_EQ(form->PictureGalleryForm, nullptr);

    form->RightPanelRzSplitter->setSizes({600, 200});
    ASSERT_LT(form->RightSplitterPosition(), 98);
    form->RightPanelRzSplitterChange();
    EXPECT_TRUE(form->GalleryCurrent);
    ASSERT_NE(form->PictureGalleryForm, nullptr);
    EXPECT_EQ(form->PictureGalleryForm->parentWidget(), form->PictureGalleryDecorativePanel);
    const catalog::TreeDataRec* data = form->TopicsModel->dataOf(medicine);
    EXPECT_EQ(form->PictureGalleryForm->ShownRange(), std::make_pair(data->L, data->R));
    EXPECT_TRUE(form->PictureGalleryForm->AdvertFolder.endsWith("Data/Russian/Advertisement/Small/"));

    // Nodes without a topic range show the pictures of their subtree.
    click(form->FlashButton4);
    const QModelIndex all = node({"Все компании"});
    choose(all);
    EXPECT_FALSE(form->PictureGalleryForm->ShownRange());
    EXPECT_EQ(QModelIndex(form->PictureGalleryForm->ShownSubtree()), all);

    // Shown already: moving the splitter does not fill it again.
    form->PictureGalleryForm->ShowRangePictures(0, 0);
    form->RightPanelRzSplitterChange();
    EXPECT_EQ(form->PictureGalleryForm->ShownRange(), std::make_pair(0, 0));
}

// --- Indexes.xml without the window ------------------------------------------------------------

TEST(IndexDefinitions, FieldIsChosenByIdOrElseTheLastOne) {
    const xml::XmlDocument definitions = xml::XmlDocument::fromBytes(
        "<?xml version='1.0'?>\n<Fields>\n <!-- x -->\n <Field id=' 02 '><Entity>name</Entity></Field>\n"
        " <Other id='3'><Entity>skipped</Entity></Other>\n"
        " <Field id='3'><Entity>a</Entity>\n  <Entity>b</Entity></Field>\n"
        " <Field id='x'><Entity>last</Entity></Field>\n</Fields>");
    struct Case {
        int id;
        std::vector<std::string> entities;
    };
    const Case cases[] = {{2, {"name"}}, {3, {"a", "b"}}, {4, {"last"}}, {0, {"last"}}};
    for (const Case& c : cases)
        EXPECT_EQ(app::IndexEntities(definitions, c.id), c.entities) << c.id;
}

TEST(IndexDefinitions, NoIndexMessageIsInTheInterfaceLanguage) {
    QTemporaryDir program;
    for (const char* name : {"Lang.lng", "Russian.lng", "English.lng"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(MARVENIC_DIST_DIR "/") + name, program.path() + "/" + name));
    lang::InitLanguageLayer(program.path() + "/");
    lang::SetCurrentLanguage("English");
    const xml::XmlDocument empty = xml::XmlDocument::fromBytes("<Fields/>");
    QString message;
    try {
        app::IndexEntities(empty, 3);
    } catch (const app::ENoIndexDefinitions& error) {
        message = QString::fromUtf8(error.what());
    }
    lang::DoneLanguageLayer();
    EXPECT_EQ(message, "Indexes.xml defines no index.");
}

}  // namespace

int main(int argc, char** argv) {
    // Listing the tests runs this without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
    TTestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
