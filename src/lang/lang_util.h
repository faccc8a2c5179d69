// The program-wide language layer: the current interface language, the one
// language component, and the helpers every window uses for the texts it
// sets at run time. Texts are written in Russian in the code; the helpers
// translate from "Russian" into the current language.
#pragma once

#include "lang/multi_language.h"

#include <QString>

#include <initializer_list>

class QWidget;

namespace lang {

// Module start-up, called by the entry point before any window exists:
// CurrentLanguage := "Russian"; the component is created inactive with the
// fourteen standard masks; its FileName is ProgramFolder's "Lang.lng"
// (letter case ignored) when there is one, else "Lang.lng". When that file
// exists the component is activated, which reads the index and the phrase
// files, and its language set to "Russian". Without it every text stays as
// written and nothing is reported. Calling it again starts afresh.
void InitLanguageLayer(const QString& ProgramFolder);

// Module end: frees the component and clears CurrentLanguage.
void DoneLanguageLayer();

// The interface language ("Russian" after start-up).
QString CurrentLanguage();

// For ApplyLanguage: CurrentLanguage := Language, then the component switches
// every open window from its previous language to Language (an
// ELanguageError of the switch is passed on, CurrentLanguage is set anyway).
void SetCurrentLanguage(const QString& Language);

// The one component; null before InitLanguageLayer and after DoneLanguageLayer.
TMultiLanguage* LanguageComponent();

// Text in the current language; Text itself when there is no translation
// (or no language layer).
QString Translate(const QString& Text);

// Translates Form from "Russian" into the current language; for windows
// created after start-up, right after creating them.
void TranslateWindow(QWidget* Form);

// One argument of FormatText. Text arguments are QStrings (or UTF-8 literals);
// code page 1251 bytes are converted with text::fromCp1251 first.
class FormatArg {
public:
    FormatArg(int value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(long value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(long long value) : m_kind(Kind::Signed), m_signed(value) {}
    FormatArg(unsigned value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(unsigned long value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(unsigned long long value) : m_kind(Kind::Unsigned), m_unsigned(value) {}
    FormatArg(double value) : m_kind(Kind::Real), m_real(value) {}
    FormatArg(const QString& value) : m_kind(Kind::Text), m_text(value) {}
    FormatArg(const char* utf8) : m_kind(Kind::Text), m_text(QString::fromUtf8(utf8)) {}

    enum class Kind { Signed, Unsigned, Real, Text };
    Kind kind() const { return m_kind; }
    long long signedValue() const { return m_signed; }
    unsigned long long unsignedValue() const { return m_unsigned; }
    double realValue() const { return m_real; }
    const QString& textValue() const { return m_text; }

private:
    Kind m_kind;
    long long m_signed = 0;
    unsigned long long m_unsigned = 0;
    double m_real = 0;
    QString m_text;
};

// printf-like formatting: "%%" and "%" [index ":"] ["-"] ["0"] [width]
// ["." precision] type, with the types d (also i), u, x, X, s, f, e, g.
// For integers the precision is the least number of digits, for texts the
// most characters; "-" left-justifies in the width, "0" pads numbers with
// zeros. An index ("%1:s") picks the argument from 0 and later ones follow
// it. A missing argument, a text for a number or a number for a text, or an
// unknown type throws ELanguageError.
QString FormatText(const QString& Format, std::initializer_list<FormatArg> Arguments);

// The translation of Format, formatted with Arguments.
template <class... Args>
QString TranslateFormat(const QString& Format, const Args&... Arguments) {
    return FormatText(Translate(Format), {FormatArg(Arguments)...});
}

}  // namespace lang
