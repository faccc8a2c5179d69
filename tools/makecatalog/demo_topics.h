// The topic trees of the demo catalogs with, for each topic, the profile that
// the company generator draws from (activities, keywords, name patterns, ...).
//
// The trees are written in a small line format, one item per line:
//
//   + Name | English name          a topic; the number of '+' is its depth
//   a: ru | en; ru | en           activities of its companies
//   k: ru | en; ...               keywords (single words)
//   b: brand; brand               brand words for company names (Russian)
//   r: prefixes | suffixes        brand compound parts ("Строй" + "дом")
//   x: m:ru | en; f:ru | en       objects for name patterns, with grammatical
//                                 gender (m, f, n) for {ca}
//   p: ru pattern | en pattern    company name pattern; "*" is the default
//                                 `{f} "{b}"` | `{B} {F}`
//   f: FORM weight; ...           legal forms ("ИП" makes sole traders)
//   h: ru | en                    working hours, one option per line
//   d: ru | en                    a description sentence ({year}, {n})
//   s: topic; topic               related topics for second entries
//   w: weight                     share of companies (default 10)
//   c: #rrggbb #rrggbb            palette of logos
//   i: mark                       logo mark (see demo_logos.h)
//   u: topic                      take the profile of that topic of the main tree
//
// Name pattern placeholders: {f}/{F} legal form, {b}/{B} brand, {n} number,
// {city}/{C} the company's city (the company is then placed in a city),
// {cityg} the city in the genitive ("№5 г. Минска"),
// {ca} the city's adjective agreeing with the object, {x}/{X} an object,
// {s}/{S} a surname, {i}/{I} initials. Lines a, h, p, x, f, r, c and i are
// inherited from the nearest ancestor that has them; d, k and b are merged
// with the ancestors' ones; w and s belong to the topic alone.
#pragma once

#include <string>
#include <vector>

namespace makecatalog::demo {

struct Phrase {
    std::string ru;
    std::string en;
};

struct ObjectPhrase {
    char gender = 'm';  // 'm', 'f' or 'n'
    std::string ru;
    std::string en;
};

struct FormWeight {
    std::string form;  // Russian abbreviation: "ООО", "ИП", ...
    int weight = 1;
};

struct TopicDef {
    Phrase name;
    int depth = 1;
    int parent = -1;             // index in the flat list, -1 for top level
    std::vector<int> children;   // indexes of subtopics, in order
    std::vector<Phrase> activities, keywords, hours, descriptions, patterns;
    std::vector<ObjectPhrase> objects;
    std::vector<std::string> brands, prefixes, suffixes, related;
    std::vector<FormWeight> forms;
    std::string palette[2];
    std::string mark;
    int weight = -1;
};

// A topic tree in pre-order: a topic before its subtopics.
struct TopicTree {
    std::vector<TopicDef> topics;
    std::vector<int> roots;

    // Index of the first topic of that Russian name, -1 when absent.
    int find(const std::string& ru) const;
    int depth() const;
};

// Parses the line format; Profiles resolves "u:" lines (may be null).
TopicTree parseTopicTree(const char* text, const TopicTree* profiles);

const TopicTree& belarusTopics();
const TopicTree& grodnoTopics();

// Profile of a topic with inheritance applied.
struct TopicProfile {
    std::vector<Phrase> activities, keywords, hours, descriptions, patterns;
    std::vector<ObjectPhrase> objects;
    std::vector<std::string> brands, prefixes, suffixes;
    std::vector<FormWeight> forms;
    std::string palette[2];
    std::string mark;
    int weight = 10;
};
TopicProfile resolveProfile(const TopicTree& tree, int topic);
// The profiles of all topics of a long-lived tree, resolved once; the
// phrases stay in place for the rest of the program.
const std::vector<TopicProfile>& topicProfiles(const TopicTree& tree);

// Raw texts of the trees (demo_topics_belarus.cpp, demo_topics_grodno.cpp).
extern const char* const BelarusTopicsText;
extern const char* const GrodnoTopicsText;

}  // namespace makecatalog::demo
