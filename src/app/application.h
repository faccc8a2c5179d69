// The application object: its title, and the one place where an exception
// escaping an event handler ends up.
#pragma once

#include <QApplication>
#include <QString>

#include <exception>

namespace app {

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // An exception thrown by an event handler is shown in the error box and
    // the program carries on with the next event.
    bool notify(QObject* receiver, QEvent* event) override;
};

// The message of an exception as the user reads it. Our layers write UTF-8;
// text that is not valid UTF-8 came from the catalog and is code page 1251.
QString ExceptionMessage(const std::exception& error);

// The application's default error box: the program's name as its caption,
// the message as its text, one OK button.
void ShowErrorBox(const QString& message);
void ShowException(const std::exception& error);

}  // namespace app
