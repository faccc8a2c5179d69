// Reading, finding and marking nodes of company records by path.
//
// A path is element names joined by "/", compared exactly. Functions that
// take a document start at the document node, so the first name is the root
// element's ("company/phone"). Text is code page 1251 bytes.
#pragma once

#include "platform/xml/xml.h"
#include "platform/xml/xslt.h"

#include <string>
#include <string_view>

namespace catalog {

// The declaration every record is given before parsing, with its CR LF.
inline constexpr std::string_view RecordXMLHeader = "<?xml version=\"1.0\" encoding=\"Windows-1251\"?>\r\n";

// Loads Document from the bytes of Header followed by those of Body; the
// declaration in Header sets the encoding. Throws xml::XmlError.
void LoadXMLText(std::string_view header, std::string_view body, xml::XmlDocument& document);

// The text at Path; a last step "@name" reads an attribute of the element
// reached. Empty when a step is missing. An empty name ends the walk there.
std::string GetValueByPath(const xml::XmlDocument& document, std::string_view path);

// The node at Path, each step the first child (of any kind) of that name;
// null when a step is missing. Never creates nodes; "@" steps find nothing.
xml::XmlNode FindNodeByPath(const xml::XmlDocument& document, std::string_view path);

// Inserts an empty element TagName as the first child of the element at
// Path; nothing when there is none.
void AddChildAtPath(xml::XmlDocument& document, std::string_view path, std::string_view tagName);

// Wraps the trimmed Text, wherever it occurs in the text nodes below the
// element at Path, in an element TagName (every occurrence, or only the
// first of each text node). Nothing for a blank Text or a missing element.
void MarkTextAtPath(xml::XmlDocument& document, std::string_view path, std::string_view text,
                    bool allOccurrences, std::string_view tagName);

// The transform of Document by the style sheet, encoded for the single-byte
// viewer by ConvertWideCharToHTML. The compiled form is what the card keeps;
// the document form compiles the style sheet on every call.
std::string TransformToHTML(const xml::XmlDocument& document, const xml::XslStylesheet& styleSheet);
std::string TransformToHTML(const xml::XmlDocument& document, const xml::XmlDocument& styleSheet);

// From Node, the first child element of each name in turn; null as soon as
// a step finds nothing. An empty path or a null Node gives Node; an empty
// name ends the walk there, as in the document functions.
xml::XmlNode FindChildByPath(xml::XmlNode node, std::string_view path);

// Pre-order successor: the first child, else the next sibling of the node
// or of its nearest ancestor that has one; null at the end of the document.
xml::XmlNode NextNodeInDocument(xml::XmlNode node);

// The node's text; empty for a null node.
std::string NodeText(xml::XmlNode node);

// The attribute's value; empty when the node lacks it or is null.
std::string NodeAttribute(xml::XmlNode node, std::string_view name);

}  // namespace catalog
