// The order of company names: SortRussian against CompareRussian.
#include "catalog/build_structures.h"
#include "catalog/collation.h"
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> cp(const std::vector<std::string>& utf8) {
    std::vector<std::string> out;
    for (const std::string& s : utf8)
        out.push_back(text::utf8ToCp1251(s));
    return out;
}

std::vector<std::string> utf8(const std::vector<std::string>& cp1251) {
    std::vector<std::string> out;
    for (const std::string& s : cp1251)
        out.push_back(text::cp1251ToUtf8(s));
    return out;
}

TEST(RussianOrder, NamesSortAlphabeticallyCaseSensitively) {
    // Punctuation and digits first, then Cyrillic in alphabet order (ё with
    // е), lower case before upper case of the same word, Latin last.
    const std::vector<std::string> expected = {
        "\"Кавычки\"", "«Ромашка»", "10 Ключей", "2 Ключа", "аптека", "Аптека", "АПТЕКА", "Арка", "Борис",
        "ёж",          "Ель",      "Жук",       "ООО Ромашка", "Ромашка", "Яков",  "Alfa",  "beta", "Beta"};
    std::vector<std::string> names = cp(expected);
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        catalog::SortRussian(names);
        EXPECT_EQ(utf8(names), expected);
    }
}

// The sort keys behind SortRussian must give CompareRussian's order on any
// mix of letters, digits, blanks and punctuation.
TEST(RussianOrder, SortAgreesWithCompareRussian) {
    const std::string alphabet = text::utf8ToCp1251("аАбБвеЕёЁжЖзийЙкКлмоОпрстуфхцчшщъыьэюЯяіІўЎ") +
                                 "aAbBzZ019 -.,\"'&;()\xab\xbb\xb9";
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1), length(0, 12);
    std::vector<std::string> names;
    for (int i = 0; i < 400; ++i) {
        std::string name;
        for (std::size_t n = length(random); n > 0; --n)
            name += alphabet[letter(random)];
        names.push_back(name);
        if (i % 10 == 0)
            names.push_back(name);  // some equal names
    }
    catalog::SortRussian(names);
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LE(catalog::CompareRussian(names[i - 1], names[i]), 0)
            << text::cp1251ToUtf8(names[i - 1]) << " | " << text::cp1251ToUtf8(names[i]);
}

TEST(RussianOrder, RecordsSortByNameBothWaysKeepingEqualNamesInOrder) {
    std::vector<catalog::TreeDataRec> list;
    int id = 0;
    for (const std::string& name : cp({"Ява", "Альфа", "Бета", "Альфа", "альфа"})) {
        catalog::TreeDataRec r;
        r.TopicName = name;
        r.CompanyID = ++id;
        list.push_back(r);
    }
    const auto ids = [&] {
        std::vector<int> out;
        for (const auto& r : list)
            out.push_back(r.CompanyID);
        return out;
    };
    catalog::SortRussian(list);
    EXPECT_EQ(ids(), (std::vector<int>{5, 2, 4, 3, 1}));
    catalog::SortRussian(list, true);
    EXPECT_EQ(ids(), (std::vector<int>{1, 3, 2, 4, 5}));
}

TEST(NodePictures, FollowTheFirstPropertyBitSet) {
    struct Case {
        int companyId, l, r, property, picture;
    };
    const Case cases[] = {
        {10, 3, 4, 6, 106},  {10, 3, 4, 2, 105}, {10, 3, 4, 3, 105}, {10, 3, 4, 1, 104},
        {10, 3, 4, 9, 104},  {10, 3, 4, 8, 107}, {10, 3, 4, 0, 14},  {10, -2, -1, 4, 106},
        {-1, 3, 4, -1, 13},  {-1, 1, 8, -1, 13}, {-1, -2, -2, 0, 13}, {-1, -1, -1, 0, 13},
    };
    for (const Case& c : cases) {
        catalog::TreeDataRec r;
        r.CompanyID = c.companyId;
        r.L = c.l;
        r.R = c.r;
        r.Property = c.property;
        EXPECT_EQ(catalog::NodePicture(r), c.picture)
            << "company " << c.companyId << " L " << c.l << " R " << c.r << " Property " << c.property;
    }
}

}  // namespace
