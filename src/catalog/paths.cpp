#include "paths.h"

#include "collation.h"
#include "scramble.h"

#include <algorithm>

namespace catalog {
namespace {

// The part after "db:" (its first three characters, wherever "db:" stood),
// split at the first "/". Without a "/" the whole rest is the table.
void splitTablePath(const std::string& path, std::string& table, std::string& column) {
    const std::string rest = path.size() > 3 ? path.substr(3) : std::string();
    const size_t slash = rest.find('/');
    table = rest.substr(0, slash);
    column = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
}

}  // namespace

bool IsTablePath(const std::string& path) { return path.find("db:") != std::string::npos; }

std::string PathExpression(const std::string& path) {
    if (IsTablePath(path)) {
        std::string table, column;
        splitTablePath(path, table, column);
        return table + "." + column;
    }
    return "SUPERSELECT(XML, '" + path + "', '" + std::string(RecordKey) + "')";
}

std::vector<std::string> PathTables(const std::vector<std::string>& paths) {
    std::vector<std::string> tables;
    for (const std::string& path : paths) {
        if (!IsTablePath(path))
            continue;
        std::string table, column;
        splitTablePath(path, table, column);
        const bool known = std::any_of(tables.begin(), tables.end(), [&](const std::string& t) {
            return SameText1251(t, table);
        });
        if (!known)
            tables.push_back(table);
    }
    std::sort(tables.begin(), tables.end(), [](const std::string& a, const std::string& b) {
        return CompareText1251(a, b) < 0;
    });
    return tables;
}

std::string PathTablesFrom(const std::vector<std::string>& paths) {
    std::string from;
    for (const std::string& table : PathTables(paths)) {
        from += ", " + table;
        if (UpperCase1251(table) == "KEYWORDS")
            from += ", SEARCH_TEMP";
    }
    return from;
}

std::string PathTablesJoin(const std::vector<std::string>& paths) {
    std::string join;
    for (const std::string& table : PathTables(paths))
        join += " AND Companies.CompanyID = " + table + ".CompanyID";
    return join;
}

}  // namespace catalog
