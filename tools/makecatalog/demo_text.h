// Small UTF-8 text helpers of the demo generators: XML escaping, Russian to
// Latin transliteration, case, splitting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace makecatalog::demo {

// Text for element content or a double-quoted attribute: & < > " escaped.
std::string xmlEscape(std::string_view text);
void appendXmlEscaped(std::string& out, std::string_view text);

// Russian (and Belarusian) Cyrillic written in Latin letters the way Belarusian
// businesses write their names in English: "Ленина" -> "Lenina",
// "Белтехстрой" -> "Beltekhstroy", "СтройДом" -> "StroyDom". Other characters
// are kept.
std::string translit(std::string_view utf8);
// The same for brand names, keeping loan words in English spelling:
// "Санталайн" -> "Santaline", "СтройСервис" -> "StroyService".
std::string translitBrand(std::string_view utf8);

std::string lower(std::string_view utf8);      // Cyrillic and Latin letters
std::string capitalize(std::string_view utf8); // the first letter upper-cased
// The first letter lower-cased unless the word is an abbreviation ("UX", "IP-").
std::string lowerFirst(std::string_view utf8);
std::string firstLetter(std::string_view utf8);  // "" for an empty text
// The capital letters of a text, in order ("СтройДом" -> "СД").
std::string capitals(std::string_view utf8);

std::string trim(std::string_view s);
// Pieces between separators, trimmed, empty ones dropped.
std::vector<std::string> split(std::string_view s, char separator);
void replaceAll(std::string& s, std::string_view from, std::string_view to);
bool startsWith(std::string_view s, std::string_view prefix);
bool endsWith(std::string_view s, std::string_view suffix);

// A domain label from a Latin text: lower case, letters and digits, words
// joined by '-' ("Romashka Plus" -> "romashka-plus").
std::string domainLabel(std::string_view latin);

}  // namespace makecatalog::demo
