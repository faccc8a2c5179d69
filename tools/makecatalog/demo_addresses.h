// Settlements, streets, postal codes and phone numbers of the demo catalogs,
// and their record elements in Russian and English.
//
// The addresses are spread so that every branch of the address formatting
// is met: street prefixes "ул." (dropped), "шоссе"/"тракт" (after the name),
// others (before), streets without a prefix attribute, no street at all
// (with or without a house number), cities ("г."/"City") and other
// settlements, settlements without a prefix attribute, with and without zip
// and district, and a country element with a name, without a name attribute,
// or absent.
#pragma once

#include "demo_rng.h"

#include <string>
#include <vector>

namespace makecatalog::demo {

struct Settlement {
    std::string name;        // "Минск"
    std::string prefix;      // "г.", "г.п.", "аг.", "д.", "п."
    std::string adjective;   // "Минский", for name patterns; empty for small places
    std::string districtRu;  // "Минский" (the record says "Минский р-н"); empty when none
    std::string districtEn;  // "Minsk" (the English formatter adds " district")
    int zip = 0;             // first postal code
    int zipSpread = 0;       // further codes of the place
    std::string phoneCode;   // "17", "152", "1562": digits after +375
    int weight = 1;          // share of companies in the whole country
    char region = 'M';       // M Minsk, m Minsk region, g Grodno, b Brest, v Vitebsk, h Gomel, o Mogilev

    bool isCity() const { return prefix == "г."; }
    std::string nameEn() const;
    std::string genitive() const;  // "Минска", "Гродно", "Барановичей": for "№5 г. Минска"
    std::string prefixEn() const;
    // The adjective agreeing with a noun of the gender 'm', 'f' or 'n'.
    std::string adjectiveFor(char gender) const;
};

const std::vector<Settlement>& settlements();

// Indexes of the settlements of a region ('*' for all) and their weights.
struct SettlementPool {
    std::vector<int> all, cities, withAdjective;
    std::vector<int> allWeights, cityWeights, adjectiveWeights;
};
SettlementPool settlementPool(char region);

struct Address {
    int settlement = 0;
    std::string buildingRu, buildingEn;  // empty when absent
    std::string streetRu, streetEn;      // empty when absent
    std::string streetPrefixRu, streetPrefixEn;  // empty: no prefix attribute
    std::string zip;                     // empty when absent
    bool settlementPrefix = true;        // prefix attribute present
    bool district = false;               // district element present
    int country = 1;                     // 0 absent, 1 with name, 2 without name attribute
};
Address randomAddress(Rng& rng, int settlement);

struct Phone {
    std::string code;                // attribute value; empty: no code attribute
    std::string numberRu, numberEn;  // element text
};

// How a company writes its dialling codes: "17", "017", "8017", "8-017",
// "8 017", or no code attribute with the full number in the text.
enum class CodeStyle { Bare, Zero, Eight, EightDash, EightSpace, InNumber };
CodeStyle randomCodeStyle(Rng& rng);
Phone randomPhone(Rng& rng, const Settlement& place, CodeStyle style, bool mobile);

// Appends the address elements (building_no, street, zip, settlement,
// district, country) to a record, indented by two blanks.
void appendAddressXml(std::string& out, const Address& address, bool english);
// Appends <Element code="...">number</Element>.
void appendPhoneXml(std::string& out, const char* element, const Phone& phone, bool english);

}  // namespace makecatalog::demo
