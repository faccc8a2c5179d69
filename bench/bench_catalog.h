// The synthetic 100,000-company catalog that every benchmark runs on. It is
// built on first use and kept in the build folder's bench-data/ (delete it
// after changing the generator); MARVENIC_BENCH_DATA points elsewhere.
#pragma once

#include "builder.h"
#include "demo.h"
#include "platform/fb/fb.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

inline constexpr int CompanyCount = 100000;

inline bool complete(const std::filesystem::path& folder) {
    return std::filesystem::exists(folder / ".complete");
}

inline void markComplete(const std::filesystem::path& folder) {
    std::ofstream(folder / ".complete") << "ok\n";
}

// Sets the private Firebird root and returns the catalog folder.
inline std::filesystem::path SyntheticCatalog() {
    namespace fs = std::filesystem;
    fb::usePrivateRoot(MARVENIC_FIREBIRD_ROOT);
    const QByteArray override = qgetenv("MARVENIC_BENCH_DATA");
    const fs::path root = override.isEmpty() ? fs::path(MARVENIC_BENCH_DATA) : fs::path(override.toStdString());
    const fs::path folder = root / ("synthetic" + std::to_string(CompanyCount / 1000) + "k");
    if (complete(folder))
        return folder;
    std::fprintf(stderr, "Building the synthetic catalog in %s ...\n", folder.c_str());
    fs::remove_all(folder);
    makecatalog::buildCatalog(makecatalog::makeSyntheticCatalog(CompanyCount), folder.string());
    markComplete(folder);
    return folder;
}

}  // namespace bench
