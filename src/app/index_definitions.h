// Indexes.xml of a catalog: the indexes offered by the index buttons above
// the tree. The root element Fields holds Field elements (attribute id, the
// button's tag, and Name); each Field holds Entity elements, one grouping
// level each, whose text is a field path of the company record.
#pragma once

#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

namespace xml {
class XmlDocument;
}

namespace app {

// A chosen Field holds something other than Entity elements.
class EIndexFormatError : public std::runtime_error {
public:
    EIndexFormatError() : std::runtime_error("Indexes xml file format is invalid!") {}
};

// No Fields root, or a Fields element without a Field: no index to use.
// The message is in the interface language.
class ENoIndexDefinitions : public std::runtime_error {
public:
    ENoIndexDefinitions();
};

// The Entity paths (code page 1251, trimmed, in order) of the first Field
// whose id equals IndexId; when none does, of the last Field. Blank text and
// comments between elements are layout, not content.
std::vector<std::string> IndexEntities(const xml::XmlDocument& Definitions, int IndexId);

// IndexEntities of the file; a missing or malformed file throws the XML
// reader's xml::XmlError.
std::vector<std::string> LoadIndexEntities(const QString& FileName, int IndexId);

}  // namespace app
