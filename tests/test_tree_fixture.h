// Small catalogs for the tree builder and data mediator tests, built once per
// process with the catalog builder; each test suite works on its own copy.
//
// "tree" (TopicID: name, company id / Property; names are UTF-8 here):
//    1 Медицина
//      2 Клиники                      (stored scrambled)
//        3 Медицинский центр          10 / 2
//        4 Аптека Здоровье            11 / 1  (stored scrambled)
//      5 Больница                     12 / 0
//      6 Пустой раздел                a leaf topic without a company
//    7 Транспорт
//      8 Автобаза                     13 / 4
//      9 Медицинский центр            10 / 2  (the same company again)
//     10 Гараж №1                     13 / 4  (company 13 under a second name)
//     11 Больница                     12 / 1  (same name, other Property)
//   12 Кафе "Уют"                     14 / 8  (stored as Кафе &quot;Уют&quot;)
//   13 apple store                    15 / 6
//   14 24 часа                        16 / 0
//
// Records: address/region, address/district, address/city of each company:
//   10 Минская  Ленинский   Минск      11 Минская     Ленинский  Минск
//   12 Брестская Ленинский  (empty)    13 Брестская   Московский Брест
//   14 Минская  Ленинский   (none)     15 Гродненская Ленинский  Гродно
//   16 Гродненская Ленинский Гродно
// Pictures: company 10 logo.png, company 13 map.png.
//
// "nested": rows (L, R) = (1, 8) Север, (2, 5) Лес, (3, 4) Поляна (a leaf
// topic), (6, 7) Лесхоз (company 20, Property 6).
#pragma once

#include "catalog/dazi_data.h"
#include "catalog/topic_tree_model.h"
#include "catalog_source.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tree_test {

// Code page 1251 bytes of UTF-8 source text, and back.
std::string cp(std::string_view utf8);
std::string utf8(std::string_view cp1251);

makecatalog::CatalogSource treeCatalog();
makecatalog::CatalogSource nestedCatalog();

// The path of a fresh copy of the catalog ("tree" or "nested").
std::string catalogCopy(const std::string& name);

// The TopicNames (UTF-8) of Node's children, in row order.
std::vector<std::string> childNames(const catalog::TTopicTreeModel& tree, int node);
// The first child of Node whose TopicName (UTF-8) is Name; NoNode if none.
int childNamed(const catalog::TTopicTreeModel& tree, int node, std::string_view name);

// A suite connected once to its own copy of a catalog.
template <const char* Catalog>
class CatalogSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        data = std::make_unique<catalog::TDaziData>();
        data->Connect("", catalogCopy(Catalog));
        ASSERT_TRUE(data->Connected());
    }
    static void TearDownTestSuite() { data.reset(); }

    static inline std::unique_ptr<catalog::TDaziData> data;
};

inline constexpr char TreeCatalogName[] = "tree";
inline constexpr char NestedCatalogName[] = "nested";

}  // namespace tree_test
