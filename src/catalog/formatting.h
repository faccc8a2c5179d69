// Printable texts built from a company record: the full name, the postal
// address in Russian or English form, the phone with its dialling code.
//
// The functions read direct children of the company element (the first
// element of each name, its text trimmed); a missing element or attribute
// counts as empty and never fails. Text is code page 1251 bytes.
#pragma once

#include "platform/xml/xml.h"

#include <string>
#include <string_view>

namespace catalog {

// name, privatename, ownername joined by blanks; "[unknown]" when all are
// empty.
std::string FormatFullName(xml::XmlNode company);

// "street building, settlement, zip, district, country" in the Russian order
// of the record's settlement kind. Without a country element the country is
// "Беларусь"; a country element whose name attribute is missing or blank
// contributes nothing, and the address then ends with its last part, without
// a trailing separator.
std::string FormatAddressRussian(xml::XmlNode company);

// "building, street prefix, zip, settlement prefix, district, Belarus".
std::string FormatAddressEnglish(xml::XmlNode company);

// "(code) number", the code completed with "+375 " when code and number
// together have fewer than 10 characters (blanks and "-" not counted); the
// number alone without a code.
std::string FormatPhone(std::string_view code, std::string_view number);

}  // namespace catalog
