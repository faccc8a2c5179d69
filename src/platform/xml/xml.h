// Thin RAII layer over libxml2: documents, node handles, node creation and
// insertion.
//
// libxml2 keeps every string in UTF-8; this layer takes and returns code
// page 1251 bytes, because catalog text stays 1251 in the data layer. A
// character that code page 1251 lacks (possible only through a character
// reference in the XML) reads as "?". The few *Utf8 members give the raw
// text for code that must not lose such characters.
//
// Node names follow the DOM: "#text", "#cdata-section", "#comment",
// "#document" for those node kinds, the qualified name for elements.
//
// Not thread-safe: a document and its nodes belong to one thread.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

namespace xml {

// A parse failure or a misuse of the tree; what() carries libxml2's message.
class XmlError : public std::runtime_error {
public:
    explicit XmlError(const std::string& message, int line = 0, int column = 0)
        : std::runtime_error(message), line_(line), column_(column) {}
    // Position of a parse error, 0 when unknown.
    int line() const { return line_; }
    int column() const { return column_; }

private:
    int line_;
    int column_;
};

enum class NodeKind {
    None,  // the null handle
    Element,
    Text,
    CData,
    Comment,
    ProcessingInstruction,
    Document,
    DocumentType,
    Other,
};

class XmlNode;

// Owns a node that is not (or no longer) part of a tree. Inserting it hands
// the node to the tree; dropping it frees the node and its subtree. It must
// be inserted or dropped before its document goes.
class DetachedNode {
public:
    DetachedNode() = default;
    XmlNode node() const;
    explicit operator bool() const { return node_ != nullptr; }

private:
    friend class XmlDocument;
    friend class XmlNode;
    struct Free {
        void operator()(_xmlNode* node) const;
    };
    explicit DetachedNode(_xmlNode* node) : node_(node) {}
    _xmlNode* release() { return node_.release(); }
    std::unique_ptr<_xmlNode, Free> node_;
};

// Non-owning handle; valid while the node is in its document and the
// document lives. The default handle is null; every query on a null handle
// gives an empty or null answer.
class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(_xmlNode* node) : node_(node) {}

    explicit operator bool() const { return node_ != nullptr; }
    bool isNull() const { return node_ == nullptr; }
    _xmlNode* raw() const { return node_; }
    friend bool operator==(XmlNode a, XmlNode b) = default;

    NodeKind kind() const;
    bool isElement() const { return kind() == NodeKind::Element; }
    bool isText() const { return kind() == NodeKind::Text; }

    std::string name() const;
    // Compares the name without building it in code page 1251.
    bool hasName(std::string_view name) const;

    // The string value: the node's own text for text, CDATA and comment
    // nodes; for an element or the document, the text of all descendants.
    std::string text() const;
    std::string textUtf8() const;
    // Text-like nodes get new content; an element loses its children and
    // gets one text node. The text is taken literally, never parsed.
    void setText(std::string_view text);
    void setTextUtf8(std::string_view text);

    XmlNode parent() const;
    XmlNode firstChild() const;
    XmlNode lastChild() const;
    XmlNode nextSibling() const;
    XmlNode previousSibling() const;

    // All child nodes in document order, and only the elements among them.
    std::vector<XmlNode> children() const;
    std::vector<XmlNode> childElements() const;
    std::size_t childCount() const;
    // Null when index is out of range.
    XmlNode child(std::size_t index) const;
    // Position among the parent's children; 0 without a parent.
    std::size_t index() const;
    // First child of any kind whose name() equals name, and the first child
    // element of that name.
    XmlNode firstChildNamed(std::string_view name) const;
    XmlNode firstChildElement(std::string_view name) const;

    // Attributes by qualified name; only elements have them.
    bool hasAttribute(std::string_view name) const;
    std::optional<std::string> attribute(std::string_view name) const;
    std::vector<std::pair<std::string, std::string>> attributes() const;
    void setAttribute(std::string_view name, std::string_view value);
    bool removeAttribute(std::string_view name);

    // Inserts a node created by the same document; an index at or past the
    // end appends. Adjacent text nodes stay separate nodes. Only elements
    // and the document take children. Returns the inserted node.
    XmlNode insertChild(std::size_t index, DetachedNode child);
    XmlNode appendChild(DetachedNode child);
    // Inserts before Reference, a child of this node (null appends).
    XmlNode insertBefore(DetachedNode child, XmlNode reference);

    // Takes the node out of its tree; the result owns it.
    DetachedNode detach();
    // Takes the node out of its tree and frees it; the handle dangles after.
    void remove();
    void removeChild(std::size_t index);

private:
    _xmlNode* node_ = nullptr;
};

// Owns one libxml2 document. A new document is empty (no root element).
class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument&&) noexcept;
    XmlDocument& operator=(XmlDocument&&) noexcept;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // XML bytes in the encoding their declaration names (UTF-8 without one).
    static XmlDocument fromBytes(std::string_view bytes);
    static XmlDocument fromFile(const std::filesystem::path& path);

    // Replace the content; on a parse error the document keeps its previous
    // content. Handles and detached nodes of the previous content dangle.
    void loadBytes(std::string_view bytes);
    void loadFile(const std::filesystem::path& path);

    XmlNode documentNode() const;
    // The root element, or null.
    XmlNode documentElement() const;

    // Throws XmlError for a name that is not a valid XML name.
    DetachedNode createElement(std::string_view name) const;
    DetachedNode createText(std::string_view text) const;
    DetachedNode createTextUtf8(std::string_view text) const;

    // The document as XML bytes in its declared encoding (UTF-8 without
    // one); characters the encoding lacks become character references.
    std::string toBytes() const;

    // A deep copy (for compiling a style sheet that keeps its document).
    XmlDocument clone() const;

    _xmlDoc* raw() const { return doc_.get(); }
    // Hands the document over; the caller frees it.
    _xmlDoc* release() { return doc_.release(); }

private:
    struct Free {
        void operator()(_xmlDoc* doc) const;
    };
    explicit XmlDocument(_xmlDoc* doc) : doc_(doc) {}
    std::unique_ptr<_xmlDoc, Free> doc_;
};

}  // namespace xml
