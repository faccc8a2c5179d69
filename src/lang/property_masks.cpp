#include "lang/property_masks.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <array>

namespace lang {
namespace {

template <class Setter>
void update(const QString& value, const TextTranslator& translate, Setter&& set) {
    if (value.isEmpty())
        return;
    const QString result = translate(value);
    if (!result.isEmpty() && result != value)
        set(result);
}

// The action that a QMenu creates for itself carries the menu's title.
bool isMenuAction(const QAction* action) {
    const auto* menu = qobject_cast<const QMenu*>(action->parent());
    return menu && menu->menuAction() == action;
}

bool mirrorsAction(const QWidget* widget) {
    const auto* button = qobject_cast<const QToolButton*>(widget);
    return button && button->defaultAction();
}

// The Ok, Cancel and Help buttons of a button box have paths of their own.
bool isCaptionedBoxButton(QAbstractButton* button) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parent());
    if (!box)
        return false;
    const QDialogButtonBox::StandardButton which = box->standardButton(button);
    return which == QDialogButtonBox::Ok || which == QDialogButtonBox::Cancel || which == QDialogButtonBox::Help;
}

void caption(QObject* object, const TextTranslator& tr) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (!isMenuAction(action))
            update(action->text(), tr, [action](const QString& t) { action->setText(t); });
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return;
    update(widget->windowTitle(), tr, [widget](const QString& t) { widget->setWindowTitle(t); });
    if (auto* label = qobject_cast<QLabel*>(widget))
        update(label->text(), tr, [label](const QString& t) { label->setText(t); });
    else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (!mirrorsAction(button) && !isCaptionedBoxButton(button))
            update(button->text(), tr, [button](const QString& t) { button->setText(t); });
    } else if (auto* group = qobject_cast<QGroupBox*>(widget))
        update(group->title(), tr, [group](const QString& t) { group->setTitle(t); });
    else if (auto* menu = qobject_cast<QMenu*>(widget))
        update(menu->title(), tr, [menu](const QString& t) { menu->setTitle(t); });
}

void text(QObject* object, const TextTranslator& tr) {
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        update(edit->placeholderText(), tr, [edit](const QString& t) { edit->setPlaceholderText(t); });
        if (edit->isReadOnly())
            update(edit->text(), tr, [edit](const QString& t) { edit->setText(t); });
    } else if (auto* textEdit = qobject_cast<QTextEdit*>(object))
        update(textEdit->placeholderText(), tr, [textEdit](const QString& t) { textEdit->setPlaceholderText(t); });
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        update(plain->placeholderText(), tr, [plain](const QString& t) { plain->setPlaceholderText(t); });
    else if (auto* combo = qobject_cast<QComboBox*>(object))
        update(combo->placeholderText(), tr, [combo](const QString& t) { combo->setPlaceholderText(t); });
}

void hint(QObject* object, const TextTranslator& tr) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        // Qt derives a tool tip from the text until one is set; clearing it
        // tells the two apart, and a derived one must stay derived so that it
        // follows later changes of the text.
        const QString tip = action->toolTip();
        action->setToolTip(QString());
        if (action->toolTip() != tip) {
            action->setToolTip(tip);
            update(tip, tr, [action](const QString& t) { action->setToolTip(t); });
        }
        update(action->statusTip(), tr, [action](const QString& t) { action->setStatusTip(t); });
        return;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || mirrorsAction(widget))
        return;
    update(widget->toolTip(), tr, [widget](const QString& t) { widget->setToolTip(t); });
    update(widget->statusTip(), tr, [widget](const QString& t) { widget->setStatusTip(t); });
}

void tabs(QObject* object, const TextTranslator& tr) {
    auto* bar = qobject_cast<QTabBar*>(object);
    if (!bar || qobject_cast<QTabWidget*>(bar->parent()))
        return;
    for (int i = 0; i < bar->count(); ++i)
        update(bar->tabText(i), tr, [bar, i](const QString& t) { bar->setTabText(i, t); });
}

void tabsCaption(QObject* object, const TextTranslator& tr) {
    if (auto* tabWidget = qobject_cast<QTabWidget*>(object))
        for (int i = 0; i < tabWidget->count(); ++i)
            update(tabWidget->tabText(i), tr, [tabWidget, i](const QString& t) { tabWidget->setTabText(i, t); });
}

void items(QObject* object, const TextTranslator& tr) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            update(combo->itemText(i), tr, [combo, i](const QString& t) { combo->setItemText(i, t); });
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            update(item->text(), tr, [item](const QString& t) { item->setText(t); });
        }
    } else if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            QTreeWidgetItem* item = *it;
            for (int column = 0; column < item->columnCount(); ++column)
                update(item->text(column), tr, [item, column](const QString& t) { item->setText(column, t); });
        }
    }
}

void columnsCaption(QObject* object, const TextTranslator& tr) {
    auto* tree = qobject_cast<QTreeWidget*>(object);
    if (!tree)
        return;
    QTreeWidgetItem* header = tree->headerItem();
    for (int column = 0; column < header->columnCount(); ++column)
        update(header->text(column), tr, [header, column](const QString& t) { header->setText(column, t); });
}

void columnsTitleCaption(QObject* object, const TextTranslator& tr) {
    auto* table = qobject_cast<QTableWidget*>(object);
    if (!table)
        return;
    for (int column = 0; column < table->columnCount(); ++column)
        if (QTableWidgetItem* header = table->horizontalHeaderItem(column))
            update(header->text(), tr, [header](const QString& t) { header->setText(t); });
}

void headerColumnsText(QObject* object, const TextTranslator& tr) {
    auto* header = qobject_cast<QHeaderView*>(object);
    if (!header || qobject_cast<QTreeWidget*>(header->parent()) || qobject_cast<QTableWidget*>(header->parent()))
        return;  // the item widgets' headers have their own paths
    QAbstractItemModel* model = header->model();
    if (!model)
        return;
    const Qt::Orientation orientation = header->orientation();
    for (int section = 0; section < header->count(); ++section) {
        const QVariant value = model->headerData(section, orientation, Qt::DisplayRole);
        if (value.typeId() == QMetaType::QString)
            update(value.toString(), tr, [model, section, orientation](const QString& t) {
                model->setHeaderData(section, orientation, t, Qt::DisplayRole);
            });
    }
}

void bandsText(QObject* object, const TextTranslator& tr) {
    if (auto* box = qobject_cast<QToolBox*>(object))
        for (int i = 0; i < box->count(); ++i)
            update(box->itemText(i), tr, [box, i](const QString& t) { box->setItemText(i, t); });
}

void reportTitle(QObject* object, const TextTranslator& tr) {
    const QVariant value = object->property("reportTitle");
    if (value.typeId() == QMetaType::QString)
        update(value.toString(), tr, [object](const QString& t) { object->setProperty("reportTitle", t); });
}

template <QDialogButtonBox::StandardButton Which>
void boxButton(QObject* object, const TextTranslator& tr) {
    if (auto* box = qobject_cast<QDialogButtonBox*>(object))
        if (QPushButton* button = box->button(Which))
            update(button->text(), tr, [button](const QString& t) { button->setText(t); });
}

struct PathEntry {
    const char* path;
    void (*apply)(QObject*, const TextTranslator&);
};

constexpr std::array<PathEntry, 14> Paths{{
    {"Caption", caption},
    {"Text", text},
    {"Hint", hint},
    {"Tabs", tabs},
    {"Tabs.Caption", tabsCaption},
    {"Items", items},
    {"Columns.Caption", columnsCaption},
    {"Columns.Title.Caption", columnsTitleCaption},
    {"Bands.Text", bandsText},
    {"ReportTitle", reportTitle},
    {"Header.Columns.Text", headerColumnsText},
    {"CaptionCancel", boxButton<QDialogButtonBox::Cancel>},
    {"CaptionHelp", boxButton<QDialogButtonBox::Help>},
    {"CaptionOK", boxButton<QDialogButtonBox::Ok>},
}};

}  // namespace

const QStringList& StandardIncludeMasks() {
    static const QStringList masks = [] {
        QStringList list;
        for (const PathEntry& entry : Paths)
            list.append(QLatin1Char('.') + QLatin1String(entry.path));
        return list;
    }();
    return masks;
}

bool TranslateObjectProperty(QObject* Object, const QString& Path, const TextTranslator& Translate) {
    for (const PathEntry& entry : Paths)
        if (Path.compare(QLatin1String(entry.path), Qt::CaseInsensitive) == 0) {
            if (Object)
                entry.apply(Object, Translate);
            return true;
        }
    return false;
}

}  // namespace lang
