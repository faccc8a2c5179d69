// Compiles catalog sources into catalog folders with their database.
#pragma once

#include "catalog_source.h"

#include <string>

namespace makecatalog {

// Writes one language folder: creates OUT/tolvik.gdb (dialect 1, the catalog
// tables, SUPERSELECT declared), fills it from the source and copies the
// companion files. OUT is created; an existing database there is replaced.
void buildCatalog(const CatalogSource& source, const std::string& outFolder);

// Writes dataFolder/folderName/Russian and .../English.
void buildCatalogFolder(const CatalogFolderSource& source, const std::string& dataFolder);

// The source folder format (docs/catalog-format.md).
CatalogSource readSourceFolder(const std::string& folder);
void writeSourceFolder(const CatalogSource& source, const std::string& folder);

}  // namespace makecatalog
