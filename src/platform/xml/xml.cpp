#include "platform/xml/xml.h"

#include "platform/text/cp1251.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlmemory.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace xml {
namespace {

// Entities are substituted so that the tree holds plain text nodes only; no
// network access; errors are collected from the context, not printed.
constexpr int kParseOptions = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR |
                              XML_PARSE_NOWARNING | XML_PARSE_BIG_LINES;

struct ParserContextFree {
    void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};
using ParserContext = std::unique_ptr<xmlParserCtxt, ParserContextFree>;

struct XmlCharFree {
    void operator()(xmlChar* s) const { xmlFree(s); }
};
using XmlString = std::unique_ptr<xmlChar, XmlCharFree>;

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// ASCII is the same in both encodings; most names and many texts are ASCII.
std::string toUtf8(std::string_view cp1251) {
    return isAscii(cp1251) ? std::string(cp1251) : text::cp1251ToUtf8(cp1251);
}

std::string fromUtf8(std::string_view utf8) {
    return isAscii(utf8) ? std::string(utf8) : text::utf8ToCp1251(utf8);
}

const xmlChar* xc(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

std::string_view view(const xmlChar* s) {
    return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}

int checkedSize(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX))
        throw XmlError("XML text too large");
    return static_cast<int>(size);
}

// The DOM name of a node, in UTF-8.
std::string nameUtf8(const xmlNode* n) {
    switch (n->type) {
    case XML_TEXT_NODE:
        return "#text";
    case XML_CDATA_SECTION_NODE:
        return "#cdata-section";
    case XML_COMMENT_NODE:
        return "#comment";
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
        return "#document";
    case XML_DOCUMENT_FRAG_NODE:
        return "#document-fragment";
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
        if (n->ns && n->ns->prefix)
            return std::string(view(n->ns->prefix)) + ":" + std::string(view(n->name));
        return std::string(view(n->name));
    default:
        return std::string(view(n->name));
    }
}

bool nameEquals(const xmlNode* n, std::string_view utf8) {
    if (n->type == XML_ELEMENT_NODE && !(n->ns && n->ns->prefix))
        return view(n->name) == utf8;
    return nameUtf8(n) == utf8;
}

// Declarations inside a DTD and the shared content of entity references are
// not part of the document's own tree.
bool exposesChildren(const xmlNode* n) {
    return n->type == XML_ELEMENT_NODE || n->type == XML_DOCUMENT_NODE ||
           n->type == XML_HTML_DOCUMENT_NODE || n->type == XML_DOCUMENT_FRAG_NODE;
}

bool takesChildren(const xmlNode* n) { return exposesChildren(n); }

xmlAttr* findAttribute(const xmlNode* n, std::string_view utf8) {
    if (!n || n->type != XML_ELEMENT_NODE)
        return nullptr;
    for (xmlAttr* a = n->properties; a; a = a->next) {
        if (nameEquals(reinterpret_cast<const xmlNode*>(a), utf8))
            return a;
    }
    return nullptr;
}

std::string contentUtf8(const xmlNode* n) {
    XmlString s(xmlNodeGetContent(n));
    return std::string(view(s.get()));
}

// The first error of a parse: the later ones are mostly its consequences.
struct FirstError {
    bool set = false;
    std::string message;
    int line = 0;
    int column = 0;
};

// Called by libxml2 with the context's user data, which is the context.
void keepFirstError(void* userData, xmlErrorPtr e) {
    const auto* ctxt = static_cast<const xmlParserCtxt*>(userData);
    auto* first = ctxt ? static_cast<FirstError*>(ctxt->_private) : nullptr;
    if (!first || first->set || !e || e->level < XML_ERR_ERROR)
        return;
    first->set = true;
    first->message = e->message ? e->message : "";
    while (!first->message.empty() && (first->message.back() == '\n' || first->message.back() == '\r'))
        first->message.pop_back();
    first->line = e->line;
    first->column = e->int2;
}

// A parser context that reports its errors to First rather than stderr.
ParserContext newParser(FirstError& first) {
    xmlInitParser();
    ParserContext ctxt(xmlNewParserCtxt());
    if (!ctxt || !ctxt->sax)
        throw XmlError("cannot create an XML parser");
    ctxt->_private = &first;
    ctxt->sax->serror = keepFirstError;
    return ctxt;
}

[[noreturn]] void throwParseError(const FirstError& first, const std::string& fallback) {
    if (!first.set || first.message.empty())
        throw XmlError(fallback);
    std::string message = first.message;
    if (first.line > 0)
        message += " (line " + std::to_string(first.line) + ", column " + std::to_string(first.column) + ")";
    throw XmlError(message, first.line, first.column);
}

xmlDoc* parseBytes(std::string_view bytes) {
    FirstError first;
    ParserContext ctxt = newParser(first);
    xmlDoc* doc = xmlCtxtReadMemory(ctxt.get(), bytes.data(), checkedSize(bytes.size()), nullptr,
                                   nullptr, kParseOptions);
    if (!doc)
        throwParseError(first, "the XML text cannot be read");
    return doc;
}

xmlDoc* parseFile(const std::filesystem::path& path) {
    FirstError first;
    ParserContext ctxt = newParser(first);
    xmlDoc* doc = xmlCtxtReadFile(ctxt.get(), path.c_str(), nullptr, kParseOptions);
    if (!doc)
        throwParseError(first, "cannot read the XML file " + path.string());
    return doc;
}

// Links Child into Parent before Before (null appends). Done by hand because
// xmlAddChild and xmlAddPrevSibling merge adjacent text nodes.
void link(xmlNode* parent, xmlNode* before, xmlNode* child) {
    child->parent = parent;
    if (before) {
        child->next = before;
        child->prev = before->prev;
        if (before->prev)
            before->prev->next = child;
        else
            parent->children = child;
        before->prev = child;
    } else {
        child->next = nullptr;
        child->prev = parent->last;
        if (parent->last)
            parent->last->next = child;
        else
            parent->children = child;
        parent->last = child;
    }
}

}  // namespace

// --- DetachedNode ---

void DetachedNode::Free::operator()(_xmlNode* node) const { xmlFreeNode(node); }

XmlNode DetachedNode::node() const { return XmlNode(node_.get()); }

// --- XmlNode ---

NodeKind XmlNode::kind() const {
    if (!node_)
        return NodeKind::None;
    switch (node_->type) {
    case XML_ELEMENT_NODE:
        return NodeKind::Element;
    case XML_TEXT_NODE:
        return NodeKind::Text;
    case XML_CDATA_SECTION_NODE:
        return NodeKind::CData;
    case XML_COMMENT_NODE:
        return NodeKind::Comment;
    case XML_PI_NODE:
        return NodeKind::ProcessingInstruction;
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
        return NodeKind::Document;
    case XML_DTD_NODE:
    case XML_DOCUMENT_TYPE_NODE:
        return NodeKind::DocumentType;
    default:
        return NodeKind::Other;
    }
}

std::string XmlNode::name() const { return node_ ? fromUtf8(nameUtf8(node_)) : std::string(); }

bool XmlNode::hasName(std::string_view name) const {
    return node_ && nameEquals(node_, toUtf8(name));
}

std::string XmlNode::text() const { return node_ ? fromUtf8(contentUtf8(node_)) : std::string(); }

std::string XmlNode::textUtf8() const { return node_ ? contentUtf8(node_) : std::string(); }

void XmlNode::setText(std::string_view text) { setTextUtf8(toUtf8(text)); }

void XmlNode::setTextUtf8(std::string_view text) {
    if (!node_)
        return;
    const std::string s(text);
    switch (node_->type) {
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
        // For these kinds libxml2 copies the text as it is.
        xmlNodeSetContent(node_, xc(s));
        return;
    case XML_ELEMENT_NODE: {
        while (node_->children) {
            xmlNode* c = node_->children;
            xmlUnlinkNode(c);
            xmlFreeNode(c);
        }
        xmlNode* t = xmlNewDocTextLen(node_->doc, xc(s), checkedSize(s.size()));
        if (!t)
            throw XmlError("cannot create a text node");
        link(node_, nullptr, t);
        return;
    }
    default:
        throw XmlError("this node kind has no text of its own");
    }
}

XmlNode XmlNode::parent() const { return XmlNode(node_ ? node_->parent : nullptr); }

XmlNode XmlNode::firstChild() const {
    return XmlNode(node_ && exposesChildren(node_) ? node_->children : nullptr);
}

XmlNode XmlNode::lastChild() const {
    return XmlNode(node_ && exposesChildren(node_) ? node_->last : nullptr);
}

XmlNode XmlNode::nextSibling() const { return XmlNode(node_ ? node_->next : nullptr); }

XmlNode XmlNode::previousSibling() const { return XmlNode(node_ ? node_->prev : nullptr); }

std::vector<XmlNode> XmlNode::children() const {
    std::vector<XmlNode> result;
    for (XmlNode c = firstChild(); c; c = c.nextSibling())
        result.push_back(c);
    return result;
}

std::vector<XmlNode> XmlNode::childElements() const {
    std::vector<XmlNode> result;
    for (XmlNode c = firstChild(); c; c = c.nextSibling())
        if (c.isElement())
            result.push_back(c);
    return result;
}

std::size_t XmlNode::childCount() const {
    std::size_t n = 0;
    for (XmlNode c = firstChild(); c; c = c.nextSibling())
        ++n;
    return n;
}

XmlNode XmlNode::child(std::size_t index) const {
    XmlNode c = firstChild();
    for (; c && index > 0; --index)
        c = c.nextSibling();
    return c;
}

std::size_t XmlNode::index() const {
    std::size_t i = 0;
    for (XmlNode c = previousSibling(); c; c = c.previousSibling())
        ++i;
    return i;
}

XmlNode XmlNode::firstChildNamed(std::string_view name) const {
    const std::string utf8 = toUtf8(name);
    for (XmlNode c = firstChild(); c; c = c.nextSibling())
        if (nameEquals(c.node_, utf8))
            return c;
    return {};
}

XmlNode XmlNode::firstChildElement(std::string_view name) const {
    const std::string utf8 = toUtf8(name);
    for (XmlNode c = firstChild(); c; c = c.nextSibling())
        if (c.node_->type == XML_ELEMENT_NODE && nameEquals(c.node_, utf8))
            return c;
    return {};
}

bool XmlNode::hasAttribute(std::string_view name) const {
    return findAttribute(node_, toUtf8(name)) != nullptr;
}

std::optional<std::string> XmlNode::attribute(std::string_view name) const {
    const xmlAttr* a = findAttribute(node_, toUtf8(name));
    if (!a)
        return std::nullopt;
    return fromUtf8(contentUtf8(reinterpret_cast<const xmlNode*>(a)));
}

std::vector<std::pair<std::string, std::string>> XmlNode::attributes() const {
    std::vector<std::pair<std::string, std::string>> result;
    if (!node_ || node_->type != XML_ELEMENT_NODE)
        return result;
    for (const xmlAttr* a = node_->properties; a; a = a->next) {
        const auto* n = reinterpret_cast<const xmlNode*>(a);
        result.emplace_back(fromUtf8(nameUtf8(n)), fromUtf8(contentUtf8(n)));
    }
    return result;
}

void XmlNode::setAttribute(std::string_view name, std::string_view value) {
    if (!node_ || node_->type != XML_ELEMENT_NODE)
        throw XmlError("only elements have attributes");
    const std::string n = toUtf8(name);
    if (xmlValidateQName(xc(n), 0) != 0)
        throw XmlError("not a valid attribute name: " + std::string(name));
    const std::string v = toUtf8(value);
    if (xmlAttr* a = findAttribute(node_, n)) {
        // Keeps the attribute's namespace; the value is taken literally.
        if (!xmlSetNsProp(node_, a->ns, a->name, xc(v)))
            throw XmlError("cannot set the attribute " + std::string(name));
        return;
    }
    if (!xmlNewProp(node_, xc(n), xc(v)))
        throw XmlError("cannot create the attribute " + std::string(name));
}

bool XmlNode::removeAttribute(std::string_view name) {
    xmlAttr* a = findAttribute(node_, toUtf8(name));
    return a && xmlRemoveProp(a) == 0;
}

XmlNode XmlNode::insertChild(std::size_t index, DetachedNode child) {
    return insertBefore(std::move(child), this->child(index));
}

XmlNode XmlNode::appendChild(DetachedNode child) { return insertBefore(std::move(child), XmlNode()); }

XmlNode XmlNode::insertBefore(DetachedNode child, XmlNode reference) {
    if (!node_ || !takesChildren(node_))
        throw XmlError("this node cannot take children");
    if (!child)
        throw XmlError("no node to insert");
    xmlNode* c = child.node_.get();
    if (c->doc != node_->doc)
        throw XmlError("the node belongs to another document");
    if (reference && reference.node_->parent != node_)
        throw XmlError("the reference node is not a child of this node");
    link(node_, reference.node_, child.release());
    return XmlNode(c);
}

DetachedNode XmlNode::detach() {
    if (!node_)
        return {};
    if (node_->type == XML_DOCUMENT_NODE || node_->type == XML_HTML_DOCUMENT_NODE ||
        node_->type == XML_ATTRIBUTE_NODE)
        throw XmlError("this node cannot be taken out of its tree");
    xmlUnlinkNode(node_);
    return DetachedNode(node_);
}

void XmlNode::remove() { detach(); }

void XmlNode::removeChild(std::size_t index) {
    XmlNode c = child(index);
    if (!c)
        throw XmlError("no child at index " + std::to_string(index));
    c.remove();
}

// --- XmlDocument ---

void XmlDocument::Free::operator()(_xmlDoc* doc) const { xmlFreeDoc(doc); }

XmlDocument::XmlDocument() : doc_(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"))) {
    if (!doc_)
        throw XmlError("cannot create an XML document");
}

XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;
XmlDocument& XmlDocument::operator=(XmlDocument&&) noexcept = default;

XmlDocument XmlDocument::fromBytes(std::string_view bytes) { return XmlDocument(parseBytes(bytes)); }

XmlDocument XmlDocument::fromFile(const std::filesystem::path& path) {
    return XmlDocument(parseFile(path));
}

void XmlDocument::loadBytes(std::string_view bytes) { doc_.reset(parseBytes(bytes)); }

void XmlDocument::loadFile(const std::filesystem::path& path) { doc_.reset(parseFile(path)); }

XmlNode XmlDocument::documentNode() const { return XmlNode(reinterpret_cast<xmlNode*>(doc_.get())); }

XmlNode XmlDocument::documentElement() const {
    return XmlNode(doc_ ? xmlDocGetRootElement(doc_.get()) : nullptr);
}

DetachedNode XmlDocument::createElement(std::string_view name) const {
    const std::string n = toUtf8(name);
    if (n.empty() || xmlValidateName(xc(n), 0) != 0)
        throw XmlError("not a valid element name: " + std::string(name));
    xmlNode* e = xmlNewDocNode(doc_.get(), nullptr, xc(n), nullptr);
    if (!e)
        throw XmlError("cannot create the element " + std::string(name));
    return DetachedNode(e);
}

DetachedNode XmlDocument::createText(std::string_view text) const { return createTextUtf8(toUtf8(text)); }

DetachedNode XmlDocument::createTextUtf8(std::string_view text) const {
    xmlNode* t = xmlNewDocTextLen(doc_.get(), reinterpret_cast<const xmlChar*>(text.data()),
                                  checkedSize(text.size()));
    if (!t)
        throw XmlError("cannot create a text node");
    return DetachedNode(t);
}

std::string XmlDocument::toBytes() const {
    if (!doc_)
        return {};
    xmlChar* mem = nullptr;
    int size = 0;
    const char* encoding = doc_->encoding ? reinterpret_cast<const char*>(doc_->encoding) : "UTF-8";
    xmlDocDumpMemoryEnc(doc_.get(), &mem, &size, encoding);
    XmlString owner(mem);
    if (!mem)
        throw XmlError(std::string("cannot write the document in ") + encoding);
    return std::string(reinterpret_cast<const char*>(mem), static_cast<std::size_t>(size));
}

XmlDocument XmlDocument::clone() const {
    xmlDoc* copy = xmlCopyDoc(doc_.get(), 1);
    if (!copy)
        throw XmlError("cannot copy the document");
    return XmlDocument(copy);
}

}  // namespace xml
