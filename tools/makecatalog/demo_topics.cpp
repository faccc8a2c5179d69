#include "demo_topics.h"

#include "demo_text.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <stdexcept>

namespace makecatalog::demo {
namespace {

Phrase parsePhrase(const std::string& item, const std::string& line) {
    const std::size_t bar = item.find('|');
    if (bar == std::string::npos)
        throw std::logic_error("demo topics: no English text in \"" + line + "\"");
    return {trim(std::string_view(item).substr(0, bar)), trim(std::string_view(item).substr(bar + 1))};
}

std::vector<Phrase> parsePhrases(const std::string& value, const std::string& line) {
    std::vector<Phrase> out;
    for (const std::string& item : split(value, ';'))
        out.push_back(parsePhrase(item, line));
    return out;
}

template <typename T>
void append(std::vector<T>& to, const std::vector<T>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

void applyLine(TopicDef& t, char key, const std::string& value, const std::string& line,
               const TopicTree* profiles) {
    switch (key) {
    case 'a': append(t.activities, parsePhrases(value, line)); break;
    case 'k': append(t.keywords, parsePhrases(value, line)); break;
    case 'h': t.hours.push_back(parsePhrase(value, line)); break;
    case 'd': t.descriptions.push_back(parsePhrase(value, line)); break;
    case 'p':
        if (value == "*")
            t.patterns.push_back({"*", "*"});
        else
            t.patterns.push_back(parsePhrase(value, line));
        break;
    case 'b': append(t.brands, split(value, ';')); break;
    case 's': append(t.related, split(value, ';')); break;
    case 'r': {
        const std::size_t bar = value.find('|');
        if (bar == std::string::npos)
            throw std::logic_error("demo topics: compound parts need '|': " + line);
        append(t.prefixes, split(std::string_view(value).substr(0, bar), ';'));
        append(t.suffixes, split(std::string_view(value).substr(bar + 1), ';'));
        break;
    }
    case 'x':
        for (const std::string& item : split(value, ';')) {
            if (item.size() < 3 || item[1] != ':' || std::string("mfn").find(item[0]) == std::string::npos)
                throw std::logic_error("demo topics: object needs a gender: " + line);
            Phrase p = parsePhrase(item.substr(2), line);
            t.objects.push_back({item[0], p.ru, p.en});
        }
        break;
    case 'f':
        for (const std::string& item : split(value, ';')) {
            const std::size_t space = item.rfind(' ');
            if (space == std::string::npos)
                t.forms.push_back({item, 1});
            else
                t.forms.push_back({trim(item.substr(0, space)), std::stoi(item.substr(space + 1))});
        }
        break;
    case 'w': t.weight = std::stoi(value); break;
    case 'c': {
        const std::vector<std::string> colours = split(value, ' ');
        if (colours.size() != 2)
            throw std::logic_error("demo topics: two colours expected: " + line);
        t.palette[0] = colours[0];
        t.palette[1] = colours[1];
        break;
    }
    case 'i': t.mark = value; break;
    case 'u': {
        if (!profiles)
            throw std::logic_error("demo topics: no tree to take a profile from: " + line);
        const int from = profiles->find(value);
        if (from < 0)
            throw std::logic_error("demo topics: unknown topic in " + line);
        const TopicProfile p = resolveProfile(*profiles, from);
        t.activities = p.activities;
        t.keywords = p.keywords;
        t.hours = p.hours;
        t.descriptions = p.descriptions;
        t.patterns = p.patterns;
        t.objects = p.objects;
        t.brands = p.brands;
        t.prefixes = p.prefixes;
        t.suffixes = p.suffixes;
        t.forms = p.forms;
        if (t.palette[0].empty()) {
            t.palette[0] = p.palette[0];
            t.palette[1] = p.palette[1];
        }
        if (t.mark.empty())
            t.mark = p.mark;
        break;
    }
    default: throw std::logic_error("demo topics: unknown line " + line);
    }
}

}  // namespace

int TopicTree::find(const std::string& ru) const {
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (topics[i].name.ru == ru)
            return static_cast<int>(i);
    }
    return -1;
}

int TopicTree::depth() const {
    int d = 0;
    for (const TopicDef& t : topics)
        d = std::max(d, t.depth);
    return d;
}

TopicTree parseTopicTree(const char* text, const TopicTree* profiles) {
    TopicTree tree;
    std::vector<int> open;  // index of the last topic at each depth
    for (const std::string& raw : split(text, '\n')) {
        const std::string line = trim(raw);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '+') {
            const int depth = static_cast<int>(line.find_first_not_of('+'));
            if (depth > static_cast<int>(open.size()) + 1)
                throw std::logic_error("demo topics: depth jumps at " + line);
            TopicDef t;
            t.depth = depth;
            t.name = parsePhrase(line.substr(static_cast<std::size_t>(depth)), line);
            open.resize(static_cast<std::size_t>(depth - 1));
            t.parent = open.empty() ? -1 : open.back();
            const int index = static_cast<int>(tree.topics.size());
            if (t.parent < 0)
                tree.roots.push_back(index);
            else
                tree.topics[static_cast<std::size_t>(t.parent)].children.push_back(index);
            tree.topics.push_back(std::move(t));
            open.push_back(index);
            continue;
        }
        if (line.size() < 2 || line[1] != ':' || tree.topics.empty())
            throw std::logic_error("demo topics: cannot read " + line);
        applyLine(tree.topics.back(), line[0], trim(line.substr(2)), line, profiles);
    }
    return tree;
}

TopicProfile resolveProfile(const TopicTree& tree, int topic) {
    TopicProfile p;
    bool own = true;
    for (int i = topic; i >= 0; i = tree.topics[static_cast<std::size_t>(i)].parent) {
        const TopicDef& t = tree.topics[static_cast<std::size_t>(i)];
        if (p.activities.empty())
            p.activities = t.activities;
        if (p.hours.empty())
            p.hours = t.hours;
        if (p.patterns.empty())
            p.patterns = t.patterns;
        if (p.objects.empty())
            p.objects = t.objects;
        if (p.prefixes.empty()) {
            p.prefixes = t.prefixes;
            p.suffixes = t.suffixes;
        }
        if (p.forms.empty())
            p.forms = t.forms;
        if (p.palette[0].empty()) {
            p.palette[0] = t.palette[0];
            p.palette[1] = t.palette[1];
        }
        if (p.mark.empty())
            p.mark = t.mark;
        if (own && t.weight >= 0)
            p.weight = t.weight;
        append(p.keywords, t.keywords);
        append(p.descriptions, t.descriptions);
        append(p.brands, t.brands);
        own = false;
    }
    return p;
}

const std::vector<TopicProfile>& topicProfiles(const TopicTree& tree) {
    static std::mutex mutex;
    static std::map<const TopicTree*, std::vector<TopicProfile>> cache;
    const std::lock_guard<std::mutex> lock(mutex);
    std::vector<TopicProfile>& profiles = cache[&tree];
    if (profiles.size() != tree.topics.size()) {
        profiles.clear();
        for (std::size_t i = 0; i < tree.topics.size(); ++i)
            profiles.push_back(resolveProfile(tree, static_cast<int>(i)));
    }
    return profiles;
}

const TopicTree& belarusTopics() {
    static const TopicTree tree = parseTopicTree(BelarusTopicsText, nullptr);
    return tree;
}

const TopicTree& grodnoTopics() {
    static const TopicTree tree = parseTopicTree(GrodnoTopicsText, &belarusTopics());
    return tree;
}

}  // namespace makecatalog::demo
