// Companion files of the demo catalog folders: the database-info file, the
// card style sheet and the start page. Texts are UTF-8 here; the catalog
// builder stores them in code page 1251, as their declarations say.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace makecatalog::demo {

struct CatalogTexts {
    std::string name;         // "Деловая Беларусь"
    std::string description;  // hint of the lobby button and the catalog menu
    int order = 0;            // higher first
    std::string region;       // "Республики Беларусь", for the start page
};

// tolvik.xml
std::string databaseInfoFile(const CatalogTexts& texts);

// Org.xsl: XSLT 1.0 turning a company record into its card.
std::string cardStyleSheet(bool english);

// Welcome.htm: the name, a short introduction and the top-level topics with
// their numbers of companies.
std::string welcomePage(const CatalogTexts& texts, bool english, int companies, int topics,
                        const std::vector<std::pair<std::string, int>>& sections);

}  // namespace makecatalog::demo
