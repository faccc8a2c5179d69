#include "catalog/formatting.h"

#include "catalog/records.h"
#include "catalog/trim.h"
#include "platform/text/cp1251.h"

namespace catalog {
namespace {


// The words the rules compare with, as code page 1251 bytes.
struct Words {
    std::string street = text::utf8ToCp1251("ул.");
    std::string highway = text::utf8ToCp1251("шоссе");
    std::string tract = text::utf8ToCp1251("тракт");
    std::string city = text::utf8ToCp1251("г.");
    std::string belarus = text::utf8ToCp1251("Беларусь");
};

const Words& words() {
    static const Words w;
    return w;
}

std::string childText(xml::XmlNode company, std::string_view name) {
    return Trim(NodeText(company.firstChildElement(name)));
}

std::string childAttribute(xml::XmlNode company, std::string_view name, std::string_view attribute) {
    return Trim(NodeAttribute(company.firstChildElement(name), attribute));
}

struct Address {
    std::string building, street, streetPrefix, zip, settlement, settlementPrefix, district;

    explicit Address(xml::XmlNode company)
        : building(childText(company, "building_no")), street(childText(company, "street")),
          streetPrefix(childAttribute(company, "street", "prefix")), zip(childText(company, "zip")),
          settlement(childText(company, "settlement")),
          settlementPrefix(childAttribute(company, "settlement", "prefix")),
          district(childText(company, "district")) {}
};

void appendPart(std::string& result, const std::string& part) {
    if (!part.empty()) {
        result += part;
        result += ", ";
    }
}

}  // namespace

std::string FormatFullName(xml::XmlNode company) {
    std::string result = childText(company, "name");
    for (const char* part : {"privatename", "ownername"}) {
        const std::string value = childText(company, part);
        if (!value.empty()) {
            result += ' ';
            result += value;
        }
    }
    result = Trim(result);
    return result.empty() ? std::string("[unknown]") : result;
}

std::string FormatAddressRussian(xml::XmlNode company) {
    const Words& w = words();
    Address a(company);

    if (a.streetPrefix == w.street)
        a.streetPrefix.clear();
    if (!a.street.empty()) {
        if (a.streetPrefix == w.highway || a.streetPrefix == w.tract)
            a.street = a.street + " " + a.streetPrefix;
        else
            a.street = a.streetPrefix + " " + a.street;
        a.street = Trim(a.street);
    }

    std::string result;
    // A house number without a street is not shown.
    if (!a.street.empty()) {
        result += a.street;
        if (!a.building.empty())
            result += " " + a.building;
        result += ", ";
    }
    if (a.settlementPrefix != w.city) {
        if (!a.settlement.empty()) {
            if (!a.settlementPrefix.empty())
                result += a.settlementPrefix + " ";
            result += a.settlement + ", ";
        }
        appendPart(result, a.zip);
        appendPart(result, a.district);
    } else {
        // A city: the zip comes first and the district is left out.
        appendPart(result, a.zip);
        appendPart(result, a.settlement);
    }

    const xml::XmlNode country = company.firstChildElement("country");
    if (!country) {
        result += w.belarus;
        return result;
    }
    const std::string countryName = Trim(NodeAttribute(country, "name"));
    if (!countryName.empty()) {
        result += countryName;
    } else if (result.size() >= 2 && result.compare(result.size() - 2, 2, ", ") == 0) {
        // No name to show: no dangling separator either.
        result.resize(result.size() - 2);
    }
    return result;
}

std::string FormatAddressEnglish(xml::XmlNode company) {
    Address a(company);
    if (!a.district.empty())
        a.district += " district";

    std::string settlementPart;
    if (!a.settlement.empty()) {
        settlementPart = a.settlement;
        if (!a.settlementPrefix.empty() && a.settlementPrefix != "City")
            settlementPart += " " + a.settlementPrefix;
        settlementPart += ", ";
    }

    std::string result;
    appendPart(result, a.building);
    if (!a.street.empty()) {
        result += a.street;
        if (!a.streetPrefix.empty())
            result += " " + a.streetPrefix;
        result += ", ";
        appendPart(result, a.zip);
        result += settlementPart;
    } else {
        result += settlementPart;
        appendPart(result, a.zip);
    }
    appendPart(result, a.district);
    result += "Belarus";
    return result;
}

std::string FormatPhone(std::string_view code, std::string_view number) {
    const auto compact = [](std::string_view s) {
        std::string out;
        for (char c : s)
            if (c != '-' && c != ' ')
                out += c;
        return Trim(out);
    };
    std::string compactCode = compact(code);
    if (compactCode.empty())
        return std::string(number);
    if (compactCode.size() + compact(number).size() < 10)
        compactCode = "+375 " + compactCode;
    return "(" + compactCode + ") " + std::string(number);
}

}  // namespace catalog
