#include "platform/xml/xslt.h"

#include <libexslt/exslt.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlIO.h>
#include <libxslt/extensions.h>
#include <libxslt/extra.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <algorithm>
#include <cstdio>
#include <mutex>

namespace xml {
namespace {

void initialise() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        exsltRegisterAll();
        // Style sheets written for MSXML use its node-set(); it is the same
        // function as EXSLT's.
        xsltRegisterExtModuleFunction(reinterpret_cast<const xmlChar*>("node-set"),
                                      reinterpret_cast<const xmlChar*>("urn:schemas-microsoft-com:xslt"),
                                      xsltFunctionNodeSet);
    });
}

// Collects the messages libxml2 and libxslt would print on stderr while it
// lives, and puts the previous handlers back at the end.
class ErrorCapture {
public:
    ErrorCapture()
        : oldXml_(xmlGenericError), oldXmlContext_(xmlGenericErrorContext),
          oldXslt_(xsltGenericError), oldXsltContext_(xsltGenericErrorContext) {
        xmlSetGenericErrorFunc(this, &ErrorCapture::collect);
        xsltSetGenericErrorFunc(this, &ErrorCapture::collect);
    }
    ~ErrorCapture() {
        xmlSetGenericErrorFunc(oldXmlContext_, oldXml_);
        xsltSetGenericErrorFunc(oldXsltContext_, oldXslt_);
    }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    static void collect(void* context, const char* format, ...) {
        auto* self = static_cast<ErrorCapture*>(context);
        char buffer[1024];
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        if (n > 0)
            self->text_.append(buffer, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
    }

    // The collected text on one line, or Fallback when nothing came.
    std::string message(const std::string& fallback) const {
        std::string m;
        for (char c : text_)
            m += (c == '\n' || c == '\r') ? ' ' : c;
        while (!m.empty() && m.back() == ' ')
            m.pop_back();
        return m.empty() ? fallback : fallback + ": " + m;
    }

private:
    xmlGenericErrorFunc oldXml_;
    void* oldXmlContext_;
    xmlGenericErrorFunc oldXslt_;
    void* oldXsltContext_;
    std::string text_;
};

struct TransformContextFree {
    void operator()(xsltTransformContext* ctxt) const { xsltFreeTransformContext(ctxt); }
};

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

struct OutputBufferClose {
    void operator()(xmlOutputBuffer* out) const { xmlOutputBufferClose(out); }
};

// libxml2 writes UTF-8; the result is wanted as UTF-16 code units. A
// malformed sequence (not expected from the serialiser) becomes U+FFFD.
std::u16string utf8ToUtf16(const unsigned char* s, std::size_t n) {
    std::u16string out;
    out.reserve(n);
    std::size_t i = 0;
    while (i < n) {
        const unsigned char lead = s[i];
        char32_t c = lead;
        std::size_t len = 1;
        if (lead >= 0xF0 && lead < 0xF8) {
            c = lead & 0x07;
            len = 4;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            c = lead & 0x0F;
            len = 3;
        } else if (lead >= 0xC0 && lead < 0xE0) {
            c = lead & 0x1F;
            len = 2;
        } else if (lead >= 0x80) {
            c = 0xFFFD;
        }
        for (std::size_t k = 1; k < len; ++k) {
            if (i + k >= n || (s[i + k] & 0xC0) != 0x80) {
                c = 0xFFFD;
                len = k;
                break;
            }
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            c = 0xFFFD;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += len;
    }
    return out;
}

}  // namespace

void XslStylesheet::Free::operator()(_xsltStylesheet* style) const { xsltFreeStylesheet(style); }

XslStylesheet::~XslStylesheet() = default;
XslStylesheet::XslStylesheet(XslStylesheet&&) noexcept = default;
XslStylesheet& XslStylesheet::operator=(XslStylesheet&&) noexcept = default;

XslStylesheet XslStylesheet::compile(XmlDocument document) {
    initialise();
    ErrorCapture errors;
    xsltStylesheet* style = xsltParseStylesheetDoc(document.raw());
    if (!style || style->errors > 0) {
        if (style) {
            // The compiled sheet owns the document now.
            xsltFreeStylesheet(style);
            document.release();
        }
        throw XmlError(errors.message("the XSL style sheet cannot be compiled"));
    }
    document.release();
    return XslStylesheet(style);
}

XslStylesheet XslStylesheet::fromFile(const std::filesystem::path& path) {
    return compile(XmlDocument::fromFile(path));
}

XslStylesheet XslStylesheet::fromBytes(std::string_view bytes) { return compile(XmlDocument::fromBytes(bytes)); }

XslStylesheet XslStylesheet::fromDocument(const XmlDocument& document) { return compile(document.clone()); }

std::u16string XslStylesheet::transform(const XmlDocument& source) const {
    if (!style_ || !source.raw())
        throw XmlError("nothing to transform");
    initialise();
    ErrorCapture errors;
    std::unique_ptr<xsltTransformContext, TransformContextFree> ctxt(
        xsltNewTransformContext(style_.get(), source.raw()));
    if (!ctxt)
        throw XmlError("cannot create an XSL transformation");
    xsltSetTransformErrorFunc(ctxt.get(), &errors, &ErrorCapture::collect);
    std::unique_ptr<xmlDoc, DocFree> result(
        xsltApplyStylesheetUser(style_.get(), source.raw(), nullptr, nullptr, nullptr, ctxt.get()));
    if (!result || ctxt->state == XSLT_STATE_ERROR || ctxt->state == XSLT_STATE_STOPPED)
        throw XmlError(errors.message("the XSL transformation failed"));

    // No encoder: the serialiser writes UTF-8 whatever xsl:output names.
    std::unique_ptr<xmlOutputBuffer, OutputBufferClose> out(xmlAllocOutputBuffer(nullptr));
    if (!out)
        throw XmlError("cannot create an output buffer");
    if (xsltSaveResultTo(out.get(), result.get(), style_.get()) < 0)
        throw XmlError(errors.message("cannot write the result of the XSL transformation"));
    xmlOutputBufferFlush(out.get());
    const xmlChar* bytes = xmlOutputBufferGetContent(out.get());
    const std::size_t size = xmlOutputBufferGetSize(out.get());
    return utf8ToUtf16(bytes, size);
}

}  // namespace xml
