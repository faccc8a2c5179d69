// Field paths to SQL, and the cp1251 text helpers behind them.
#include "catalog/collation.h"
#include "catalog/paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace catalog;

namespace {

const std::string Key = "<Mpvrtoyxa374kcuqbzjnLKPoatvmu";

struct ExpressionCase {
    std::string path;
    std::string expression;
};

struct TablesCase {
    std::vector<std::string> paths;
    std::vector<std::string> tables;
    std::string from;
    std::string join;
};

}  // namespace

TEST(Paths, PathExpression) {
    const ExpressionCase cases[] = {
        {"name", "SUPERSELECT(XML, 'name', '" + Key + "')"},
        {"address/street", "SUPERSELECT(XML, 'address/street', '" + Key + "')"},
        {"o'clock", "SUPERSELECT(XML, 'o'clock', '" + Key + "')"},  // quotes are not doubled
        {"db:keywords/keyword", "keywords.keyword"},
        {"db:Regions/Name/Short", "Regions.Name/Short"},  // split at the first "/"
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathExpression(c.path), c.expression) << c.path;
}

TEST(Paths, TablesFromAndJoin) {
    const TablesCase cases[] = {
        {{"name", "address/street"}, {}, "", ""},
        {{"db:keywords/keyword", "name"},
         {"keywords"},
         ", keywords, SEARCH_TEMP",
         " AND Companies.CompanyID = keywords.CompanyID"},
        // Sorted with case ignored, first form wins, KEYWORDS in any case brings SEARCH_TEMP.
        {{"db:Regions/Name", "phone", "db:KeyWords/keyword", "db:REGIONS/Code", "db:activities/a"},
         {"activities", "KeyWords", "Regions"},
         ", activities, KeyWords, SEARCH_TEMP, Regions",
         " AND Companies.CompanyID = activities.CompanyID"
         " AND Companies.CompanyID = KeyWords.CompanyID"
         " AND Companies.CompanyID = Regions.CompanyID"},
    };
    for (const auto& c : cases) {
        const std::string label = c.paths.front();
        EXPECT_EQ(PathTables(c.paths), c.tables) << label;
        EXPECT_EQ(PathTablesFrom(c.paths), c.from) << label;
        EXPECT_EQ(PathTablesJoin(c.paths), c.join) << label;
    }
}

TEST(Text1251, TrimAndUpperCaseIncludingCyrillic) {
    EXPECT_EQ(Trim(" \t\x01 abc d\r\n"), "abc d");
    EXPECT_EQ(Trim("\x1f\x20"), "");
    // "мёд ўі abc" -> "МЁД ЎІ ABC"
    EXPECT_EQ(UpperCase1251("\xec\xb8\xe4 \xa2\xb3 abc"), "\xcc\xa8\xc4 \xa1\xb2 ABC");
    EXPECT_TRUE(SameText1251("\xec\xe5\xe4", "\xcc\xc5\xc4"));
    EXPECT_FALSE(SameText1251("\xec\xe5\xe4", "\xcc\xc5"));
}

TEST(CompareRussian, OrdersCyrillicAlphabeticallyAndIsCaseSensitive) {
    // cp1251: "Жук", "Банк", "ель", "Авто", "Яблоко", "ёлка"
    std::vector<std::string> names = {"\xc6\xf3\xea", "\xc1\xe0\xed\xea", "\xe5\xeb\xfc",
                                      "\xc0\xe2\xf2\xee", "\xdf\xe1\xeb\xee\xea\xee",
                                      "\xb8\xeb\xea\xe0"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareRussian(a, b) < 0; });
    const std::vector<std::string> expected = {"\xc0\xe2\xf2\xee", "\xc1\xe0\xed\xea",
                                               "\xb8\xeb\xea\xe0", "\xe5\xeb\xfc",
                                               "\xc6\xf3\xea", "\xdf\xe1\xeb\xee\xea\xee"};
    EXPECT_EQ(names, expected);
    // Byte order would put "Я" (0xDF) before "а" (0xE0) and "ё" (0xB8) before all.
    EXPECT_GT(CompareRussian("\xdf", "\xe0"), 0);
    EXPECT_NE(CompareRussian("\xe0\xe2\xf2\xee", "\xc0\xe2\xf2\xee"), 0);  // "авто" / "Авто"
    EXPECT_EQ(CompareRussian("\xc0\xe2\xf2\xee", "\xc0\xe2\xf2\xee"), 0);
}
