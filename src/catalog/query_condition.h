// One search condition and their list: a field path, the text typed for it
// and whether the field must not contain it. Text is code page 1251 bytes.
#pragma once

#include <string>
#include <vector>

namespace catalog {

struct TQueryCondition {
    std::string Path;   // a record path below company, or a table path "db:" table "/" column
    std::string Value;  // as typed, not trimmed
    bool Negate = false;

    friend bool operator==(const TQueryCondition&, const TQueryCondition&) = default;
};

using TQueryConditions = std::vector<TQueryCondition>;

}  // namespace catalog
