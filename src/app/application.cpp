#include "app/application.h"

#include "lang/lang_util.h"
#include "lang/multi_language.h"
#include "platform/text/cp1251.h"

#include <QMessageBox>
#include <QStringDecoder>

namespace app {
namespace {

// The error box must not fail in turn: an unknown language, say, is itself
// the error being shown.
QString TranslateForErrorBox(const QString& text) {
    try {
        return lang::Translate(text);
    } catch (const std::exception&) {
        return text;
    }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The application name, not the display name: X11 would append a display
    // name to every window caption.
    setApplicationName(QStringLiteral("Марвеник"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowErrorBox(TranslateForErrorBox(QStringLiteral("Неизвестная ошибка")));
    }
    return false;
}

QString ExceptionMessage(const std::exception& error) {
    if (const auto* languageError = dynamic_cast<const lang::ELanguageError*>(&error))
        return languageError->message();
    const QByteArray bytes(error.what());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    if (!utf8.hasError())
        return decoded;
    return text::fromCp1251(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ShowErrorBox(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), TranslateForErrorBox(QStringLiteral("Марвеник")), message,
                          QMessageBox::Ok);
}

void ShowException(const std::exception& error) { ShowErrorBox(ExceptionMessage(error)); }

}  // namespace app
