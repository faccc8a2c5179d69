// The catalogs beside the program: each sub-folder of Data/ may hold a
// Russian and an English catalog (a language folder with a tolvik.gdb).
#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace app {

struct TDatabaseInfo {
    int32_t FolderIndex = 0;  // position of the catalog folder in the Data/ listing
    int32_t Order = 0;        // higher first
    std::string Name;         // code page 1251
    std::string Description;  // code page 1251
    QString Language;         // "Russian" or "English"
    QString Path;             // the language folder, ending in "/"
};

// Program-wide state: the catalogs found at start-up in their sorted order,
// the one in use, and the folder of the executable (ending in "/").
extern std::vector<TDatabaseInfo> Databases;
extern TDatabaseInfo CurrentDatabase;
extern QString ProgramFolder;

// Fills Databases from ProgramFolder's Data/ and sorts it. A tolvik.xml that
// is not well-formed throws xml::XmlError.
void FindDatabases();

// Order, then English before Russian, then the names in ordinal byte order;
// with Ascending false the sign is reversed.
int CompareDatabases(const TDatabaseInfo& A, const TDatabaseInfo& B, bool Ascending);

// The quicksort FindDatabases uses: middle pivot, entries that compare
// greater (CompareDatabases with Ascending false) first.
void SortDatabases(std::vector<TDatabaseInfo>& List);

// Applies the name, description and order of a tolvik.xml to Info.
void ApplyDatabaseInfoFile(const QString& FileName, TDatabaseInfo& Info);

}  // namespace app
