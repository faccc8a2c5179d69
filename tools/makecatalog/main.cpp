// makecatalog: compiles catalog sources into catalog folders.
//   makecatalog build SOURCE OUT
//   makecatalog demo OUT [--sources DIR]
//   makecatalog synthetic --companies N OUT
#include "builder.h"
#include "demo.h"

#include "platform/fb/fb.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: makecatalog build SOURCE OUT\n"
                 "       makecatalog demo OUT [--sources DIR]\n"
                 "       makecatalog synthetic --companies N OUT\n"
                 "SOURCE is a language source folder (topics.xml, companies.xml, ...) or a\n"
                 "folder of such sources named Russian and English; OUT receives the\n"
                 "catalog (tolvik.gdb and its files) or the Russian and English catalogs.\n"
                 "demo writes OUT/Data/<catalog folder>/<language>.\n");
    return 2;
}

// The Firebird root beside the tool when it is installed into a program
// folder, otherwise the one of the build it belongs to.
void useFirebirdRoot() {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path beside = self.parent_path() / "firebird";
    fb::usePrivateRoot(fs::exists(beside / "firebird.conf") ? beside.string() : MARVENIC_FIREBIRD_ROOT);
}

int run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "build" && argc == 4) {
        const fs::path source = argv[2];
        if (fs::exists(source / "topics.xml")) {
            makecatalog::buildCatalog(makecatalog::readSourceFolder(source.string()), argv[3]);
            return 0;
        }
        bool any = false;
        for (const char* language : {"Russian", "English"})
            if (fs::exists(source / language / "topics.xml")) {
                makecatalog::buildCatalog(makecatalog::readSourceFolder((source / language).string()),
                                          (fs::path(argv[3]) / language).string());
                any = true;
            }
        if (!any)
            throw std::runtime_error(source.string() + " holds no catalog source (topics.xml)");
        return 0;
    }
    if (command == "demo" && (argc == 3 || (argc == 5 && std::string(argv[3]) == "--sources"))) {
        const fs::path data = fs::path(argv[2]) / "Data";
        for (const makecatalog::CatalogFolderSource& folder : makecatalog::makeDemoCatalogs()) {
            if (argc == 5) {
                const fs::path sources = fs::path(argv[4]) / folder.folderName;
                makecatalog::writeSourceFolder(folder.russian, (sources / "Russian").string());
                makecatalog::writeSourceFolder(folder.english, (sources / "English").string());
            }
            makecatalog::buildCatalogFolder(folder, data.string());
            std::printf("built %s\n", (data / folder.folderName).c_str());
        }
        return 0;
    }
    if (command == "synthetic" && argc == 5 && std::string(argv[2]) == "--companies") {
        const int companies = std::atoi(argv[3]);
        if (companies <= 0)
            return usage();
        makecatalog::buildCatalog(makecatalog::makeSyntheticCatalog(companies), argv[4]);
        return 0;
    }
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures are drawn with QPainter, which needs a GUI application but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    useFirebirdRoot();
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "makecatalog: %s\n", e.what());
        return 1;
    }
}
