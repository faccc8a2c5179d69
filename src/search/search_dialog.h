// The search dialog: a scrolling list of condition rows (field, operator,
// value) taken from the catalog's Search.xml, AND or OR, the tab to search
// in and the tab that receives the result, replacing or adding to it. It
// only collects; the main window runs the search. The last confirmed search
// is remembered for the rest of the run and offered again at the next
// opening.
//
// Use: create, lang::TranslateWindow, Initialize, Execute; when confirmed,
// read GetConditions, AllConditionsRequired, AddToTarget, GetSearchIn and
// GetTarget.
#pragma once

#include "catalog/build_structures.h"
#include "catalog/query_condition.h"
#include "search/search_condition_row.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace catalog {
class IDataMediator;
}

namespace search {

class TSearchDialog : public QDialog {
    Q_OBJECT
public:
    // Geometry of the rows on ConditionPanel, in pixels. The field and
    // operator boxes widen (and push the columns after them right) when
    // their longest text needs it.
    static constexpr int FieldLeft = 116;
    static constexpr int MinFieldWidth = 129;
    static constexpr int MaxFieldWidth = 200;
    static constexpr int MinOperatorWidth = 97;
    static constexpr int ColumnGap = 7;
    static constexpr int RowGap = 8;
    static constexpr int FirstRowTop = 4;
    static constexpr int AddButtonLeft = 60;
    static constexpr int RemoveButtonLeft = 84;
    static constexpr int ToolButtonWidth = 24;
    static constexpr int ScrollBarWidth = 16;
    static constexpr int ScrollStep = 16;
    static constexpr int BevelWidth = 8;

    // The help topic of the dialog.
    static inline const QString HelpTopic = QStringLiteral("search.html");

    explicit TSearchDialog(QWidget* parent = nullptr);
    ~TSearchDialog() override;

    // Keeps Mediator (it must outlive the dialog), fills the two tab lists
    // from its selections and the rows from its Search.xml, one row per
    // field with that field chosen. With RestoreState, the remembered search
    // (if any) replaces them. Errors of the mediator pass on.
    void Initialize(catalog::IDataMediator& Mediator, bool RestoreState = true);

    // Shows the dialog modally; true when the user confirmed, and then the
    // search is remembered (SaveState).
    bool Execute();

    // The filled rows in order: a field chosen and a value not empty (blanks
    // count; nothing is trimmed).
    catalog::TQueryConditions GetConditions() const;
    bool AllConditionsRequired() const;
    bool AddToTarget() const;
    // ID 0 for the whole catalog.
    catalog::TSelection GetSearchIn() const;
    // ID -1 means a new tab named Name. An empty target text means the
    // translated "Результаты поиска".
    catalog::TSelection GetTarget() const;

    // The remembered search: every row, filled or not, and the options.
    void SaveState();
    void RestoreSavedState();
    // Forgets the remembered search, as at the start of a run.
    static void ClearSavedState();

    // The field lists of Search.xml (code page 1251); entry i of each
    // belongs together.
    const std::vector<std::string>& Captions() const { return m_captions; }
    const std::vector<std::string>& IndexPaths() const { return m_indexPaths; }
    const std::vector<std::string>& FieldPaths() const { return m_fieldPaths; }

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const TConditionRow& Row(int Index) const { return m_rows.at(static_cast<std::size_t>(Index)); }
    // Total + 4: the height the rows need on ConditionPanel.
    int ScrollMaximum() const { return m_scrollMaximum; }
    int FieldBoxWidth() const { return m_fieldWidth; }
    int OperatorBoxLeft() const { return FieldLeft + m_fieldWidth + ColumnGap; }
    int OperatorBoxWidth() const { return m_operatorWidth; }
    int ValueBoxLeft() const { return OperatorBoxLeft() + m_operatorWidth + ColumnGap; }

    // Components, by role.
    QFrame* ButtonPanel = nullptr;
    QPushButton* FindButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* ResetButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QLabel* FindInLabel = nullptr;
    QComboBox* FindInComboBox = nullptr;
    QWidget* ConditionPanel = nullptr;
    QLabel* ConditionLabel = nullptr;
    QToolButton* AddConditionButton = nullptr;
    QToolButton* RemoveConditionButton = nullptr;
    QScrollBar* ScrollBar = nullptr;
    QWidget* Bevel = nullptr;
    QGroupBox* OptionsGroupBox = nullptr;
    QRadioButton* LogicAndRadioButton = nullptr;
    QRadioButton* LogicOrRadioButton = nullptr;
    QWidget* TargetPanel = nullptr;
    QLabel* PlaceInLabel = nullptr;
    QComboBox* PlaceInComboBox = nullptr;
    QRadioButton* ReplaceResultRadioButton = nullptr;
    QRadioButton* AddResultRadioButton = nullptr;
    QLabel* ProblemsLabel = nullptr;

public slots:
    void AddConditionButtonClick();
    void RemoveConditionButtonClick();
    void ScrollBarScroll();
    void ConditionPanelResize();
    void FindButtonClick();
    void ResetButtonClick();
    void HelpButtonClick();

signals:
    // "Справка" or F1: the help window should show Topic ("search.html").
    void HelpRequested(const QString& Topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildButtonPanel();
    QWidget* BuildTopStrip();
    void BuildConditionPanel();
    void BuildOptions();
    void FitColumns();
    void AddConditionRow();
    void RemoveLastRow();
    void RemoveAllRows();
    void LoadSuggestions(int Tag);
    void LayoutRows();
    void UpdateScrollRange();
    void ScrollToBottom();
    void ScrollToTop();
    int FilledRowCount() const;

    catalog::IDataMediator* m_mediator = nullptr;
    std::vector<std::string> m_captions;
    std::vector<std::string> m_indexPaths;
    std::vector<std::string> m_fieldPaths;
    std::vector<TConditionRow> m_rows;
    int m_scrollMaximum = 0;
    int m_rowHeight = 0;
    int m_fieldWidth = MinFieldWidth;
    int m_operatorWidth = MinOperatorWidth;
    QSize m_laidOutPanelSize;
};

}  // namespace search
