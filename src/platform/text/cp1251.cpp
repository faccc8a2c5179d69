#include "platform/text/cp1251.h"

#include <unicode/ucnv.h>
#include <unicode/utypes.h>

#include <memory>
#include <stdexcept>

namespace text {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open(name, &status));
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("cannot open the ") + name + " converter: " +
                                 u_errorName(status));
    if (std::string_view(name) == "windows-1251") {
        // ICU's default substitute for this code page is the control SUB (0x1A).
        ucnv_setSubstChars(c.get(), "?", 1, &status);
        if (U_FAILURE(status))
            throw std::runtime_error(std::string("cannot set the substitute character: ") +
                                     u_errorName(status));
    }
    return c;
}

// Converters are stateful and not thread-safe: one of each per thread, reset
// before every use.
UConverter* cp1251() {
    thread_local Converter c = openConverter("windows-1251");
    ucnv_reset(c.get());
    return c.get();
}

UConverter* utf8() {
    thread_local Converter c = openConverter("UTF-8");
    ucnv_reset(c.get());
    return c.get();
}

void check(UErrorCode status, const char* what) {
    if (U_FAILURE(status))
        throw std::runtime_error(std::string(what) + ": " + u_errorName(status));
}

// Converts Source from one converter's charset into the other's, with ICU's
// pivot through UTF-16. Output capacity: MaxRatio bytes per input byte.
std::string convert(UConverter* to, UConverter* from, std::string_view source, std::size_t maxRatio) {
    std::string out;
    if (source.empty())
        return out;
    out.resize(source.size() * maxRatio + 4);
    char* target = out.data();
    const char* src = source.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(to, from, &target, out.data() + out.size(), &src, source.data() + source.size(),
                   nullptr, nullptr, nullptr, nullptr, true, true, &status);
    check(status, "code page conversion failed");
    out.resize(static_cast<std::size_t>(target - out.data()));
    if (out.capacity() > out.size() + out.size() / 8 + 32)
        out.shrink_to_fit();  // Cyrillic UTF-8 is twice its 1251 size: do not keep the slack
    return out;
}

}  // namespace

QString fromCp1251(std::string_view bytes) {
    QString result;
    if (bytes.empty())
        return result;
    // A single-byte code page gives at most one UTF-16 unit per byte.
    result.resize(static_cast<qsizetype>(bytes.size()));
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(cp1251(), reinterpret_cast<UChar*>(result.data()), static_cast<int32_t>(result.size()),
                      bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (status == U_STRING_NOT_TERMINATED_WARNING)
        status = U_ZERO_ERROR;
    check(status, "code page 1251 decoding failed");
    result.resize(length);
    return result;
}

std::string toCp1251(const QString& text) {
    std::string result;
    if (text.isEmpty())
        return result;
    // One byte per UTF-16 unit at most (a surrogate pair becomes one '?').
    result.resize(static_cast<std::size_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(cp1251(), result.data(), static_cast<int32_t>(result.size()),
                        reinterpret_cast<const UChar*>(text.constData()), static_cast<int32_t>(text.size()),
                        &status);
    if (status == U_STRING_NOT_TERMINATED_WARNING)
        status = U_ZERO_ERROR;
    check(status, "code page 1251 encoding failed");
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::string utf8ToCp1251(std::string_view utf8Text) {
    UConverter* from = utf8();
    UConverter* to = cp1251();
    return convert(to, from, utf8Text, 1);
}

std::string cp1251ToUtf8(std::string_view bytes) {
    UConverter* from = cp1251();
    UConverter* to = utf8();
    return convert(to, from, bytes, 3);
}

}  // namespace text
