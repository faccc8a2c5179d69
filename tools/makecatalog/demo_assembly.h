// Puts generated companies into a topic tree and turns the result into the
// catalog model: companies spread over the topics by weight, second and third
// entries under related topics, entry flags, scrambled names, pictures.
#pragma once

#include "catalog_source.h"
#include "demo_companies.h"
#include "demo_topics.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace makecatalog::demo {

enum class Pictures { None, Tiny, Artwork };

struct AssemblyOptions {
    const TopicTree* tree = nullptr;
    std::vector<char> holdsCompanies;  // per topic; empty: topics with activities of their own, and leaves
    std::vector<char> settlementFilter;  // per topic (0, 'M', 'R'); empty: none
    GeneratorOptions generator;
    int companies = 0;
    uint64_t seed = 1;
    Pictures pictures = Pictures::None;
};

// One line of a topic's list of companies.
struct Entry {
    int company = 0;       // index into Assembled::companies
    bool alternateName = false;  // shown as "name (settlement)"
    int property = 0;
};

struct Assembled {
    std::vector<DemoCompany> companies;           // ids 1..n in order
    std::vector<std::vector<Entry>> entries;      // per topic
    std::map<int, std::vector<ImageSource>> images;  // by company id; shared by both languages
};

Assembled assemble(const AssemblyOptions& options);

// The catalog in one language; Files are copied in as they are.
CatalogSource toCatalogSource(const Assembled& assembled, const TopicTree& tree, bool english,
                              std::map<std::string, std::string> files);
// The same, using up the assembled companies as it goes (less memory for
// large catalogs).
CatalogSource toCatalogSource(Assembled&& assembled, const TopicTree& tree, bool english,
                              std::map<std::string, std::string> files);

// Top-level topics with the number of distinct companies below each.
std::vector<std::pair<std::string, int>> sectionCounts(const Assembled& assembled, const TopicTree& tree,
                                                       bool english);

}  // namespace makecatalog::demo
