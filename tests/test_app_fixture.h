// Program folders for the start-up tests: catalogs built with the catalog
// builder (or empty database files where no database is opened), the
// language files of the program folder, and a driver that acts on the
// windows from inside the program's event loops.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace app_test {

// UTF-8 source text as code page 1251.
std::string cp1251(const char* utf8);

// tolvik.xml with a name, a description and an order.
std::string infoFile(const char* nameUtf8, const char* descriptionUtf8, int order);

class TestProgramFolder {
public:
    TestProgramFolder();
    ~TestProgramFolder();

    QString path() const { return m_dir.path() + "/"; }

    // Data/Folder/Language/ holding a small real catalog (three topics, four
    // companies, an Org.xsl) with the given tolvik.xml (none when empty).
    void addCatalogue(const QString& folder, const QString& language, const std::string& info);
    // Data/Folder/Language/ with an empty tolvik.gdb only: enough to be found.
    void addEmptyCatalogue(const QString& folder, const QString& language, const std::string& info = {});
    // Lang.lng and the phrase files of the built program folder.
    void addLanguageFiles();
    // The built executable, copied in (its folder is its program folder).
    QString addExecutable();

    void writeFile(const QString& relativePath, const std::string& bytes);
    void removeFile(const QString& relativePath);

private:
    QTemporaryDir m_dir;
    QString m_previousCurrent;
};

// Acts on the windows from a timer, in whatever event loop runs (the lobby's,
// the main window's, an error box's). Each step is tried at every tick until
// it returns true; then the next one starts. When a step never succeeds the
// script gives up after a long while, records it, and closes every window so
// that the program under test returns.
class UiScript {
public:
    using Step = std::function<bool()>;
    explicit UiScript(std::vector<Step> steps);
    ~UiScript();
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;

    bool finished() const;
    bool gaveUp() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The first visible top-level widget of class T, or null.
template <class T>
T* visibleWindow();

// Every text a user can see on Window and its children: captions, labels,
// button texts, titles, tab texts and tool tips, action texts and tips, menu
// titles, header texts, the status line.
std::vector<QString> visibleTexts(QWidget* window);

bool hasCyrillic(const QString& text);

}  // namespace app_test

#include <QApplication>

template <class T>
T* app_test::visibleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}
