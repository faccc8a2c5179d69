#include "catalog/entities.h"

#include "platform/text/cp1251.h"

#include <charconv>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace catalog {

const std::array<TEntity, 252> HTMLEntities = {{
    // Latin-1
    {"nbsp", 160}, {"iexcl", 161}, {"cent", 162}, {"pound", 163}, {"curren", 164},
    {"yen", 165}, {"brvbar", 166}, {"sect", 167}, {"uml", 168}, {"copy", 169},
    {"ordf", 170}, {"laquo", 171}, {"not", 172}, {"shy", 173}, {"reg", 174},
    {"macr", 175}, {"deg", 176}, {"plusmn", 177}, {"sup2", 178}, {"sup3", 179},
    {"acute", 180}, {"micro", 181}, {"para", 182}, {"middot", 183}, {"cedil", 184},
    {"sup1", 185}, {"ordm", 186}, {"raquo", 187}, {"frac14", 188}, {"frac12", 189},
    {"frac34", 190}, {"iquest", 191}, {"Agrave", 192}, {"Aacute", 193}, {"Acirc", 194},
    {"Atilde", 195}, {"Auml", 196}, {"Aring", 197}, {"AElig", 198}, {"Ccedil", 199},
    {"Egrave", 200}, {"Eacute", 201}, {"Ecirc", 202}, {"Euml", 203}, {"Igrave", 204},
    {"Iacute", 205}, {"Icirc", 206}, {"Iuml", 207}, {"ETH", 208}, {"Ntilde", 209},
    {"Ograve", 210}, {"Oacute", 211}, {"Ocirc", 212}, {"Otilde", 213}, {"Ouml", 214},
    {"times", 215}, {"Oslash", 216}, {"Ugrave", 217}, {"Uacute", 218}, {"Ucirc", 219},
    {"Uuml", 220}, {"Yacute", 221}, {"THORN", 222}, {"szlig", 223}, {"agrave", 224},
    {"aacute", 225}, {"acirc", 226}, {"atilde", 227}, {"auml", 228}, {"aring", 229},
    {"aelig", 230}, {"ccedil", 231}, {"egrave", 232}, {"eacute", 233}, {"ecirc", 234},
    {"euml", 235}, {"igrave", 236}, {"iacute", 237}, {"icirc", 238}, {"iuml", 239},
    {"eth", 240}, {"ntilde", 241}, {"ograve", 242}, {"oacute", 243}, {"ocirc", 244},
    {"otilde", 245}, {"ouml", 246}, {"divide", 247}, {"oslash", 248}, {"ugrave", 249},
    {"uacute", 250}, {"ucirc", 251}, {"uuml", 252}, {"yacute", 253}, {"thorn", 254},
    {"yuml", 255},
    // Symbols, mathematical symbols and Greek letters
    {"fnof", 402}, {"Alpha", 913}, {"Beta", 914}, {"Gamma", 915}, {"Delta", 916},
    {"Epsilon", 917}, {"Zeta", 918}, {"Eta", 919}, {"Theta", 920}, {"Iota", 921},
    {"Kappa", 922}, {"Lambda", 923}, {"Mu", 924}, {"Nu", 925}, {"Xi", 926},
    {"Omicron", 927}, {"Pi", 928}, {"Rho", 929}, {"Sigma", 931}, {"Tau", 932},
    {"Upsilon", 933}, {"Phi", 934}, {"Chi", 935}, {"Psi", 936}, {"Omega", 937},
    {"alpha", 945}, {"beta", 946}, {"gamma", 947}, {"delta", 948}, {"epsilon", 949},
    {"zeta", 950}, {"eta", 951}, {"theta", 952}, {"iota", 953}, {"kappa", 954},
    {"lambda", 955}, {"mu", 956}, {"nu", 957}, {"xi", 958}, {"omicron", 959},
    {"pi", 960}, {"rho", 961}, {"sigmaf", 962}, {"sigma", 963}, {"tau", 964},
    {"upsilon", 965}, {"phi", 966}, {"chi", 967}, {"psi", 968}, {"omega", 969},
    {"thetasym", 977}, {"upsih", 978}, {"piv", 982}, {"bull", 8226}, {"hellip", 8230},
    {"prime", 8242}, {"Prime", 8243}, {"oline", 8254}, {"frasl", 8260}, {"weierp", 8472},
    {"image", 8465}, {"real", 8476}, {"trade", 8482}, {"alefsym", 8501}, {"larr", 8592},
    {"uarr", 8593}, {"rarr", 8594}, {"darr", 8595}, {"harr", 8596}, {"crarr", 8629},
    {"lArr", 8656}, {"uArr", 8657}, {"rArr", 8658}, {"dArr", 8659}, {"hArr", 8660},
    {"forall", 8704}, {"part", 8706}, {"exist", 8707}, {"empty", 8709}, {"nabla", 8711},
    {"isin", 8712}, {"notin", 8713}, {"ni", 8715}, {"prod", 8719}, {"sum", 8721},
    {"minus", 8722}, {"lowast", 8727}, {"radic", 8730}, {"prop", 8733}, {"infin", 8734},
    {"ang", 8736}, {"and", 8743}, {"or", 8744}, {"cap", 8745}, {"cup", 8746},
    {"int", 8747}, {"there4", 8756}, {"sim", 8764}, {"cong", 8773}, {"asymp", 8776},
    {"ne", 8800}, {"equiv", 8801}, {"le", 8804}, {"ge", 8805}, {"sub", 8834},
    {"sup", 8835}, {"nsub", 8836}, {"sube", 8838}, {"supe", 8839}, {"oplus", 8853},
    {"otimes", 8855}, {"perp", 8869}, {"sdot", 8901}, {"lceil", 8968}, {"rceil", 8969},
    {"lfloor", 8970}, {"rfloor", 8971}, {"lang", 9001}, {"rang", 9002}, {"loz", 9674},
    {"spades", 9824}, {"clubs", 9827}, {"hearts", 9829}, {"diams", 9830},
    // Markup-significant and internationalisation characters
    {"quot", 34}, {"amp", 38}, {"lt", 60}, {"gt", 62}, {"OElig", 338},
    {"oelig", 339}, {"Scaron", 352}, {"scaron", 353}, {"Yuml", 376}, {"circ", 710},
    {"tilde", 732}, {"ensp", 8194}, {"emsp", 8195}, {"thinsp", 8201}, {"zwnj", 8204},
    {"zwj", 8205}, {"lrm", 8206}, {"rlm", 8207}, {"ndash", 8211}, {"mdash", 8212},
    {"lsquo", 8216}, {"rsquo", 8217}, {"sbquo", 8218}, {"ldquo", 8220}, {"rdquo", 8221},
    {"bdquo", 8222}, {"dagger", 8224}, {"Dagger", 8225}, {"permil", 8240}, {"lsaquo", 8249},
    {"rsaquo", 8250}, {"euro", 8364},
}};

namespace {

std::vector<std::string> entityArray;  // empty until InitEntityArray
std::map<std::string, std::uint16_t, std::less<>> entityList;
bool entityListBuilt = false;

// Unicode of the bytes 0x80…0xFF of code page 1251, from the text library so
// that both directions agree with the rest of the program.
const std::array<char16_t, 128>& upperHalf() {
    static const std::array<char16_t, 128> table = [] {
        std::array<char16_t, 128> t{};
        std::string bytes;
        for (int b = 0x80; b <= 0xFF; ++b)
            bytes.push_back(static_cast<char>(b));
        const QString u = text::fromCp1251(bytes);
        for (std::size_t i = 0; i < t.size() && i < static_cast<std::size_t>(u.size()); ++i)
            t[i] = u.at(static_cast<qsizetype>(i)).unicode();
        return t;
    }();
    return table;
}

std::optional<char> cp1251Byte(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<char>(codePoint);
    if (codePoint == 0xFFFD || codePoint > 0xFFFF)
        return std::nullopt;
    const auto& table = upperHalf();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i] == codePoint)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

bool isCodePoint(long long n) { return n > 0 && n <= 0x10FFFF && !(n >= 0xD800 && n < 0xE000); }

// Writes into a buffer that starts at twice the input and doubles whenever
// fewer than 16 bytes are left; no single reference is longer than that.
class DoublingBuffer {
public:
    explicit DoublingBuffer(std::size_t initial) : data_(initial, '\0') {}
    void reserveRoom() {
        while (data_.size() - used_ < 16)
            data_.resize(data_.empty() ? 16 : data_.size() * 2);
    }
    void put(char c) { data_[used_++] = c; }
    void put(std::string_view s) {
        data_.replace(used_, s.size(), s);
        used_ += s.size();
    }
    void putNumber(std::uint32_t n) {
        char digits[16];
        const auto r = std::to_chars(digits, digits + sizeof digits, n);
        put(std::string_view(digits, static_cast<std::size_t>(r.ptr - digits)));
    }
    std::string take() {
        data_.resize(used_);
        return std::move(data_);
    }

private:
    std::string data_;
    std::size_t used_ = 0;
};

}  // namespace

void InitEntityArray() {
    entityArray.assign(EntityArraySize, std::string());
    for (const TEntity& e : HTMLEntities)
        if (e.Code < EntityArraySize)
            entityArray[e.Code] = std::string(e.Name);
}

void InitEntityList() {
    if (entityListBuilt)
        return;
    for (const TEntity& e : HTMLEntities)
        entityList.emplace(std::string(e.Name), e.Code);  // a duplicate keeps the first
    entityListBuilt = true;
}

void FreeEntityTables() {
    entityArray.clear();
    entityArray.shrink_to_fit();
    entityList.clear();
    entityListBuilt = false;
}

std::string ConvertWideCharToHTML(std::u16string_view wideText) {
    if (entityArray.empty())
        throw std::runtime_error("Before use ConvertWideCharToHTML function call InitEntityArray function!");
    DoublingBuffer out(wideText.size() * 2);
    for (std::size_t i = 0; i < wideText.size(); ++i) {
        out.reserveRoom();
        const char16_t c = wideText[i];
        if (c <= 127) {
            out.put(static_cast<char>(c));
            continue;
        }
        if (c < entityArray.size() && !entityArray[c].empty()) {
            out.put('&');
            out.put(entityArray[c]);
            out.put(';');
            continue;
        }
        std::uint32_t code = c;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wideText.size() && wideText[i + 1] >= 0xDC00 &&
            wideText[i + 1] < 0xE000) {
            code = 0x10000 + ((c - 0xD800u) << 10) + (wideText[i + 1] - 0xDC00u);
            ++i;
        }
        out.put("&#");
        out.putNumber(code);
        out.put(';');
    }
    return out.take();
}

std::string ConvertHTMLToChar(std::string_view text) {
    if (text.empty())
        return {};
    if (!entityListBuilt)
        throw std::runtime_error("Before use ConvertHTMLToChar function call InitEntityList function!");
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '&') {
            out.push_back(c);
            ++i;
            continue;
        }
        const std::size_t semicolon = text.substr(i + 1, 10).find(';');
        long long code = 0;
        if (semicolon != std::string_view::npos && semicolon > 0) {
            const std::string_view name = text.substr(i + 1, semicolon);
            if (auto it = entityList.find(name); it != entityList.end()) {
                code = it->second;
            } else if (name.front() == '#') {
                const std::string_view digits = name.substr(1);
                long long n = 0;
                const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), n);
                if (r.ec == std::errc() && r.ptr == digits.data() + digits.size() && !digits.empty())
                    code = n;
            }
        }
        if (!isCodePoint(code)) {
            out.push_back('&');
            ++i;
            continue;
        }
        if (const auto byte = cp1251Byte(static_cast<char32_t>(code))) {
            out.push_back(*byte);
        } else {
            out += "&#";
            out += std::to_string(code);
            out.push_back(';');
        }
        i += semicolon + 2;
    }
    return out;
}

QString CharTextToQString(std::string_view charText) {
    const QString decoded = text::fromCp1251(charText);
    if (!decoded.contains(QLatin1String("&#")))
        return decoded;
    QString out;
    out.reserve(decoded.size());
    qsizetype i = 0;
    while (i < decoded.size()) {
        if (decoded.at(i) == u'&' && i + 1 < decoded.size() && decoded.at(i + 1) == u'#') {
            qsizetype j = i + 2;
            long long n = 0;
            while (j < decoded.size() && j - i < 10 && decoded.at(j).isDigit() &&
                   decoded.at(j).unicode() < 128) {
                n = n * 10 + (decoded.at(j).unicode() - u'0');
                ++j;
            }
            // Only what ConvertHTMLToChar leaves: a code point outside 1251.
            if (j > i + 2 && j < decoded.size() && decoded.at(j) == u';' && isCodePoint(n) &&
                !cp1251Byte(static_cast<char32_t>(n))) {
                const char32_t cp = static_cast<char32_t>(n);
                out += QString::fromUcs4(&cp, 1);
                i = j + 1;
                continue;
            }
        }
        out += decoded.at(i);
        ++i;
    }
    return out;
}

}  // namespace catalog
