// The parts of the company card that need no window: the card document
// built from a record, the picture source names the card's style sheet
// writes, and the files of the catalog folder a card may read.
#pragma once

#include "catalog/query_condition.h"
#include "platform/xml/xslt.h"

#include <QString>

#include <string>
#include <string_view>

namespace app {

// The card HTML of a record (code page 1251 XML without a declaration):
// the record with the declaration in front, the places of Conditions marked
// with searchresult and their values with searchselect, transformed by
// StyleSheet and encoded for the single-byte viewer. Throws xml::XmlError
// for a record that is not well-formed.
std::string BuildCompanyHtml(std::string_view RecordXml, const catalog::TQueryConditions& Conditions,
                             const xml::XslStylesheet& StyleSheet);

// A picture source of a card: an image name, optionally preceded by one
// decimal digit giving the image kind.
struct TCardImageSource {
    QString Name;
    int Kind = 0;  // 0 without a digit; 3 is looked up as 2
};
TCardImageSource SplitImageSource(const QString& Src);

// The file that RelativePath names inside Folder, letter case ignored, as
// its real path; empty when there is none or when it lies outside Folder
// (an absolute path, "..", a link pointing elsewhere).
QString CatalogFilePath(const QString& Folder, const QString& RelativePath);

}  // namespace app
