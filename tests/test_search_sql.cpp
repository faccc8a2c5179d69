// Search conditions to SQL: the statement texts and parameters, searches
// against the fixture catalog, and the stored conditions of a selection.
#include "catalog_fixture.h"

#include "catalog/collation.h"
#include "catalog/paths.h"
#include "catalog/scramble.h"
#include "catalog/search_sql.h"
#include "catalog/selection_conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace catalog;
using namespace catalog_test;
using namespace catalog_test::names;

namespace {

const std::string Key(RecordKey);
const std::string Keywords(KeywordPath);
const std::string Med = "\xec\xe5\xe4";            // мед
const std::string MedUpper = "\xcc\xc5\xc4";       // МЕД
const std::string MinskLower = "\xec\xe8\xed\xf1\xea";  // минск
const std::string GrodnoUpper = "\xc3\xd0\xce\xc4\xcd\xce";  // ГРОДНО
const std::string Romashka = "\xce\xce\xce \xd0\xee\xec\xe0\xf8\xea\xe0";  // ООО Ромашка

std::string superselect(const std::string& path) {
    return "SUPERSELECT(XML, '" + path + "', '" + Key + "')";
}

std::vector<std::string> paramTexts(const fb::Params& params) {
    std::vector<std::string> texts;
    for (const fb::Param& p : params) {
        EXPECT_EQ(p.kind(), fb::Param::Kind::Text);
        texts.push_back(p.bytes());
    }
    return texts;
}

class SearchTest : public CatalogTest {
protected:
    // Members of a selection, sorted, repeats kept.
    std::vector<int> members(int selectionId) {
        auto rs = direct().open("SELECT CompanyID FROM Selections WHERE SelectionID = ?",
                                {fb::Param::integer(selectionId)});
        std::vector<int> ids;
        while (rs->next())
            ids.push_back(rs->getInt(0));
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    std::vector<int> searchTemp() {
        auto rs = direct().open("SELECT CompanyID FROM SEARCH_TEMP ORDER BY 1");
        std::vector<int> ids;
        while (rs->next())
            ids.push_back(rs->getInt(0));
        return ids;
    }
    void addMembers(int selectionId, const std::vector<int>& companies) {
        for (int company : companies)
            direct().execute("INSERT INTO Selections (SelectionID, CompanyID) VALUES (?, ?)",
                             {fb::Param::integer(selectionId), fb::Param::integer(company)});
    }
    std::vector<int> search(const TQueryConditions& conditions, bool all) {
        CreateSelection(data, 50, conditions, all);
        std::vector<int> found = members(50);
        direct().execute("DELETE FROM Selections WHERE SelectionID = 50");
        return found;
    }
};

// --- Statement texts and parameters ------------------------------------------

TEST_F(SearchTest, WorkedExampleGivesTheExactStatement) {
    const TQueryConditions conditions = {{"name", Med, false}, {Keywords, PharmacyWord, false}};
    const std::string where = BuildConditionText(data, conditions, true);
    const TSearchStatement s = SelectionStatement(5, conditions, where);
    EXPECT_EQ(s.SQL,
              "INSERT INTO Selections (SelectionID, CompanyID) SELECT 5, Companies.CompanyID "
              "FROM Companies, keywords, SEARCH_TEMP WHERE (UPPER(" + superselect("name") +
              ") LIKE :PN0 AND Companies.CompanyID = SEARCH_TEMP.CompanyID ) "
              "AND Companies.CompanyID = keywords.CompanyID;");
    EXPECT_EQ(paramTexts(s.Params), std::vector<std::string>{"%" + MedUpper + "%"});
    EXPECT_EQ(searchTemp(), std::vector<int>{11});  // the companies with АПТЕКА
}

TEST_F(SearchTest, ConditionTextsAndParameters) {
    const std::string name = "UPPER(" + superselect("name") + ")";
    const std::string phone = "UPPER(" + superselect("phone") + ")";
    const std::string filter = "Companies.CompanyID = SEARCH_TEMP.CompanyID";
    struct Case {
        const char* what;
        TQueryConditions conditions;
        bool all;
        std::string where;
        std::vector<std::string> params;
    };
    const Case cases[] = {
        {"one condition: one trailing blank, no AND", {{"name", Med, false}}, true,
         name + " LIKE :PN0 ", {"%" + MedUpper + "%"}},
        {"negated: NOT LIKE, the value still between percent signs", {{"name", Med, true}}, true,
         name + " NOT LIKE :PN0 ", {"%" + MedUpper + "%"}},
        {"numbered over plain conditions only",
         {{"name", "a", false}, {Keywords, Doctor, false}, {"phone", "2", false}}, true,
         name + " LIKE :PN0 AND " + filter + " AND " + phone + " LIKE :PN1 ", {"%A%", "%2%"}},
        {"OR", {{"name", "a", false}, {"phone", " 2 ", true}}, false,
         name + " LIKE :PN0 OR " + phone + " NOT LIKE :PN1 ", {"%A%", "% 2 %"}},
        {"only a keyword, Negate ignored", {{Keywords, Doctor, true}}, false, filter + " ", {}},
        {"a table path other than keywords",
         {{"db:Images/ImageName", "png", false}}, true,
         "UPPER(Images.ImageName) LIKE :PN0 ", {"%PNG%"}},
        {"no conditions", {}, true, "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildConditionText(data, c.conditions, c.all), c.where) << c.what;
        EXPECT_EQ(paramTexts(SearchParams(c.conditions)), c.params) << c.what;
    }
}

TEST_F(SearchTest, TablePathsBringTheirTablesAndJoins) {
    const TQueryConditions conditions = {
        {"db:Images/ImageName", "png", false}, {Keywords, Doctor, false}, {"name", "a", false}};
    const TSearchStatement s = SelectionStatement(7, conditions, "W");
    EXPECT_EQ(s.SQL,
              "INSERT INTO Selections (SelectionID, CompanyID) SELECT 7, Companies.CompanyID "
              "FROM Companies, Images, keywords, SEARCH_TEMP WHERE (W) "
              "AND Companies.CompanyID = Images.CompanyID AND Companies.CompanyID = keywords.CompanyID;");
    EXPECT_EQ(paramTexts(s.Params), (std::vector<std::string>{"%PNG%", "%A%"}));

    EXPECT_EQ(SelectionStatement(8, {{"name", "a", false}}, "W").SQL,
              "INSERT INTO Selections (SelectionID, CompanyID) SELECT 8, Companies.CompanyID "
              "FROM Companies WHERE (W);");
}

TEST_F(SearchTest, WithinStatementFiltersTheSourceSelection) {
    const TQueryConditions conditions = {{"name", Med, false}, {Keywords, Doctor, false}};
    const TSearchStatement s = SelectionWithinStatement(3, 12, conditions, "W");
    EXPECT_EQ(s.SQL,
              "INSERT INTO Selections (SelectionID, CompanyID) SELECT 12, Companies.CompanyID "
              "FROM Companies, Selections, keywords, SEARCH_TEMP "
              "WHERE (Companies.CompanyID = Selections.CompanyID AND Selections.SelectionID = 3) "
              "AND (W)  AND Companies.CompanyID = keywords.CompanyID;");
    EXPECT_EQ(paramTexts(s.Params), std::vector<std::string>{"%" + MedUpper + "%"});
    EXPECT_EQ(SelectionWithinStatement(3, 12, {{"name", "a", false}}, "W").SQL,
              "INSERT INTO Selections (SelectionID, CompanyID) SELECT 12, Companies.CompanyID "
              "FROM Companies, Selections "
              "WHERE (Companies.CompanyID = Selections.CompanyID AND Selections.SelectionID = 3) "
              "AND (W) ;");
}

TEST(KeywordWords, SplitAtTabBlankAndSemicolonAndTrim) {
    EXPECT_EQ(KeywordWords("  a\tbb;;c  d\r "), (std::vector<std::string>{"a", "bb", "c", "d"}));
    EXPECT_TRUE(KeywordWords(" \t; ").empty());
    EXPECT_TRUE(KeywordWords("").empty());
    EXPECT_EQ(KeywordWords("x'y,z"), std::vector<std::string>{"x'y,z"});
}

TEST(KeywordStatements, CarryTheWordAsParametersOnly) {
    for (std::string_view sql : {AddKeywordMatchesStatement, KeepKeywordMatchesStatement}) {
        EXPECT_NE(sql.find("UPPER(Keywords.keyword) LIKE CAST(:Word AS"), std::string_view::npos) << sql;
        EXPECT_EQ(sql.find('\''), std::string_view::npos) << sql;
    }
    // Prefix (up to the first wildcard) and the whole pattern, upper-cased.
    const std::vector<std::string> cases[] = {
        {Doctor, "\xc2\xd0\xc0\xd7", "\xc2\xd0\xc0\xd7"},
        {"kli%n_a", "KLI", "KLI%N_A"},
        {"a_b%", "A", "A_B%"},
        {"%x", "", "%X"},
        {"o'brien", "O'BRIEN", "O'BRIEN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paramTexts(KeywordParams(c[0])), (std::vector<std::string>{c[1], c[2]})) << c[0];
}

// --- Searches against the fixture catalog --------------------------------------

TEST_F(SearchTest, SearchesFindTheMatchingCompanies) {
    // 10 Медицинский центр (Минск, phone), 11 Аптека Здоровье (МИНСК),
    // 12 Больница (Брест), 13 Автобаза (гродно), 14 Fourteen ("  брест "),
    // 15 Fifteen (no address, no phone).
    struct Case {
        const char* what;
        TQueryConditions conditions;
        bool all;
        std::vector<int> found;
    };
    const Case cases[] = {
        {"Cyrillic folded both ways", {{"name", Med, false}}, true, {10}},
        {"upper-case value, lower-case data", {{"address/city", GrodnoUpper, false}}, true, {13}},
        {"AND", {{"address/city", MinskLower, false}, {"name", Med, false}}, true, {10}},
        {"OR", {{"name", Med, false}, {"address/city", BrestLower, false}}, false, {10, 12, 14}},
        {"NOT LIKE skips a missing field", {{"address/city", MinskLower, true}}, true, {12, 13, 14}},
        {"an absent field satisfies neither LIKE", {{"phone", "", false}}, true, {10}},
        {"... nor NOT LIKE", {{"phone", "999", true}}, true, {10}},
        {"keyword, once per keyword row", {{Keywords, Doctor, false}}, true, {10, 10, 12, 12}},
        {"two keywords: both needed", {{Keywords, Clinic + " " + UpperCase1251(Doctor), false}}, true,
         {10, 10}},
        {"two keywords, none has both", {{Keywords, PharmacyWord + ";" + Doctor, false}}, true, {}},
        {"typed wildcards: trailing %", {{Keywords, "\xca\xcb\xc8\xcd%", false}}, true, {10, 10}},
        {"... leading %", {{Keywords, "%\xe0\xf7", false}}, true, {10, 10, 12, 12}},
        {"... inner _", {{Keywords, "\xe2\xf0_\xf7", false}}, true, {10, 10, 12, 12}},
        {"no wildcard: the whole keyword", {{Keywords, "\xe2\xf0\xe0", false}}, true, {}},
        {"keyword among others", {{"name", Med, true}, {Keywords, Doctor, false}}, true, {12, 12}},
        {"blank keyword: nothing, also under OR", {{"name", Med, false}, {Keywords, "  ", false}},
         false, {}},
        {"keyword OR another field",
         {{Keywords, TransportWord, false}, {"address/city", BrestLower, false}}, false, {12, 12, 13}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(search(c.conditions, c.all), c.found) << c.what;
}

TEST_F(SearchTest, CreateSelectionWithinKeepsToTheSource) {
    addMembers(1, {10, 11, 14, 15});
    CreateSelectionWithin(data, 1, 2, true, {{"name", Med, true}});
    EXPECT_EQ(members(2), (std::vector<int>{11, 14, 15}));
    CreateSelectionWithin(data, 1, 3, true, {{Keywords, Doctor, false}});
    EXPECT_EQ(members(3), (std::vector<int>{10, 10}));
    CreateSelectionWithin(data, 1, 4, false, {{"address/city", BrestLower, false}, {"name", "fif", false}});
    EXPECT_EQ(members(4), (std::vector<int>{14, 15}));
    EXPECT_EQ(members(1), (std::vector<int>{10, 11, 14, 15}));
}

TEST_F(SearchTest, NoConditionsRunNothing) {
    direct().execute("INSERT INTO SEARCH_TEMP (CompanyID) VALUES (13)");
    CreateSelection(data, 9, {}, true);
    CreateSelectionWithin(data, 1, 9, false, {});
    EXPECT_TRUE(members(9).empty());
    EXPECT_EQ(searchTemp(), std::vector<int>{13});
}

TEST_F(SearchTest, QuotesInTypedTextAreOnlyText) {
    direct().execute("INSERT INTO Keywords (CompanyID, Keyword) VALUES (14, 'o''brien')");
    const std::string injection = "x'); DELETE FROM Companies; --";
    const std::string valueInjection = "x' OR 1=1 OR '' = '";
    const int before = countRows("SELECT COUNT(*) FROM Companies");
    EXPECT_EQ(search({{Keywords, "O'BRIEN", false}}, true), std::vector<int>{14});
    EXPECT_EQ(search({{Keywords, injection, false}}, true), std::vector<int>{});
    EXPECT_EQ(search({{Keywords, "o'brien " + injection, false}}, true), std::vector<int>{});
    EXPECT_EQ(search({{"name", valueInjection, false}}, true), std::vector<int>{});
    EXPECT_EQ(search({{"name", injection, true}, {Keywords, "o'brien", false}}, true),
              std::vector<int>{14});
    EXPECT_EQ(countRows("SELECT COUNT(*) FROM Companies"), before);
    EXPECT_EQ(countRows("SELECT COUNT(*) FROM Keywords WHERE CompanyID = 14"), 1);
}

TEST_F(SearchTest, AWordLongerThanTheKeywordColumnFindsNothing) {
    EXPECT_EQ(search({{Keywords, std::string(150, 'a'), false}}, true), std::vector<int>{});
    EXPECT_EQ(search({{Keywords, Doctor + " " + std::string(150, '%'), false}}, true),
              (std::vector<int>{10, 10, 12, 12}));
}

TEST_F(SearchTest, SearchTempIsEmptiedBySearchAndLeftFilled) {
    direct().execute("INSERT INTO SEARCH_TEMP (CompanyID) VALUES (13)");
    search({{"name", Med, false}}, true);
    EXPECT_TRUE(searchTemp().empty());
    search({{Keywords, Doctor, false}}, true);
    EXPECT_EQ(searchTemp(), (std::vector<int>{10, 12}));
}

// --- Stored conditions -----------------------------------------------------------

TEST(ConditionsToText, QuotesEntriesThatNeedIt) {
    EXPECT_EQ(ConditionsToText({{"name", Romashka, false}, {"phone", "2", false}}),
              "\"name=" + Romashka + "\",phone=2");
    EXPECT_EQ(ConditionsToText({{"name", "Say \"hi\"", false}}), "\"name=Say \"\"hi\"\"\"");
    EXPECT_EQ(ConditionsToText({{"a", "1,2", true}, {"b", "x\ty", false}}), "\"a=1,2\",\"b=x\ty\"");
    EXPECT_EQ(ConditionsToText({}), "");
}

TEST_F(SearchTest, StoredConditionsComeBack) {
    struct Case {
        const char* what;
        TQueryConditions stored;
        TQueryConditions back;
    };
    const Case cases[] = {
        {"blank and bare", {{"name", Romashka, true}, {"phone", "2", false}},
         {{"name", Romashka, false}, {"phone", "2", false}}},
        {"quotes and commas", {{"name", "\"A\", B", false}, {Keywords, "x,,y\"", false}},
         {{"name", "\"A\", B", false}, {Keywords, "x,,y\"", false}}},
        {"blanks at the ends kept", {{"name", "  m  ", false}}, {{"name", "  m  ", false}}},
        {"a single quote", {{"name", "O'Brien", false}}, {{"name", "O'Brien", false}}},
        {"cut at a second =", {{"name", "a=b", false}, {"phone", "", false}},
         {{"name", "a", false}, {"phone", "", false}}},
    };
    int id = 0;
    for (const Case& c : cases) {
        data.AddSelectionName(++id, c.what, ConditionsToText(c.stored));
        EXPECT_EQ(GetSelectionConditions(data, id), c.back) << c.what;
    }
    EXPECT_TRUE(GetSelectionConditions(data, 99).empty());
}

TEST(TextToConditions, SplitsAsStored) {
    const TQueryConditions ab = {{"a", "1", false}, {"b", "2", false}};
    EXPECT_EQ(TextToConditions(" a=1 ,\r\n b=2 "), ab);
    EXPECT_EQ(TextToConditions("a=1 b=2"), ab);  // a blank ends a bare entry
    EXPECT_EQ(TextToConditions("\"a=1\",b=2,"), ab);  // the empty last entry is dropped
    EXPECT_EQ(TextToConditions("\"\",a=1,, ,b=2"), ab);
    EXPECT_EQ(TextToConditions("name"), (TQueryConditions{{"name", "", false}}));
    EXPECT_TRUE(TextToConditions("").empty());
}

// The caller's sequence: next id, search, count, name with the conditions.
TEST_F(SearchTest, ANewSearchIsStoredWithItsConditions) {
    const TQueryConditions conditions = {{"name", Med, false}, {Keywords, Doctor, false}};
    const int id = data.GetMaxSelectionID() + 1;
    CreateSelection(data, id, conditions, true);
    const int count = data.GetSelectionCount(id);
    EXPECT_EQ(count, 2);
    data.AddSelectionName(id, "found", ConditionsToText(conditions));
    EXPECT_EQ(GetSelectionConditions(data, id), conditions);
    data.OpenSelectionList(id);
    ASSERT_TRUE(data.DataSet().next());
    EXPECT_EQ(data.DataSet().getInt("CompanyID"), 10);
    EXPECT_FALSE(data.DataSet().next());
}

}  // namespace
