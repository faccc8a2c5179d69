#include "catalog/records.h"

#include "catalog/entities.h"
#include "catalog/trim.h"
#include "platform/text/cp1251.h"

namespace catalog {
namespace {

// Calls Step for each name of Path in order until an empty name or the end;
// Step returns false to stop.
template <typename Step>
void walkPath(std::string_view path, Step step) {
    while (true) {
        const std::size_t slash = path.find('/');
        const std::string_view name = path.substr(0, slash);
        if (name.empty() || !step(name))
            return;
        if (slash == std::string_view::npos)
            return;
        path.remove_prefix(slash + 1);
    }
}

std::string utf8(std::string_view cp1251) { return text::cp1251ToUtf8(cp1251); }

// The marking step for one node (recursive). Works in UTF-8, libxml2's own
// form, so that characters outside code page 1251 in the rest of the text
// survive the rewrite.
void markNode(const xml::XmlDocument& document, xml::XmlNode node, const std::string& found,
              bool allOccurrences, std::string_view tagName) {
    if (node.isText()) {
        std::string rest = node.textUtf8();
        std::size_t at = rest.find(found);
        if (at == std::string::npos)
            return;
        xml::XmlNode parent = node.parent();
        std::size_t i = node.index();
        while (true) {
            parent.insertChild(i++, document.createTextUtf8(std::string_view(rest).substr(0, at)));
            rest.erase(0, at + found.size());
            xml::DetachedNode mark = document.createElement(tagName);
            mark.node().appendChild(document.createTextUtf8(found));
            parent.insertChild(i++, std::move(mark));
            if (!allOccurrences)
                break;
            at = rest.find(found);
            if (at == std::string::npos)
                break;
        }
        parent.insertChild(i++, document.createTextUtf8(rest));
        parent.removeChild(i);  // the text node the marking started from
        return;
    }
    if (node.isElement()) {
        // From the last child to the first: what a child turns into never
        // moves the children still to be visited.
        for (xml::XmlNode child = node.lastChild(); child;) {
            const xml::XmlNode previous = child.previousSibling();
            markNode(document, child, found, allOccurrences, tagName);
            child = previous;
        }
    }
}

}  // namespace

void LoadXMLText(std::string_view header, std::string_view body, xml::XmlDocument& document) {
    std::string bytes;
    bytes.reserve(header.size() + body.size());
    bytes.append(header);
    bytes.append(body);
    document.loadBytes(bytes);
}

std::string GetValueByPath(const xml::XmlDocument& document, std::string_view path) {
    xml::XmlNode current = document.documentNode();
    std::string attributeValue;
    bool attributeStep = false;
    walkPath(path, [&](std::string_view name) {
        if (name.front() == '@') {
            attributeStep = true;
            if (auto value = current.attribute(name.substr(1)))
                attributeValue = std::move(*value);
            return false;
        }
        current = current.firstChildElement(name);
        return static_cast<bool>(current);
    });
    if (attributeStep)
        return attributeValue;
    return NodeText(current);
}

xml::XmlNode FindNodeByPath(const xml::XmlDocument& document, std::string_view path) {
    xml::XmlNode current = document.documentNode();
    walkPath(path, [&](std::string_view name) {
        current = current.firstChildNamed(name);
        return static_cast<bool>(current);
    });
    return current;
}

void AddChildAtPath(xml::XmlDocument& document, std::string_view path, std::string_view tagName) {
    xml::XmlNode node = FindNodeByPath(document, path);
    if (node)
        node.insertChild(0, document.createElement(tagName));
}

void MarkTextAtPath(xml::XmlDocument& document, std::string_view path, std::string_view text,
                    bool allOccurrences, std::string_view tagName) {
    const std::string found = Trim(text);
    if (found.empty())
        return;
    xml::XmlNode node = FindNodeByPath(document, path);
    if (node)
        markNode(document, node, utf8(found), allOccurrences, tagName);
}

std::string TransformToHTML(const xml::XmlDocument& document, const xml::XslStylesheet& styleSheet) {
    return ConvertWideCharToHTML(styleSheet.transform(document));
}

std::string TransformToHTML(const xml::XmlDocument& document, const xml::XmlDocument& styleSheet) {
    return TransformToHTML(document, xml::XslStylesheet::fromDocument(styleSheet));
}

xml::XmlNode FindChildByPath(xml::XmlNode node, std::string_view path) {
    xml::XmlNode current = node;
    walkPath(path, [&](std::string_view name) {
        if (!current)
            return false;
        current = current.firstChildElement(name);
        return static_cast<bool>(current);
    });
    return current;
}

xml::XmlNode NextNodeInDocument(xml::XmlNode node) {
    if (!node)
        return {};
    if (xml::XmlNode child = node.firstChild())
        return child;
    for (xml::XmlNode n = node; n; n = n.parent())
        if (xml::XmlNode next = n.nextSibling())
            return next;
    return {};
}

std::string NodeText(xml::XmlNode node) { return node.text(); }

std::string NodeAttribute(xml::XmlNode node, std::string_view name) {
    return node.attribute(name).value_or(std::string());
}

}  // namespace catalog
