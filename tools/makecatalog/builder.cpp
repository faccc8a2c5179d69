#include "builder.h"

#include "catalog/hfgsd_stream.h"
#include "catalog/scramble.h"
#include "catalog/stream.h"
#include "platform/fb/fb.h"
#include "superselect_ddl.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace makecatalog {
namespace {

// Text columns are WIN1251 so that UPPER folds Cyrillic letters.
const char* const Schema[] = {
    "CREATE TABLE Topics0 (TopicID INTEGER NOT NULL PRIMARY KEY,"
    " TopicName VARCHAR(255) CHARACTER SET WIN1251, L INTEGER NOT NULL, R INTEGER NOT NULL,"
    " CompanyID INTEGER, Property INTEGER)",
    "CREATE TABLE Companies (CompanyID INTEGER NOT NULL PRIMARY KEY, XML BLOB SUB_TYPE 0)",
    "CREATE TABLE Images (CompanyID INTEGER NOT NULL, ImageName VARCHAR(255) CHARACTER SET WIN1251,"
    " ImageType INTEGER, Comp INTEGER, Thumb BLOB SUB_TYPE 0, Data BLOB SUB_TYPE 0, DataSize INTEGER)",
    "CREATE TABLE Keywords (CompanyID INTEGER NOT NULL, Keyword VARCHAR(100) CHARACTER SET WIN1251)",
    "CREATE TABLE Selections (SelectionID INTEGER NOT NULL, CompanyID INTEGER NOT NULL)",
    "CREATE TABLE SelectionNames (SelectionID INTEGER NOT NULL PRIMARY KEY,"
    " SelectionName VARCHAR(255) CHARACTER SET WIN1251,"
    " SelectionConditions BLOB SUB_TYPE TEXT CHARACTER SET WIN1251)",
    "CREATE TABLE NOTES (CompanyID INTEGER NOT NULL, Note BLOB SUB_TYPE TEXT CHARACTER SET WIN1251)",
    "CREATE TABLE SEARCH_TEMP (CompanyID INTEGER NOT NULL)",
};

// Created after the rows are in, which is much faster than maintaining them.
const char* const Indexes[] = {
    "CREATE INDEX Topics0_L ON Topics0 (L)",
    "CREATE INDEX Topics0_R ON Topics0 (R)",
    "CREATE INDEX Topics0_Company ON Topics0 (CompanyID)",
    "CREATE INDEX Images_Company ON Images (CompanyID)",
    "CREATE INDEX Images_Name ON Images (ImageName, ImageType)",
    "CREATE INDEX Keywords_Company ON Keywords (CompanyID)",
    // The keyword search tests UPPER(Keyword) STARTING WITH the word's prefix.
    "CREATE INDEX Keywords_Upper ON Keywords COMPUTED BY (UPPER(Keyword))",
    "CREATE INDEX Selections_ID ON Selections (SelectionID)",
    "CREATE INDEX Selections_Company ON Selections (CompanyID)",
    "CREATE INDEX Notes_Company ON NOTES (CompanyID)",
    "CREATE INDEX Search_Temp_Company ON SEARCH_TEMP (CompanyID)",
};

// Lists show TopicName as HTML, so markup characters travel as references.
std::string htmlEscape(const std::string& plain) {
    std::string out;
    out.reserve(plain.size());
    for (char ch : plain) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += ch;
        }
    }
    return out;
}

std::string deflate(const std::string& bytes) {
    uLongf size = compressBound(bytes.size());
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.data()), bytes.size(),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib compression failed");
    out.resize(size);
    return out;
}

std::string scrambleStream(const std::string& bytes) {
    catalog::TMemoryStream memory;
    catalog::THfgsdStream scrambler(memory);
    scrambler.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return memory.TakeBytes();
}

// A picture blob as stored for the given storage flags.
std::string storedPicture(const std::string& bytes, int32_t storage) {
    std::string out = (storage & 0xFFFF) ? deflate(bytes) : bytes;
    return (storage >> 16) ? scrambleStream(out) : out;
}

struct TopicWriter {
    fb::Batch& batch;
    int32_t nextId = 1;
    int32_t counter = 0;

    void write(const TopicNode& node) {
        const int32_t id = nextId++;
        const int32_t left = ++counter;
        for (const TopicNode& child : node.children)
            write(child);
        const int32_t right = ++counter;
        const std::string escaped = htmlEscape(node.name);
        const bool company = node.companyId >= 0;
        if (company && !node.children.empty())
            throw std::runtime_error("Company entry " + std::to_string(node.companyId) +
                                     " has children");
        batch.add({fb::Param::integer(id),
                   fb::Param::text(node.scrambleName ? catalog::ScrambleText(escaped) : escaped),
                   fb::Param::integer(left), fb::Param::integer(right),
                   company ? fb::Param::integer(node.companyId) : fb::Param::null(),
                   fb::Param::integer(company ? node.property : 0)});
    }
};

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("Cannot write " + path.string());
}

}  // namespace

void buildCatalog(const CatalogSource& source, const std::string& outFolder) {
    const fs::path folder(outFolder);
    fs::create_directories(folder);
    const std::string database = (folder / "tolvik.gdb").string();
    fs::remove(database);

    {
        fb::Connection db;
        db.create(database);
        for (const char* ddl : Schema)
            db.execute(ddl);
        db.execute(superselect::SuperselectDeclaration);

        auto topics = db.batch("INSERT INTO Topics0 (TopicID, TopicName, L, R, CompanyID, Property)"
                               " VALUES (?, ?, ?, ?, ?, ?)");
        TopicWriter writer{*topics};
        for (const TopicNode& node : source.topics)
            writer.write(node);
        topics->commit();

        auto companies = db.batch("INSERT INTO Companies (CompanyID, XML) VALUES (?, ?)");
        auto keywords = db.batch("INSERT INTO Keywords (CompanyID, Keyword) VALUES (?, ?)");
        auto images = db.batch("INSERT INTO Images (CompanyID, ImageName, ImageType, Comp, Thumb,"
                               " Data, DataSize) VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (const CompanySource& company : source.companies) {
            std::string record = company.record;
            catalog::UnscrambleRecord(record);
            companies->add({fb::Param::integer(company.id), fb::Param::blob(std::move(record))});
            for (const std::string& word : company.keywords)
                keywords->add({fb::Param::integer(company.id), fb::Param::text(word)});
            for (const ImageSource& image : company.images) {
                images->add({fb::Param::integer(company.id), fb::Param::text(image.name),
                             fb::Param::integer(image.type), fb::Param::integer(image.storage),
                             image.thumb.empty()
                                 ? fb::Param::null()
                                 : fb::Param::blob(storedPicture(image.thumb, image.storage)),
                             fb::Param::blob(storedPicture(image.data, image.storage)),
                             fb::Param::integer(static_cast<int32_t>(image.data.size()))});
            }
        }
        companies->commit();
        keywords->commit();
        images->commit();

        for (const char* ddl : Indexes)
            db.execute(ddl);
    }
    fb::Connection::setForcedWrites(database, true);

    for (const auto& [name, bytes] : source.files)
        writeFile(folder / name, bytes);
}

void buildCatalogFolder(const CatalogFolderSource& source, const std::string& dataFolder) {
    const fs::path folder = fs::path(dataFolder) / source.folderName;
    buildCatalog(source.russian, (folder / "Russian").string());
    buildCatalog(source.english, (folder / "English").string());
}

}  // namespace makecatalog
