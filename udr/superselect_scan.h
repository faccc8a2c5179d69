// Text at a path of a company record, found in one forward pass over the
// bytes: no DOM, no allocation except the result. This is the work behind the
// database function SUPERSELECT, which runs it once per row of a search, so it
// stops as soon as the value is complete.
//
// Input: the plain (unscrambled) record, XML text in code page 1251 with root
// element `company`. An XML declaration, comments, processing instructions and
// a DOCTYPE before the root are skipped; the declared encoding is ignored (the
// bytes are always code page 1251).
//
// Path: element names joined by "/", relative to `company` ("name",
// "address/street"). Names are compared exactly, letter case included. An
// empty step ends the path, so "" (and "/x") names `company` itself. A step
// that is not an element name (for example "@code") never matches.
//
// Result:
//  - the text of the FIRST element in document order whose chain of ancestors
//    below `company` spells the path; for <a><c/></a><a><b>x</b></a> the path
//    "a/b" gives "x" (the first `a` has no `b`, the second has);
//  - the text is that of ALL descendant text nodes concatenated in document
//    order, so markup inside a value (<name>ООО <b>Мед</b>техника</name>)
//    does not hide words from "contains" searches: "ООО Медтехника";
//  - CDATA sections count as text; comments and processing instructions are
//    skipped; attribute values are not text;
//  - &lt; &gt; &amp; &quot; &apos; and &#NNN; / &#xHH; are decoded into code
//    page 1251 bytes; a code point that has no 1251 byte becomes '?'; an
//    ampersand that starts no such reference is kept as it stands;
//  - whitespace is kept as stored; other bytes are copied unchanged;
//  - an element that is present but empty (<name/>, <name></name>) gives "".
//
// std::nullopt (SQL NULL) when the path is absent, or when the record is not
// usable: empty, not XML, root not `company`, truncated or malformed (for
// example a mismatched end tag) before the value is complete. The bytes after
// the matched element are not looked at, so a fault there goes unnoticed.
#pragma once

#include "catalog/scramble.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace superselect {

// Deepest element nesting and longest path the scanner accepts; deeper
// records and longer paths give no value.
inline constexpr std::size_t MaxDepth = 256;
inline constexpr std::size_t MaxPathSteps = 32;

// The text at Path in a plain record (rules above).
std::optional<std::string> FindText(std::string_view record, std::string_view path);

// Same, into Value (cleared first, capacity reused); false where FindText
// gives std::nullopt.
bool FindTextInto(std::string_view record, std::string_view path, std::string& value);

// Unscrambles a stored record with Key (catalog::UnscrambleRecord) and
// finds the text at Path. An empty key leaves the bytes as they are.
std::optional<std::string> FindTextInScrambled(std::string_view scrambled, std::string_view path,
                                               std::string_view key);

// Same, unscrambling Bytes in place (the buffer is left plain) and writing
// into Value; false where FindText gives std::nullopt.
bool FindTextInScrambledInPlace(char* bytes, std::size_t length, std::string_view path,
                                std::string_view key, std::string& value);

// What the first bytes of a record tell about the text at a path.
enum class Scan {
    Value,     // found; the value is complete
    NoValue,   // what FindText gives as std::nullopt
    NeedMore,  // the answer depends on bytes not given yet
};

// Scans Available, the first bytes of a plain record (all of it when
// Complete). Value and NoValue are what the whole record gives; NeedMore
// comes only when not Complete, and is final only once Complete.
Scan FindTextInPrefix(std::string_view available, bool complete, std::string_view path,
                      std::string& value);

// How many bytes FindTextInScrambledPrefix unscrambles and scans first; it
// takes all the bytes given only when the answer needs more.
inline constexpr std::size_t FirstStep = 512;

// For a stored record whose first Length bytes are in Bytes (all of it when
// Complete): unscrambles in place only as far as the answer needs and scans.
// Plain (at most Length) counts the bytes at the start that are already
// plain; it grows. After NeedMore the caller appends bytes (or learns that
// none follow) and calls again with the same Plain.
Scan FindTextInScrambledPrefix(char* bytes, std::size_t length, bool complete, std::size_t& plain,
                               std::string_view path, const catalog::RecordMask& mask,
                               std::string& value);

// The code page 1251 byte of a Unicode code point, '?' when it has none.
char ToCp1251(char32_t codePoint);

}  // namespace superselect
