// The shipped demo catalog folders: "Belarus" (the whole country, the large
// one) and "Grodno" (one region), each in Russian and English.
//
// makeDemoCatalogs() draws logos with text and so needs a QGuiApplication
// (QT_QPA_PLATFORM=offscreen is enough); it throws std::logic_error without
// one. The pictures are drawn one after another: Qt's glyph caches make the
// bytes of a picture depend on what was drawn before it, so the order is part
// of what keeps two runs byte-identical.
#include "demo.h"

#include "demo_assembly.h"
#include "demo_files.h"
#include "demo_logos.h"
#include "platform/text/cp1251.h"

namespace makecatalog {
namespace {

using namespace demo;

struct FolderPlan {
    std::string folderName;
    const TopicTree* tree;
    char region;
    int companies;
    uint64_t seed;
    CatalogTexts russian, english;
};

std::map<std::string, std::string> companionFiles(const CatalogTexts& texts, bool english, int companies,
                                                  int topics, const std::vector<std::pair<std::string, int>>& sections) {
    return catalogFiles(texts, english, companies, topics, sections);
}

CatalogFolderSource makeFolder(const FolderPlan& plan) {
    AssemblyOptions options;
    options.tree = plan.tree;
    options.generator.region = plan.region;
    options.companies = plan.companies;
    options.seed = plan.seed;
    options.pictures = Pictures::Artwork;
    const Assembled assembled = assemble(options);
    const int topics = static_cast<int>(plan.tree->topics.size());

    CatalogFolderSource folder;
    folder.folderName = plan.folderName;
    folder.russian = toCatalogSource(
        assembled, *plan.tree, false,
        companionFiles(plan.russian, false, plan.companies, topics, sectionCounts(assembled, *plan.tree, false)));
    folder.english = toCatalogSource(
        assembled, *plan.tree, true,
        companionFiles(plan.english, true, plan.companies, topics, sectionCounts(assembled, *plan.tree, true)));
    return folder;
}

}  // namespace

std::vector<CatalogFolderSource> makeDemoCatalogs() {
    requireGuiApplication();
    const std::vector<FolderPlan> plans = {
        {"Belarus", &belarusTopics(), '*', 1640, 20240501,
         {"Деловая Беларусь", "Предприятия и организации всех областей Беларуси: демонстрационный каталог", 20,
          "Республики Беларусь"},
         {"Business Belarus", "Businesses and organisations of all regions of Belarus: a demonstration catalogue",
          20, "the Republic of Belarus"}},
        {"Grodno", &grodnoTopics(), 'g', 156, 20240502,
         {"Деловая Гродненщина", "Предприятия Гродно и Гродненской области: демонстрационный каталог", 10,
          "Гродно и Гродненской области"},
         {"Business Grodno Region", "Businesses of Grodno and the Grodno region: a demonstration catalogue", 10,
          "Grodno and the Grodno region"}},
    };
    std::vector<CatalogFolderSource> folders;
    for (const FolderPlan& plan : plans)
        folders.push_back(makeFolder(plan));
    return folders;
}

}  // namespace makecatalog
