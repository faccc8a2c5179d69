#include "demo_files.h"

#include "demo_text.h"
#include "platform/text/cp1251.h"

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

struct Hint {
    const char* keyRu;
    const char* textRu;
    const char* keyEn;
    const char* textEn;
};

constexpr Hint Hints[] = {
    {"Рубрика",
     "Выберите рубрику в дереве слева: справа появится таблица её компаний и их фотографии. "
     "Щёлкните компанию, чтобы открыть её карточку.",
     "Topics",
     "Choose a topic in the tree on the left to see the table of its companies and their pictures. "
     "Click a company to open its card."},
    {"Название, Алфавит", "Весь каталог одним списком по названию или по первой букве названия.",
     "By name, Alphabet", "The whole catalogue in one list by name, or grouped by the first letter of the name."},
    {"Регион, Адрес, Индекс",
     "Компании, сгруппированные по району и населённому пункту, по улице или по почтовому индексу.",
     "Region, Address, Postal code",
     "Companies grouped by district and town, by street or by postal code."},
    {"Поиск",
     "Условия по названию, виду деятельности, адресу, телефону или ключевому слову. Найденные компании "
     "сохраняются выборкой на отдельной вкладке, а найденный текст подсвечивается в карточках.",
     "Search",
     "Conditions on the name, activity, address, phone or a keyword. The companies found are kept as a "
     "selection on a tab of its own, and the text found is highlighted in their cards."},
    {"Заметки", "К любой компании можно записать свою заметку: она сохраняется сразу, по мере набора.", "Notes",
     "Write your own note on any company: it is saved as you type."},
    {"Печать", "Карточка компании, таблица компаний рубрики, конверты и наклейки с адресами.", "Printing",
     "A company card, the table of a topic's companies, envelopes and address labels."},
};

}  // namespace

std::string databaseInfoFile(const CatalogTexts& texts) {
    std::string out = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<databaseInfo>\r\n";
    out += "  <name>" + xmlEscape(texts.name) + "</name>\r\n";
    out += "  <description>" + xmlEscape(texts.description) + "</description>\r\n";
    out += "  <order>" + std::to_string(texts.order) + "</order>\r\n";
    out += "</databaseInfo>\r\n";
    return out;
}


std::string welcomePage(const CatalogTexts& texts, bool english, int companies, int topics,
                        const std::vector<std::pair<std::string, int>>& sections, bool banners) {
    const std::string name = xmlEscape(texts.name);
    const auto t = [english](const char* ru, const char* en) { return std::string(english ? en : ru); };
    std::string out;
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n";
    out += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\r\n";
    out += "<title>" + name + "</title>\r\n";
    out += "<style type=\"text/css\">\r\n"
           "body { font-family: Verdana, \"DejaVu Sans\", Arial, sans-serif; color: #23272e; "
           "background-color: #ffffff; }\r\n"
           "h2 { font-size: large; color: #1d4e89; margin-top: 20px; margin-bottom: 6px; }\r\n"
           "p { margin-top: 4px; margin-bottom: 8px; }\r\n"
           "p.lead { margin-top: 14px; }\r\n"
           "td.title { color: #ffffff; font-size: xx-large; font-weight: bold; }\r\n"
           "td.subtitle { color: #d6e4f5; }\r\n"
           "td.figure { color: #ffffff; font-size: x-large; font-weight: bold; }\r\n"
           "td.unit { color: #d6e4f5; font-size: small; }\r\n"
           "td.count { color: #8a94a3; }\r\n"
           "td.key { font-weight: bold; color: #1d4e89; }\r\n"
           "p.note { color: #8a94a3; font-size: small; margin-top: 22px; }\r\n"
           "</style>\r\n</head>\r\n<body>\r\n";

    // Banner: an orange rule over a blue band with the name and the figures.
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"#ef9a48\">"
           "<tr><td style=\"font-size: 4px;\">&nbsp;</td></tr></table>\r\n";
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"14\" bgcolor=\"#1d4e89\">\r\n<tr>\r\n";
    out += "<td valign=\"middle\"><table cellspacing=\"0\" cellpadding=\"0\">"
           "<tr><td class=\"title\">" + name + "</td></tr>"
           "<tr><td class=\"subtitle\">" +
           t("Справочник предприятий и организаций ", "A directory of businesses and organisations of ") +
           xmlEscape(texts.region) + "</td></tr></table></td>\r\n";
    out += "<td valign=\"middle\" align=\"right\" nowrap><table cellspacing=\"0\" cellpadding=\"3\">"
           "<tr><td class=\"figure\" align=\"right\">" + grouped(companies, english) +
           "</td><td width=\"18\"></td><td class=\"figure\" align=\"right\">" + grouped(topics, english) +
           "</td></tr><tr><td class=\"unit\" align=\"right\">" +
           (english ? std::string(companies == 1 ? "company" : "companies")
                    : plural(companies, "компания", "компании", "компаний")) +
           "</td><td></td><td class=\"unit\" align=\"right\">" +
           (english ? std::string(topics == 1 ? "topic" : "topics") : plural(topics, "рубрика", "рубрики", "рубрик")) +
           "</td></tr></table></td>\r\n</tr>\r\n</table>\r\n";

    out += "<p class=\"lead\">" +
           t("Добро пожаловать! Здесь собраны адреса, телефоны, сайты и виды деятельности компаний, "
             "разложенные по рубрикам. Выберите рубрику или компанию в дереве слева.",
             "Welcome! Here are the addresses, phones, web sites and lines of business of companies, "
             "arranged by topic. Choose a topic or a company in the tree on the left.") +
           "</p>\r\n";

    // The top-level topics in two columns, the counts beside them.
    out += "<h2>" + t("Разделы каталога", "Sections") + "</h2>\r\n";
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\">\r\n";
    const std::size_t rows = (sections.size() + 1) / 2;
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string shade = r % 2 == 0 ? " bgcolor=\"#f2f6fb\"" : "";
        out += "<tr>";
        for (std::size_t column = 0; column < 2; ++column) {
            const std::size_t i = r + column * rows;
            if (column == 1)
                out += "<td width=\"16\"></td>";
            if (i < sections.size()) {
                out += "<td width=\"40%\"" + shade + ">" + xmlEscape(sections[i].first) + "</td><td class=\"count\" "
                       "align=\"right\"" + shade + ">" + grouped(sections[i].second, english) + "</td>";
            } else {
                out += "<td width=\"40%\"></td><td></td>";
            }
        }
        out += "</tr>\r\n";
    }
    out += "</table>\r\n";

    out += "<h2>" + t("Как пользоваться", "How to use it") + "</h2>\r\n";
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\">\r\n";
    for (const Hint& h : Hints) {
        out += "<tr><td class=\"key\" valign=\"top\" nowrap>" + xmlEscape(english ? h.keyEn : h.keyRu) +
               "</td><td valign=\"top\">" + xmlEscape(english ? h.textEn : h.textRu) + "</td></tr>\r\n";
    }
    out += "</table>\r\n";

    // The partners' banners; a click opens the advertisement (Partners/ + href).
    if (banners) {
        const std::vector<Partner> list = partners(english);
        out += "<h2>" + t("Партнёры каталога", "Our partners") + "</h2>\r\n";
        out += "<table cellspacing=\"6\" cellpadding=\"0\">\r\n";
        for (std::size_t i = 0; i < list.size(); i += 2) {
            out += "<tr>";
            for (std::size_t k = i; k < i + 2 && k < list.size(); ++k) {
                out += "<td><a href=\"" + list[k].poster + "\"><img src=\"Partners/" + list[k].banner +
                       "\" width=\"288\" height=\"72\" border=\"0\" alt=\"" + xmlEscape(list[k].name) + "\"></a></td>";
            }
            out += "</tr>\r\n";
        }
        out += "</table>\r\n";
        out += "<p>" + t("Щёлкните по баннеру, чтобы открыть предложение партнёра.",
                         "Click a banner to open the partner's offer.") + "</p>\r\n";
    }

    out += "<p class=\"note\">" +
           t("Все компании, адреса, телефоны и партнёры демонстрационного каталога вымышлены; "
             "совпадения с реальными организациями случайны.",
             "All companies, addresses, phone numbers and partners of this demonstration catalogue are "
             "invented; any likeness to real organisations is a coincidence.") +
           "</p>\r\n";
    out += "</body>\r\n</html>\r\n";
    return out;
}

std::map<std::string, std::string> catalogFiles(const CatalogTexts& texts, bool english, int companies, int topics,
                                                const std::vector<std::pair<std::string, int>>& sections) {
    std::map<std::string, std::string> files;
    const auto text = [&files](const std::string& name, const std::string& utf8) {
        files[name] = text::utf8ToCp1251(utf8);
    };
    text("tolvik.xml", databaseInfoFile(texts));
    text("Org.xsl", cardStyleSheet(english));
    text("Welcome.htm", welcomePage(texts, english, companies, topics, sections, true));
    text("Indexes.xml", indexDefinition(english));
    text("Search.xml", searchDefinition(english));
    text("TablePrintStyle.css", tablePrintStyle());
    // Pictures last, in a fixed order: glyph caches make the bytes depend on
    // what was drawn before.
    files["empty.png"] = missingPicture();
    files["button.png"] = lobbyButton(texts, english, false);
    files["button_hot.png"] = lobbyButton(texts, english, true);
    const std::vector<Partner> list = partners(english);
    for (std::size_t i = 0; i < list.size(); ++i) {
        files["Partners/" + list[i].banner] = partnerBanner(static_cast<int>(i), english);
        files["Partners/" + list[i].poster] = partnerPoster(static_cast<int>(i), english);
    }
    return files;
}

}  // namespace makecatalog::demo
