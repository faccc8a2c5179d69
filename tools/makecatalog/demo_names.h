// Word tables of the demo generators: legal forms, people's names, brand
// words, working hours and description phrases, all in Russian with their
// English equivalents.
#pragma once

#include "demo_rng.h"
#include "demo_topics.h"

#include <string>
#include <string_view>
#include <vector>

namespace makecatalog::demo {

struct LegalForm {
    std::string ru;  // "ООО"
    std::string en;  // "LLC"
};

// The English abbreviation of a Russian legal form; the form itself when unknown.
const LegalForm& legalForm(std::string_view ru);

struct Person {
    std::string surname, firstName, patronymic;  // Russian
    bool female = false;

    std::string initialsRu() const;  // "И.П."
    std::string initialsEn() const;  // "I.P."
};
Person randomPerson(Rng& rng);

// A brand word for a company name: one of the topic's words, a compound of
// its parts ("Строй" + "дом" -> "Стройдом", "СтройДом", "Строй-Дом") or a
// word of the general list.
std::string randomBrand(Rng& rng, const TopicProfile& profile);

const std::vector<std::string>& generalBrands();
const std::vector<Phrase>& generalHours();
const std::vector<Phrase>& generalDescriptions();
// Notes after a phone number: "(приёмная)" | "(reception)".
const std::vector<Phrase>& phoneNotes();

// Fills {year} (1991-2020), {n} (5-25) and {n:LOW-HIGH} in a phrase.
std::string fillNumbers(std::string text, Rng& rng);

}  // namespace makecatalog::demo
