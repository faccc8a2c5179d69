// Field paths of search and index definitions turned into SQL pieces.
//
// A record path ("phone", "address/street") is evaluated in the database by
// SUPERSELECT over the scrambled record; a table path ("db:keywords/keyword")
// names a column of a table joined to Companies by CompanyID.
#pragma once

#include <string>
#include <vector>

namespace catalog {

// A path is a table path when it contains "db:" anywhere.
bool IsTablePath(const std::string& path);

// table.column for a table path, else SUPERSELECT(XML, 'path', 'RecordKey').
// Neither the path nor the key has its quotes doubled.
std::string PathExpression(const std::string& path);

// Table names of the table paths (from the fourth character up to the first
// "/"), ascending with letter case ignored, each once in the form met first.
std::vector<std::string> PathTables(const std::vector<std::string>& paths);

// ", name" for each table (", SEARCH_TEMP" after KEYWORDS); empty without tables.
std::string PathTablesFrom(const std::vector<std::string>& paths);

// " AND Companies.CompanyID = name.CompanyID" for each table.
std::string PathTablesJoin(const std::vector<std::string>& paths);

}  // namespace catalog
