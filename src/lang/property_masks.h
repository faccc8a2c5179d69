// Where the property paths of the translation masks live on Qt's widgets.
//
// Windows are designed with Russian texts; a mask names which of their texts
// are re-captioned. This table is the one place that knows how a mask's
// property path maps onto Qt objects, so no window needs its own rules:
//
//   Caption               window title of any widget; QLabel text; QAbstractButton
//                         text; QGroupBox and QMenu titles; QAction text
//   Text                  placeholder text of QLineEdit, QTextEdit, QPlainTextEdit
//                         and QComboBox; QLineEdit text only while read-only
//   Hint                  tool tip and status tip of widgets and actions
//   Tabs                  tab texts of a QTabBar that is not part of a QTabWidget
//   Tabs.Caption          tab texts of a QTabWidget
//   Items                 items of QComboBox and QListWidget; every column text of
//                         every QTreeWidget item
//   Columns.Caption       QTreeWidget header texts
//   Columns.Title.Caption QTableWidget column header texts
//   Header.Columns.Text   header data (display role) of the model under a
//                         QHeaderView of any other view, where the model stores it
//   Bands.Text            QToolBox item texts
//   ReportTitle           a QString property "reportTitle" (declared or dynamic)
//   CaptionOK, CaptionCancel, CaptionHelp
//                         the Ok, Cancel and Help buttons of a QDialogButtonBox
//
// Each text has exactly one path, so a window is never translated twice over:
// a tool button that shows an action, a menu's own action, and the standard
// Ok/Cancel/Help buttons of a button box are left to the action, the menu and
// the button box. Texts that the user types (editable line edits, text
// edits, the HTML viewer) are never touched. An action's tool tip that Qt
// derives from its text follows the text by itself and is left alone.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;

namespace lang {

using TextTranslator = std::function<QString(const QString&)>;

// The fourteen include masks set by the language layer, in order.
const QStringList& StandardIncludeMasks();

// Replaces each text that Path names on Object by Translate(text); empty texts
// are skipped, and an empty or unchanged result leaves the text as it was.
// Path is matched without regard to letter case. Returns false for a path
// outside the table (nothing happens then).
bool TranslateObjectProperty(QObject* Object, const QString& Path, const TextTranslator& Translate);

}  // namespace lang
