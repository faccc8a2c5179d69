// The record behind every node of the main window's company trees: topic
// tree, plain company list and grouped index trees.
//
// Which values a node carries tells what it is: a topic row keeps its
// Topics0 values, a company entry its company's too; the all-companies node
// has L = R = -2, index group nodes L = R = -1, and entries of the plain list
// L = -2, R = -1, so that they pass the company test below.
#pragma once

#include <cstdint>
#include <string>

namespace catalog {

struct TreeDataRec {
    std::int32_t TopicID = -1;
    // As stored, unscrambled: code page 1251 with HTML character references.
    std::string TopicName;
    std::int32_t L = -1;
    std::int32_t R = -1;
    std::int32_t CompanyID = -1;
    // Flag bits of a company entry (only its picture depends on them).
    std::int32_t Property = 0;

    // The one test every consumer uses for "this node is a company".
    bool IsCompany() const { return R == L + 1; }

    friend bool operator==(const TreeDataRec&, const TreeDataRec&) = default;
};

}  // namespace catalog
