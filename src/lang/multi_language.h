// The language component: re-captions windows designed with Russian texts
// into another language by whole-phrase lookup in parallel phrase lists.
//
// Lang.lng lists the languages, one "Name=file" line each; every phrase file
// (code page 1251, one phrase a line) holds the same phrases in the same
// order, so the n-th phrase of one file is the n-th phrase of every other.
// A line break inside a phrase is written as backslash and "n". On this
// platform a line break in a text is "\n" (a "\r\n" is accepted as one too);
// translations come back with "\n".
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

class QWidget;

namespace lang {

// Errors of the language layer; what() is UTF-8.
class ELanguageError : public std::runtime_error {
public:
    explicit ELanguageError(const QString& message);
    QString message() const;
};

class TMultiLanguage : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Language READ Language WRITE SetLanguage)
    Q_PROPERTY(QString FromLanguage READ FromLanguage)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QStringList Includes READ Includes WRITE SetIncludes)
    Q_PROPERTY(QStringList Excludes READ Excludes WRITE SetExcludes)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(bool AutoHotkeys READ AutoHotkeys WRITE SetAutoHotkeys)

public:
    explicit TMultiLanguage(QObject* parent = nullptr);
    ~TMultiLanguage() override;

    // The language the windows are shown in.
    QString Language() const { return m_language; }
    // Switches every window of the application from the current language to
    // Value. Does nothing while inactive. The first change (no language yet)
    // translates nothing. On an error (ELanguageError "Invalid language %s")
    // the previous Language and FromLanguage stay.
    void SetLanguage(const QString& Value);

    // The language the windows were in before the last change of Language.
    QString FromLanguage() const { return m_fromLanguage; }

    // Path of the language index file; a change takes effect at the next load.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& Value) { m_fileName = Value; }

    // Property masks "Class.Path" (empty class: every class), in order.
    QStringList Includes() const { return m_includes; }
    void SetIncludes(const QStringList& Value);
    void AddInclude(const QString& Mask);

    // Kept for completeness; this program leaves it empty and nothing reads it.
    QStringList Excludes() const { return m_excludes; }
    void SetExcludes(const QStringList& Value) { m_excludes = Value; }

    // Whether translation happens. True loads the index and the phrase files
    // now when they are not loaded (they are otherwise loaded on first need);
    // false drops them. A failed load (ELanguageError) leaves Active as it was.
    bool Active() const { return m_active; }
    void SetActive(bool Value);

    // The "&" of hot keys is part of the phrases; kept for completeness.
    bool AutoHotkeys() const { return m_autoHotkeys; }
    void SetAutoHotkeys(bool Value) { m_autoHotkeys = Value; }

    // The language names of Lang.lng, upper-cased, in file order (loads on need).
    QStringList LanguageNames();

    // The translation of one text from FromLanguage into ToLanguage: Text
    // itself while inactive or when no phrase matches. Surrounding blanks and
    // a trailing "...", ":", "-" or "." that are not part of the phrase are
    // kept around the translation. Throws ELanguageError for a language that
    // Lang.lng does not name (an empty name included).
    QString TranslateString(const QString& Text, const QString& FromLanguage, const QString& ToLanguage);

    // Translates the masked texts of Form itself, then of every object it
    // owns (QObject children, depth first in creation order: widgets,
    // actions, menus, header views...).
    void TranslateForm(QWidget* Form, const QString& FromLanguage, const QString& ToLanguage);

    // Translates the texts that Path (see property_masks.h) names on Object.
    void TranslateProperty(QObject* Object, const QString& Path, const QString& FromLanguage,
                           const QString& ToLanguage);

protected:
    // Shows the "Language file ... is not found." message; a warning box
    // with an OK button.
    virtual void ShowIndexNotFound(const QString& Message);
    // The windows a change of Language switches: the application's windows
    // that have no parent (windows with a parent are translated with it), in
    // no particular order: each window is translated on its own.
    virtual QList<QWidget*> Windows() const;

private:
    struct Mask {
        QString className;
        QString path;
    };

    void Load();
    void Unload();
    void EnsureLoaded();
    int CheckLanguage(const QString& Name) const;
    bool Applies(const Mask& mask, const QObject* object) const;

    QString m_language;
    QString m_fromLanguage;
    QString m_fileName;
    QStringList m_includes;
    QStringList m_excludes;
    bool m_active = true;
    bool m_autoHotkeys = true;

    std::vector<Mask> m_masks;  // Includes, parsed
    bool m_loaded = false;
    QStringList m_names;       // upper-cased, file order
    QStringList m_fileNames;   // same order
    struct PhraseList {
        QStringList phrases;
        QHash<QString, int> firstIndex;  // phrase -> its first position
    };
    std::vector<PhraseList> m_phrases;  // same order; empty when a file could not be read
};

}  // namespace lang
