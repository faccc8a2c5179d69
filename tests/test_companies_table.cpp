// The companies table: filling from the main tree, lazy loading of address
// and phone, selective printing, the printed page, type-ahead, double click
// and the window's look. Records come from a small catalog built with the
// catalog builder and read through the real data module.
#include "search/companies_table_form.h"
#include "search/companies_table_model.h"
#include "search/type_ahead.h"

#include "builder.h"
#include "catalog/build_structures.h"
#include "catalog/dazi_data.h"
#include "catalog/topic_tree_model.h"
#include "lang/lang_util.h"
#include "platform/fb/fb.h"
#include "platform/text/cp1251.h"
#include "test_application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

namespace fs = std::filesystem;
using catalog::TTopicTreeModel;
using search::TCompaniesTableForm;
using search::TCompaniesTableModel;
using search::TTypeAhead;

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// --- The fixture catalog ---------------------------------------------------------
//
//   Медицина
//     Клиники: Медцентр (3), Больница (2), Поликлиника (8)
//     Аптека "Здоровье" (1)              stored as Аптека &quot;Здоровье&quot;
//     Больница (2)                       the same company under the same name
//   Транспорт: Автобаза (4), Центр Плюс (3), аптека Север (6), больница (7)
//   Зарубежные: Ленина Трейд (5)         a record in English form

makecatalog::TopicNode topic(const char* name, std::vector<makecatalog::TopicNode> children) {
    makecatalog::TopicNode node;
    node.name = cp(name);
    node.children = std::move(children);
    return node;
}

makecatalog::TopicNode entry(const char* name, int companyId) {
    makecatalog::TopicNode node;
    node.name = cp(name);
    node.companyId = companyId;
    return node;
}

makecatalog::CatalogSource fixtureSource() {
    makecatalog::CatalogSource source;
    source.topics = {
        topic("Медицина", {topic("Клиники", {entry("Медцентр", 3), entry("Больница", 2), entry("Поликлиника", 8)}),
                           entry("Аптека \"Здоровье\"", 1), entry("Больница", 2)}),
        topic("Транспорт", {entry("Автобаза", 4), entry("Центр Плюс", 3), entry("аптека Север", 6),
                            entry("больница", 7)}),
        topic("Зарубежные", {entry("Ленина Трейд", 5)}),
    };
    const std::map<int, const char*> records = {
        {1, "<company><name>Здоровье</name><street prefix=\"ул.\">Ленина</street><building_no>5</building_no>"
            "<zip>220030</zip><settlement prefix=\"г.\">Минск</settlement>"
            "<phone code=\"17\">123-45-67</phone></company>"},
        {2, "<company><name>Больница</name><street prefix=\"шоссе\">Московское</street>"
            "<building_no>12</building_no><settlement prefix=\"д.\">Ивановка</settlement><zip>223050</zip>"
            "<district>Минский р-н</district></company>"},
        {3, "<company><name>Медцентр</name><street prefix=\"пр.\">Победителей</street><building_no>9</building_no>"
            "<zip>220004</zip><settlement prefix=\"г.\">Минск</settlement>"
            "<phone code=\"8017\">222-33-44</phone><phone code=\"29\">999</phone></company>"},
        {4, "<company><name>Автобаза</name><street prefix=\"ул.\">Мира &amp; Труда</street>"
            "<building_no>1</building_no><settlement prefix=\"г.\">Гродно</settlement>"
            "<phone code=\"0152\">77 88 99</phone></company>"},
        {5, "<company><name>Lenina Trade</name><building_no>5</building_no><street prefix=\"str.\">Lenina</street>"
            "<zip>220000</zip><settlement prefix=\"City\">Minsk</settlement><district>Minsk</district>"
            "<phone code=\"17\">2000000</phone></company>"},
        {6, "<company><name>Север</name><settlement prefix=\"г.\">Брест</settlement>"
            "<phone>8-800</phone></company>"},
        {7, "<company><name>больница</name><settlement prefix=\"г.\">Смоленск</settlement>"
            "<country name=\"Россия\"/><phone code=\"29\">1112233</phone></company>"},
        {8, "<company><name>Поликлиника</name><settlement prefix=\"г.\">Лида</settlement>"
            "<phone code=\"154\">5-55-55</phone></company>"},
    };
    for (const auto& [id, record] : records) {
        makecatalog::CompanySource company;
        company.id = id;
        company.record = cp(record);
        source.companies.push_back(std::move(company));
    }
    return source;
}

class CompaniesTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
        folder = new fs::path(fs::temp_directory_path() / ("marvenic-table-" + std::to_string(::getpid())));
        fs::remove_all(*folder);
        makecatalog::buildCatalog(fixtureSource(), folder->string());
        data = new catalog::TDaziData;
        data->Connect("", (*folder / "tolvik.gdb").string());
    }
    static void TearDownTestSuite() {
        data->Disconnect();
        delete data;
        std::error_code ignored;
        fs::remove_all(*folder, ignored);
        delete folder;
    }

    void SetUp() override { resetForm(); }

    void resetForm() {
        reads.clear();
        form = std::make_unique<TCompaniesTableForm>();
        // Every record read goes through here, so that tests can count them.
        form->SetRecordReader([this](int id) {
            ++reads[id];
            if (failing.count(id) && failing[id]-- > 0)
                throw std::runtime_error("record " + std::to_string(id) + " cannot be read");
            return data->GetCompanyXML(id);
        });
        application()->errors.clear();
    }

    // The plain list: one top node "Все компании" with every company.
    QModelIndex plainListRoot() {
        data->OpenCompanyList(false);
        catalog::FillCompanyList(tree, *data, false);
        return tree.index(0, 0);
    }

    // The topic tree; the index of the top-level topic of that name.
    QModelIndex topicNode(const char* name) {
        data->OpenTopics();
        catalog::FillTopicTree(tree, *data);
        for (int row = 0; row < tree.rowCount(); ++row)
            if (tree.dataOf(tree.index(row, 0))->TopicName == cp(name))
                return tree.index(row, 0);
        ADD_FAILURE() << "no topic " << name;
        return {};
    }

    // "name (id)" of every row, names as stored (cp1251 shown as UTF-8).
    std::vector<std::string> rowList() const {
        std::vector<std::string> rows;
        const TCompaniesTableModel& model = form->Model();
        for (int r = 0; r < model.RowCount(); ++r)
            rows.push_back(text::cp1251ToUtf8(model.Row(r).Cells[0]) + " (" +
                           std::to_string(model.Row(r).CompanyID) + ")");
        return rows;
    }

    QString cell(int row, int column) const {
        const TCompaniesTableModel& model = form->Model();
        return model.data(model.index(row, column)).toString();
    }

    int rowOf(int companyId) const {
        for (int r = 0; r < form->RowCount(); ++r)
            if (form->Model().Row(r).CompanyID == companyId)
                return r;
        return -1;
    }

    void setChecked(int row) {
        TCompaniesTableModel& model = form->Model();
        ASSERT_TRUE(model.setData(model.index(row, 0), Qt::Checked, Qt::CheckStateRole));
    }

    // Key presses with their text, as a keyboard layout gives them (QTest's
    // own helpers know only Latin-1).
    void type(const QString& text) {
        for (const QChar c : text) {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&form->Tree(), &press);
            QCoreApplication::sendEvent(&form->Tree(), &release);
        }
    }

    void showForm(int width, int height) {
        form->resize(width, height);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::processEvents();
    }

    static fs::path* folder;
    static catalog::TDaziData* data;
    TTopicTreeModel tree;
    std::unique_ptr<TCompaniesTableForm> form;
    std::map<int, int> reads;
    std::map<int, int> failing;  // company -> how many reads fail
};

fs::path* CompaniesTableTest::folder = nullptr;
catalog::TDaziData* CompaniesTableTest::data = nullptr;

// --- Filling -----------------------------------------------------------------------

TEST_F(CompaniesTableTest, PlainListRootGivesEveryCompanyOncePerNameInRussianOrder) {
    form->FillFromTree(tree, plainListRoot());
    // Case-sensitive Russian order: "&" before letters, lower case first;
    // company 3 under two names gives two rows.
    EXPECT_EQ(rowList(), (std::vector<std::string>{
                             "Автобаза (4)", "Аптека &quot;Здоровье&quot; (1)", "аптека Север (6)",
                             "больница (7)", "Больница (2)", "Ленина Трейд (5)", "Медцентр (3)",
                             "Поликлиника (8)", "Центр Плюс (3)"}));
    EXPECT_TRUE(reads.empty()) << "filling reads no record";
}

TEST_F(CompaniesTableTest, TopicBranchWalksEveryDepthAndMergesTheSameCompanyUnderOneName) {
    form->FillFromTree(tree, topicNode("Медицина"));
    EXPECT_EQ(rowList(), (std::vector<std::string>{"Аптека &quot;Здоровье&quot; (1)", "Больница (2)",
                                                   "Медцентр (3)", "Поликлиника (8)"}));
    // A refill replaces the rows.
    form->FillFromTree(tree, topicNode("Зарубежные"));
    EXPECT_EQ(rowList(), (std::vector<std::string>{"Ленина Трейд (5)"}));
}

// A node of a generic item model carrying its TreeDataRec; the model owns it
// once appended.
QStandardItem* item(const char* name, int companyId) {
    catalog::TreeDataRec rec;
    rec.TopicName = cp(name);
    rec.CompanyID = companyId;
    rec.L = companyId >= 0 ? 2 : 1;
    rec.R = companyId >= 0 ? 3 : 10;
    auto* node = new QStandardItem(U(name));
    node->setData(QVariant::fromValue(rec), TTopicTreeModel::TreeDataRole);
    return node;
}

TEST_F(CompaniesTableTest, AnyModelGivingTreeDataRecsFillsTheSameRows) {
    // The same branch as a generic item model: a topic with a sub-topic.
    QStandardItemModel generic;
    QStandardItem* medicine = item("Медицина", -1);
    QStandardItem* clinics = item("Клиники", -1);
    clinics->appendRow(item("Медцентр", 3));
    clinics->appendRow(item("Больница", 2));
    clinics->appendRow(item("Поликлиника", 8));
    medicine->appendRow(clinics);
    medicine->appendRow(item("Аптека &quot;Здоровье&quot;", 1));
    medicine->appendRow(item("Больница", 2));
    generic.appendRow(medicine);

    form->FillFromTree(generic, generic.index(0, 0));
    const std::vector<std::string> fromGeneric = rowList();
    form->FillFromTree(tree, topicNode("Медицина"));
    EXPECT_EQ(fromGeneric, rowList());
}

TEST_F(CompaniesTableTest, OneNameOfOneCompanyMergesEvenWhenAnotherCompanyOfThatNameCameBetween) {
    // In Russian order already, and not: both give the same rows.
    const std::vector<std::vector<std::pair<const char*, int>>> walks = {
        {{"Альфа", 11}, {"Альфа", 10}, {"Альфа", 11}, {"Альфа", 12}, {"Альфа", 10}, {"Бета", 10}},
        {{"Бета", 10}, {"Альфа", 11}, {"Альфа", 10}, {"Альфа", 11}, {"Альфа", 12}, {"Альфа", 10}},
    };
    for (const auto& walk : walks) {
        QStandardItemModel generic;
        QStandardItem* group = item("Группа", -1);
        for (const auto& [name, id] : walk)
            group->appendRow(item(name, id));
        generic.appendRow(group);
        form->FillFromTree(generic, generic.index(0, 0));
        EXPECT_EQ(rowList(), (std::vector<std::string>{"Альфа (10)", "Альфа (11)", "Альфа (12)", "Бета (10)"}))
            << "walk starting with " << walk.front().first;
    }
}

TEST_F(CompaniesTableTest, NameIsShownWithItsCharacterReferencesResolved) {
    form->FillFromTree(tree, topicNode("Медицина"));
    EXPECT_EQ(cell(0, 0), U("Аптека \"Здоровье\""));
    EXPECT_EQ(form->Model().DisplayName(0), U("Аптека \"Здоровье\""));
}

// --- Address and phone -------------------------------------------------------------

struct CellsCase {
    const char* language;
    int companyId;
    const char* address;
    const char* phone;
};

TEST_F(CompaniesTableTest, AddressFollowsTheCatalogLanguageAndPhoneIsTheFirstOne) {
    const CellsCase cases[] = {
        {"Russian", 1, "Ленина 5, 220030, Минск, Беларусь", "(+375 17) 123-45-67"},
        {"Russian", 2, "Московское шоссе 12, д. Ивановка, 223050, Минский р-н, Беларусь", ""},
        {"Russian", 3, "пр. Победителей 9, 220004, Минск, Беларусь", "(8017) 222-33-44"},
        {"Russian", 4, "Мира & Труда 1, Гродно, Беларусь", "(0152) 77 88 99"},
        {"Russian", 5, "str. Lenina 5, City Minsk, 220000, Minsk, Беларусь", "(+375 17) 2000000"},
        {"English", 5, "5, Lenina str., 220000, Minsk, Minsk district, Belarus", "(+375 17) 2000000"},
        {"English", 1, "5, Ленина ул., 220030, Минск г., Belarus", "(+375 17) 123-45-67"},
        {"Russian", 6, "Брест, Беларусь", "8-800"},
        {"Russian", 7, "Смоленск, Россия", "(+375 29) 1112233"},
        {"Russian", 8, "Лида, Беларусь", "(+375 154) 5-55-55"},
    };
    const QModelIndex root = plainListRoot();
    for (const CellsCase& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " company " + std::to_string(c.companyId));
        resetForm();
        form->SetLanguage(U(c.language));
        form->FillFromTree(tree, root);
        const int row = rowOf(c.companyId);
        ASSERT_GE(row, 0);
        EXPECT_EQ(cell(row, TCompaniesTableModel::AddressColumn), U(c.address));
        EXPECT_EQ(cell(row, TCompaniesTableModel::PhoneColumn), U(c.phone));
        EXPECT_EQ(reads[c.companyId], 1) << "one record read for both cells";
    }
}

// --- Lazy loading ------------------------------------------------------------------

TEST_F(CompaniesTableTest, OnlyPaintedRowsAreRead) {
    form->FillFromTree(tree, plainListRoot());
    // Room for the header and a few rows of the nine.
    showForm(700, 80);
    form->grab();
    const QTreeView& view = form->Tree();
    const QRect visible = view.viewport()->rect();
    std::vector<int> shown;
    for (int r = 0; r < form->RowCount(); ++r)
        if (view.visualRect(form->Model().index(r, 0)).intersects(visible))
            shown.push_back(r);
    ASSERT_FALSE(shown.empty());
    ASSERT_LT(shown.back(), 5) << "the window must show only the first rows";
    for (int r = 0; r < form->RowCount(); ++r) {
        const bool painted = std::find(shown.begin(), shown.end(), r) != shown.end();
        EXPECT_EQ(reads[form->Model().Row(r).CompanyID] > 0, painted) << "row " << r;
        EXPECT_EQ(form->Model().Row(r).Cells[1].empty(), !painted) << "row " << r;
    }

    // A row asked for later is read then; each row keeps its own cells.
    const int last = form->RowCount() - 1;  // Центр Плюс, company 3
    EXPECT_EQ(cell(last, TCompaniesTableModel::AddressColumn), U("пр. Победителей 9, 220004, Минск, Беларусь"));
    EXPECT_EQ(reads[3], 1);
    EXPECT_EQ(cell(last, TCompaniesTableModel::PhoneColumn), U("(8017) 222-33-44"));
    EXPECT_EQ(reads[3], 1);
}

TEST_F(CompaniesTableTest, RowWithoutPhoneIsReadAgainOncePerPaintOthersNever) {
    form->FillFromTree(tree, topicNode("Медицина"));  // Больница (2) has no phone
    showForm(700, 300);
    form->grab();
    std::vector<int> readCompanies;
    for (const auto& [id, n] : reads)
        if (n > 0)
            readCompanies.push_back(id);
    ASSERT_EQ(readCompanies, (std::vector<int>{1, 2, 3, 8}));
    const std::map<int, int> before = reads;

    form->grab();
    form->grab();
    EXPECT_EQ(reads[1], before.at(1));
    EXPECT_EQ(reads[3], before.at(3));
    EXPECT_EQ(reads[8], before.at(8));
    EXPECT_EQ(reads[2], before.at(2) + 2);
}

TEST_F(CompaniesTableTest, FailedReadLeavesTheCellEmptyReachesTheErrorBoxAndIsRetriedNextPass) {
    form->FillFromTree(tree, topicNode("Медицина"));
    const int row = rowOf(8);
    failing[8] = 1;
    TCompaniesTableModel& model = form->Model();
    model.NewPass();
    EXPECT_EQ(cell(row, TCompaniesTableModel::AddressColumn), QString());
    EXPECT_EQ(cell(row, TCompaniesTableModel::PhoneColumn), QString());
    EXPECT_EQ(reads[8], 1) << "not tried twice in one pass";
    EXPECT_TRUE(application()->errors.empty()) << "not thrown through the view";
    QCoreApplication::processEvents();
    EXPECT_EQ(application()->errors, (std::vector<std::string>{"record 8 cannot be read"}));

    model.NewPass();
    EXPECT_EQ(cell(row, TCompaniesTableModel::AddressColumn), U("Лида, Беларусь"));
    EXPECT_EQ(reads[8], 2);
}

// --- The printed page --------------------------------------------------------------

// The page of the Транспорт branch (four rows), without a style sheet.
const char* const TransportPage =
    "<html>\r\n<head>\r\n</head>\r\n<body>\r\n<table cellspacing=\"1\">\r\n"
    "<tr>\r\n"
    "<td class=\"odd\">Автобаза</td>\r\n"
    "<td class=\"odd\">Мира & Труда 1, Гродно, Беларусь</td>\r\n"
    "<td class=\"odd\" nowrap>(0152) 77 88 99</td>\r\n"
    "</tr>\r\n"
    "<tr>\r\n"
    "<td class=\"even\">аптека Север</td>\r\n"
    "<td class=\"even\">Брест, Беларусь</td>\r\n"
    "<td class=\"even\" nowrap>8-800</td>\r\n"
    "</tr>\r\n"
    "<tr>\r\n"
    "<td class=\"odd\">больница</td>\r\n"
    "<td class=\"odd\">Смоленск, Россия</td>\r\n"
    "<td class=\"odd\" nowrap>(+375 29) 1112233</td>\r\n"
    "</tr>\r\n"
    "<tr>\r\n"
    "<td class=\"even\">Центр Плюс</td>\r\n"
    "<td class=\"even\">пр. Победителей 9, 220004, Минск, Беларусь</td>\r\n"
    "<td class=\"even\" nowrap>(8017) 222-33-44</td>\r\n"
    "</tr>\r\n"
    "</table>\r\n</body>\r\n</html>";

TEST_F(CompaniesTableTest, PrintedPageWithoutStyleSheet) {
    QTemporaryDir dir;
    form->SetStyleSheetPath(dir.filePath("TablePrintStyle.css"));  // not there
    form->FillFromTree(tree, topicNode("Транспорт"));
    EXPECT_EQ(text::cp1251ToUtf8(form->PrintHTML()), TransportPage);
    // Every row read once, none of them painted.
    EXPECT_EQ(reads, (std::map<int, int>{{3, 1}, {4, 1}, {6, 1}, {7, 1}}));
}

TEST_F(CompaniesTableTest, PrintedPageLinksAnExistingStyleSheetFoundWithoutLetterCase) {
    QTemporaryDir dir;
    QFile css(dir.filePath("tableprintstyle.css"));
    ASSERT_TRUE(css.open(QIODevice::WriteOnly));
    css.write("td.odd { background-color: #e0e0ff; }\n");
    css.close();
    form->SetStyleSheetPath(dir.filePath("TablePrintStyle.css"));
    form->FillFromTree(tree, topicNode("Транспорт"));

    std::string expected = TransportPage;
    const std::string link =
        "<link href=\"" + dir.filePath("tableprintstyle.css").toStdString() + "\" rel=\"stylesheet\" type=\"text/css\"/>";
    expected.insert(expected.find("</head>"), link);
    EXPECT_EQ(text::cp1251ToUtf8(form->PrintHTML()), expected);
}

TEST(StyleSheetHref, BackslashesBecomeSlashesThenColonsBars) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(D:\Cat\Data\x\Russian\TablePrintStyle.css)", "D|/Cat/Data/x/Russian/TablePrintStyle.css"},
        {"/opt/marvenic/Data/x/Russian/TablePrintStyle.css", "/opt/marvenic/Data/x/Russian/TablePrintStyle.css"},
        {"/a:b\\c.css", "/a|b/c.css"},
    };
    for (const auto& [path, href] : cases)
        EXPECT_EQ(search::StyleSheetHref(U(path)), U(href)) << path;
}

TEST_F(CompaniesTableTest, MarkedOnlyPrintsTheCheckedRowsAndReadsNoOther) {
    form->FillFromTree(tree, topicNode("Транспорт"));
    form->SetCheckBoxes(true);
    setChecked(1);  // аптека Север
    setChecked(3);  // Центр Плюс
    form->SetMarkedOnly(true);
    EXPECT_EQ(text::cp1251ToUtf8(form->PrintHTML()),
              "<html>\r\n<head>\r\n</head>\r\n<body>\r\n<table cellspacing=\"1\">\r\n"
              "<tr>\r\n"
              "<td class=\"odd\">аптека Север</td>\r\n"
              "<td class=\"odd\">Брест, Беларусь</td>\r\n"
              "<td class=\"odd\" nowrap>8-800</td>\r\n"
              "</tr>\r\n"
              "<tr>\r\n"
              "<td class=\"even\">Центр Плюс</td>\r\n"
              "<td class=\"even\">пр. Победителей 9, 220004, Минск, Беларусь</td>\r\n"
              "<td class=\"even\" nowrap>(8017) 222-33-44</td>\r\n"
              "</tr>\r\n"
              "</table>\r\n</body>\r\n</html>");
    EXPECT_EQ(reads, (std::map<int, int>{{3, 1}, {6, 1}}));

    // Hidden check boxes keep their marks; without MarkedOnly every row prints.
    form->SetCheckBoxes(false);
    EXPECT_EQ(text::cp1251ToUtf8(form->PrintHTML()).find("Автобаза"), std::string::npos);
    form->SetMarkedOnly(false);
    EXPECT_EQ(text::cp1251ToUtf8(form->PrintHTML()), TransportPage);
}

TEST_F(CompaniesTableTest, MarkedOnlyWithNothingCheckedPrintsAnEmptyTable) {
    form->FillFromTree(tree, topicNode("Транспорт"));
    form->SetCheckBoxes(true);
    form->SetAllChecks(true);
    form->SetAllChecks(false);
    form->SetMarkedOnly(true);
    EXPECT_EQ(form->PrintHTML(),
              "<html>\r\n<head>\r\n</head>\r\n<body>\r\n<table cellspacing=\"1\">\r\n"
              "</table>\r\n</body>\r\n</html>");
    EXPECT_TRUE(reads.empty());
}

TEST_F(CompaniesTableTest, CheckBoxesAreOnTheNameCellOnlyWhileShown) {
    form->FillFromTree(tree, topicNode("Транспорт"));
    TCompaniesTableModel& model = form->Model();
    const QModelIndex name = model.index(0, 0);
    EXPECT_FALSE(model.flags(name) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.data(name, Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model.setData(name, Qt::Checked, Qt::CheckStateRole));

    form->SetCheckBoxes(true);
    EXPECT_TRUE(model.flags(name) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(model.data(name, Qt::CheckStateRole), QVariant(Qt::Unchecked));
    form->SetAllChecks(true);
    for (int r = 0; r < model.RowCount(); ++r)
        EXPECT_EQ(model.data(model.index(r, 0), Qt::CheckStateRole), QVariant(Qt::Checked));
}

TEST_F(CompaniesTableTest, BuildPrintHTMLShowsThePageInTheViewer) {
    form->FillFromTree(tree, topicNode("Транспорт"));
    QTextBrowser viewer;
    form->BuildPrintHTML(viewer);
    const QString plain = viewer.toPlainText();
    EXPECT_TRUE(plain.contains(U("Мира & Труда 1, Гродно, Беларусь"))) << plain.toStdString();
    EXPECT_TRUE(plain.contains(U("(8017) 222-33-44")));
}

// --- Type-ahead ----------------------------------------------------------------------

struct TypeAheadCase {
    const char* name;
    std::vector<std::pair<const char*, qint64>> keys;  // text, time in ms
    int start;         // the current row before typing
    int expectedRow;   // the current row after
    const char* expectedText;
};

TEST(TypeAhead, JumpsToTheNextRowStartingWithTheTypedLettersAndRestartsAfterSixSeconds) {
    const QStringList rows = {U("Автобаза"), U("аптека Север"), U("Аптека Юг"), U("больница"), U("Больница"), U("Центр")};
    const TypeAheadCase cases[] = {
        {"first letter from nowhere", {{"а", 0}}, -1, 0, "а"},
        {"a new search starts after the current row", {{"а", 0}}, 0, 1, "а"},
        {"a continued search keeps a row that still matches", {{"а", 0}, {"п", 100}}, -1, 1, "ап"},
        {"letter case is ignored", {{"А", 0}, {"П", 10}, {"Т", 20}, {"Е", 30}, {"К", 40}, {"А", 50}, {" ", 60}, {"Ю", 70}}, -1, 2, "АПТЕКА Ю"},
        {"6000 ms still continues", {{"б", 0}, {"о", 6000}}, -1, 3, "бо"},
        {"6001 ms starts afresh", {{"б", 0}, {"б", 6001}}, -1, 4, "б"},
        {"no match keeps the row", {{"б", 0}, {"б", 100}}, -1, 3, "бб"},
        {"the walk wraps at the end", {{"ц", 0}, {"а", 7000}}, -1, 0, "а"},
    };
    for (const TypeAheadCase& c : cases) {
        SCOPED_TRACE(c.name);
        qint64 now = 0;
        TTypeAhead typeAhead([&now] { return now; });
        int current = c.start;
        for (const auto& [key, time] : c.keys) {
            now = time;
            typeAhead.Type(U(key));
            const int row = typeAhead.FindRow(static_cast<int>(rows.size()), current,
                                              [&rows](int r) { return rows[r]; });
            if (row >= 0)
                current = row;
        }
        EXPECT_EQ(current, c.expectedRow);
        EXPECT_EQ(typeAhead.SearchText(), U(c.expectedText));
    }
}

TEST_F(CompaniesTableTest, TypingInTheTableMovesTheFocusedRow) {
    form->FillFromTree(tree, topicNode("Транспорт"));  // Автобаза, аптека Север, больница, Центр Плюс
    showForm(700, 300);
    qint64 now = 1000;
    form->Tree().TypeAhead().SetClock([&now] { return now; });
    form->Tree().setFocus();
    type(U("ЦЕН"));
    EXPECT_EQ(form->Tree().currentIndex().row(), 3);
    EXPECT_TRUE(form->Tree().selectionModel()->isRowSelected(3, {}));
    now += 7000;
    type(U("б"));
    EXPECT_EQ(form->Tree().currentIndex().row(), 2);
    type(U("ольн"));
    EXPECT_EQ(form->Tree().currentIndex().row(), 2);
}

// --- Double click --------------------------------------------------------------------

TEST_F(CompaniesTableTest, DoubleClickOnTheFocusedRowRaisesOnCompanyDblClick) {
    form->FillFromTree(tree, topicNode("Медицина"));  // Аптека, Больница, Медцентр, Поликлиника
    showForm(700, 300);
    std::vector<int> raised;
    QObject::connect(form.get(), &TCompaniesTableForm::OnCompanyDblClick,
                     [&raised](int id) { raised.push_back(id); });
    QTreeView& view = form->Tree();
    const QPoint centre = view.visualRect(form->Model().index(2, 1)).center();
    // What the window system sends for a double click.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(raised, std::vector<int>{3});

    // The row under the mouse is not the focused one: nothing.
    view.setCurrentIndex(form->Model().index(0, 0));
    form->TreeDblClick(form->Model().index(1, 0));
    form->TreeDblClick(QModelIndex());
    EXPECT_EQ(raised, std::vector<int>{3});
}

// --- The window ----------------------------------------------------------------------

TEST_F(CompaniesTableTest, ColumnsHeaderColoursAndFontAreTheTables) {
    QTreeView& view = form->Tree();
    QHeaderView& header = *view.header();
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal), QVariant(U("Название")));
    EXPECT_EQ(view.model()->headerData(1, Qt::Horizontal), QVariant(U("Адрес")));
    EXPECT_EQ(view.model()->headerData(2, Qt::Horizontal), QVariant(U("Телефон")));
    EXPECT_EQ(header.sectionSize(0), 260);
    EXPECT_EQ(header.sectionSize(1), 245);
    EXPECT_EQ(header.sectionSize(2), 130);
    EXPECT_EQ(header.sizeHint().height(), 20);
    EXPECT_EQ(header.sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(view.palette().color(QPalette::Base), QColor(255, 255, 225));
    EXPECT_EQ(view.font().family(), U("Arial"));
    EXPECT_EQ(view.font().pixelSize(), 13);
    EXPECT_EQ(view.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(view.rootIsDecorated());

    // Name and address stay between 50 and 1000 pixels; the phone does not.
    const std::tuple<int, int, int> resizes[] = {{0, 20, 50}, {0, 2000, 1000}, {1, 49, 50},
                                                 {1, 1001, 1000}, {1, 300, 300}, {2, 20, 20}};
    for (const auto& [section, asked, kept] : resizes) {
        header.resizeSection(section, asked);
        EXPECT_EQ(header.sectionSize(section), kept) << "section " << section << " asked " << asked;
    }
}

TEST(CompaniesTableLanguage, CaptionsComeInTheCurrentLanguage) {
    lang::InitLanguageLayer(QStringLiteral(MARVENIC_DIST_DIR));
    ASSERT_TRUE(lang::LanguageComponent()->Active()) << "the program folder's Lang.lng";
    {
        // Created in Russian, then the language changes under it.
        TCompaniesTableForm russian;
        lang::SetCurrentLanguage(QStringLiteral("English"));
        EXPECT_EQ(russian.Model().headerData(0, Qt::Horizontal), QVariant(U("Name")));
        EXPECT_EQ(russian.Model().headerData(2, Qt::Horizontal), QVariant(U("Phone")));
        // Created while English is current.
        TCompaniesTableForm english;
        lang::TranslateWindow(&english);
        EXPECT_EQ(english.Model().headerData(0, Qt::Horizontal), QVariant(U("Name")));
        EXPECT_EQ(english.Model().headerData(1, Qt::Horizontal), QVariant(U("Address")));
        EXPECT_EQ(english.Model().headerData(2, Qt::Horizontal), QVariant(U("Phone")));
    }
    lang::DoneLanguageLayer();
}

}  // namespace

int main(int argc, char** argv) {
    // Discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TTestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
