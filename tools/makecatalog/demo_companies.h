// The company generator: one language-neutral company (Russian and English
// texts side by side) drawn from the profile of its topic.
#pragma once

#include "demo_addresses.h"
#include "demo_rng.h"
#include "demo_topics.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace makecatalog::demo {

struct DemoImage {
    int kind = 1;          // ImageType: 1 logo, 2 photo
    int cardKind = 1;      // kind digit written in the record (3 shows the kind-2 picture)
    std::string name;      // "logo12.png"
    int32_t storage = 0;   // ImageStorage flags
};

struct DemoCompany {
    int id = 0;
    int topic = -1;                  // home topic
    std::vector<int> extraTopics;    // further topics listing the company
    std::string form;                // Russian legal form, "" when the name has none
    bool soleTrader = false;
    bool institution = false;        // state body (hospital, school, museum...)
    std::string nameRu, nameEn;      // <name>
    std::string privateRu, privateEn, ownerRu, ownerEn;  // sole traders
    std::string listRu, listEn;      // the name in topic lists
    std::string brand;               // Russian brand word, "" when none
    std::string initials;            // for the logo
    // Phrases of the topic profiles (topicProfiles) and word tables, not copies.
    std::vector<const Phrase*> activities;  // main one first
    Address address;
    std::vector<Phone> phones, faxes;
    std::vector<std::string> emails;
    std::string web;
    const Phrase* hours = nullptr;
    Phrase description;              // sentences joined; empty when absent
    std::vector<const Phrase*> keywords;
    bool brandKeyword = false;       // the brand is a keyword too
    std::vector<DemoImage> images;
    int property = 0;                // Property of the home entry
};

struct GeneratorOptions {
    char region = '*';           // settlements of this region ('*': the whole country)
    bool english = true;         // also fill the English texts
    bool uniqueNames = true;     // never repeat a company name
    int descriptionChance = 40;  // percent of companies with a description
    int descriptionMin = 1, descriptionMax = 3;  // sentences
    int activitiesMax = 5;
};

class CompanyFactory {
public:
    CompanyFactory(const TopicTree& tree, GeneratorOptions options);

    // A company of the topic. Settlement filter: 0 any, 'M' Minsk only, 'R' not Minsk.
    DemoCompany make(int id, int topic, Rng& rng, char settlementFilter = 0);

    // Adds an activity of another topic that lists the company too.
    void addTopicActivities(DemoCompany& company, int topic, Rng& rng) const;

    const TopicProfile& profile(int topic) const { return profiles_[static_cast<std::size_t>(topic)]; }
    const TopicTree& tree() const { return tree_; }

private:
    int pickSettlement(Rng& rng, bool needCity, bool needAdjective, char filter) const;
    void makeName(DemoCompany& c, const TopicProfile& p, Rng& rng, char filter, int& settlement);
    void makeContacts(DemoCompany& c, Rng& rng);
    std::string uniqueDomain(const std::string& base, Rng& rng);

    const TopicTree& tree_;
    GeneratorOptions options_;
    const std::vector<TopicProfile>& profiles_;
    struct Choice {
        std::vector<int> places, weights;
    };
    Choice choices_[3][3];
    std::set<std::string> names_, brands_, domains_;
};

}  // namespace makecatalog::demo
