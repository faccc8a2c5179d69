// The company record of the demo catalogs. One XML element per line, indented
// by two blanks, "\n" line ends, no XML declaration; all element names are
// exactly these, and every element except company, name and settlement may be
// missing:
//
//   <company>
//     <name>ООО &quot;Ромашка&quot;</name>      name as registered ("ИП" for a sole trader)
//     <privatename>Иванов</privatename>         sole traders: surname
//     <ownername>Иван Петрович</ownername>      sole traders: first name and patronymic
//     <letter>Р</letter>                        the letter the alphabet index files it under:
//                                                the quoted part of the name, a sole trader's
//                                                surname, or else the name
//     <activities>                              one block, one or more activities,
//       <activity>Кирпич керамический</activity>  the main one first
//       <activity>Газосиликатные блоки</activity>
//     </activities>
//     <building_no>5А, оф. 301</building_no>   house number (absent or without a street)
//     <street prefix="ул.">Ленина</street>      prefix: ул. пр. пер. бул. шоссе тракт;
//                                                missing when the name says it ("пл. Свободы")
//     <zip>220030</zip>                         six digits
//     <settlement prefix="г.">Минск</settlement>  г. for cities; г.п., аг., д., п. otherwise;
//                                                the attribute is missing in a few records
//     <district>Минский р-н</district>          villages always, towns sometimes
//     <country name="Беларусь"/>                or <country/>, or no element at all
//     <phone code="17">123-45-67</phone>        one or more; code: 17, 017, 8017, 8-017,
//     <phone>+375 29 612-34-56</phone>           8 017, or none with the full number
//     <fax code="17">123-45-68</fax>
//     <email>info@romashka.by</email>           zero, one or two
//     <web>www.romashka.by</web>
//     <workhours>Пн-Пт 9:00-18:00</workhours>
//     <description>Работаем с 1998 года. ...</description>
//     <image kind="1">logo12.png</image>        pictures in the Images table: kind 1 logo,
//     <image kind="2">photo12.jpg</image>        2 photo (3 in a card: the kind-2 picture)
//   </company>
//
// The card source of a picture is the kind digit followed by the name
// ("1logo12.png"). English records have the same shape: "LLC"-style names,
// street prefixes str./ave./lane/blvd./highway/tract, settlement prefixes
// City/township/ag./v./s., districts as "Minsk" (the formatter adds
// " district"), <country name="Belarus"/>.
//
// Text searches over all activities use the path "activities" (its text is
// all activities, one per line); "activities/activity" is the main one.
#include "demo_records.h"

#include "demo_text.h"

#include <QString>

namespace makecatalog::demo {
namespace {

void element(std::string& out, const char* name, const std::string& text, const char* indent = "  ") {
    out += indent;
    out += '<';
    out += name;
    out += '>';
    appendXmlEscaped(out, text);
    out += "</";
    out += name;
    out += ">\n";
}

// The upper-case first letter of the part of the name people look it up by:
// "ООО "Ромашка"" is filed under Р, not under О with every other ООО.
std::string indexLetter(const std::string& name, const std::string& surname) {
    QString key = QString::fromUtf8(surname.empty() ? name : surname).trimmed();
    const qsizetype quote = key.indexOf(u'"');
    if (surname.empty() && quote >= 0 && quote + 1 < key.size())
        key = key.mid(quote + 1).trimmed();
    return key.isEmpty() ? std::string() : QString(key.front().toUpper()).toStdString();
}

}  // namespace

std::string companyRecord(const DemoCompany& c, bool english) {
    std::string out;
    out.reserve(2048);
    out += "<company>\n";
    element(out, "name", english ? c.nameEn : c.nameRu);
    if (c.soleTrader) {
        element(out, "privatename", english ? c.privateEn : c.privateRu);
        element(out, "ownername", english ? c.ownerEn : c.ownerRu);
    }
    element(out, "letter", indexLetter(english ? c.nameEn : c.nameRu,
                                       c.soleTrader ? (english ? c.privateEn : c.privateRu) : std::string()));
    if (!c.activities.empty()) {
        out += "  <activities>\n";
        for (const Phrase* a : c.activities)
            element(out, "activity", english ? a->en : a->ru, "    ");
        out += "  </activities>\n";
    }
    appendAddressXml(out, c.address, english);
    for (const Phone& p : c.phones)
        appendPhoneXml(out, "phone", p, english);
    for (const Phone& p : c.faxes)
        appendPhoneXml(out, "fax", p, english);
    for (const std::string& e : c.emails)
        element(out, "email", e);
    if (!c.web.empty())
        element(out, "web", c.web);
    if (c.hours)
        element(out, "workhours", english ? c.hours->en : c.hours->ru);
    if (!c.description.ru.empty())
        element(out, "description", english ? c.description.en : c.description.ru);
    for (const DemoImage& image : c.images) {
        out += "  <image kind=\"";
        out += std::to_string(image.cardKind);
        out += "\">";
        appendXmlEscaped(out, image.name);
        out += "</image>\n";
    }
    out += "</company>";
    return out;
}

}  // namespace makecatalog::demo
