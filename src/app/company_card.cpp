#include "app/company_card.h"

#include "catalog/records.h"
#include "platform/files/files.h"

#include <QDir>
#include <QFileInfo>

namespace app {

std::string BuildCompanyHtml(std::string_view RecordXml, const catalog::TQueryConditions& Conditions,
                             const xml::XslStylesheet& StyleSheet) {
    xml::XmlDocument document;
    catalog::LoadXMLText(catalog::RecordXMLHeader, RecordXml, document);
    for (const catalog::TQueryCondition& condition : Conditions)
        catalog::AddChildAtPath(document, "company/" + condition.Path, "searchresult");
    // After all places: a value marked first would hide a place behind its mark.
    for (const catalog::TQueryCondition& condition : Conditions)
        catalog::MarkTextAtPath(document, "company/" + condition.Path, condition.Value, true, "searchselect");
    return catalog::TransformToHTML(document, StyleSheet);
}

TCardImageSource SplitImageSource(const QString& Src) {
    TCardImageSource source{Src, 0};
    if (!Src.isEmpty() && Src.front() >= QLatin1Char('0') && Src.front() <= QLatin1Char('9')) {
        source.Kind = Src.front().unicode() - u'0';
        source.Name = Src.mid(1);
    }
    if (source.Kind == 3)
        source.Kind = 2;
    return source;
}

QString CatalogFilePath(const QString& Folder, const QString& RelativePath) {
    if (Folder.isEmpty() || RelativePath.isEmpty() || RelativePath.startsWith(QLatin1Char('/')) ||
        RelativePath.startsWith(QLatin1Char('\\')) || QDir::isAbsolutePath(RelativePath))
        return {};
    const QFileInfo file(files::FilePathNoCase(Folder, RelativePath));
    if (!file.isFile())
        return {};
    // Compared after resolving "..", "." and links on both sides.
    const QString root = QFileInfo(Folder).canonicalFilePath();
    const QString real = file.canonicalFilePath();
    if (root.isEmpty() || real.isEmpty() || !real.startsWith(root + QLatin1Char('/')))
        return {};
    return real;
}

}  // namespace app
