#include "demo_text.h"

#include <array>
#include <cstdint>

namespace makecatalog::demo {
namespace {

// Decodes the UTF-8 character at s[i] and advances i. Literals of this
// generator are well-formed; a stray byte is returned as it stands.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return b;
    }
    char32_t c = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : (b & 0x1F);
    ++i;
    for (int k = 0; k < extra; ++k, ++i)
        c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return c;
}

void encode(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::u32string decodeAll(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();)
        out.push_back(decode(s, i));
    return out;
}

char32_t lowerChar(char32_t c) {
    if (c >= U'А' && c <= U'Я')
        return c + 0x20;
    if (c == U'Ё')
        return U'ё';
    if (c == U'І')
        return U'і';
    if (c == U'Ў')
        return U'ў';
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    return c;
}

char32_t upperChar(char32_t c) {
    if (c >= U'а' && c <= U'я')
        return c - 0x20;
    if (c == U'ё')
        return U'Ё';
    if (c == U'і')
        return U'І';
    if (c == U'ў')
        return U'Ў';
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    return c;
}

bool isUpper(char32_t c) { return lowerChar(c) != c; }
bool isLetter(char32_t c) { return lowerChar(c) != c || upperChar(c) != c; }

const char* latinOf(char32_t lowerCyr) {
    switch (lowerCyr) {
    case U'а': return "a";
    case U'б': return "b";
    case U'в': return "v";
    case U'г': return "g";
    case U'д': return "d";
    case U'е': return "e";
    case U'ё': return "e";
    case U'ж': return "zh";
    case U'з': return "z";
    case U'и': return "i";
    case U'й': return "y";
    case U'к': return "k";
    case U'л': return "l";
    case U'м': return "m";
    case U'н': return "n";
    case U'о': return "o";
    case U'п': return "p";
    case U'р': return "r";
    case U'с': return "s";
    case U'т': return "t";
    case U'у': return "u";
    case U'ф': return "f";
    case U'х': return "kh";
    case U'ц': return "ts";
    case U'ч': return "ch";
    case U'ш': return "sh";
    case U'щ': return "shch";
    case U'ъ': return "";
    case U'ы': return "y";
    case U'ь': return "";
    case U'э': return "e";
    case U'ю': return "yu";
    case U'я': return "ya";
    case U'і': return "i";
    case U'ў': return "u";
    default: return nullptr;
    }
}

}  // namespace

void appendXmlEscaped(std::string& out, std::string_view text) {
    static constexpr auto special = [] {
        std::array<bool, 256> t{};
        t['&'] = t['<'] = t['>'] = t['"'] = true;
        return t;
    }();
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* run = p;
        while (p < end && !special[static_cast<unsigned char>(*p)])
            ++p;
        out.append(run, p);
        if (p == end)
            break;
        switch (*p++) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += "&quot;"; break;
        }
    }
}

std::string xmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    appendXmlEscaped(out, text);
    return out;
}

std::string translit(std::string_view utf8) {
    const std::u32string s = decodeAll(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t c = s[i];
        const char32_t lc = lowerChar(c);
        const char* latin = latinOf(lc);
        if (!latin) {
            encode(out, c);
            continue;
        }
        const char32_t next = i + 1 < s.size() ? s[i + 1] : 0;
        const char32_t prev = i > 0 ? s[i - 1] : 0;
        const char* piece = latin;
        // "ый"/"ий" at the end of a word: "Садовый" -> "Sadovy".
        if ((lc == U'ы' || lc == U'и') && lowerChar(next) == U'й' && (i + 2 >= s.size() || !isLetter(s[i + 2]))) {
            piece = "y";
            ++i;
        } else if (lc == U'е' && (!isLetter(prev) || lowerChar(prev) == U'ь' || lowerChar(prev) == U'ъ')) {
            piece = "ye";
        } else if (lc == U'ь' && lowerChar(next) == U'и') {
            piece = "y";  // "Марьина" -> "Maryina"
        }
        const std::size_t start = out.size();
        out += piece;
        if (isUpper(c) && out.size() > start) {
            // A word in capitals stays in capitals ("БелАЗ" -> "BelAZ").
            const bool allCaps =
                (isLetter(next) && isUpper(next)) || (isLetter(prev) && isUpper(prev) && !isLetter(next));
            for (std::size_t k = start; k < out.size(); ++k) {
                if (k == start || allCaps)
                    out[k] = static_cast<char>(out[k] - 'a' + 'A');
            }
        }
    }
    return out;
}

std::string translitBrand(std::string_view utf8) {
    // Loan words inside brand names keep their English spelling.
    static const std::pair<std::u32string_view, std::string_view> loans[] = {
        {U"логистик", "logistic"}, {U"диджитал", "digital"}, {U"экспресс", "express"}, {U"сервис", "service"},
        {U"систем", "system"}, {U"маркет", "market"}, {U"трейд", "trade"}, {U"тревел", "travel"},
        {U"групп", "group"}, {U"кибер", "cyber"}, {U"смарт", "smart"}, {U"карго", "cargo"},
        {U"лайн", "line"}, {U"софт", "soft"}, {U"плюс", "plus"}, {U"инфо", "info"},
        {U"дата", "data"}, {U"тех", "tech"}, {U"лаб", "lab"}, {U"веб", "web"}, {U"нет", "net"},
    };
    const std::u32string s = decodeAll(utf8);
    std::string out;
    std::string pending;  // text between loan words, transliterated as a whole
    auto flush = [&] {
        out += translit(pending);
        pending.clear();
    };
    for (std::size_t i = 0; i < s.size();) {
        bool matched = false;
        for (const auto& [ru, en] : loans) {
            if (i + ru.size() > s.size())
                continue;
            bool same = true;
            for (std::size_t k = 0; k < ru.size() && same; ++k)
                same = lowerChar(s[i + k]) == ru[k];
            if (!same)
                continue;
            flush();
            std::string piece(en);
            if (isUpper(s[i]))
                piece[0] = static_cast<char>(piece[0] - 'a' + 'A');
            out += piece;
            i += ru.size();
            matched = true;
            break;
        }
        if (!matched)
            encode(pending, s[i++]);
    }
    flush();
    return out;
}

std::string lower(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        encode(out, lowerChar(decode(utf8, i)));
    return out;
}

std::string capitalize(std::string_view utf8) {
    if (utf8.empty())
        return {};
    std::size_t i = 0;
    std::string out;
    encode(out, upperChar(decode(utf8, i)));
    out.append(utf8.substr(i));
    return out;
}

std::string lowerFirst(std::string_view utf8) {
    if (utf8.empty())
        return {};
    std::size_t i = 0;
    const char32_t first = decode(utf8, i);
    const std::size_t rest = i;
    if (i < utf8.size() && isUpper(decode(utf8, i)))
        return std::string(utf8);
    std::string out;
    encode(out, lowerChar(first));
    out.append(utf8.substr(rest));
    return out;
}

std::string firstLetter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        if (isLetter(decode(utf8, i)))
            return std::string(utf8.substr(start, i - start));
    }
    return {};
}

std::string capitals(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = decode(utf8, i);
        if (isUpper(c))
            encode(out, c);
    }
    return out;
}

std::string trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::vector<std::string> split(std::string_view s, char separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = s.find(separator, start);
        if (end == std::string_view::npos)
            end = s.size();
        std::string piece = trim(s.substr(start, end - start));
        if (!piece.empty())
            out.push_back(std::move(piece));
        start = end + 1;
    }
    return out;
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    if (from.empty())
        return;
    std::size_t pos = 0;
    while ((pos = s.find(from, pos)) != std::string::npos) {
        s.replace(pos, from.size(), to);
        pos += to.size();
    }
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::string domainLabel(std::string_view latin) {
    std::string out;
    bool pendingDash = false;
    for (char c : latin) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) {
            pendingDash = !out.empty();
            continue;
        }
        if (pendingDash)
            out.push_back('-');
        pendingDash = false;
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return out;
}

}  // namespace makecatalog::demo
