#include "demo_companies.h"

#include "demo_names.h"
#include "demo_text.h"

#include <algorithm>

namespace makecatalog::demo {
namespace {

bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

void substitute(std::string& ru, std::string& en, std::string_view key, const std::string& valueRu,
                const std::string& valueEn) {
    replaceAll(ru, key, valueRu);
    replaceAll(en, key, valueEn);
}

std::vector<std::string> words(const std::string& text) {
    std::string spaced = text;
    for (char& ch : spaced) {
        if (ch == '-' || ch == '"' || ch == '&')
            ch = ' ';
    }
    return split(spaced, ' ');
}

// Initials for a logo: "Белая улыбка" -> "БУ", "СтройДом" -> "СД", "Эмаль" -> "Э",
// "Минская городская поликлиника №5" -> "МГП".
std::string initialsOf(const std::string& text) {
    std::vector<std::string> parts;
    for (const std::string& w : words(text)) {
        const std::string letter = firstLetter(w);
        if (letter.empty() || w.size() < 4 || w == "г.")
            continue;
        parts.push_back(w);
    }
    if (parts.empty())
        return capitalize(firstLetter(text));
    if (parts.size() == 1) {
        const std::string caps = capitals(parts[0]);
        if (caps.size() >= 2 * 2 && caps.size() <= 3 * 2)  // two or three Cyrillic capitals
            return caps;
        return capitalize(firstLetter(parts[0]));
    }
    std::string out;
    for (std::size_t i = 0; i < parts.size() && i < 3; ++i)
        out += capitalize(firstLetter(parts[i]));
    return out;
}

// The text between the first and the last double quote, or the whole text.
std::string quotedPart(const std::string& name) {
    const std::size_t first = name.find('"');
    const std::size_t last = name.rfind('"');
    if (first == std::string::npos || last <= first)
        return name;
    return name.substr(first + 1, last - first - 1);
}

bool isInstitutionForm(const std::string& form) {
    return form == "УЗ" || form == "ГУО" || form == "УО" || form == "ГУК" || form == "КУП" || form == "РУП";
}

// Count different items in random order (a partial shuffle).
template <typename T>
std::vector<const T*> pickDistinct(Rng& rng, std::vector<const T*> items, int count) {
    const std::size_t n = std::min(items.size(), static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < n; ++i)
        std::swap(items[i], items[i + static_cast<std::size_t>(rng.below(static_cast<int>(items.size() - i)))]);
    items.resize(n);
    return items;
}

template <typename T>
std::vector<const T*> pickDistinct(Rng& rng, const std::vector<T>& pool, int count) {
    std::vector<const T*> items;
    items.reserve(pool.size());
    for (const T& item : pool)
        items.push_back(&item);
    return pickDistinct(rng, std::move(items), count);
}

}  // namespace

CompanyFactory::CompanyFactory(const TopicTree& tree, GeneratorOptions options)
    : tree_(tree), options_(options), profiles_(topicProfiles(tree)) {
    // Settlement choices per kind (any, city, city with an adjective) and filter (none, Minsk, not Minsk).
    const SettlementPool pool = settlementPool(options.region);
    const std::vector<int>* lists[3] = {&pool.all, &pool.cities, &pool.withAdjective};
    const std::vector<int>* weights[3] = {&pool.allWeights, &pool.cityWeights, &pool.adjectiveWeights};
    for (int kind = 0; kind < 3; ++kind) {
        for (int filter = 0; filter < 3; ++filter) {
            Choice& choice = choices_[kind][filter];
            for (std::size_t i = 0; i < lists[kind]->size(); ++i) {
                const int place = (*lists[kind])[i];
                const bool minsk = settlements()[static_cast<std::size_t>(place)].region == 'M';
                if (filter == 0 || (filter == 1) == minsk) {
                    choice.places.push_back(place);
                    choice.weights.push_back((*weights[kind])[i]);
                }
            }
            if (choice.places.empty())
                choice = choices_[kind][0];
        }
    }
}

int CompanyFactory::pickSettlement(Rng& rng, bool needCity, bool needAdjective, char filter) const {
    const Choice& choice = choices_[needAdjective ? 2 : needCity ? 1 : 0][filter == 'M' ? 1 : filter == 'R' ? 2 : 0];
    return choice.places[static_cast<std::size_t>(rng.weighted(choice.weights))];
}

void CompanyFactory::makeName(DemoCompany& c, const TopicProfile& p, Rng& rng, char filter, int& settlement) {
    const int attempts = options_.uniqueNames ? 24 : 1;
    for (int attempt = 0;; ++attempt) {
        const bool last = attempt + 1 >= attempts;
        const Phrase* pattern = nullptr;
        if (!p.patterns.empty() && attempt < 12) {
            const Phrase& chosen = rng.pick(p.patterns);
            if (chosen.ru != "*")
                pattern = &chosen;
        }
        std::string form = "ООО";
        if (!p.forms.empty()) {
            std::vector<int> weights;
            for (const FormWeight& f : p.forms)
                weights.push_back(f.weight);
            form = p.forms[static_cast<std::size_t>(rng.weighted(weights))].form;
        }
        const bool needAdjective = pattern && contains(pattern->ru, "{ca}");
        const bool needCity = pattern && (contains(pattern->ru, "{city}") || contains(pattern->ru, "{cityg}"));
        settlement = pickSettlement(rng, needCity || needAdjective, needAdjective, filter);
        const Settlement& place = settlements()[static_cast<std::size_t>(settlement)];

        if (!pattern && form == "ИП") {
            const Person person = randomPerson(rng);
            c = DemoCompany{};
            c.soleTrader = true;
            c.form = form;
            c.nameRu = "ИП";
            c.privateRu = person.surname;
            c.ownerRu = person.firstName + " " + person.patronymic;
            c.listRu = "ИП " + person.surname + " " + person.initialsRu();
            if (options_.english) {
                c.nameEn = "IE";
                c.privateEn = translit(person.surname);
                c.ownerEn = translit(person.firstName) + " " + translit(person.patronymic);
                c.listEn = "IE " + c.privateEn + " " + person.initialsEn();
            }
            c.initials = firstLetter(person.surname) + firstLetter(person.firstName);
            if (!options_.uniqueNames || names_.insert(c.listRu).second || last)
                return;
            continue;
        }
        if (form == "ИП") {
            form = "ООО";
            for (const FormWeight& f : p.forms) {
                if (f.form != "ИП") {
                    form = f.form;
                    break;
                }
            }
        }

        const bool usesForm = !pattern || contains(pattern->ru, "{f}");
        std::string ru = pattern ? pattern->ru : "{f} \"{b}\"";
        std::string en = pattern ? pattern->en : "{B} {F}";
        if ((contains(ru, "{x}") || contains(ru, "{ca}")) && !p.objects.empty()) {
            const ObjectPhrase& object = rng.pick(p.objects);
            replaceAll(ru, "\"{x}", "\"" + capitalize(object.ru));  // at the start of a name
            replaceAll(ru, "{x}", object.ru);
            replaceAll(en, "{X}", object.en);
            substitute(ru, en, "{ca}", place.adjectiveFor(object.gender), place.nameEn());
        } else {
            substitute(ru, en, "{ca}", place.adjective, place.nameEn());
        }
        std::string brand;
        if (contains(ru, "{b}")) {
            // Each brand once in a catalog, while the word lists last.
            for (int tries = 0; tries < 12; ++tries) {
                brand = randomBrand(rng, p);
                if (!options_.uniqueNames || !brands_.count(lower(brand)))
                    break;
            }
            if (attempt >= 20)
                brand += " " + std::to_string(rng.range(2, 99));
        }
        // Numbered institutions: up to 60 in Minsk, fewer in smaller towns.
        const int highest = place.zipSpread >= 100 ? 60 : place.zipSpread >= 30 ? 40 : place.zipSpread >= 10 ? 16
                            : place.zipSpread > 0 ? 8 : 4;
        const std::string number = std::to_string(rng.range(1, highest));
        const Person person = randomPerson(rng);
        const LegalForm& legal = legalForm(form);
        substitute(ru, en, "{f}", legal.ru, legal.en);
        substitute(ru, en, "{F}", legal.ru, legal.en);
        substitute(ru, en, "{b}", brand, "");
        substitute(ru, en, "{B}", brand, options_.english ? translitBrand(brand) : std::string());
        substitute(ru, en, "{n}", number, number);
        substitute(ru, en, "{cityg}", place.genitive(), place.nameEn());
        substitute(ru, en, "{city}", place.name, place.nameEn());
        substitute(ru, en, "{C}", place.name, place.nameEn());
        substitute(ru, en, "{s}", person.surname, "");
        substitute(ru, en, "{S}", "", options_.english ? translit(person.surname) : std::string());
        substitute(ru, en, "{i}", person.initialsRu(), "");
        substitute(ru, en, "{I}", "", options_.english ? person.initialsEn() : std::string());
        ru = trim(ru);
        en = trim(en);
        if (options_.uniqueNames && !names_.insert(ru).second && !last)
            continue;
        if (!brand.empty())
            brands_.insert(lower(brand));
        c = DemoCompany{};
        c.form = usesForm ? form : "";
        c.institution = isInstitutionForm(c.form) ||
                        (pattern && !contains(pattern->ru, "{f}") && !contains(pattern->ru, "{b}"));
        c.nameRu = ru;
        c.listRu = ru;
        if (options_.english) {
            c.nameEn = en;
            c.listEn = en;
        }
        c.brand = brand;
        c.initials = initialsOf(brand.empty() ? quotedPart(ru) : brand);
        return;
    }
}

std::string CompanyFactory::uniqueDomain(const std::string& base, Rng& rng) {
    std::string label = base.empty() ? "company" : base;
    if (label.size() > 24)
        label = label.substr(0, 24);
    std::string domain = label + ".by";
    if (!options_.uniqueNames) {
        if (rng.chance(50))
            domain = label + "-" + std::to_string(rng.range(1, 999)) + ".by";
        return domain;
    }
    if (!domains_.insert(domain).second) {
        domain = label + "-" + std::to_string(rng.range(1, 99)) + ".by";
        while (!domains_.insert(domain).second)
            domain = label + "-" + std::to_string(rng.range(100, 9999)) + ".by";
    }
    return domain;
}

void CompanyFactory::makeContacts(DemoCompany& c, Rng& rng) {
    const Settlement& place = settlements()[static_cast<std::size_t>(c.address.settlement)];
    const CodeStyle style = randomCodeStyle(rng);
    const int phones = 1 + rng.weighted({35, 35, 20, 10});
    for (int i = 0; i < phones; ++i) {
        const bool mobile = c.soleTrader ? rng.chance(i == 0 ? 55 : 40) : i > 0 && rng.chance(30);
        Phone phone = randomPhone(rng, place, rng.chance(85) ? style : randomCodeStyle(rng), mobile);
        if (rng.chance(10)) {
            const Phrase& note = rng.pick(phoneNotes());
            phone.numberRu += " " + note.ru;
            phone.numberEn += " " + note.en;
        }
        c.phones.push_back(std::move(phone));
    }
    if (rng.chance(c.soleTrader ? 10 : 35))
        c.faxes.push_back(randomPhone(rng, place, style, false));

    // Domain: the brand, the owner's surname, or the initials and number of an institution.
    std::string base;
    if (!c.brand.empty()) {
        base = domainLabel(translitBrand(c.brand));
    } else if (c.soleTrader) {
        base = "ip-" + domainLabel(translit(c.privateRu));
    } else {
        base = domainLabel(translit(lower(c.initials)));
        std::string digits;
        for (char ch : c.nameRu) {
            if (ch >= '0' && ch <= '9')
                digits.push_back(ch);
        }
        base += digits;
        if (base.size() < 6)
            base += "-" + domainLabel(place.nameEn());
    }
    const bool hasWeb = rng.chance(c.soleTrader ? 15 : 60);
    const bool hasMail = rng.chance(c.soleTrader ? 60 : 80);
    std::string domain;
    if (hasWeb || hasMail)
        domain = uniqueDomain(base, rng);
    if (hasWeb)
        c.web = rng.chance(85) ? "www." + domain : domain;
    if (hasMail) {
        static const std::vector<std::string> locals = {"info", "info", "office", "mail", "sales", "zakaz", "post"};
        if (c.soleTrader)
            c.emails.push_back(domainLabel(translit(c.privateRu)) + "@" + domain);
        else
            c.emails.push_back(rng.pick(locals) + "@" + domain);
        if (rng.chance(12)) {
            static const std::vector<std::string> second = {"buh", "director", "hr", "support", "market"};
            c.emails.push_back(rng.pick(second) + "@" + domain);
        }
    }
}

DemoCompany CompanyFactory::make(int id, int topic, Rng& rng, char settlementFilter) {
    const TopicProfile& p = profile(topic);
    DemoCompany c;
    int settlement = 0;
    makeName(c, p, rng, settlementFilter, settlement);
    c.id = id;
    c.topic = topic;

    const int activityCount = std::min(options_.activitiesMax, 1 + rng.weighted({30, 35, 20, 10, 5}));
    c.activities = pickDistinct(rng, p.activities, activityCount);

    c.address = randomAddress(rng, settlement);
    makeContacts(c, rng);

    if (rng.chance(72)) {
        if (!p.hours.empty() && rng.chance(80))
            c.hours = &rng.pick(p.hours);
        else
            c.hours = &rng.pick(generalHours());
    }

    if (rng.chance(options_.descriptionChance)) {
        if (c.activities.size() >= 2 && rng.chance(45)) {
            // "Основные направления: a, b и c."
            Phrase lines{"Основные направления: ", "Main lines of business: "};
            for (std::size_t i = 0; i < c.activities.size() && i < 3; ++i) {
                const bool lastItem = i + 1 == std::min<std::size_t>(c.activities.size(), 3);
                if (i > 0) {
                    lines.ru += lastItem ? " и " : ", ";
                    lines.en += lastItem ? " and " : ", ";
                }
                lines.ru += lowerFirst(c.activities[i]->ru);
                if (options_.english)
                    lines.en += lowerFirst(c.activities[i]->en);
            }
            lines.ru += ".";
            lines.en += ".";
            c.description = std::move(lines);
        }
        std::vector<const Phrase*> pool;
        pool.reserve(p.descriptions.size() + generalDescriptions().size());
        for (const Phrase& d : p.descriptions)
            pool.push_back(&d);
        for (const Phrase& d : generalDescriptions())
            pool.push_back(&d);
        const int count = rng.range(options_.descriptionMin, options_.descriptionMax);
        for (const Phrase* chosen : pickDistinct(rng, pool, count)) {
            Rng forRu = rng.fork(1);
            Rng forEn = forRu;
            if (!c.description.ru.empty())
                c.description.ru += ' ';
            c.description.ru += fillNumbers(chosen->ru, forRu);
            if (options_.english) {
                if (!c.description.en.empty())
                    c.description.en += ' ';
                c.description.en += fillNumbers(chosen->en, forEn);
            }
        }
    }

    // Keywords: words of the topic, the nearer ones more likely; sometimes the brand.
    const int keywordCount = rng.range(2, 6);
    std::vector<int> weights;
    for (std::size_t i = 0; i < p.keywords.size(); ++i)
        weights.push_back(static_cast<int>(p.keywords.size() - i) + 2);
    for (int tries = 0; tries < 30 && static_cast<int>(c.keywords.size()) < keywordCount; ++tries) {
        const Phrase& k = p.keywords[static_cast<std::size_t>(rng.weighted(weights))];
        const bool seen = std::any_of(c.keywords.begin(), c.keywords.end(),
                                      [&](const Phrase* q) { return q->ru == k.ru; });
        if (!seen)
            c.keywords.push_back(&k);
    }
    c.brandKeyword = !c.brand.empty() && rng.chance(25) && words(c.brand).size() == 1 && c.keywords.size() < 6;
    return c;
}

void CompanyFactory::addTopicActivities(DemoCompany& company, int topic, Rng& rng) const {
    const TopicProfile& p = profile(topic);
    const int wanted = std::min(1, options_.activitiesMax + 1 - static_cast<int>(company.activities.size()));
    int added = 0;
    for (const Phrase* a : pickDistinct(rng, p.activities, static_cast<int>(p.activities.size()))) {
        if (added >= wanted)
            break;
        const bool seen = std::any_of(company.activities.begin(), company.activities.end(),
                                      [&](const Phrase* q) { return q->ru == a->ru; });
        if (!seen) {
            company.activities.push_back(a);
            ++added;
        }
    }
}

}  // namespace makecatalog::demo
