// The full name, the Russian and English addresses and the phone built from
// company records.
#include "catalog/formatting.h"
#include "catalog/records.h"
#include "platform/text/cp1251.h"

#include <gtest/gtest.h>

#include <string>

using namespace catalog;

namespace {

struct Case {
    const char* what;
    const char* elements;  // children of company, UTF-8
    const char* expected;  // UTF-8
};

// Runs Format on the company element of each case's record.
template <typename Format>
void check(const Case& c, Format format) {
    xml::XmlDocument doc;
    LoadXMLText(RecordXMLHeader, text::utf8ToCp1251(std::string("<company>") + c.elements + "</company>"), doc);
    EXPECT_EQ(text::cp1251ToUtf8(format(doc.documentElement())), c.expected) << c.what;
}

}  // namespace

TEST(FormatFullName, Parts) {
    const Case cases[] = {
        {"all three", "<name>ИП</name><privatename>Иванов</privatename><ownername>И. И.</ownername>",
         "ИП Иванов И. И."},
        {"name only", "<name>Улыбка</name>", "Улыбка"},
        {"no privatename", "<name>A</name><ownername>C</ownername>", "A C"},
        {"no name", "<privatename>Петров</privatename>", "Петров"},
        {"empty name", "<name/><privatename>Петров</privatename><ownername>П.</ownername>", "Петров П."},
        {"parts trimmed", "<name>\n  A \t</name><privatename> B </privatename>", "A B"},
        {"all empty", "<name/><privatename> </privatename>", "[unknown]"},
        {"none at all", "", "[unknown]"},
        {"first element used", "<name>A</name><name>B</name>", "A"},
        {"direct children only", "<info><name>A</name></info>", "[unknown]"},
    };
    for (const Case& c : cases)
        check(c, FormatFullName);
}

TEST(FormatAddressRussian, Rules) {
    const Case cases[] = {
        {"city, street prefix ул. dropped",
         "<street prefix=\"ул.\">Ленина</street><building_no>5</building_no><zip>220030</zip>"
         "<settlement prefix=\"г.\">Минск</settlement>",
         "Ленина 5, 220030, Минск, Беларусь"},
        {"шоссе after the street, village",
         "<street prefix=\"шоссе\">Московское</street><building_no>12</building_no>"
         "<settlement prefix=\"д.\">Ивановка</settlement><zip>223000</zip><district>Минский р-н</district>",
         "Московское шоссе 12, д. Ивановка, 223000, Минский р-н, Беларусь"},
        {"тракт after the street", "<street prefix=\"тракт\">Логойский</street><building_no>22</building_no>",
         "Логойский тракт 22, Беларусь"},
        {"other prefix before the street",
         "<street prefix=\"пр.\">Победителей</street><building_no>7</building_no><zip>220004</zip>"
         "<settlement prefix=\"г.\">Минск</settlement>",
         "пр. Победителей 7, 220004, Минск, Беларусь"},
        {"street without prefix or building", "<street>Ленина</street>", "Ленина, Беларусь"},
        {"building without street not shown",
         "<building_no>5</building_no><settlement prefix=\"г.\">Минск</settlement>", "Минск, Беларусь"},
        {"city leaves the district out",
         "<settlement prefix=\"г.\">Минск</settlement><zip>220030</zip><district>Минский р-н</district>",
         "220030, Минск, Беларусь"},
        {"settlement without prefix keeps the district",
         "<settlement>Заславль</settlement><zip>223051</zip><district>Минский р-н</district>",
         "Заславль, 223051, Минский р-н, Беларусь"},
        {"prefix without settlement", "<settlement prefix=\"д.\"/><zip>223051</zip>", "223051, Беларусь"},
        {"values trimmed",
         "<street prefix=\" шоссе \"> Московское </street><building_no> 12 </building_no>"
         "<settlement prefix=\" г. \">\n Минск\n</settlement>",
         "Московское шоссе 12, Минск, Беларусь"},
        {"country name", "<street>Ленина</street><country name=\" Россия \"/>", "Ленина, Россия"},
        {"country without name",
         "<street prefix=\"ул.\">Ленина</street><building_no>5</building_no><zip>220030</zip>"
         "<settlement prefix=\"г.\">Минск</settlement><country/>",
         "Ленина 5, 220030, Минск"},
        {"country with blank name", "<street>Ленина</street><country name=\"  \"/>", "Ленина"},
        {"country text is not its name", "<street>Ленина</street><country>Польша</country>", "Ленина"},
        {"empty record", "", "Беларусь"},
        {"empty record, country without name", "<country/>", ""},
        {"first street used", "<street>Первая</street><street>Вторая</street>", "Первая, Беларусь"},
        {"nested elements not read", "<address><street>Ленина</street></address>", "Беларусь"},
    };
    for (const Case& c : cases)
        check(c, FormatAddressRussian);
}

TEST(FormatAddressEnglish, Rules) {
    const Case cases[] = {
        {"full",
         "<building_no>5</building_no><street prefix=\"str.\">Lenina</street><zip>220030</zip>"
         "<settlement prefix=\"City\">Minsk</settlement><district>Minsk</district>",
         "5, Lenina str., 220030, Minsk, Minsk district, Belarus"},
        {"without street: zip after the settlement",
         "<settlement prefix=\"v.\">Ivanovka</settlement><zip>223000</zip>", "Ivanovka v., 223000, Belarus"},
        {"street without prefix and building",
         "<street>Lenina</street><zip>220030</zip><settlement prefix=\"City\">Minsk</settlement>",
         "Lenina, 220030, Minsk, Belarus"},
        {"building without street is shown", "<building_no>5</building_no><settlement>Minsk</settlement>",
         "5, Minsk, Belarus"},
        {"prefix compared exactly", "<settlement prefix=\"city\">Minsk</settlement>", "Minsk city, Belarus"},
        {"district without settlement", "<district>Minsk</district><zip>223000</zip>",
         "223000, Minsk district, Belarus"},
        {"prefixes not moved or dropped", "<street prefix=\"ул.\">Lenina</street>", "Lenina ул., Belarus"},
        {"country not read", "<street>Lenina</street><country name=\"Poland\"/>", "Lenina, Belarus"},
        {"empty record", "", "Belarus"},
    };
    for (const Case& c : cases)
        check(c, FormatAddressEnglish);
}

TEST(FormatPhone, Rules) {
    struct PhoneCase {
        const char* code;
        const char* number;
        const char* expected;
    };
    const PhoneCase cases[] = {
        {"17", "123-45-67", "(+375 17) 123-45-67"},
        {"8017", "123-45-67", "(8017) 123-45-67"},
        {"029", "123 45 67", "(029) 123 45 67"},  // ten characters together
        {"29", "123 45 67", "(+375 29) 123 45 67"},
        {"", "123-45-67", "123-45-67"},
        {" - ", "123-45-67", "123-45-67"},
        {"8-017", "123-45-67", "(8017) 123-45-67"},
        {"8 017", "1234567", "(8017) 1234567"},
        {"\t17\n", "1234567", "(+375 17) 1234567"},
        {"17", " 123-45-67 ", "(+375 17)  123-45-67 "},  // the number as it is
        {"17", "", "(+375 17) "},
    };
    for (const PhoneCase& c : cases)
        EXPECT_EQ(FormatPhone(c.code, c.number), c.expected) << "[" << c.code << "] [" << c.number << "]";
}

TEST(FormatPhone, TableCellFromTheFirstPhone) {
    xml::XmlDocument doc;
    LoadXMLText(RecordXMLHeader, "<company><phone code=\"17\">123-45-67</phone><phone code=\"8029\">1</phone></company>",
                doc);
    EXPECT_EQ(FormatPhone(GetValueByPath(doc, "company/phone/@code"), GetValueByPath(doc, "company/phone")),
              "(+375 17) 123-45-67");
}
