#include "superselect_scan.h"

#include "catalog/scramble.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace superselect {
namespace {

// Unicode code points of the bytes 0x80..0xBF of code page 1251 (0 = unused);
// 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> Cp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Characters that end an element name in a tag.
bool endsName(char c) {
    return isSpace(c) || c == '>' || c == '/';
}

bool startsWith(const char* p, const char* end, std::string_view s) {
    return static_cast<std::size_t>(end - p) >= s.size() && std::memcmp(p, s.data(), s.size()) == 0;
}

// Decodes the reference starting at the '&' at p. On success appends its
// byte to Value and returns the position after ';'; nullptr when p starts
// no reference we know.
const char* decodeReference(const char* p, const char* end, std::string& value) {
    const char* q = p + 1;
    if (q < end && *q == '#') {
        ++q;
        const bool hex = q < end && (*q == 'x' || *q == 'X');
        if (hex)
            ++q;
        const char* digits = q;
        uint32_t code = 0;
        for (; q < end && *q != ';'; ++q) {
            const char c = *q;
            uint32_t digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return nullptr;
            if (code <= 0x10FFFF)  // saturates beyond the Unicode range
                code = code * (hex ? 16 : 10) + digit;
        }
        if (q == digits || q == end)
            return nullptr;
        value.push_back(ToCp1251(code));
        return q + 1;
    }
    struct Named {
        std::string_view name;  // with the ';'
        char byte;
    };
    static constexpr Named named[] = {
        {"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"quot;", '"'}, {"apos;", '\''}};
    for (const Named& n : named) {
        if (startsWith(q, end, n.name)) {
            value.push_back(n.byte);
            return q + n.name.size();
        }
    }
    return nullptr;
}

// Appends the character data [p, end) with references decoded.
void appendText(const char* p, const char* end, std::string& value) {
    while (p < end) {
        const char* amp = static_cast<const char*>(std::memchr(p, '&', end - p));
        if (!amp) {
            value.append(p, end);
            return;
        }
        value.append(p, amp);
        const char* next = decodeReference(amp, end, value);
        if (next) {
            p = next;
        } else {
            value.push_back('&');
            p = amp + 1;
        }
    }
}

// Reads the available bytes of a record. Every place where the outcome
// could change with bytes beyond end_ sets hitEnd_, so that a scan of the
// first bytes either gives the answer for the whole record or asks for more.
class Scanner {
public:
    Scanner(std::string_view record, std::string& value)
        : p_(record.data()), end_(record.data() + record.size()), value_(value) {}

    bool hitEnd() const { return hitEnd_; }

    bool run(std::string_view path) {
        if (!splitPath(path))
            return false;
        std::string_view rootName;
        bool rootClosed = false;
        if (!prolog(rootName, rootClosed) || rootName != "company")
            return false;
        if (steps_ == 0) {  // the path names `company` itself
            if (rootClosed)
                return true;
            collectDepth_ = 1;
        } else if (rootClosed) {
            return false;
        }
        names_[0] = Name(rootName);
        depth_ = 1;
        return content();
    }

private:
    // startsWith against end_: a partial match at the end may complete later.
    bool at(const char* p, std::string_view s) {
        const std::size_t left = static_cast<std::size_t>(end_ - p);
        if (left >= s.size())
            return std::memcmp(p, s.data(), s.size()) == 0;
        if (std::memcmp(p, s.data(), left) == 0)
            hitEnd_ = true;
        return false;
    }

    // The answer depends on bytes not available yet.
    bool ranOut() {
        hitEnd_ = true;
        return false;
    }

    // Position just after the first Terminator at or after p, or nullptr.
    const char* skipPast(const char* p, std::string_view terminator) {
        while (p < end_) {
            const void* hit = std::memchr(p, terminator[0], end_ - p);
            if (!hit)
                break;
            p = static_cast<const char*>(hit);
            if (at(p, terminator))
                return p + terminator.size();
            ++p;
        }
        ranOut();
        return nullptr;
    }

    // The closing quote of the value opened at p, or nullptr.
    const char* closingQuote(const char* p) {
        const void* close = std::memchr(p + 1, *p, end_ - p - 1);
        if (!close)
            ranOut();
        return static_cast<const char*>(close);
    }

    bool splitPath(std::string_view path) {
        while (!path.empty()) {
            const std::size_t slash = path.find('/');
            const std::string_view step = path.substr(0, slash);
            if (step.empty())
                break;
            if (steps_ == MaxPathSteps)
                return false;
            path_[steps_++] = step;
            if (slash == std::string_view::npos)
                break;
            path.remove_prefix(slash + 1);
        }
        return true;
    }

    // Skips everything before the root element and reads its start tag.
    bool prolog(std::string_view& name, bool& selfClosing) {
        for (;;) {
            while (p_ < end_ && isSpace(*p_))
                ++p_;
            if (p_ == end_)
                return ranOut();
            if (*p_ != '<')
                return false;
            if (at(p_, "<?")) {
                p_ = skipPast(p_ + 2, "?>");
            } else if (at(p_, "<!--")) {
                p_ = skipPast(p_ + 4, "-->");
            } else if (at(p_, "<!DOCTYPE")) {
                p_ = skipDoctype(p_ + 9);
            } else {
                return startTag(name, selfClosing);
            }
            if (!p_)
                return false;
        }
    }

    // After "<!DOCTYPE": to the '>' that is outside quotes and the internal subset.
    const char* skipDoctype(const char* p) {
        int brackets = 0;
        for (; p < end_; ++p) {
            const char c = *p;
            if (c == '"' || c == '\'') {
                p = closingQuote(p);
                if (!p)
                    return nullptr;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '>' && brackets <= 0) {
                return p + 1;
            }
        }
        ranOut();
        return nullptr;
    }

    // At '<' of a start tag: reads the name, skips the attributes (quoted
    // values may hold '>' and '/') and leaves p_ after the '>'.
    bool startTag(std::string_view& name, bool& selfClosing) {
        const char* q = p_ + 1;
        const char* nameStart = q;
        while (q < end_ && !endsName(*q))
            ++q;
        if (q == end_)
            return ranOut();
        if (q == nameStart)
            return false;
        name = std::string_view(nameStart, q - nameStart);
        char previous = 0;
        for (; q < end_; ++q) {
            const char c = *q;
            if (c == '>') {
                selfClosing = previous == '/';
                p_ = q + 1;
                return true;
            }
            if (c == '"' || c == '\'') {
                q = closingQuote(q);
                if (!q)
                    return false;
            } else if (c == '<') {
                return false;
            }
            previous = c;
        }
        return ranOut();
    }

    // At '<' of "</": checks the name against the open element.
    bool endTag() {
        const char* q = p_ + 2;
        const char* nameStart = q;
        while (q < end_ && !endsName(*q))
            ++q;
        const std::string_view name(nameStart, q - nameStart);
        while (q < end_ && isSpace(*q))
            ++q;
        if (q == end_)
            return ranOut();
        if (*q != '>' || name != names_[depth_ - 1].view())
            return false;
        p_ = q + 1;
        return true;
    }

    bool collecting() const { return collectDepth_ != 0; }

    // Element content of the root, until the value is complete.
    bool content() {
        while (p_ < end_) {
            const char* lt = static_cast<const char*>(std::memchr(p_, '<', end_ - p_));
            if (!lt)
                return ranOut();
            if (collecting())
                appendText(p_, lt, value_);
            p_ = lt;

            if (at(p_, "</")) {
                if (!endTag())
                    return false;
                if (depth_ == collectDepth_)
                    return true;
                if (matched_ + 1 == depth_ && matched_ > 0)
                    --matched_;
                if (--depth_ == 0)
                    return false;  // the root closed without the path
            } else if (at(p_, "<!--")) {
                p_ = skipPast(p_ + 4, "-->");
                if (!p_)
                    return false;
            } else if (at(p_, "<![CDATA[")) {
                const char* text = p_ + 9;
                p_ = skipPast(text, "]]>");
                if (!p_)
                    return false;
                if (collecting())
                    value_.append(text, p_ - 3);
            } else if (at(p_, "<?")) {
                p_ = skipPast(p_ + 2, "?>");
                if (!p_)
                    return false;
            } else if (at(p_, "<!")) {
                return false;
            } else {
                std::string_view name;
                bool selfClosing = false;
                if (!startTag(name, selfClosing))
                    return false;
                bool stepMatched = false;
                if (!collecting() && matched_ + 1 == depth_ && matched_ < steps_ &&
                    name == path_[matched_]) {
                    ++matched_;
                    stepMatched = true;
                }
                const bool opensTarget = stepMatched && matched_ == steps_;
                if (selfClosing) {
                    if (opensTarget)
                        return true;  // present and empty
                    if (stepMatched)
                        --matched_;  // opened and closed at once
                    continue;
                }
                if (depth_ == MaxDepth)
                    return false;
                names_[depth_++] = Name(name);
                if (opensTarget)
                    collectDepth_ = depth_;
            }
        }
        return ranOut();
    }

    const char* p_;
    const char* end_;
    std::string& value_;
    bool hitEnd_ = false;

    std::array<std::string_view, MaxPathSteps> path_;
    std::size_t steps_ = 0;
    // A name left uninitialised until used: the scanner is built for every
    // row, and zeroing MaxDepth string_views would cost more than the scan.
    struct Name {
        Name() = default;
        explicit Name(std::string_view s) : data(s.data()), size(s.size()) {}
        std::string_view view() const { return std::string_view(data, size); }
        const char* data;
        std::size_t size;
    };
    // Names of the open elements; names_[0] is the root.
    std::array<Name, MaxDepth> names_;
    std::size_t depth_ = 0;
    // How many path steps the open elements below the root spell; only
    // meaningful while matched_ + 1 == depth_ (the innermost open element is
    // the last matched one) or the root alone is open.
    std::size_t matched_ = 0;
    // Depth of the element whose text is being collected; 0 = none yet.
    std::size_t collectDepth_ = 0;
};

}  // namespace

char ToCp1251(char32_t codePoint) {
    if (codePoint > 0 && codePoint < 0x80)
        return static_cast<char>(codePoint);
    if (codePoint >= 0x0410 && codePoint <= 0x044F)
        return static_cast<char>(0xC0 + (codePoint - 0x0410));
    if (codePoint != 0 && codePoint <= 0xFFFF) {
        for (std::size_t i = 0; i < Cp1251High.size(); ++i) {
            if (Cp1251High[i] == codePoint)
                return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

Scan FindTextInPrefix(std::string_view available, bool complete, std::string_view path,
                      std::string& value) {
    value.clear();
    Scanner scanner(available, value);
    const bool found = scanner.run(path);
    if (!complete && scanner.hitEnd()) {
        value.clear();
        return Scan::NeedMore;
    }
    if (found)
        return Scan::Value;
    value.clear();
    return Scan::NoValue;
}

bool FindTextInto(std::string_view record, std::string_view path, std::string& value) {
    return FindTextInPrefix(record, true, path, value) == Scan::Value;
}

std::optional<std::string> FindText(std::string_view record, std::string_view path) {
    std::string value;
    if (!FindTextInto(record, path, value))
        return std::nullopt;
    return value;
}

bool FindTextInScrambledInPlace(char* bytes, std::size_t length, std::string_view path,
                                std::string_view key, std::string& value) {
    catalog::UnscrambleRecord(bytes, length, key);
    return FindTextInto(std::string_view(bytes, length), path, value);
}

Scan FindTextInScrambledPrefix(char* bytes, std::size_t length, bool complete, std::size_t& plain,
                               std::string_view path, const catalog::RecordMask& mask,
                               std::string& value) {
    for (;;) {
        // A round that asks for more has scanned all it was given, so after
        // the first step take everything there is: at most one rescan per
        // call, and unscrambling costs far less than scanning.
        const std::size_t want = plain < FirstStep ? std::min(length, FirstStep) : length;
        if (want > plain) {
            mask.apply(bytes + plain, want - plain, plain);
            plain = want;
        }
        const Scan result = FindTextInPrefix(std::string_view(bytes, plain),
                                             complete && plain == length, path, value);
        if (result != Scan::NeedMore || plain == length)
            return result;
    }
}

std::optional<std::string> FindTextInScrambled(std::string_view scrambled, std::string_view path,
                                               std::string_view key) {
    std::string plain(scrambled);
    std::string value;
    if (!FindTextInScrambledInPlace(plain.data(), plain.size(), path, key, value))
        return std::nullopt;
    return value;
}

}  // namespace superselect
