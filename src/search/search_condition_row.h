// One condition row of the search dialog: field, operator ("содержит" or
// "не содержит") and the typed value, three boxes laid out by the dialog.
#pragma once

#include <QComboBox>

namespace search {

// The field box: pick from the list; Delete or Backspace clear the choice,
// so that a row can be left without field.
class TFieldComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFieldComboBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The value box: editable, no completion from the list. Its suggestions are
// loaded by whoever listens to DroppingDown, every time the list opens.
class TValueComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TValueComboBox(int Tag, QWidget* parent = nullptr);

    // The row number.
    int Tag() const { return m_tag; }

    // Replaces the list and keeps the typed text; the item equal to it, if
    // any, becomes current so that the list opens there.
    void SetSuggestions(const QStringList& Items);

    void showPopup() override;

signals:
    // Before the list opens; an exception thrown by a listener keeps it shut.
    void DroppingDown(int Tag);

private:
    int m_tag;
};

// The three boxes of a row; they belong to the dialog's condition panel.
struct TConditionRow {
    TFieldComboBox* FieldBox = nullptr;
    QComboBox* OperatorBox = nullptr;
    TValueComboBox* ValueBox = nullptr;
};

}  // namespace search
