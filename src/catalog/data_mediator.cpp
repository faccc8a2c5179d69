#include "catalog/data_mediator.h"

#include "catalog/collation.h"
#include "catalog/dazi_data.h"
#include "platform/files/files.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace catalog {

std::unique_ptr<TDataMediator> DataMediator;

namespace {

// The Search.xml of Folder, letter case ignored; empty when there is none.
QString searchFile(const QString& folder) {
    if (folder.isEmpty())
        return {};
    const QString path = files::FindFileNoCase(folder, QStringLiteral("Search.xml"));
    return QFileInfo(path).isFile() ? path : QString();
}

void collectEntities(xml::XmlNode element, std::vector<TSearchEntity>& entities) {
    for (xml::XmlNode child : element.childElements()) {
        if (child.hasName("Entity")) {
            TSearchEntity entity;
            if (const auto name = child.attribute("Name"))
                entity.Name = *name;
            else
                entity.Name = element.attribute("Name").value_or(std::string());
            entity.Index = child.attribute("index").value_or(std::string());
            entity.Path = Trim(child.text());
            entities.push_back(std::move(entity));
        }
        collectEntities(child, entities);
    }
}

}  // namespace

void TDataMediator::GetSelections(TSelectionList& List) { catalog::GetSelections(m_data, List); }

void TDataMediator::LoadSearchDefinition(xml::XmlDocument& Document) {
    QString path = searchFile(SearchFolder);
    if (path.isEmpty())
        path = searchFile(SearchFallbackFolder);
    if (path.isEmpty()) {
        Document = xml::XmlDocument();
        return;
    }
    Document.loadFile(QFile::encodeName(path).toStdString());
}

void TDataMediator::ListIndexValues(const std::string& Path, std::vector<std::string>& Strings) {
    Strings.clear();
    m_data.FillIndexValues(Path, Strings);
}

void TDataMediator::ListDistinctValues(const std::string& Path, std::vector<std::string>& Strings) {
    Strings.clear();
    m_data.FillDistinctValues(Path, Strings);
}

std::vector<TSearchEntity> SearchEntities(const xml::XmlDocument& Definition) {
    std::vector<TSearchEntity> entities;
    // The document node is not an element, so a root Entity has no caption
    // to inherit.
    collectEntities(Definition.documentNode(), entities);
    return entities;
}

void OpenDocument(const QString& Target) {
    const QUrl url = QUrl::fromUserInput(Target);
    if (!url.isValid() || !QDesktopServices::openUrl(url))
        throw EOpenDocumentError("Could not run Web browser.");
}

}  // namespace catalog
