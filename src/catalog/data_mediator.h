// The data mediator: what the search dialog needs from the catalog, without
// the dialog knowing the data module. Also the Search.xml definition of the
// search fields, and the shell open of documents and web addresses.
#pragma once

#include "catalog/build_structures.h"
#include "platform/xml/xml.h"

#include <QString>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace catalog {

class TDaziData;

class IDataMediator {
public:
    virtual ~IDataMediator() = default;

    // Element 0 is the whole catalog (ID 0), then every saved selection.
    virtual void GetSelections(TSelectionList& List) = 0;
    // Search.xml of the search folder, else of the fallback folder; a
    // document without any node when neither has one. A file that is not
    // well-formed throws xml::XmlError.
    virtual void LoadSearchDefinition(xml::XmlDocument& Document) = 0;
    // Strings := the suggestions of an indexed field (Path a table path).
    virtual void ListIndexValues(const std::string& Path, std::vector<std::string>& Strings) = 0;
    // Strings := the distinct values of a field.
    virtual void ListDistinctValues(const std::string& Path, std::vector<std::string>& Strings) = 0;
};

class TDataMediator final : public IDataMediator {
public:
    explicit TDataMediator(TDaziData& Data) : m_data(Data) {}

    // Both are set to the catalog folder at each catalog opening.
    QString SearchFolder;
    QString SearchFallbackFolder;

    void GetSelections(TSelectionList& List) override;
    void LoadSearchDefinition(xml::XmlDocument& Document) override;
    void ListIndexValues(const std::string& Path, std::vector<std::string>& Strings) override;
    void ListDistinctValues(const std::string& Path, std::vector<std::string>& Strings) override;

private:
    TDaziData& m_data;
};

// The single instance, created by the entry point after DaziData.
extern std::unique_ptr<TDataMediator> DataMediator;

// --- Search.xml: every element named Entity (exact case), in document order,
// wherever it sits, is one search field.

struct TSearchEntity {
    // Caption: the Entity's Name attribute, else its parent's, else empty.
    std::string Name;
    // Table path whose column gives the value suggestions; empty when the
    // suggestions are the field's own distinct values.
    std::string Index;
    // The field path: the Entity's text, trimmed.
    std::string Path;

    friend bool operator==(const TSearchEntity&, const TSearchEntity&) = default;
};

std::vector<TSearchEntity> SearchEntities(const xml::XmlDocument& Definition);

// --- Documents and web addresses

// Raised by OpenDocument; the application's error box shows it.
class EOpenDocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Hands Target (a file name, a web or mail address) to the desktop to open
// with its default program. Throws EOpenDocumentError with the text "Could
// not run Web browser." when the desktop refuses.
void OpenDocument(const QString& Target);

}  // namespace catalog
