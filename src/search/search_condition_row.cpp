#include "search/search_condition_row.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

namespace search {

TFieldComboBox::TFieldComboBox(QWidget* parent) : QComboBox(parent) {}

void TFieldComboBox::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && event->modifiers() == Qt::NoModifier) {
        setCurrentIndex(-1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

TValueComboBox::TValueComboBox(int Tag, QWidget* parent) : QComboBox(parent), m_tag(Tag) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    // A field may have thousands of distinct values.
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    setView(list);
}

void TValueComboBox::SetSuggestions(const QStringList& Items) {
    const QString typed = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(Items);
    setCurrentIndex(findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(typed);
}

void TValueComboBox::showPopup() {
    emit DroppingDown(m_tag);
    QComboBox::showPopup();
}

}  // namespace search
