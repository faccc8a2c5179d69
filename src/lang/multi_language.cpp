#include "lang/multi_language.h"

#include "lang/property_masks.h"
#include "platform/files/files.h"
#include "platform/text/cp1251.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace lang {
namespace {

// Blanks and control characters (codes up to 32) at both ends, as the
// phrase files were written to be trimmed.
QString trimmed(const QString& s) {
    qsizetype first = 0, last = s.size();
    while (first < last && s[first].unicode() <= 32)
        ++first;
    while (last > first && s[last - 1].unicode() <= 32)
        --last;
    return s.mid(first, last - first);
}

// Lines ended by CR, LF or CR LF.
QStringList splitLines(const QString& s) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\r' && s[i] != u'\n')
            continue;
        lines.append(s.mid(start, i - start));
        if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < s.size())
        lines.append(s.mid(start));
    return lines;
}

bool readCp1251File(const QString& path, QString& content) {
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    content = text::fromCp1251(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return true;
}

// A phrase file named without a folder lies beside Lang.lng.
QString phraseFilePath(const QString& indexFile, QString name) {
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.contains(QLatin1Char('/')))
        return files::FindFileNoCase(QFileInfo(indexFile).path(), name);
    const QFileInfo given(name);
    return files::FindFileNoCase(given.path(), given.fileName());
}

}  // namespace

ELanguageError::ELanguageError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString ELanguageError::message() const { return QString::fromUtf8(what()); }

TMultiLanguage::TMultiLanguage(QObject* parent) : QObject(parent) {}

TMultiLanguage::~TMultiLanguage() = default;

void TMultiLanguage::SetIncludes(const QStringList& Value) {
    m_includes.clear();
    m_masks.clear();
    for (const QString& mask : Value)
        AddInclude(mask);
}

void TMultiLanguage::AddInclude(const QString& Mask) {
    m_includes.append(Mask);
    const qsizetype dot = Mask.indexOf(QLatin1Char('.'));
    if (dot < 0)
        m_masks.push_back({trimmed(Mask), QString()});
    else
        m_masks.push_back({trimmed(Mask.left(dot)), trimmed(Mask.mid(dot + 1))});
}

void TMultiLanguage::SetActive(bool Value) {
    if (Value) {
        if (!m_loaded)
            Load();
    } else {
        Unload();
    }
    m_active = Value;
}

void TMultiLanguage::EnsureLoaded() {
    if (m_active && !m_loaded)
        Load();
}

void TMultiLanguage::Unload() {
    m_names.clear();
    m_fileNames.clear();
    m_phrases.clear();
    m_loaded = false;
}

void TMultiLanguage::Load() {
    try {
        Unload();
        if (m_fileName.isEmpty())
            throw ELanguageError(QStringLiteral("You must specify \"FileName\" property"));
        QString index;
        if (!QFileInfo::exists(m_fileName))
            ShowIndexNotFound(QStringLiteral("Language file \"%1\" is not found.").arg(m_fileName));
        else if (!readCp1251File(m_fileName, index))
            throw ELanguageError(QStringLiteral("Cannot open file \"%1\"").arg(m_fileName));
        for (const QString& line : splitLines(index)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            const QString name = trimmed(line.left(eq));
            if (name.isEmpty())
                continue;
            m_names.append(name.toUpper());
            m_fileNames.append(phraseFilePath(m_fileName, trimmed(line.mid(eq + 1))));
        }
    } catch (...) {
        Unload();
        throw;
    }

    // A phrase file that cannot be read is not reported: no phrase list is
    // kept, and every text is then shown untranslated.
    std::vector<PhraseList> lists;
    for (const QString& path : m_fileNames) {
        QString content;
        if (!readCp1251File(path, content)) {
            lists.clear();
            break;
        }
        PhraseList& list = lists.emplace_back();
        for (const QString& line : splitLines(content)) {
            const QString phrase = trimmed(line);
            if (phrase.isEmpty())
                continue;
            if (!list.firstIndex.contains(phrase))
                list.firstIndex.insert(phrase, static_cast<int>(list.phrases.size()));
            list.phrases.append(phrase);
        }
    }
    m_phrases = std::move(lists);
    m_loaded = true;
}

QStringList TMultiLanguage::LanguageNames() {
    EnsureLoaded();
    return m_names;
}

int TMultiLanguage::CheckLanguage(const QString& Name) const {
    const int index = static_cast<int>(m_names.indexOf(Name.toUpper()));
    if (Name.isEmpty() || index < 0)
        throw ELanguageError(QStringLiteral("Invalid language %1").arg(Name));
    return index;
}

QString TMultiLanguage::TranslateString(const QString& Text, const QString& FromLanguage,
                                        const QString& ToLanguage) {
    if (!m_active)
        return Text;
    EnsureLoaded();
    const int from = CheckLanguage(FromLanguage);
    const int to = CheckLanguage(ToLanguage);
    if (Text.isEmpty())
        return Text;
    if (static_cast<size_t>(std::max(from, to)) >= m_phrases.size())
        return Text;  // the phrase files could not be read

    const auto find = [this, from](const QString& key) { return m_phrases[from].firstIndex.value(key, -1); };
    QString key = trimmed(Text);
    int index = find(key);
    // A second look drops the endings that are not part of phrases and uses
    // the written form of line breaks.
    bool secondLook = false;
    bool keyHadBreak = false;
    if (index < 0) {
        for (QLatin1String ending : {QLatin1String("..."), QLatin1String(":"), QLatin1String("-"), QLatin1String(".")})
            if (key.endsWith(ending))
                key.chop(ending.size());
        key = trimmed(key);
        QString key2 = key;
        key2.replace(QLatin1String("\r\n"), QLatin1String("\\n")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        keyHadBreak = key2 != key;
        index = find(key2);
        secondLook = true;
    }
    if (index < 0 || index >= m_phrases[to].phrases.size())
        return Text;

    QString result = m_phrases[to].phrases[index];
    // Found on the second look in a text without line breaks, the phrase
    // comes back as written.
    if (!secondLook || keyHadBreak)
        result.replace(QLatin1String("\\n"), QLatin1String("\n"));
    // Surrounding blanks and dropped endings stay around the translation.
    if (Text.size() != key.size())
        result = QString(Text).replace(key, result);
    return result.isEmpty() ? Text : result;
}

bool TMultiLanguage::Applies(const Mask& mask, const QObject* object) const {
    if (mask.path.isEmpty())
        return false;
    if (mask.className.isEmpty())
        return true;
    const QString className = QString::fromLatin1(object->metaObject()->className());
    if (className.compare(mask.className, Qt::CaseInsensitive) == 0)
        return true;
    // A class in a namespace is also known by its own name ("app::TMainForm").
    const qsizetype scope = className.lastIndexOf(QLatin1String("::"));
    return scope >= 0 && className.mid(scope + 2).compare(mask.className, Qt::CaseInsensitive) == 0;
}

void TMultiLanguage::TranslateProperty(QObject* Object, const QString& Path, const QString& FromLanguage,
                                       const QString& ToLanguage) {
    TranslateObjectProperty(Object, Path, [&](const QString& text) {
        return TranslateString(text, FromLanguage, ToLanguage);
    });
}

void TMultiLanguage::TranslateForm(QWidget* Form, const QString& FromLanguage, const QString& ToLanguage) {
    if (!Form || !m_active)
        return;
    // Both names are checked even for a window without texts.
    EnsureLoaded();
    CheckLanguage(FromLanguage);
    CheckLanguage(ToLanguage);

    std::vector<QPointer<QObject>> objects{Form};
    for (QObject* child : Form->findChildren<QObject*>())
        objects.emplace_back(child);
    for (const QPointer<QObject>& object : objects) {
        if (!object)
            continue;
        for (const Mask& mask : m_masks)
            if (Applies(mask, object))
                TranslateProperty(object, mask.path, FromLanguage, ToLanguage);
    }
}

void TMultiLanguage::SetLanguage(const QString& Value) {
    if (!m_active)
        return;
    EnsureLoaded();
    const QString previousFrom = m_fromLanguage;
    const QString previous = m_language;
    try {
        CheckLanguage(Value);
        m_fromLanguage = m_language;
        m_language = Value;
        if (!m_fromLanguage.isEmpty()) {
            CheckLanguage(m_fromLanguage);
            CheckLanguage(m_language);
            for (QWidget* window : Windows())
                TranslateForm(window, m_fromLanguage, m_language);
        }
    } catch (...) {
        m_fromLanguage = previousFrom;
        m_language = previous;
        throw;
    }
}

void TMultiLanguage::ShowIndexNotFound(const QString& Message) {
    QMessageBox::warning(nullptr, QGuiApplication::applicationDisplayName(), Message, QMessageBox::Ok);
}

QList<QWidget*> TMultiLanguage::Windows() const {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget())
            windows.append(widget);
    return windows;
}

}  // namespace lang
