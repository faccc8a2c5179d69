// Conversion between code page 1251 bytes and Unicode. Catalog text stays
// 1251 bytes in the data layer; these are the only places where it becomes a
// QString (at the user-interface edge) or UTF-8 (in tools).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace text {

// Bytes of code page 1251 as Unicode. The one byte the code page leaves
// unassigned, 0x98, becomes U+0098, so every byte survives a round trip.
QString fromCp1251(std::string_view bytes);

// Unicode as code page 1251 bytes; a character the code page lacks becomes '?'.
std::string toCp1251(const QString& text);

// The same conversions for UTF-8 text (tools, generators). Malformed UTF-8
// sequences become '?'.
std::string utf8ToCp1251(std::string_view utf8);
std::string cp1251ToUtf8(std::string_view bytes);

}  // namespace text
