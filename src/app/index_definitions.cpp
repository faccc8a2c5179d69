#include "app/index_definitions.h"

#include "catalog/collation.h"
#include "lang/lang_util.h"
#include "platform/xml/xml.h"

#include <QFile>

#include <charconv>

namespace app {
namespace {

// Pretty-printing and remarks: what a hand-edited file may hold besides
// its elements.
bool isLayout(const xml::XmlNode& node) {
    switch (node.kind()) {
    case xml::NodeKind::Comment:
    case xml::NodeKind::ProcessingInstruction:
        return true;
    case xml::NodeKind::Text:
    case xml::NodeKind::CData:
        return catalog::Trim(node.text()).empty();
    default:
        return false;
    }
}

bool hasId(const xml::XmlNode& field, int id) {
    const std::optional<std::string> value = field.attribute("id");
    if (!value)
        return false;
    const std::string digits = catalog::Trim(*value);
    int parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    return error == std::errc() && end == digits.data() + digits.size() && parsed == id;
}

}  // namespace

ENoIndexDefinitions::ENoIndexDefinitions()
    : std::runtime_error(lang::Translate(QStringLiteral("В файле Indexes.xml нет ни одного индекса.")).toStdString()) {}

std::vector<std::string> IndexEntities(const xml::XmlDocument& Definitions, int IndexId) {
    const xml::XmlNode root = Definitions.documentElement();
    if (!root || !root.hasName("Fields"))
        throw ENoIndexDefinitions();
    xml::XmlNode chosen;
    for (const xml::XmlNode& child : root.children()) {
        if (!child.isElement() || !child.hasName("Field"))
            continue;
        chosen = child;
        if (hasId(child, IndexId))
            break;
    }
    if (!chosen)
        throw ENoIndexDefinitions();
    std::vector<std::string> entities;
    for (const xml::XmlNode& child : chosen.children()) {
        if (isLayout(child))
            continue;
        if (!child.isElement() || !child.hasName("Entity"))
            throw EIndexFormatError();
        entities.push_back(catalog::Trim(child.text()));
    }
    // Without a level there is nothing to group by.
    if (entities.empty())
        throw EIndexFormatError();
    return entities;
}

std::vector<std::string> LoadIndexEntities(const QString& FileName, int IndexId) {
    return IndexEntities(xml::XmlDocument::fromFile(QFile::encodeName(FileName).toStdString()), IndexId);
}

}  // namespace app
