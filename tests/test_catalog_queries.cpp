// The catalog queries of the data module against the fixture catalog.
#include "catalog_fixture.h"

#include "catalog/scramble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace catalog;
using namespace catalog_test;
using namespace catalog_test::names;

namespace {

const std::string Key(RecordKey);

std::vector<int> companyColumn(fb::ResultSet& ds, const char* column = "CompanyID") {
    std::vector<int> ids;
    while (ds.next())
        ids.push_back(ds.getInt(column));
    return ids;
}

}  // namespace

TEST_F(CatalogTest, OpenTopicsListsTheTreeInPreOrderWithStoredNames) {
    data.OpenTopics();
    fb::ResultSet& ds = data.DataSet();
    struct Row {
        int id, l, r;
        std::string name;
        bool company;
    };
    const std::vector<Row> expected = {
        {1, 1, 10, Medicine, false}, {2, 2, 7, Clinics, false}, {3, 3, 4, MedCentre, true},
        {4, 5, 6, Pharmacy, true},   {5, 8, 9, Hospital, true}, {6, 11, 16, Transport, false},
        {7, 12, 13, Depot, true},    {8, 14, 15, MedCentre, true}, {9, 17, 18, EmptyTopic, false},
    };
    for (const Row& row : expected) {
        ASSERT_TRUE(ds.next()) << row.id;
        EXPECT_EQ(ds.getInt("TopicID"), row.id);
        EXPECT_EQ(ds.getInt("L"), row.l);
        EXPECT_EQ(ds.getInt("R"), row.r);
        EXPECT_EQ(UnscrambleText(ds.getText("TopicName")), row.name);
        EXPECT_EQ(!ds.isNull("CompanyID"), row.company) << row.id;
    }
    EXPECT_FALSE(ds.next());

    // Scrambled names come as stored; unscrambling is the reader's business.
    data.OpenTopics();
    data.DataSet().next();
    data.DataSet().next();
    EXPECT_EQ(data.DataSet().getText("TopicName")[0], '\x7f');
}

TEST_F(CatalogTest, GetTopicPathJoinsTheUnscrambledAncestors) {
    const std::pair<int, std::string> cases[] = {
        {-1, ""},
        {1, Medicine},
        {9, EmptyTopic},
        {3, Medicine + " > " + Clinics + " > " + MedCentre},
        {4, Medicine + " > " + Clinics + " > " + Pharmacy},
        {8, Transport + " > " + MedCentre},
        {999, ""},
    };
    for (const auto& [id, path] : cases)
        EXPECT_EQ(data.GetTopicPath(id), path) << id;
}

TEST_F(CatalogTest, OpenCompanyListGroupsCompaniesAndOrdersByStoredName) {
    // The scrambled name (0x7F...) sorts first; company 10 is listed under two
    // topics with the same name and Property and comes once.
    data.OpenCompanyList(false);
    EXPECT_EQ(companyColumn(data.DataSet()), (std::vector<int>{11, 13, 12, 10}));
    data.OpenCompanyList(true);
    fb::ResultSet& ds = data.DataSet();
    ASSERT_TRUE(ds.next());
    EXPECT_EQ(ds.getText("TopicName"), MedCentre);
    EXPECT_EQ(ds.getInt("Property"), 2);
    EXPECT_EQ(ds.getInt("CompanyID"), 10);
    EXPECT_EQ(companyColumn(ds), (std::vector<int>{12, 13, 11}));
}

TEST_F(CatalogTest, OpenSelectionListGivesEachMemberOnce) {
    for (auto [sel, company] : {std::pair{5, 10}, {5, 12}, {5, 10}, {6, 13}})
        direct().execute("INSERT INTO Selections (SelectionID, CompanyID) VALUES (?, ?)",
                         {fb::Param::integer(sel), fb::Param::integer(company)});
    data.OpenSelectionList(5);
    fb::ResultSet& ds = data.DataSet();
    ASSERT_TRUE(ds.next());
    EXPECT_EQ(ds.getText("TopicName"), Hospital);
    EXPECT_EQ(ds.getInt("CompanyID"), 12);
    ASSERT_TRUE(ds.next());
    EXPECT_EQ(ds.getText("TopicName"), MedCentre);
    EXPECT_EQ(ds.getInt("CompanyID"), 10);
    EXPECT_FALSE(ds.next());

    data.OpenSelectionList(77);
    EXPECT_FALSE(data.DataSet().next());
}

TEST_F(CatalogTest, OpenIndexedTopicsByRecordPathOrdersByTheValue) {
    EXPECT_EQ(data.OpenIndexedTopics({"address/city"}), 7);
    fb::ResultSet& ds = data.DataSet();
    EXPECT_EQ(ds.columnCount(), 7);
    const int value = TDaziData::IndexedTopicsFirstValue;
    ASSERT_TRUE(ds.next());
    EXPECT_EQ(ds.getInt(0), 5);  // TopicID
    EXPECT_EQ(ds.getText(1), Hospital);
    EXPECT_EQ(ds.getInt(2), 8);  // L
    EXPECT_EQ(ds.getInt(3), 9);  // R
    EXPECT_EQ(ds.getInt(4), 12);  // CompanyID
    EXPECT_EQ(ds.getText(value), Brest);
    // Stored byte order: "МИНСК" < "Минск" < "гродно"; topic rows and
    // companies without topic rows take no part.
    std::vector<std::pair<int, std::string>> rest;
    std::set<int> topicsOf10;
    while (ds.next()) {
        rest.emplace_back(ds.getInt(4), ds.getText(value));
        if (ds.getInt(4) == 10)
            topicsOf10.insert(ds.getInt(0));
    }
    const std::vector<std::pair<int, std::string>> expected = {
        {11, MinskUpper}, {10, Minsk}, {10, Minsk}, {13, Grodno}};
    EXPECT_EQ(rest, expected);
    EXPECT_EQ(topicsOf10, (std::set<int>{3, 8}));
}

TEST_F(CatalogTest, OpenIndexedTopicsWithKeywordsNeedsSearchTempRows) {
    const std::vector<std::string> paths = {"name", "db:keywords/keyword"};
    data.OpenIndexedTopics(paths);
    EXPECT_FALSE(data.DataSet().next());

    direct().execute("INSERT INTO SEARCH_TEMP (CompanyID) VALUES (12)");
    EXPECT_EQ(data.OpenIndexedTopics(paths), 7);
    fb::ResultSet& ds = data.DataSet();
    EXPECT_EQ(ds.columnCount(), 8);
    std::vector<std::pair<int, std::string>> rows;
    while (ds.next())
        rows.emplace_back(ds.getInt(4), ds.getText(7));
    // Ordered by name, then keyword; company 10 once per topic row and keyword.
    const std::vector<std::pair<int, std::string>> expected = {
        {13, TransportWord}, {11, PharmacyWord}, {12, HospitalWord}, {12, Doctor},
        {10, Doctor},        {10, Doctor},       {10, Clinic},       {10, Clinic}};
    EXPECT_EQ(rows, expected);
}

TEST_F(CatalogTest, GetCompanyXMLUnscramblesTheRecord) {
    EXPECT_EQ(data.GetCompanyXML(10), recordOf(10));
    EXPECT_EQ(data.GetCompanyXML(15), recordOf(15));
    EXPECT_EQ(data.GetCompanyXML(999), "");
}

TEST_F(CatalogTest, SuperselectFoldsCyrillicUnderUpper) {
    const std::string byName = "SELECT CompanyID FROM Companies WHERE UPPER(SUPERSELECT(XML, 'name', '" +
                               Key + "')) LIKE '%\xcc\xc5\xc4%' ORDER BY CompanyID";  // %МЕД%
    EXPECT_EQ(companyColumn(data.OpenSQL(byName)), std::vector<int>{10});
    const std::string unfolded = "SELECT CompanyID FROM Companies WHERE SUPERSELECT(XML, 'name', '" +
                                 Key + "') LIKE '%\xcc\xc5\xc4%'";
    EXPECT_TRUE(companyColumn(data.OpenSQL(unfolded)).empty());
}

TEST_F(CatalogTest, FillDistinctValuesOfARecordPathIgnoresCaseDuplicates) {
    std::vector<std::string> values = {"kept"};
    data.FillDistinctValues("address/city", values);
    // "МИНСК" after "Минск" and the trimmed "брест" after "Брест" are dropped;
    // a record without the element gives nothing; Russian order.
    EXPECT_EQ(values, (std::vector<std::string>{"kept", Brest, Grodno, Minsk}));
}

TEST_F(CatalogTest, FillDistinctValuesOfATablePathUnscramblesInDatabaseOrder) {
    std::vector<std::string> values;
    data.FillDistinctValues("db:Topics0/TopicName", values);
    ASSERT_EQ(values.size(), 8u);
    // The two scrambled names sort first by their stored bytes.
    EXPECT_EQ((std::set<std::string>{values[0], values[1]}), (std::set<std::string>{Clinics, Pharmacy}));
    EXPECT_EQ(std::vector<std::string>(values.begin() + 2, values.end()),
              (std::vector<std::string>{Depot, Hospital, Medicine, MedCentre, EmptyTopic, Transport}));
}

TEST_F(CatalogTest, FillDistinctValuesOfKeywordsNeedsSearchTempRows) {
    std::vector<std::string> values;
    data.FillDistinctValues("db:keywords/keyword", values);
    EXPECT_TRUE(values.empty());
    direct().execute("INSERT INTO SEARCH_TEMP (CompanyID) VALUES (1)");
    data.FillDistinctValues("db:keywords/keyword", values);
    EXPECT_EQ(values, (std::vector<std::string>{PharmacyWord, HospitalWord, Doctor, Clinic, TransportWord}));
}

TEST_F(CatalogTest, FillIndexValuesKeepsDuplicatesAndStoredText) {
    direct().execute("INSERT INTO SEARCH_TEMP (CompanyID) VALUES (1)");
    std::vector<std::string> values = {"kept"};
    data.FillIndexValues("db:keywords/keyword", values);
    ASSERT_EQ(values.size(), 7u);
    EXPECT_EQ(values[0], "kept");
    std::vector<std::string> words(values.begin() + 1, values.end());
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{PharmacyWord, HospitalWord, Doctor, Doctor, Clinic,
                                               TransportWord}));

    std::vector<std::string> names;
    data.FillIndexValues("db:Topics0/TopicName", names);
    EXPECT_EQ(names.size(), 9u);
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& n) { return n[0] == '\x7f'; }),
              2);
}

TEST_F(CatalogTest, SelectionNamesAddListAndMaxId) {
    EXPECT_EQ(data.GetMaxSelectionID(), 0);
    const std::string conditions(5000, 'c');  // a blob, past any VARCHAR size
    const std::string name = "\xd0\xe5\xe7\xf3\xeb\xfc\xf2\xe0\xf2\xfb";  // Результаты
    data.AddSelectionName(3, name, conditions);
    data.AddSelectionName(1, "First", "");
    EXPECT_EQ(data.GetMaxSelectionID(), 3);

    data.OpenSelectionNames();
    fb::ResultSet& ds = data.DataSet();
    ASSERT_TRUE(ds.next());
    EXPECT_EQ(ds.getInt("SelectionID"), 1);
    EXPECT_EQ(ds.getText("SelectionName"), "First");
    ASSERT_TRUE(ds.next());
    EXPECT_EQ(ds.getInt("SelectionID"), 3);
    EXPECT_EQ(ds.getText("SelectionName"), name);
    EXPECT_EQ(ds.getText("SelectionConditions"), conditions);
    EXPECT_FALSE(ds.next());
}

TEST_F(CatalogTest, SelectionCountDeleteAndCopy) {
    data.AddSelectionName(5, "Five", "");
    data.AddSelectionName(6, "Six", "");
    for (auto [sel, company] : {std::pair{5, 10}, {5, 12}, {5, 10}, {6, 13}})
        direct().execute("INSERT INTO Selections (SelectionID, CompanyID) VALUES (?, ?)",
                         {fb::Param::integer(sel), fb::Param::integer(company)});

    EXPECT_EQ(data.GetSelectionCount(5), 3);  // no uniqueness assumed
    EXPECT_EQ(data.GetSelectionCount(42), 0);

    data.CopySelection(5, 7);
    EXPECT_EQ(data.GetSelectionCount(7), 3);
    EXPECT_EQ(data.GetSelectionCount(5), 3);
    EXPECT_EQ(countRows("SELECT COUNT(*) FROM Selections WHERE SelectionID = 7 AND CompanyID = 10"), 2);

    data.DeleteSelection(42);  // nothing to delete, no error
    data.DeleteSelection(5);
    EXPECT_EQ(data.GetSelectionCount(5), 0);
    EXPECT_EQ(countRows("SELECT COUNT(*) FROM SelectionNames WHERE SelectionID = 5"), 0);
    EXPECT_EQ(countRows("SELECT COUNT(*) FROM SelectionNames WHERE SelectionID = 6"), 1);
    EXPECT_EQ(data.GetSelectionCount(6), 1);
    EXPECT_EQ(data.GetSelectionCount(7), 3);
}

TEST_F(CatalogTest, NotesInsertReplaceAndDelete) {
    const std::string notesOf10 = "SELECT COUNT(*) FROM NOTES WHERE CompanyID = 10";
    EXPECT_EQ(data.GetNote(10), "");
    data.SetNote(10, "");  // no note, no text: nothing is written
    EXPECT_EQ(countRows(notesOf10), 0);

    data.SetNote(11, "other");
    const std::string first = "\xc7\xe2\xee\xed\xe8\xf2\xfc \xe2 \xef\xff\xf2\xed\xe8\xf6\xf3";
    data.SetNote(10, first);
    EXPECT_EQ(countRows(notesOf10), 1);
    EXPECT_EQ(data.GetNote(10), first);

    const std::string longer(40000, 'n');  // well past one blob segment
    data.SetNote(10, longer);
    EXPECT_EQ(countRows(notesOf10), 1);
    EXPECT_EQ(data.GetNote(10), longer);

    data.SetNote(10, "");
    EXPECT_EQ(countRows(notesOf10), 0);
    EXPECT_EQ(data.GetNote(10), "");
    EXPECT_EQ(data.GetNote(11), "other");
}
