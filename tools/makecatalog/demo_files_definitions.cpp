// Indexes.xml, Search.xml and TablePrintStyle.css of the demo catalogs.
#include "demo_files.h"

#include "demo_text.h"

namespace makecatalog::demo {
namespace {

struct IndexField {
    int id;  // the tag of the index button
    const char* ru;
    const char* en;
    std::vector<std::string> entities;
};

struct SearchField {
    const char* ru;
    const char* en;
    const char* path;
};

// In the order of the dialog's rows: what people look for most comes first.
// No field has an index attribute: an index names a table whose column is
// listed as it stands (no DISTINCT, no order), and the demo databases have no
// such lookup tables; the fields' own distinct values make better lists.
constexpr SearchField SearchFields[] = {
    {"Название", "Name", "name"},
    {"Деятельность", "Activity", "activities"},
    {"Ключевое слово", "Keyword", "db:keywords/keyword"},
    {"Населённый пункт", "Town or village", "settlement"},
    {"Район", "District", "district"},
    {"Улица", "Street", "street"},
    {"Почтовый индекс", "Postal code", "zip"},
    {"Телефон", "Phone", "phone"},
    {"E-mail", "E-mail", "email"},
    {"Сайт", "Web site", "web"},
};

}  // namespace

std::string indexDefinition(bool english) {
    const std::vector<IndexField> fields = {
        {2, "Алфавит", "Alphabet", {AlphabetPath}},
        {3, "Регион", "Region", {"district", "settlement"}},
        {4, "Адрес", "Address", {"street"}},
        {5, "Индекс", "Postal code", {"zip"}},
        {6, "Слова", "Keywords", {"db:keywords/keyword"}},
    };
    std::string out = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";
    out += "<!-- The index buttons above the tree: the id is the button's tag; each\r\n"
           "     Entity is one grouping level, a path in the company record or a\r\n"
           "     \"db:\" table path. Nothing but Entity elements inside a Field, and\r\n"
           "     nothing after the last Field: the reader takes them as they come. -->\r\n";
    out += "<Fields>";
    for (const IndexField& f : fields) {
        out += "\r\n  <Field id=\"" + std::to_string(f.id) + "\" Name=\"" + xmlEscape(english ? f.en : f.ru) + "\">";
        for (const std::string& entity : f.entities)
            out += "<Entity>" + xmlEscape(entity) + "</Entity>";
        out += "</Field>";
    }
    out += "</Fields>\r\n";
    return out;
}

std::string searchDefinition(bool english) {
    std::string out = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n";
    out += "<!-- Fields of the search dialog, one condition row each, in this order.\r\n"
           "     Name is the caption; the text is the field path: an element of the\r\n"
           "     company record (\"activities\" holds all activities) or the keyword\r\n"
           "     table. The value lists are the distinct values of each field. -->\r\n";
    out += "<Search>\r\n";
    for (const SearchField& f : SearchFields)
        out += "  <Entity Name=\"" + xmlEscape(english ? f.en : f.ru) + "\">" + xmlEscape(f.path) + "</Entity>\r\n";
    out += "</Search>\r\n";
    return out;
}

std::string tablePrintStyle() {
    // The printed table is <table cellspacing="1"> with rows of three cells,
    // class odd or even, the phone cell also nowrap; the program sets no
    // styles of its own. The header rule serves tables that add a title row.
    return "/* The printed table of companies: name, address, phone. */\r\n"
           "body { font-family: Arial, \"Liberation Sans\", Helvetica, sans-serif; font-size: 9pt; color: #1b1f24; "
           "background-color: #ffffff; }\r\n"
           "table { border-collapse: collapse; width: 100%; }\r\n"
           "td { padding: 3px 6px 3px 6px; vertical-align: top; border-bottom: 1px solid #c9d3e0; }\r\n"
           "td.odd { background-color: #ffffff; }\r\n"
           "td.even { background-color: #edf2f9; }\r\n"
           "td[nowrap] { white-space: nowrap; }\r\n"
           "th, tr.header td, td.header { background-color: #1d4e89; color: #ffffff; font-weight: bold; "
           "text-align: left; padding: 4px 6px 4px 6px; border-bottom: 2px solid #ef9a48; }\r\n";
}

}  // namespace makecatalog::demo
