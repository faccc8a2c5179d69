// Synthetic catalogs of any size for benchmarks: the main demo tree with its
// busiest topics split into "Минск" and "Регионы" (about 300 topics),
// records of the demo shape padded to about 2 KB with longer descriptions,
// a few tiny pictures, no fonts needed.
#include "demo.h"

#include "demo_assembly.h"
#include "demo_files.h"
#include "demo_logos.h"
#include "platform/text/cp1251.h"

#include <functional>

namespace makecatalog {
namespace {

using namespace demo;

// Leaves at least this heavy get the two regional subtopics.
constexpr int SplitWeight = 6;

struct SyntheticTree {
    TopicTree tree;
    std::vector<char> holds;
    std::vector<char> filters;
};

const SyntheticTree& syntheticTree() {
    static const SyntheticTree result = [] {
        const TopicTree& base = belarusTopics();
        SyntheticTree s;
        // Rebuilt in pre-order so that subtopics follow their parent.
        std::function<void(int, int)> copy = [&](int from, int parent) {
            TopicDef t = base.topics[static_cast<std::size_t>(from)];
            const std::vector<int> children = t.children;
            t.children.clear();
            t.parent = parent;
            const int index = static_cast<int>(s.tree.topics.size());
            if (parent < 0)
                s.tree.roots.push_back(index);
            else
                s.tree.topics[static_cast<std::size_t>(parent)].children.push_back(index);
            const bool split = children.empty() && !t.activities.empty() && t.weight >= SplitWeight;
            s.tree.topics.push_back(std::move(t));
            s.holds.push_back(!split && (!s.tree.topics.back().activities.empty() || children.empty()));
            s.filters.push_back(0);
            for (int child : children)
                copy(child, index);
            if (split) {
                const int weight = s.tree.topics[static_cast<std::size_t>(index)].weight;
                for (const auto& [name, filter] :
                     {std::pair<Phrase, char>{{"Минск", "Minsk"}, 'M'}, {{"Регионы", "Regions"}, 'R'}}) {
                    TopicDef region;
                    region.name = name;
                    region.depth = s.tree.topics[static_cast<std::size_t>(index)].depth + 1;
                    region.parent = index;
                    region.weight = filter == 'M' ? weight / 2 + 1 : weight - weight / 2;
                    s.tree.topics[static_cast<std::size_t>(index)].children.push_back(
                        static_cast<int>(s.tree.topics.size()));
                    s.tree.topics.push_back(std::move(region));
                    s.holds.push_back(1);
                    s.filters.push_back(filter);
                }
            }
        };
        for (int root : base.roots)
            copy(root, -1);
        return s;
    }();
    return result;
}

}  // namespace

CatalogSource makeSyntheticCatalog(int companies, unsigned seed) {
    const SyntheticTree& s = syntheticTree();
    AssemblyOptions options;
    options.tree = &s.tree;
    options.holdsCompanies = s.holds;
    options.settlementFilter = s.filters;
    options.generator.english = false;
    options.generator.uniqueNames = false;
    options.generator.descriptionChance = 100;
    options.generator.descriptionMin = 29;
    options.generator.descriptionMax = 39;
    options.generator.activitiesMax = 6;
    options.companies = companies;
    options.seed = 0x5EED0000ull + seed;
    options.pictures = Pictures::Tiny;
    Assembled assembled = assemble(options);

    CatalogTexts texts;
    texts.name = "Синтетический каталог (" + std::to_string(companies) + ")";
    texts.description = "Каталог для измерения скорости: " + std::to_string(companies) + " компаний";
    texts.order = 0;
    texts.region = "Республики Беларусь";
    std::map<std::string, std::string> files;
    files["tolvik.xml"] = text::utf8ToCp1251(databaseInfoFile(texts));
    files["Org.xsl"] = text::utf8ToCp1251(cardStyleSheet(false));
    files["Welcome.htm"] = text::utf8ToCp1251(welcomePage(texts, false, companies,
                                                          static_cast<int>(s.tree.topics.size()),
                                                          sectionCounts(assembled, s.tree, false)));
    files["empty.png"] = emptyPicture();
    return toCatalogSource(std::move(assembled), s.tree, false, std::move(files));
}

}  // namespace makecatalog
