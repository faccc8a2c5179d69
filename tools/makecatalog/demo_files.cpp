#include "demo_files.h"

#include "demo_text.h"

namespace makecatalog::demo {
namespace {

// "1 612" with a thin group separator, as Russian texts write numbers.
std::string grouped(int n, bool english) {
    std::string digits = std::to_string(n);
    std::string out;
    const int len = static_cast<int>(digits.size());
    for (int i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0)
            out += english ? "," : "\xC2\xA0";  // no-break space
        out += digits[static_cast<std::size_t>(i)];
    }
    return out;
}

// Russian noun forms after a number: 1 компания, 2 компании, 5 компаний.
std::string plural(int n, const char* one, const char* few, const char* many) {
    const int tens = n % 100, units = n % 10;
    if (tens >= 11 && tens <= 14)
        return many;
    if (units == 1)
        return one;
    if (units >= 2 && units <= 4)
        return few;
    return many;
}

// The style sheet: the same structure in both languages, the labels and the
// address order differ.
const char* const CardTemplate = R"XSL(<?xml version="1.0" encoding="windows-1251"?>
<!-- Company card: name, activities, address, phones, e-mail, web site,
     working hours, description and pictures of a company record. Marks of the
     current search: searchselect (found text) and searchresult (found field). -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251" indent="no"/>

  <xsl:template match="/">
    <html>
      <head>
        <style type="text/css">
          body { font-family: Verdana, Arial, sans-serif; color: #222222; background-color: #ffffff; }
          h1 { font-size: 150%; color: #1d4e89; margin-top: 4px; margin-bottom: 4px; }
          .owner { font-size: 110%; color: #555555; }
          td.label { color: #777777; padding-right: 14px; vertical-align: top; white-space: nowrap; }
          td.value { vertical-align: top; }
          .found { background-color: #ffe36e; }
          tr.hit td { background-color: #fff7d1; }
          .about { color: #444444; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="company"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="company">
    <table width="100%" cellspacing="0" cellpadding="0">
      <tr>
        <td valign="top">
          <h1>
            <xsl:if test="name//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
            <xsl:apply-templates select="name"/>
            <xsl:if test="privatename">
              <xsl:text> </xsl:text>
              <xsl:apply-templates select="privatename"/>
            </xsl:if>
          </h1>
          <xsl:if test="ownername">
            <div class="owner"><xsl:apply-templates select="ownername"/></div>
          </xsl:if>
        </td>
        <xsl:if test="image[@kind='1']">
          <td valign="top" align="right">
            <img src="{image[@kind='1'][1]/@kind}{image[@kind='1'][1]}" alt=""/>
          </td>
        </xsl:if>
      </tr>
    </table>
    <table cellspacing="0" cellpadding="4">
      <xsl:if test="activities/activity">
        <tr>
          <xsl:if test="activities//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">@ACTIVITIES@</td>
          <td class="value">
            <xsl:for-each select="activities/activity">
              <xsl:apply-templates/>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </td>
        </tr>
      </xsl:if>
      <tr>
        <xsl:if test="(building_no|street|zip|settlement|district|country)//searchresult">
          <xsl:attribute name="class">hit</xsl:attribute>
        </xsl:if>
        <td class="label">@ADDRESS@</td>
        <td class="value">@ADDRESS_VALUE@</td>
      </tr>
      <xsl:if test="phone">
        <tr>
          <xsl:if test="phone//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">@PHONE@</td>
          <td class="value">
            <xsl:for-each select="phone">
              <xsl:call-template name="number"/>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </td>
        </tr>
      </xsl:if>
      <xsl:if test="fax">
        <tr>
          <xsl:if test="fax//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">@FAX@</td>
          <td class="value">
            <xsl:for-each select="fax">
              <xsl:call-template name="number"/>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </td>
        </tr>
      </xsl:if>
      <xsl:if test="email">
        <tr>
          <xsl:if test="email//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">E-mail</td>
          <td class="value">
            <xsl:for-each select="email">
              <a href="mailto:{normalize-space(.)}"><xsl:apply-templates/></a>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </td>
        </tr>
      </xsl:if>
      <xsl:if test="web">
        <tr>
          <xsl:if test="web//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">@WEB@</td>
          <td class="value">
            <xsl:for-each select="web">
              <a href="http://{normalize-space(.)}"><xsl:apply-templates/></a>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </td>
        </tr>
      </xsl:if>
      <xsl:if test="workhours">
        <tr>
          <xsl:if test="workhours//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">@HOURS@</td>
          <td class="value"><xsl:apply-templates select="workhours"/></td>
        </tr>
      </xsl:if>
      <xsl:if test="description">
        <tr>
          <xsl:if test="description//searchresult"><xsl:attribute name="class">hit</xsl:attribute></xsl:if>
          <td class="label">@ABOUT@</td>
          <td class="value about"><xsl:apply-templates select="description"/></td>
        </tr>
      </xsl:if>
      <xsl:if test="image[@kind!='1']">
        <tr>
          <td class="label">@PHOTOS@</td>
          <td class="value">
            <xsl:for-each select="image[@kind!='1']">
              <img src="{@kind}{.}" alt=""/>
              <xsl:text> </xsl:text>
            </xsl:for-each>
          </td>
        </tr>
      </xsl:if>
    </table>
  </xsl:template>

  <!-- A phone or fax number: "(code) number" when the record gives a code. -->
  <xsl:template name="number">
    <xsl:if test="normalize-space(@code) != ''">
      <xsl:text>(</xsl:text>
      <xsl:value-of select="@code"/>
      <xsl:text>) </xsl:text>
    </xsl:if>
    <xsl:apply-templates/>
  </xsl:template>

  <xsl:template match="searchselect">
    <span class="found"><xsl:apply-templates/></span>
  </xsl:template>

  <xsl:template match="searchresult"/>
</xsl:stylesheet>
)XSL";

// Russian: zip, settlement, district, street, house ("220030, г. Минск, ул. Ленина, 5").
const char* const AddressRussian = R"XSL(
          <xsl:if test="zip"><xsl:apply-templates select="zip"/>, </xsl:if>
          <xsl:if test="normalize-space(settlement/@prefix) != ''">
            <xsl:value-of select="settlement/@prefix"/>
            <xsl:text> </xsl:text>
          </xsl:if>
          <xsl:apply-templates select="settlement"/>
          <xsl:if test="district">, <xsl:apply-templates select="district"/></xsl:if>
          <xsl:if test="street">
            <xsl:text>, </xsl:text>
            <xsl:choose>
              <xsl:when test="street/@prefix = 'шоссе' or street/@prefix = 'тракт'">
                <xsl:apply-templates select="street"/>
                <xsl:text> </xsl:text>
                <xsl:value-of select="street/@prefix"/>
              </xsl:when>
              <xsl:otherwise>
                <xsl:if test="normalize-space(street/@prefix) != ''">
                  <xsl:value-of select="street/@prefix"/>
                  <xsl:text> </xsl:text>
                </xsl:if>
                <xsl:apply-templates select="street"/>
              </xsl:otherwise>
            </xsl:choose>
          </xsl:if>
          <xsl:if test="building_no">, <xsl:apply-templates select="building_no"/></xsl:if>
        )XSL";

// English: house, street, settlement, zip, district ("5 Lenina str., Minsk, 220030").
const char* const AddressEnglish = R"XSL(
          <xsl:if test="building_no"><xsl:apply-templates select="building_no"/><xsl:text> </xsl:text></xsl:if>
          <xsl:if test="street">
            <xsl:apply-templates select="street"/>
            <xsl:if test="normalize-space(street/@prefix) != ''">
              <xsl:text> </xsl:text>
              <xsl:value-of select="street/@prefix"/>
            </xsl:if>
            <xsl:text>, </xsl:text>
          </xsl:if>
          <xsl:apply-templates select="settlement"/>
          <xsl:if test="normalize-space(settlement/@prefix) != '' and settlement/@prefix != 'City'">
            <xsl:text> </xsl:text>
            <xsl:value-of select="settlement/@prefix"/>
          </xsl:if>
          <xsl:if test="zip">, <xsl:apply-templates select="zip"/></xsl:if>
          <xsl:if test="district">, <xsl:apply-templates select="district"/> district</xsl:if>
        )XSL";

}  // namespace

std::string databaseInfoFile(const CatalogTexts& texts) {
    std::string out = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<databaseInfo>\r\n";
    out += "  <name>" + xmlEscape(texts.name) + "</name>\r\n";
    out += "  <description>" + xmlEscape(texts.description) + "</description>\r\n";
    out += "  <order>" + std::to_string(texts.order) + "</order>\r\n";
    out += "</databaseInfo>\r\n";
    return out;
}

std::string cardStyleSheet(bool english) {
    std::string out = CardTemplate;
    replaceAll(out, "@ADDRESS_VALUE@", english ? AddressEnglish : AddressRussian);
    replaceAll(out, "@ACTIVITIES@", english ? "Activities" : "Деятельность");
    replaceAll(out, "@ADDRESS@", english ? "Address" : "Адрес");
    replaceAll(out, "@PHONE@", english ? "Phone" : "Телефон");
    replaceAll(out, "@FAX@", english ? "Fax" : "Факс");
    replaceAll(out, "@WEB@", english ? "Web site" : "Сайт");
    replaceAll(out, "@HOURS@", english ? "Working hours" : "Режим работы");
    replaceAll(out, "@ABOUT@", english ? "About" : "О компании");
    replaceAll(out, "@PHOTOS@", english ? "Photos" : "Фото");
    return out;
}

std::string welcomePage(const CatalogTexts& texts, bool english, int companies, int topics,
                        const std::vector<std::pair<std::string, int>>& sections) {
    const std::string name = xmlEscape(texts.name);
    std::string out;
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n";
    out += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\r\n";
    out += "<title>" + name + "</title>\r\n";
    out += "<style type=\"text/css\">\r\n"
           "body { font-family: Verdana, Arial, sans-serif; color: #222222; background-color: #ffffff; }\r\n"
           "h1 { color: #1d4e89; font-size: 180%; margin-bottom: 4px; }\r\n"
           "h2 { color: #1d4e89; font-size: 120%; margin-top: 18px; }\r\n"
           ".lead { font-size: 110%; color: #444444; }\r\n"
           "td { padding: 2px 18px 2px 0; }\r\n"
           ".count { color: #888888; }\r\n"
           ".note { color: #888888; font-size: 85%; margin-top: 24px; }\r\n"
           "</style>\r\n</head>\r\n<body>\r\n";
    out += "<h1>" + name + "</h1>\r\n";
    if (english) {
        out += "<p class=\"lead\">A directory of businesses and organisations of " + xmlEscape(texts.region) + ": " +
               grouped(companies, true) + " companies under " + grouped(topics, true) + " topics.</p>\r\n";
        out += "<p>Choose a topic in the tree on the left to see its companies, or a company to read its card. "
               "The buttons above the tree arrange the whole catalogue by name, by alphabet, by region, "
               "by address or by postal code.</p>\r\n";
        out += "<p>The search finds companies by name, activity, address, phone or keyword and keeps the "
               "result as a selection on its own tab. You can write notes on any company, print its card "
               "or a table of companies, and print envelopes and address labels.</p>\r\n";
        out += "<h2>Sections</h2>\r\n<table>\r\n";
    } else {
        out += "<p class=\"lead\">Справочник предприятий и организаций " + xmlEscape(texts.region) + ": " +
               grouped(companies, false) + " " + plural(companies, "компания", "компании", "компаний") +
               " в " + grouped(topics, false) + " " + plural(topics, "рубрике", "рубриках", "рубриках") +
               ".</p>\r\n";
        out += "<p>Выберите рубрику в дереве слева, чтобы увидеть список её компаний, или компанию, чтобы "
               "прочитать её карточку. Кнопки над деревом упорядочивают весь каталог по названию, "
               "по алфавиту, по региону, по адресу или по почтовому индексу.</p>\r\n";
        out += "<p>Поиск находит компании по названию, виду деятельности, адресу, телефону или ключевому "
               "слову и сохраняет результат как выборку на отдельной вкладке. К любой компании можно "
               "написать заметку, напечатать её карточку или таблицу компаний, конверты и наклейки "
               "с адресами.</p>\r\n";
        out += "<h2>Разделы каталога</h2>\r\n<table>\r\n";
    }
    for (const auto& [title, count] : sections)
        out += "<tr><td>" + xmlEscape(title) + "</td><td class=\"count\">" + grouped(count, english) +
               "</td></tr>\r\n";
    out += "</table>\r\n";
    out += english ? "<p class=\"note\">All companies, addresses and phone numbers of this demonstration "
                     "catalogue are invented; any likeness to real organisations is a coincidence.</p>\r\n"
                   : "<p class=\"note\">Все компании, адреса и телефоны демонстрационного каталога вымышлены; "
                     "совпадения с реальными организациями случайны.</p>\r\n";
    out += "</body>\r\n</html>\r\n";
    return out;
}

}  // namespace makecatalog::demo
