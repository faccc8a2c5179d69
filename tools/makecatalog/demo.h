// Deterministic generators of the shipped demo catalogs and of synthetic
// catalogs for benchmarks.
#pragma once

#include "catalog_source.h"

#include <vector>

namespace makecatalog {

// The catalog folders shipped with the product, the large one first. Logos
// are drawn with QPainter: a QGuiApplication must exist.
std::vector<CatalogFolderSource> makeDemoCatalogs();

// A Russian catalog of the given number of companies, for benchmarks.
CatalogSource makeSyntheticCatalog(int companies, unsigned seed = 1);

}  // namespace makecatalog
