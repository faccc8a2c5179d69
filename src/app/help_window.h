// The help pages: HTML files delivered beside the program, one folder per
// language, shown in a browser window with back, forward and contents.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace app {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows Folder + Topic (Folder ends with "/") and brings the window up.
    void ShowTopic(const QString& Folder, const QString& Topic);
    // The file shown; empty before the first topic.
    QString CurrentFile() const;

    QTextBrowser* Browser = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
    QToolButton* ContentsButton = nullptr;

private:
    void Translate();
    QString m_folder;
};

}  // namespace app
