#include "demo_assembly.h"

#include "demo_logos.h"
#include "demo_records.h"
#include "demo_text.h"
#include "platform/text/cp1251.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <set>

namespace makecatalog::demo {
namespace {

constexpr int32_t StorageCycle[] = {StorePlain, StoreCompressed, StoreScrambled, StoreCompressedScrambled};

Rng companyRng(uint64_t seed, int id) { return Rng(seed * 0x100000001B3ull + static_cast<uint64_t>(id) * 7919u); }

std::vector<char> defaultHolds(const TopicTree& tree) {
    std::vector<char> holds(tree.topics.size(), 0);
    for (std::size_t i = 0; i < tree.topics.size(); ++i)
        holds[i] = !tree.topics[i].activities.empty() || tree.topics[i].children.empty();
    return holds;
}

int rootOf(const TopicTree& tree, int topic) {
    while (tree.topics[static_cast<std::size_t>(topic)].parent >= 0)
        topic = tree.topics[static_cast<std::size_t>(topic)].parent;
    return topic;
}

// Company counts per topic: proportional to the weights, a little shaken,
// adding up to Total exactly.
std::vector<int> spreadCounts(const std::vector<double>& raw, int total) {
    double sum = 0;
    int holding = 0;
    for (double r : raw) {
        sum += r;
        holding += r > 0;
    }
    std::vector<int> counts(raw.size(), 0);
    if (sum <= 0 || total <= 0)
        return counts;
    const int base = total >= holding * 4 ? 1 : 0;
    const int rest = total - base * holding;
    std::vector<std::pair<double, int>> fractions;
    int given = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] <= 0)
            continue;
        const double exact = raw[i] / sum * rest;
        counts[i] = base + static_cast<int>(exact);
        given += counts[i];
        fractions.push_back({exact - static_cast<int>(exact), static_cast<int>(i)});
    }
    std::stable_sort(fractions.begin(), fractions.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; given < total && !fractions.empty(); k = (k + 1) % fractions.size(), ++given)
        ++counts[static_cast<std::size_t>(fractions[k].second)];
    return counts;
}

// The name as a logo writes it: the brand, the quoted part of the name, or
// the owner of a sole trader.
std::string logoTitle(const DemoCompany& c) {
    if (!c.brand.empty())
        return c.brand;
    if (c.soleTrader)
        return c.listRu.substr(c.listRu.find(' ') + 1);
    const std::size_t first = c.nameRu.find('"');
    const std::size_t last = c.nameRu.rfind('"');
    if (first != std::string::npos && last > first)
        return c.nameRu.substr(first + 1, last - first - 1);
    return c.nameRu;
}

}  // namespace

Assembled assemble(const AssemblyOptions& o) {
    const TopicTree& tree = *o.tree;
    const int topicCount = static_cast<int>(tree.topics.size());
    const std::vector<char> holds = o.holdsCompanies.empty() ? defaultHolds(tree) : o.holdsCompanies;
    auto filterOf = [&](int topic) -> char {
        return o.settlementFilter.empty() ? 0 : o.settlementFilter[static_cast<std::size_t>(topic)];
    };
    CompanyFactory factory(tree, o.generator);

    Rng shake(o.seed ^ 0xC0FFEEull);
    std::vector<double> raw(static_cast<std::size_t>(topicCount), 0.0);
    for (int i = 0; i < topicCount; ++i) {
        if (holds[static_cast<std::size_t>(i)])
            raw[static_cast<std::size_t>(i)] = factory.profile(i).weight * (0.75 + 0.5 * shake.unit());
    }
    const std::vector<int> counts = spreadCounts(raw, o.companies);

    // Topics where a company of a topic may be listed too: the related ones
    // the tree names, a parent or child with activities of its own, and the
    // siblings. A regional subtopic takes its parent's and goes to the
    // subtopic of the same region of each.
    auto regionalTarget = [&](int candidate, char filter) -> int {
        if (holds[static_cast<std::size_t>(candidate)])
            return filterOf(candidate) == 0 || filterOf(candidate) == filter ? candidate : -1;
        for (int child : tree.topics[static_cast<std::size_t>(candidate)].children) {
            if (filter != 0 && filterOf(child) == filter)
                return child;
        }
        return -1;
    };
    std::vector<std::vector<int>> related(static_cast<std::size_t>(topicCount)),
        siblings(static_cast<std::size_t>(topicCount));
    for (int i = 0; i < topicCount; ++i) {
        if (!holds[static_cast<std::size_t>(i)])
            continue;
        const char filter = filterOf(i);
        const int base = filter != 0 ? tree.topics[static_cast<std::size_t>(i)].parent : i;
        const TopicDef& t = tree.topics[static_cast<std::size_t>(base)];
        std::vector<int> rel, sib;
        for (const std::string& name : t.related) {
            const int r = tree.find(name);
            if (r >= 0)
                rel.push_back(r);
        }
        if (t.parent >= 0 && !t.activities.empty())
            rel.push_back(t.parent);
        for (int child : t.children) {
            if (!tree.topics[static_cast<std::size_t>(child)].activities.empty())
                rel.push_back(child);
        }
        const std::vector<int>& near = t.parent >= 0 ? tree.topics[static_cast<std::size_t>(t.parent)].children : tree.roots;
        for (int n : near) {
            if (n != base)
                sib.push_back(n);
        }
        for (const auto& [from, to] : {std::pair{&rel, &related}, std::pair{&sib, &siblings}}) {
            for (int candidate : *from) {
                const int target = regionalTarget(candidate, filter);
                if (target >= 0 && target != i)
                    (*to)[static_cast<std::size_t>(i)].push_back(target);
            }
        }
    }

    Assembled a;
    a.entries.resize(static_cast<std::size_t>(topicCount));
    a.companies.reserve(static_cast<std::size_t>(o.companies));
    int id = 1;
    int imageCounter = 0;
    struct PictureJob {
        int company;       // id
        DemoImage image;
        LogoSpec spec;
        bool jpeg;
    };
    std::vector<PictureJob> pictureJobs;  // logos and photos, in record order
    int photoCount = 0;
    for (int topic = 0; topic < topicCount; ++topic) {
        for (int k = 0; k < counts[static_cast<std::size_t>(topic)]; ++k, ++id) {
            Rng rng = companyRng(o.seed, id);
            DemoCompany c = factory.make(id, topic, rng, filterOf(topic));

            // Further entries; state bodies only under the topics the tree relates.
            const int roll = rng.below(100);
            const int extras = roll < 6 ? 2 : roll < 30 ? 1 : 0;
            const bool minsk = settlements()[static_cast<std::size_t>(c.address.settlement)].region == 'M';
            for (int e = 0; e < extras; ++e) {
                const std::vector<int>& rel = related[static_cast<std::size_t>(topic)];
                const std::vector<int>& sib = siblings[static_cast<std::size_t>(topic)];
                const std::vector<int>* pool = nullptr;
                if (!rel.empty() && (c.institution || sib.empty() || rng.chance(55)))
                    pool = &rel;
                else if (!sib.empty() && !c.institution)
                    pool = &sib;
                if (!pool)
                    continue;
                const int target = rng.pick(*pool);
                const char f = filterOf(target);
                if ((f == 'M' && !minsk) || (f == 'R' && minsk))
                    continue;
                if (std::find(c.extraTopics.begin(), c.extraTopics.end(), target) != c.extraTopics.end())
                    continue;
                c.extraTopics.push_back(target);
                factory.addTopicActivities(c, target, rng);
            }

            // Pictures.
            const TopicProfile& profile = factory.profile(topic);
            bool logo = false, photo = false;
            if (o.pictures == Pictures::Artwork) {
                logo = rng.chance(c.soleTrader ? 18 : c.institution ? 25 : 52);
                photo = rng.chance(16);
            } else if (o.pictures == Pictures::Tiny) {
                logo = rng.chance(6);
            }
            LogoSpec spec;
            if (logo || photo) {
                spec.initials = c.initials;
                spec.title = logoTitle(c);
                // The trade line: the main activity when it is short, else the topic.
                spec.subtitle = tree.topics[static_cast<std::size_t>(topic)].name.ru;
                if (!c.activities.empty() && QString::fromStdString(c.activities.front()->ru).size() <= 24)
                    spec.subtitle = c.activities.front()->ru;
                spec.colour1 = profile.palette[0];
                spec.colour2 = profile.palette[1];
                spec.mark = profile.mark.empty() ? "star" : profile.mark;
                spec.seed = stableHash(std::to_string(o.seed) + "/" + std::to_string(id));
            }
            if (logo) {
                const bool jpeg = o.pictures == Pictures::Artwork && rng.chance(30);
                DemoImage image;
                image.kind = 1;
                image.cardKind = 1;
                image.name = "logo" + std::to_string(id) + (jpeg ? ".jpg" : ".png");
                image.storage = StorageCycle[imageCounter++ % 4];
                c.images.push_back(image);
                pictureJobs.push_back({id, image, spec, jpeg});
            }
            if (photo) {
                const bool jpeg = rng.chance(80);
                DemoImage image;
                image.kind = 2;
                image.cardKind = photoCount++ % 5 == 4 ? 3 : 2;
                image.name = "photo" + std::to_string(id) + (jpeg ? ".jpg" : ".png");
                image.storage = StorageCycle[imageCounter++ % 4];
                c.images.push_back(image);
                pictureJobs.push_back({id, image, spec, jpeg});
            }

            c.property = (logo ? 2 : 0) | (photo ? 4 : 0) | (rng.chance(10) ? 1 : 0) | (rng.chance(8) ? 8 : 0);
            const int index = static_cast<int>(a.companies.size());
            a.entries[static_cast<std::size_t>(topic)].push_back({index, false, c.property});
            // The same flags under every topic: the plain list groups a company's
            // entries by name and flags, and should list it once.
            for (int target : c.extraTopics) {
                const int property = c.property;
                const Settlement& place = settlements()[static_cast<std::size_t>(c.address.settlement)];
                const bool alternate = rng.chance(10) && c.listRu.find(place.name) == std::string::npos;
                a.entries[static_cast<std::size_t>(target)].push_back({index, alternate, property});
            }
            a.companies.push_back(std::move(c));
        }
    }
    for (std::vector<Entry>& list : a.entries)
        std::stable_sort(list.begin(), list.end(), [](const Entry& x, const Entry& y) { return x.company < y.company; });

    // Picture files.
    for (const PictureJob& job : pictureJobs) {
        PictureFiles files;
        if (o.pictures == Pictures::Tiny) {
            static const std::vector<PictureFiles> swatches = [] {
                std::vector<PictureFiles> out;
                for (uint64_t k = 0; k < 12; ++k)
                    out.push_back(tinyPicture(k));
                return out;
            }();
            files = swatches[static_cast<std::size_t>(job.company % 12)];
        } else if (job.image.kind == 1) {
            files = drawLogo(job.spec, job.jpeg);
        } else {
            files = drawPhoto(job.spec, job.jpeg);
        }
        ImageSource source;
        source.name = job.image.name;
        source.type = job.image.kind;
        source.storage = job.image.storage;
        source.thumb = std::move(files.thumb);
        source.data = std::move(files.data);
        a.images[job.company].push_back(std::move(source));
    }
    return a;
}

namespace {

// Owned: the same Assembled, when its texts may be released once used.
CatalogSource buildSource(const Assembled& a, const TopicTree& tree, bool english,
                          std::map<std::string, std::string> files, Assembled* owned) {
    CatalogSource source;
    source.files = std::move(files);
    source.companies.reserve(a.companies.size());
    for (std::size_t index = 0; index < a.companies.size(); ++index) {
        const DemoCompany& c = a.companies[index];
        CompanySource cs;
        cs.id = c.id;
        cs.record = text::utf8ToCp1251(companyRecord(c, english));
        std::set<std::string> seen;
        for (const Phrase* k : c.keywords) {
            const std::string& word = english ? k->en : k->ru;
            if (!word.empty() && seen.insert(word).second)
                cs.keywords.push_back(text::utf8ToCp1251(word));
        }
        if (c.brandKeyword)
            cs.keywords.push_back(text::utf8ToCp1251(english ? translitBrand(c.brand) : c.brand));
        const auto images = a.images.find(c.id);
        if (images != a.images.end())
            cs.images = owned ? std::move(owned->images[c.id]) : images->second;
        if (owned) {
            // Swapped out, not assigned: an assignment keeps the capacity.
            DemoCompany& used = owned->companies[index];
            std::string().swap(used.description.ru);
            std::string().swap(used.description.en);
            std::vector<std::string>().swap(used.emails);
            std::vector<Phone>().swap(used.phones);
            std::vector<Phone>().swap(used.faxes);
        }
        source.companies.push_back(std::move(cs));
    }

    int nodeCounter = 0;
    auto scrambled = [&nodeCounter] { return nodeCounter++ % 3 == 1; };
    std::function<TopicNode(int)> build = [&](int topic) {
        const TopicDef& t = tree.topics[static_cast<std::size_t>(topic)];
        TopicNode node;
        node.name = text::utf8ToCp1251(english ? t.name.en : t.name.ru);
        node.scrambleName = scrambled();
        for (int child : t.children)
            node.children.push_back(build(child));
        for (const Entry& e : a.entries[static_cast<std::size_t>(topic)]) {
            const DemoCompany& c = a.companies[static_cast<std::size_t>(e.company)];
            std::string name = english ? c.listEn : c.listRu;
            if (e.alternateName) {
                const Settlement& place = settlements()[static_cast<std::size_t>(c.address.settlement)];
                name += " (" + (english ? place.nameEn() : place.name) + ")";
            }
            TopicNode leaf;
            leaf.name = text::utf8ToCp1251(name);
            leaf.companyId = c.id;
            leaf.property = e.property;
            leaf.scrambleName = scrambled();
            node.children.push_back(std::move(leaf));
        }
        return node;
    };
    for (int root : tree.roots)
        source.topics.push_back(build(root));
    return source;
}

}  // namespace

CatalogSource toCatalogSource(const Assembled& a, const TopicTree& tree, bool english,
                              std::map<std::string, std::string> files) {
    return buildSource(a, tree, english, std::move(files), nullptr);
}

CatalogSource toCatalogSource(Assembled&& a, const TopicTree& tree, bool english,
                              std::map<std::string, std::string> files) {
    return buildSource(a, tree, english, std::move(files), &a);
}

std::vector<std::pair<std::string, int>> sectionCounts(const Assembled& a, const TopicTree& tree, bool english) {
    std::vector<std::pair<std::string, int>> out;
    for (int root : tree.roots) {
        std::set<int> ids;
        for (std::size_t i = 0; i < tree.topics.size(); ++i) {
            if (rootOf(tree, static_cast<int>(i)) != root)
                continue;
            for (const Entry& e : a.entries[i])
                ids.insert(e.company);
        }
        const TopicDef& t = tree.topics[static_cast<std::size_t>(root)];
        out.push_back({english ? t.name.en : t.name.ru, static_cast<int>(ids.size())});
    }
    return out;
}

}  // namespace makecatalog::demo
