// In-memory form of one catalog's sources, before it is compiled into a
// catalog folder. All text is code page 1251 bytes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace makecatalog {

// Storage flags of a picture row (Images.Comp).
enum ImageStorage : int32_t {
    StorePlain = 0,
    StoreCompressed = 0x0001,       // low half: zlib
    StoreScrambled = 0x10000,       // high half: byte-scrambling stream
    StoreCompressedScrambled = 0x10001,
};

struct ImageSource {
    std::string name;       // file name; its extension tells the format
    int32_t type = 0;       // ImageType
    int32_t storage = StorePlain;
    std::string thumb;      // picture file bytes, may be empty (NULL Thumb)
    std::string data;       // picture file bytes
};

struct CompanySource {
    int32_t id = 0;
    std::string record;     // XML, root element company, no declaration
    std::vector<std::string> keywords;
    std::vector<ImageSource> images;
};

// A node of the topic tree: a topic (companyId < 0) with children, or a
// company entry (companyId >= 0, no children).
struct TopicNode {
    std::string name;       // plain text; for companies the name as shown in lists
    int32_t companyId = -1;
    int32_t property = 0;   // flag bits 1, 2, 4, 8 of a company entry
    bool scrambleName = false;  // store TopicName scrambled
    std::vector<TopicNode> children;
};

// One catalog in one language (the Russian or English folder).
struct CatalogSource {
    std::vector<TopicNode> topics;   // top-level nodes in order
    std::vector<CompanySource> companies;
    // Companion files copied into the catalog folder: relative path -> bytes
    // ("tolvik.xml", "Org.xsl", "Partners/logo.png", ...).
    std::map<std::string, std::string> files;
};

// A catalog folder under Data/: its Russian and English catalogs.
struct CatalogFolderSource {
    std::string folderName;
    CatalogSource russian;
    CatalogSource english;
};

}  // namespace makecatalog
