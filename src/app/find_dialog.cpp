#include "app/find_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app {

TFindDialogForm::TFindDialogForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialogForm"));
    setWindowTitle(QStringLiteral("Найти"));
    setModal(true);

    TextToFindLabel = new QLabel(QStringLiteral("&Строка:"), this);
    TextToFindLabel->setObjectName(QStringLiteral("TextToFindLabel"));
    TextToFindEdit = new QLineEdit(this);
    TextToFindEdit->setObjectName(QStringLiteral("TextToFindEdit"));
    TextToFindEdit->setMinimumWidth(260);
    TextToFindLabel->setBuddy(TextToFindEdit);

    SettingsCheckGroup = new QGroupBox(QStringLiteral("Настройки"), this);
    SettingsCheckGroup->setObjectName(QStringLiteral("SettingsCheckGroup"));
    MatchCaseCheckBox = new QCheckBox(QStringLiteral("&Учитывать регистр"), SettingsCheckGroup);
    MatchCaseCheckBox->setObjectName(QStringLiteral("MatchCaseCheckBox"));
    auto* settings = new QVBoxLayout(SettingsCheckGroup);
    settings->addWidget(MatchCaseCheckBox);

    FindButton = new QPushButton(QStringLiteral("&Найти"), this);
    FindButton->setObjectName(QStringLiteral("FindButton"));
    FindButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* row = new QHBoxLayout;
    row->addWidget(TextToFindLabel);
    row->addWidget(TextToFindEdit, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(row);
    left->addWidget(SettingsCheckGroup);
    left->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->addLayout(left, 1);
    page->addLayout(buttons);

    connect(TextToFindEdit, &QLineEdit::textChanged, this, &TFindDialogForm::UpdateFindButton);
    connect(FindButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdateFindButton();
}

QString TFindDialogForm::TextToFind() const { return TextToFindEdit->text(); }

bool TFindDialogForm::MatchCase() const { return MatchCaseCheckBox->isChecked(); }

void TFindDialogForm::showEvent(QShowEvent* event) {
    UpdateFindButton();
    QDialog::showEvent(event);
    TextToFindEdit->setFocus();
    TextToFindEdit->selectAll();
}

void TFindDialogForm::UpdateFindButton() { FindButton->setEnabled(!TextToFindEdit->text().isEmpty()); }

}  // namespace app
