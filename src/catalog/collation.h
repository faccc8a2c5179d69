// Code page 1251 text helpers of the data layer: trimming, upper-casing and
// the Russian order of names. Text stays cp1251 bytes; ICU is used only
// underneath.
#pragma once

#include "catalog/trim.h"

#include <string>
#include <string_view>

namespace catalog {

// Upper case of cp1251 text, Cyrillic letters (ё, ў, і, ...) included.
std::string UpperCase1251(std::string_view s);
// Equal without regard to letter case (cp1251).
bool SameText1251(std::string_view a, std::string_view b);
// Ordering without regard to letter case: compares the upper-cased bytes.
int CompareText1251(std::string_view a, std::string_view b);

// The order of company names: Russian collation (ICU "ru"), case-sensitive,
// tertiary strength. Negative, zero or positive.
int CompareRussian(const std::string& a, const std::string& b);
// Appends the collation key of Name in the same order to Pool: comparing the
// keys as bytes orders names as CompareRussian does, much faster for sorts.
void AppendRussianSortKey(std::string_view name, std::string& pool);

}  // namespace catalog
