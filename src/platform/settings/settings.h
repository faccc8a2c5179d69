// The one setting kept between runs: the card's default font size.
//
// Stored with QSettings under the organisation "Marvenic", key
// "DefaultFontSize" (on Linux ~/.config/Marvenic.conf; the machine-wide
// /etc/xdg/Marvenic.conf is read as a fallback). Per user rather than
// machine-wide, so that an ordinary user can store it.
#pragma once

#include <QString>

namespace settings {

// "small", "normal", "large" or "huge": the stored value when it is exactly
// one of these words (letter case included), otherwise "small".
QString ReadFontSizeSetting();

// Stores Value. When the settings file cannot be written, nothing is stored
// and nothing is reported.
void WriteFontSizeSetting(const QString& Value);

}  // namespace settings
