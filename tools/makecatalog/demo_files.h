// Companion files of the demo catalog folders: the database-info file, the
// card style sheet, the start page, the index and search definitions, the
// table print style and the pictures (lobby buttons, partner banners, the
// missing-image picture). Texts are UTF-8 here; catalogFiles() stores them in
// code page 1251, as their declarations say.
//
// The pictures are drawn with text and so need a QGuiApplication (the
// offscreen platform is enough); they throw std::logic_error without one,
// except missingPicture(), which draws no text.
#pragma once

#include <map>
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

// Every companion file of one catalog (one language folder): relative path
// ("Org.xsl", "Partners/banner1.png") -> bytes as stored. Pictures are drawn
// in a fixed order, so two runs give the same bytes.
std::map<std::string, std::string> catalogFiles(const CatalogTexts& texts, bool english, int companies, int topics,
                                                const std::vector<std::pair<std::string, int>>& sections);

// tolvik.xml
std::string databaseInfoFile(const CatalogTexts& texts);

// Org.xsl: XSLT 1.0 turning a company record into its card.
std::string cardStyleSheet(bool english);

// Welcome.htm: the name, a short introduction, the top-level topics with
// their numbers of companies, hints and, with Banners, the partners' banners
// (whose pictures must then lie in Partners/, as catalogFiles() puts them).
std::string welcomePage(const CatalogTexts& texts, bool english, int companies, int topics,
                        const std::vector<std::pair<std::string, int>>& sections, bool banners = false);

// Indexes.xml: the index buttons "Алфавит" (2), "Регион" (3), "Адрес" (4),
// "Индекс" (5) and the hidden "Слова" (6).
std::string indexDefinition(bool english);

// Search.xml: the fields of the search dialog.
std::string searchDefinition(bool english);

// TablePrintStyle.css: the printed companies table.
std::string tablePrintStyle();

// The record element the "Алфавит" index groups by: the first letter of the
// name as a list sorts it.
inline constexpr const char* AlphabetPath = "letter";

struct Partner {
    std::string banner;  // "banner1.png": shown on the start page, under Partners/
    std::string poster;  // "poster1.png": the hot spot, shown full screen
    std::string name;    // alternative text
};
// The partners of the start page, in the order of the page.
std::vector<Partner> partners(bool english);

// Picture files (PNG bytes).
std::string lobbyButton(const CatalogTexts& texts, bool english, bool hot);  // 280 x 40
std::string partnerBanner(int index, bool english);                        // 288 x 72
std::string partnerPoster(int index, bool english);                        // 640 x 400
std::string missingPicture();                                              // 96 x 64

}  // namespace makecatalog::demo
