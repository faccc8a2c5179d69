// A compiled XSL style sheet (libxslt) and the transform of a document into
// text. Not thread-safe: compiling and transforming take over libxml2's and
// libxslt's error reporting for their duration.
#pragma once

#include "platform/xml/xml.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct _xsltStylesheet;

namespace xml {

class XslStylesheet {
public:
    // No style sheet yet (a catalog not opened); transform() refuses to run.
    XslStylesheet() = default;
    ~XslStylesheet();
    XslStylesheet(XslStylesheet&&) noexcept;
    XslStylesheet& operator=(XslStylesheet&&) noexcept;
    XslStylesheet(const XslStylesheet&) = delete;
    XslStylesheet& operator=(const XslStylesheet&) = delete;

    // Parse and compile errors throw XmlError with libxml2's or libxslt's
    // messages. A file keeps its path as the base of xsl:include, xsl:import
    // and document().
    static XslStylesheet fromFile(const std::filesystem::path& path);
    static XslStylesheet fromBytes(std::string_view bytes);
    // Compiles a copy; the document stays the caller's.
    static XslStylesheet fromDocument(const XmlDocument& document);

    // Transforms the document node of Source and serialises the result as
    // xsl:output asks (method xml, html or text), returned as UTF-16 code
    // units holding the real characters, whatever output encoding the style
    // sheet names. A failing transform throws XmlError.
    std::u16string transform(const XmlDocument& source) const;

    explicit operator bool() const { return style_ != nullptr; }
    _xsltStylesheet* raw() const { return style_.get(); }

private:
    struct Free {
        void operator()(_xsltStylesheet* style) const;
    };
    explicit XslStylesheet(_xsltStylesheet* style) : style_(style) {}
    static XslStylesheet compile(XmlDocument document);
    std::unique_ptr<_xsltStylesheet, Free> style_;
};

}  // namespace xml
