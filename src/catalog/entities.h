// HTML character entities: the card HTML is handed to the viewer as
// single-byte text, and names and topic paths come from the catalog with
// character references in them.
//
// The two lookup tables are program-wide and not thread-safe; they are built
// at each catalog open on the user-interface thread.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace catalog {

struct TEntity {
    std::string_view Name;
    std::uint16_t Code;
};

// The 252 character entity references of HTML 4.01: Latin-1 (nbsp 160 …
// yuml 255), symbols and Greek (fnof … diams), special (quot … euro 8364).
extern const std::array<TEntity, 252> HTMLEntities;

// Slots indexed by code point (0 … 9998), holding the entity name or empty.
constexpr std::size_t EntityArraySize = 9999;

// Sets the entity array to empty slots and stores every entity's name at its
// code point.
void InitEntityArray();
// Builds the sorted, case-sensitive name list once; later calls do nothing.
void InitEntityList();
// Frees both tables (program end); the conversions then refuse to run.
void FreeEntityTables();

// Single-byte HTML: code units up to 127 as they are (nothing escaped),
// units with an entity name as "&name;", all others as "&#decimal;". A valid
// surrogate pair becomes one reference to its code point, so that the viewer
// gets the character rather than two halves.
std::string ConvertWideCharToHTML(std::u16string_view wideText);

// Replaces entity and decimal character references ("&name;", "&#N;", the
// ";" at most ten bytes after the "&") by the character in code page 1251.
// A character that code page 1251 lacks is written back as "&#N;" (N its
// code point in decimal), which CharTextToQString turns into the character.
// Unknown names, a number that does not convert or is not a code point, and
// a lone "&" stay as they are.
std::string ConvertHTMLToChar(std::string_view text);

// The user-interface form of a ConvertHTMLToChar result: code page 1251
// decoded, and the "&#N;" it left for characters outside the code page
// turned into those characters. Other references stay literal.
QString CharTextToQString(std::string_view charText);

}  // namespace catalog
