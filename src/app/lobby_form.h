// The start-up lobby: one button per catalog when several were found.
#pragma once

#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>

class QAbstractButton;

namespace app {

class TLobbyForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 640;
    static constexpr int ClientHeight = 480;
    // Plain buttons stand where the catalogs' button pictures will.
    static constexpr int ButtonWidth = 280;
    static constexpr int ButtonHeight = 40;

    explicit TLobbyForm(QWidget* parent = nullptr);

    // Shows the lobby modally; true when a catalog was picked, which is then
    // CurrentDatabase. Language chooses the background.
    bool ChooseCatalogue(const QString& Language);

    // Where button I of N stands, for buttons of W x H pixels.
    static QRect ButtonRect(int I, int N, int W, int H);

    QString BackgroundName() const { return m_backgroundName; }
    QList<QAbstractButton*> CatalogueButtons() const { return m_buttons; }

private:
    void CreateButtons();
    void ButtonClick(int Tag);
    void bnCloseClick();

    QString m_backgroundName;
    QList<QAbstractButton*> m_buttons;
};

}  // namespace app
