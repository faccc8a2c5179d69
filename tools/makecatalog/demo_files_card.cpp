// Org.xsl of the demo catalogs: the company card.
//
// The card is shown by a QTextBrowser, so it keeps to what that renders well:
// tables with bgcolor and cellpadding, class selectors, relative font sizes
// (the viewer's font-size command scales the whole card), no floats.
#include "demo_files.h"

#include "demo_text.h"

namespace makecatalog::demo {
namespace {

const char* const CardTemplate = R"XSL(<?xml version="1.0" encoding="windows-1251"?>
<!-- Company card. The input is one company record in which the viewer has
     marked the current search: an empty searchresult element opens each field
     searched for (the row gets a yellow background), and searchselect elements
     wrap the text found (shown as with a marker pen). Pictures are named by
     their kind digit and file name ("1logo12.png"); the viewer finds them in
     the catalog database. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="windows-1251" indent="no"
              doctype-public="-//W3C//DTD HTML 4.01 Transitional//EN"/>

  <!-- The record's line breaks and indentation are not text. -->
  <xsl:strip-space elements="company activities"/>

  <xsl:template match="/">
    <html>
      <head>
        <title><xsl:value-of select="normalize-space(company/name)"/></title>
        <style type="text/css">
          body { font-family: Verdana, "DejaVu Sans", Arial, sans-serif; color: #23272e; background-color: #ffffff; }
          a { color: #1d5fae; }
          h1 { font-size: x-large; font-weight: bold; color: #1d4e89; margin-top: 0px; margin-bottom: 3px; }
          p.fullname { color: #56606e; margin-top: 0px; margin-bottom: 0px; }
          p.trade { color: #b85c12; margin-top: 5px; margin-bottom: 0px; }
          td.label { color: #6b7686; white-space: nowrap; }
          td.label-hit { color: #9a4a00; font-weight: bold; background-color: #fff1bf; white-space: nowrap; }
          td.value-hit { background-color: #fff1bf; }
          td.monogram { color: #ffffff; font-size: xx-large; font-weight: bold; }
          span.found { background-color: #ffcf33; color: #000000; }
          span.main { font-weight: bold; }
          span.number { white-space: nowrap; }
          p.foot { color: #9aa3af; font-size: small; margin-top: 14px; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="company"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="company">
    <!-- Header: the name on a pale band, the logo (or a monogram) at the right. -->
    <table width="100%" cellspacing="0" cellpadding="12">
      <xsl:attribute name="bgcolor">
        <xsl:choose>
          <xsl:when test="(name|privatename|ownername|@ALPHABET@)//searchresult">#fff1bf</xsl:when>
          <xsl:otherwise>#eef3fa</xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
      <tr>
        <td valign="middle">
          <h1>
            <xsl:apply-templates select="name"/>
            <xsl:if test="normalize-space(privatename) != ''">
              <xsl:text> </xsl:text>
              <xsl:apply-templates select="privatename"/>
            </xsl:if>
          </h1>
          <xsl:call-template name="full-name"/>
          <xsl:if test="activities/activity">
            <p class="trade"><xsl:value-of select="normalize-space(activities/activity[1])"/></p>
          </xsl:if>
        </td>
        <td valign="middle" align="right" width="1%">
          <xsl:choose>
            <xsl:when test="image[@kind = '1']">
              <table cellspacing="0" cellpadding="4" bgcolor="#ffffff" border="1" style="border-color: #cfd8e3; border-style: solid;">
                <tr><td><img src="1{normalize-space(image[@kind = '1'][1])}" alt=""/></td></tr>
              </table>
            </xsl:when>
            <xsl:otherwise>
              <table cellspacing="0" cellpadding="0" bgcolor="#1d4e89">
                <tr><td class="monogram" align="center" style="padding: 8px 20px 8px 20px;"><xsl:call-template name="monogram"/></td></tr>
              </table>
            </xsl:otherwise>
          </xsl:choose>
        </td>
      </tr>
    </table>
    <table width="100%" cellspacing="0" cellpadding="0" bgcolor="#ef9a48">
      <tr><td style="font-size: 3px;">&#160;</td></tr>
    </table>

    <!-- The facts, one row each. -->
    <table width="100%" cellspacing="0" cellpadding="6">
      <xsl:if test="activities/activity">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@ACTIVITIES@</xsl:with-param>
          <xsl:with-param name="hit" select="boolean(activities//searchresult)"/>
          <xsl:with-param name="value">
            <xsl:for-each select="activities/activity">
              <xsl:if test="last() &gt; 1">&#8226;&#160;</xsl:if>
              <xsl:apply-templates/>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="building_no|street|zip|settlement|district">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@ADDRESS@</xsl:with-param>
          <xsl:with-param name="hit" select="boolean((building_no|street|zip|settlement|district|country)//searchresult)"/>
          <xsl:with-param name="value">@ADDRESS_VALUE@</xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="phone">
        <xsl:call-template name="row">
          <xsl:with-param name="label">
            <xsl:choose>
              <xsl:when test="count(phone) &gt; 1">@PHONES@</xsl:when>
              <xsl:otherwise>@PHONE@</xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
          <xsl:with-param name="hit" select="boolean(phone//searchresult)"/>
          <xsl:with-param name="value">
            <xsl:for-each select="phone">
              <xsl:call-template name="number"/>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="fax">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@FAX@</xsl:with-param>
          <xsl:with-param name="hit" select="boolean(fax//searchresult)"/>
          <xsl:with-param name="value">
            <xsl:for-each select="fax">
              <xsl:call-template name="number"/>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="email">
        <xsl:call-template name="row">
          <xsl:with-param name="label">E-mail</xsl:with-param>
          <xsl:with-param name="hit" select="boolean(email//searchresult)"/>
          <xsl:with-param name="value">
            <xsl:for-each select="email">
              <a href="mailto:{normalize-space(.)}"><xsl:apply-templates/></a>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="web">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@WEB@</xsl:with-param>
          <xsl:with-param name="hit" select="boolean(web//searchresult)"/>
          <xsl:with-param name="value">
            <xsl:for-each select="web">
              <!-- The viewer hands only http:// and mailto: links to the browser. -->
              <a>
                <xsl:attribute name="href">
                  <xsl:if test="not(contains(normalize-space(.), '://'))">http://</xsl:if>
                  <xsl:value-of select="normalize-space(.)"/>
                </xsl:attribute>
                <xsl:apply-templates/>
              </a>
              <xsl:if test="position() != last()"><br/></xsl:if>
            </xsl:for-each>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="workhours">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@HOURS@</xsl:with-param>
          <xsl:with-param name="hit" select="boolean(workhours//searchresult)"/>
          <xsl:with-param name="value"><xsl:apply-templates select="workhours"/></xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="description">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@ABOUT@</xsl:with-param>
          <xsl:with-param name="hit" select="boolean(description//searchresult)"/>
          <xsl:with-param name="value"><xsl:apply-templates select="description"/></xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="image[not(@kind = '1')]">
        <xsl:call-template name="row">
          <xsl:with-param name="label">@PHOTOS@</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:for-each select="image[not(@kind = '1')]">
              <img src="{normalize-space(@kind)}{normalize-space(.)}" width="200" alt=""/>
              <xsl:text> </xsl:text>
            </xsl:for-each>
            <br/><span style="color: #9aa3af; font-size: small;">@PHOTO_HINT@</span>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
    </table>
  </xsl:template>

  <!-- One fact: a grey label and its value; both yellow when searched. -->
  <xsl:template name="row">
    <xsl:param name="label"/>
    <xsl:param name="hit" select="false()"/>
    <xsl:param name="value"/>
    <tr>
      <td valign="top" nowrap="nowrap">
        <xsl:attribute name="class">
          <xsl:choose>
            <xsl:when test="$hit">label-hit</xsl:when>
            <xsl:otherwise>label</xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
        <xsl:copy-of select="$label"/>
      </td>
      <td valign="top" width="100%">
        <xsl:if test="$hit"><xsl:attribute name="class">value-hit</xsl:attribute></xsl:if>
        <xsl:copy-of select="$value"/>
      </td>
    </tr>
  </xsl:template>

  <!-- The legal form written out, under the name; nothing when the name has
       no form the card knows. -->
  <xsl:template name="full-name">
    <xsl:variable name="n" select="normalize-space(name)"/>
    <xsl:variable name="text">
      <xsl:choose>
@FULL_NAMES@
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="string($text) != ''">
      <p class="fullname"><xsl:value-of select="$text"/></p>
    </xsl:if>
  </xsl:template>

  <!-- The letter of the logo stand-in: the first letter of the quoted part of
       the name, of a sole trader's surname, or of the name. -->
  <xsl:template name="monogram">
    <xsl:variable name="n" select="normalize-space(name)"/>
    <xsl:choose>
      <xsl:when test="normalize-space(@ALPHABET@) != ''">
        <xsl:value-of select="substring(normalize-space(@ALPHABET@), 1, 1)"/>
      </xsl:when>
      <xsl:when test="contains($n, '&quot;')">
        <xsl:value-of select="substring(normalize-space(substring-after($n, '&quot;')), 1, 1)"/>
      </xsl:when>
      <xsl:when test="normalize-space(privatename) != ''">
        <xsl:value-of select="substring(normalize-space(privatename), 1, 1)"/>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="substring($n, 1, 1)"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A phone or fax number: "(code) number" when the record gives a code;
       a short local code gets the country code, as in the companies table. -->
  <xsl:template name="number">
    <xsl:variable name="code" select="translate(normalize-space(@code), '- ', '')"/>
    <xsl:variable name="digits" select="translate(normalize-space(.), '- ', '')"/>
    <span class="number">
      <xsl:if test="$code != ''">
        <xsl:text>(</xsl:text>
        <xsl:if test="string-length($code) + string-length($digits) &lt; 10">+375 </xsl:if>
        <xsl:value-of select="$code"/>
        <xsl:text>) </xsl:text>
      </xsl:if>
      <xsl:apply-templates/>
    </span>
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
              <xsl:value-of select="normalize-space(settlement/@prefix)"/>
              <xsl:text> </xsl:text>
            </xsl:if>
            <xsl:apply-templates select="settlement"/>
            <xsl:if test="district">, <xsl:apply-templates select="district"/></xsl:if>
            <xsl:if test="street">
              <xsl:text>, </xsl:text>
              <xsl:variable name="kind" select="normalize-space(street/@prefix)"/>
              <xsl:choose>
                <xsl:when test="$kind = 'шоссе' or $kind = 'тракт'">
                  <xsl:apply-templates select="street"/>
                  <xsl:text> </xsl:text>
                  <xsl:value-of select="$kind"/>
                </xsl:when>
                <xsl:otherwise>
                  <xsl:if test="$kind != ''">
                    <xsl:value-of select="$kind"/>
                    <xsl:text> </xsl:text>
                  </xsl:if>
                  <xsl:apply-templates select="street"/>
                </xsl:otherwise>
              </xsl:choose>
            </xsl:if>
            <xsl:if test="building_no">, <xsl:apply-templates select="building_no"/></xsl:if>
            <xsl:if test="normalize-space(country/@name) != '' and normalize-space(country/@name) != 'Беларусь'">
              <xsl:text>, </xsl:text>
              <xsl:value-of select="normalize-space(country/@name)"/>
            </xsl:if>
          )XSL";

// English: house, street, settlement, zip, district ("5 Lenina str., Minsk, 220030").
const char* const AddressEnglish = R"XSL(
            <xsl:if test="building_no"><xsl:apply-templates select="building_no"/><xsl:text> </xsl:text></xsl:if>
            <xsl:if test="street">
              <xsl:apply-templates select="street"/>
              <xsl:if test="normalize-space(street/@prefix) != ''">
                <xsl:text> </xsl:text>
                <xsl:value-of select="normalize-space(street/@prefix)"/>
              </xsl:if>
              <xsl:text>, </xsl:text>
            </xsl:if>
            <xsl:apply-templates select="settlement"/>
            <xsl:if test="normalize-space(settlement/@prefix) != '' and normalize-space(settlement/@prefix) != 'City'">
              <xsl:text> </xsl:text>
              <xsl:value-of select="normalize-space(settlement/@prefix)"/>
            </xsl:if>
            <xsl:if test="zip">, <xsl:apply-templates select="zip"/></xsl:if>
            <xsl:if test="district">, <xsl:apply-templates select="district"/> district</xsl:if>
            <xsl:if test="normalize-space(country/@name) != '' and normalize-space(country/@name) != 'Belarus'">
              <xsl:text>, </xsl:text>
              <xsl:value-of select="normalize-space(country/@name)"/>
            </xsl:if>
          )XSL";

struct FormName {
    const char* ru;
    const char* ruFull;
    const char* en;
    const char* enFull;
};

// The legal forms of the generated names, longest English form first where
// one ends another ("JV LLC" before "LLC").
constexpr FormName FormNames[] = {
    {"СООО", "Совместное общество с ограниченной ответственностью", "JV LLC",
     "Joint venture limited liability company"},
    {"ИООО", "Иностранное общество с ограниченной ответственностью", "FLLC", "Foreign limited liability company"},
    {"ООО", "Общество с ограниченной ответственностью", "LLC", "Limited liability company"},
    {"ОДО", "Общество с дополнительной ответственностью", "ALC", "Additional liability company"},
    {"ЧТУП", "Частное торговое унитарное предприятие", "PTUE", "Private trading unitary enterprise"},
    {"ЧСУП", "Частное строительное унитарное предприятие", "PCUE", "Private construction unitary enterprise"},
    {"ЧПУП", "Частное производственное унитарное предприятие", "PPUE", "Private production unitary enterprise"},
    {"ЧУП", "Частное унитарное предприятие", "PUE", "Private unitary enterprise"},
    {"КУП", "Коммунальное унитарное предприятие", "MUE", "Municipal unitary enterprise"},
    {"РУП", "Республиканское унитарное предприятие", "RUE", "Republican unitary enterprise"},
    {"УП", "Унитарное предприятие", "UE", "Unitary enterprise"},
    {"ОАО", "Открытое акционерное общество", "OJSC", "Open joint-stock company"},
    {"ЗАО", "Закрытое акционерное общество", "CJSC", "Closed joint-stock company"},
    {"ГУО", "Государственное учреждение образования", "SEI", "State educational institution"},
    {"ЧУО", "Частное учреждение образования", "PEI", "Private educational institution"},
    {"УО", "Учреждение образования", "EI", "Educational institution"},
    {"УЗ", "Учреждение здравоохранения", "HI", "Healthcare institution"},
    {"ГУК", "Государственное учреждение культуры", "SCI", "State cultural institution"},
    {"СПК", "Сельскохозяйственный производственный кооператив", "APC", "Agricultural production cooperative"},
    {"КФХ", "Крестьянское (фермерское) хозяйство", "PF", "Peasant farm"},
};

// An XPath string literal inside a double-quoted attribute.
std::string quoted(std::string_view text) {
    std::string out(1, '\'');
    appendXmlEscaped(out, text);
    out += '\'';
    return out;
}

// Characters of a UTF-8 text, as XPath counts them.
int characters(std::string_view utf8) {
    int n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The xsl:when branches of the full-name template. Russian names start with
// the form ("ООО "Ромашка""), English ones end with it ("Romashka LLC"); a
// sole trader's name is the form alone, with the person in privatename and
// ownername.
std::string fullNameBranches(bool english) {
    const char* const indent = "        ";
    std::string out;
    out += indent;
    out += english ? "<xsl:when test=\"$n = 'IE'\">" : "<xsl:when test=\"$n = 'ИП'\">";
    out += english ? "Individual entrepreneur" : "Индивидуальный предприниматель";
    out += "<xsl:value-of select=\"concat(' ', normalize-space(privatename), ' ', normalize-space(ownername))\"/>"
           "</xsl:when>\n";
    for (const FormName& f : FormNames) {
        const std::string form = english ? f.en : f.ru;
        const std::string full = english ? f.enFull : f.ruFull;
        out += indent;
        if (english) {
            // ends-with: the name minus " LLC" is what stays.
            const std::string suffix = " " + form;
            const std::string cut = "string-length($n) - " + std::to_string(suffix.size());
            out += "<xsl:when test=\"string-length($n) &gt; " + std::to_string(suffix.size()) +
                   " and substring($n, " + cut + " + 1) = " + quoted(suffix) + "\">";
            out += "<xsl:value-of select=\"concat(" + quoted(full + " ") + ", substring($n, 1, " + cut + "))\"/>";
        } else {
            const std::string prefix = form + " ";
            const int letters = characters(prefix);
            out += "<xsl:when test=\"starts-with($n, " + quoted(prefix) + ")\">";
            out += "<xsl:value-of select=\"concat(" + quoted(full + " ") + ", substring($n, " +
                   std::to_string(letters + 1) + "))\"/>";
        }
        out += "</xsl:when>\n";
    }
    return out;
}

}  // namespace

std::string cardStyleSheet(bool english) {
    std::string out = CardTemplate;
    replaceAll(out, "@ADDRESS_VALUE@", english ? AddressEnglish : AddressRussian);
    replaceAll(out, "@FULL_NAMES@", fullNameBranches(english));
    replaceAll(out, "@ALPHABET@", AlphabetPath);
    replaceAll(out, "@ACTIVITIES@", english ? "Activities" : "Деятельность");
    replaceAll(out, "@ADDRESS@", english ? "Address" : "Адрес");
    replaceAll(out, "@PHONES@", english ? "Phones" : "Телефоны");
    replaceAll(out, "@PHONE@", english ? "Phone" : "Телефон");
    replaceAll(out, "@FAX@", english ? "Fax" : "Факс");
    replaceAll(out, "@WEB@", english ? "Web site" : "Сайт");
    replaceAll(out, "@HOURS@", english ? "Working hours" : "Режим работы");
    replaceAll(out, "@ABOUT@", english ? "About" : "О компании");
    replaceAll(out, "@PHOTOS@", english ? "Photos" : "Фото");
    replaceAll(out, "@PHOTO_HINT@",
               english ? "Click a picture to see it full screen." : "Щёлкните по снимку, чтобы открыть его целиком.");
    return out;
}

}  // namespace makecatalog::demo
