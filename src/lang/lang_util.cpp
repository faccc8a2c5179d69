#include "lang/lang_util.h"

#include "lang/property_masks.h"
#include "platform/files/files.h"

#include <QFileInfo>

#include <cmath>
#include <memory>
#include <vector>

namespace lang {
namespace {

const QString Russian = QStringLiteral("Russian");

QString g_currentLanguage;
std::unique_ptr<TMultiLanguage> g_component;

[[noreturn]] void badFormat(const QString& format) {
    throw ELanguageError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

struct Spec {
    bool left = false;
    bool zeros = false;
    int width = 0;
    int precision = -1;
    QChar type;
};

QString pad(QString s, const Spec& spec, bool number) {
    if (s.size() >= spec.width)
        return s;
    if (spec.left)
        return s.leftJustified(spec.width, u' ');
    if (spec.zeros && number) {
        const bool sign = s.startsWith(u'-') || s.startsWith(u'+');
        s.insert(sign ? 1 : 0, QString(spec.width - s.size(), u'0'));
        return s;
    }
    return s.rightJustified(spec.width, u' ');
}

QString integerDigits(unsigned long long magnitude, bool negative, int base, bool upper, int precision) {
    QString digits = QString::number(magnitude, base);
    if (upper)
        digits = digits.toUpper();
    if (precision > digits.size())
        digits.prepend(QString(precision - digits.size(), u'0'));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString formatOne(const Spec& spec, const FormatArg& arg, const QString& format) {
    const char type = static_cast<char>(spec.type.toLatin1());
    switch (type) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X': {
        const int base = (type == 'x' || type == 'X') ? 16 : 10;
        if (arg.kind() == FormatArg::Kind::Signed) {
            const long long v = arg.signedValue();
            if (base == 16 || type == 'u')  // two's complement, as printf shows it
                return pad(integerDigits(static_cast<unsigned long long>(v), false, base, type == 'X', spec.precision),
                           spec, true);
            const unsigned long long magnitude =
                v < 0 ? static_cast<unsigned long long>(-(v + 1)) + 1 : static_cast<unsigned long long>(v);
            return pad(integerDigits(magnitude, v < 0, base, false, spec.precision), spec, true);
        }
        if (arg.kind() == FormatArg::Kind::Unsigned)
            return pad(integerDigits(arg.unsignedValue(), false, base, type == 'X', spec.precision), spec, true);
        badFormat(format);
    }
    case 'f':
    case 'e':
    case 'g': {
        double v = 0;
        if (arg.kind() == FormatArg::Kind::Real)
            v = arg.realValue();
        else if (arg.kind() == FormatArg::Kind::Signed)
            v = static_cast<double>(arg.signedValue());
        else if (arg.kind() == FormatArg::Kind::Unsigned)
            v = static_cast<double>(arg.unsignedValue());
        else
            badFormat(format);
        return pad(QString::number(v, type, spec.precision < 0 ? 6 : spec.precision), spec, std::isfinite(v));
    }
    case 's': {
        if (arg.kind() != FormatArg::Kind::Text)
            badFormat(format);
        const QString& s = arg.textValue();
        return pad(spec.precision >= 0 ? s.left(spec.precision) : s, spec, false);
    }
    default:
        badFormat(format);
    }
}

int readNumber(const QString& s, qsizetype& i) {
    int n = 0;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        n = n * 10 + (s[i].unicode() - '0');
        ++i;
    }
    return n;
}

}  // namespace

QString FormatText(const QString& Format, std::initializer_list<FormatArg> Arguments) {
    const std::vector<FormatArg> args(Arguments);
    QString out;
    size_t next = 0;
    qsizetype i = 0;
    while (i < Format.size()) {
        const QChar c = Format[i++];
        if (c != u'%') {
            out.append(c);
            continue;
        }
        if (i < Format.size() && Format[i] == u'%') {
            out.append(u'%');
            ++i;
            continue;
        }
        Spec spec;
        // An index is digits followed by ":"; otherwise the digits are a width.
        const qsizetype start = i;
        const int number = readNumber(Format, i);
        if (i < Format.size() && Format[i] == u':' && i > start) {
            next = static_cast<size_t>(number);
            ++i;
        } else {
            i = start;
        }
        for (; i < Format.size(); ++i) {
            if (Format[i] == u'-')
                spec.left = true;
            else if (Format[i] == u'0')
                spec.zeros = true;
            else
                break;
        }
        spec.width = readNumber(Format, i);
        if (i < Format.size() && Format[i] == u'.') {
            ++i;
            spec.precision = readNumber(Format, i);
        }
        if (i >= Format.size() || next >= args.size())
            badFormat(Format);
        spec.type = Format[i++];
        out += formatOne(spec, args[next++], Format);
    }
    return out;
}

void InitLanguageLayer(const QString& ProgramFolder) {
    g_currentLanguage = Russian;
    g_component = std::make_unique<TMultiLanguage>();
    g_component->SetActive(false);
    for (const QString& mask : StandardIncludeMasks())
        g_component->AddInclude(mask);
    g_component->SetFileName(QStringLiteral("Lang.lng"));
    const QString beside = files::FindFileNoCase(ProgramFolder, QStringLiteral("Lang.lng"));
    if (QFileInfo(beside).isFile())
        g_component->SetFileName(beside);
    if (QFileInfo::exists(g_component->FileName())) {
        g_component->SetActive(true);
        g_component->SetLanguage(Russian);  // no previous language: translates nothing
    }
}

void DoneLanguageLayer() {
    g_component.reset();
    g_currentLanguage.clear();
}

QString CurrentLanguage() { return g_currentLanguage; }

void SetCurrentLanguage(const QString& Language) {
    g_currentLanguage = Language;
    if (g_component)
        g_component->SetLanguage(Language);
}

TMultiLanguage* LanguageComponent() { return g_component.get(); }

QString Translate(const QString& Text) {
    return g_component ? g_component->TranslateString(Text, Russian, g_currentLanguage) : Text;
}

void TranslateWindow(QWidget* Form) {
    if (g_component)
        g_component->TranslateForm(Form, Russian, g_currentLanguage);
}

}  // namespace lang
