#include "platform/settings/settings.h"

#include <QSettings>

namespace settings {
namespace {

const QString Organisation = QStringLiteral("Marvenic");
const QString FontSizeKey = QStringLiteral("DefaultFontSize");

}  // namespace

QString ReadFontSizeSetting() {
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, Organisation);
    const QVariant stored = store.value(FontSizeKey);
    // A value of another type (a list, say) is not a word: it reads as the default.
    const QString value = stored.typeId() == QMetaType::QString ? stored.toString() : QString();
    for (const char* allowed : {"small", "normal", "large", "huge"})
        if (value == QLatin1String(allowed))
            return value;
    return QStringLiteral("small");
}

void WriteFontSizeSetting(const QString& Value) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, Organisation);
    if (!store.isWritable() || store.status() != QSettings::NoError)
        return;
    store.setValue(FontSizeKey, Value);
    store.sync();
}

}  // namespace settings
