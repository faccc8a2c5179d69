// The application object of the widget tests: like the program's, an
// exception escaping an event handler ends up in one place, here a list of
// messages the tests can read.
#pragma once

#include <QApplication>

#include <exception>
#include <string>
#include <vector>

class TTestApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            errors.push_back(error.what());
        }
        return false;
    }
    std::vector<std::string> errors;
};

inline TTestApplication* application() {
    return static_cast<TTestApplication*>(QCoreApplication::instance());
}
