// The dialog that asks for the text to find in the card.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class TFindDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialogForm(QWidget* parent = nullptr);

    QString TextToFind() const;
    bool MatchCase() const;

    QLabel* TextToFindLabel = nullptr;
    QLineEdit* TextToFindEdit = nullptr;
    QGroupBox* SettingsCheckGroup = nullptr;
    QCheckBox* MatchCaseCheckBox = nullptr;
    QPushButton* FindButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateFindButton();
};

}  // namespace app
