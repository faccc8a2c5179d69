#include "collation.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>

namespace catalog {
namespace {

// cp1251 is a single-byte code page, so the ICU converter is asked once for
// every byte and the rest is table look-ups: no converter state to share,
// which keeps the helpers safe to call from any thread.
struct Tables {
    std::array<UChar, 256> toUtf16{};
    std::array<unsigned char, 256> upper{};
    std::unique_ptr<icu::Collator> russian;

    Tables() {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* cnv = ucnv_open("windows-1251", &status);
        if (U_FAILURE(status))
            throw std::runtime_error("ICU: no windows-1251 converter");
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            UChar u[4] = {};
            status = U_ZERO_ERROR;
            const int32_t n = ucnv_toUChars(cnv, u, 4, &byte, 1, &status);
            toUtf16[b] = (U_SUCCESS(status) && n == 1) ? u[0] : 0xFFFD;
        }
        ucnv_close(cnv);

        for (int b = 0; b < 256; ++b) {
            upper[b] = static_cast<unsigned char>(b);
            const auto up = static_cast<UChar>(u_toupper(toUtf16[b]));
            if (up == toUtf16[b])
                continue;
            for (int c = 0; c < 256; ++c)
                if (toUtf16[c] == up) {
                    upper[b] = static_cast<unsigned char>(c);
                    break;
                }
        }

        status = U_ZERO_ERROR;
        russian.reset(icu::Collator::createInstance(icu::Locale("ru"), status));
        if (U_FAILURE(status) || !russian)
            throw std::runtime_error("ICU: no Russian collator");
        russian->setStrength(icu::Collator::TERTIARY);
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

std::vector<UChar> toUtf16(const Tables& t, std::string_view s) {
    std::vector<UChar> out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = t.toUtf16[static_cast<unsigned char>(s[i])];
    return out;
}

}  // namespace

std::string UpperCase1251(std::string_view s) {
    const Tables& t = tables();
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(t.upper[static_cast<unsigned char>(c)]);
    return out;
}

int CompareText1251(std::string_view a, std::string_view b) {
    const Tables& t = tables();
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = t.upper[static_cast<unsigned char>(a[i])];
        const int cb = t.upper[static_cast<unsigned char>(b[i])];
        if (ca != cb)
            return ca - cb;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool SameText1251(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText1251(a, b) == 0;
}

int CompareRussian(const std::string& a, const std::string& b) {
    const Tables& t = tables();
    const std::vector<UChar> ua = toUtf16(t, a);
    const std::vector<UChar> ub = toUtf16(t, b);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r =
        t.russian->compare(ua.data(), static_cast<int32_t>(ua.size()), ub.data(),
                           static_cast<int32_t>(ub.size()), status);
    if (U_FAILURE(status))
        throw std::runtime_error("ICU: comparison failed");
    return static_cast<int>(r);
}

void AppendRussianSortKey(std::string_view name, std::string& pool) {
    const Tables& t = tables();
    const std::vector<UChar> text = toUtf16(t, name);
    const std::size_t start = pool.size();
    std::size_t room = name.size() * 4 + 16;
    for (;;) {
        pool.resize(start + room);
        const int32_t needed =
            t.russian->getSortKey(text.data(), static_cast<int32_t>(text.size()),
                                  reinterpret_cast<uint8_t*>(pool.data() + start), static_cast<int32_t>(room));
        if (needed <= 0)
            throw std::runtime_error("ICU: no sort key");
        if (static_cast<std::size_t>(needed) <= room) {
            pool.resize(start + static_cast<std::size_t>(needed));
            return;
        }
        room = static_cast<std::size_t>(needed);
    }
}

}  // namespace catalog
