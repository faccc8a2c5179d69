#include "app/lobby_form.h"

#include "app/catalogue_discovery.h"
#include "platform/text/cp1251.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <cmath>

namespace app {
namespace {

// Rounding of the lobby's geometry: halves to even.
int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

TLobbyForm::TLobbyForm(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("LobbyForm"));
    setWindowTitle(QStringLiteral("Марвеник"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(QFont(QStringLiteral("Arial"), 10));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xEF, 0x9A, 0x48));
    setPalette(colours);
    setAutoFillBackground(true);

    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("bnClose"));
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("Выход"));
    close->setAutoRaise(true);
    close->setGeometry(622, 2, 16, 16);
    connect(close, &QToolButton::clicked, this, &TLobbyForm::bnCloseClick);
}

QRect TLobbyForm::ButtonRect(int I, int N, int W, int H) {
    const int half = roundEven(N / 2.0);
    if (N <= 4)
        return QRect(180, roundEven((ClientHeight - 270) / 2.0) + 224 + (H + 4) * (I - half), W, H);
    const int gap = (ClientWidth - 2 * W) / 3;
    if (I <= half)
        return QRect(gap, 255 + I * (H + 4), W, H);
    return QRect(gap * 2 + W, 255 + (I - half - 1) * (H + 4), W, H);
}

void TLobbyForm::CreateButtons() {
    qDeleteAll(m_buttons);
    m_buttons.clear();
    const int n = static_cast<int>(Databases.size());
    for (int i = 0; i < n; ++i) {
        const TDatabaseInfo& entry = Databases[static_cast<std::size_t>(i)];
        auto* button = new QPushButton(text::fromCp1251(entry.Name), this);
        button->setObjectName(QStringLiteral("CatalogueButton%1").arg(i));
        button->setToolTip(text::fromCp1251(entry.Description));
        button->setProperty("tag", i);
        button->setGeometry(ButtonRect(i, n, ButtonWidth, ButtonHeight));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { ButtonClick(i); });
        m_buttons.append(button);
    }
    if (!m_buttons.isEmpty())
        m_buttons.front()->setFocus();
}

bool TLobbyForm::ChooseCatalogue(const QString& Language) {
    m_backgroundName = Language == QLatin1String("English") ? QStringLiteral("LobbyEnglish")
                                                             : QStringLiteral("LobbyRussian");
    CreateButtons();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted;
}

void TLobbyForm::ButtonClick(int Tag) {
    CurrentDatabase = Databases.at(static_cast<std::size_t>(Tag));
    accept();
}

// The lobby is the only window at this point: closing it ends the program.
void TLobbyForm::bnCloseClick() { reject(); }

}  // namespace app
