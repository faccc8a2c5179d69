// The companies table: the right half of the main window while a topic, a
// group or the whole list is chosen in the main tree. Three columns (name,
// address, phone) of every company below the chosen node; address and phone
// are read from the company record only when a row is painted or printed,
// so that a branch of thousands of companies opens at once. The table also
// turns itself into the HTML page of "Печать таблицы".
#pragma once

#include "search/companies_table_model.h"
#include "search/type_ahead.h"

#include <QString>
#include <QTreeView>
#include <QWidget>

#include <functional>
#include <string>

class QAbstractItemModel;
class QTextBrowser;

namespace search {

// The flat tree view of the table: grid lines, a header of fixed height,
// type-ahead on the names, and one load pass of the model per paint.
class TCompaniesTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TCompaniesTreeView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    TTypeAhead& TypeAhead() { return m_typeAhead; }

    void keyboardSearch(const QString& search) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TCompaniesTableModel* m_rows = nullptr;
    TTypeAhead m_typeAhead;
};

// The href of the style-sheet link: backslashes become "/", then every ":"
// becomes "|" (the file-URL form the printed page has always used).
QString StyleSheetHref(QString path);

class TCompaniesTableForm : public QWidget {
    Q_OBJECT
public:
    // The record text of a company (code page 1251, no declaration).
    using RecordReader = std::function<std::string(int CompanyID)>;

    static constexpr int NameWidth = 260;
    static constexpr int AddressWidth = 245;
    static constexpr int PhoneWidth = 130;
    static constexpr int MinColumnWidth = 50;   // name and address
    static constexpr int MaxColumnWidth = 1000;
    static constexpr int HeaderHeight = 20;

    explicit TCompaniesTableForm(QWidget* parent = nullptr);
    ~TCompaniesTableForm() override;

    // Put in front of each company record before parsing (cp1251 bytes);
    // the record declaration with its CR LF until set.
    void SetXMLHeader(std::string Header) { m_xmlHeader = std::move(Header); }
    const std::string& XMLHeader() const { return m_xmlHeader; }

    // The style sheet linked from the printed page when the file exists
    // (its name is looked up without regard to letter case).
    void SetStyleSheetPath(QString Path) { m_styleSheetPath = std::move(Path); }
    const QString& StyleSheetPath() const { return m_styleSheetPath; }

    // Print only the rows whose check box is set.
    void SetMarkedOnly(bool Value) { m_markedOnly = Value; }
    bool MarkedOnly() const { return m_markedOnly; }

    // The language of the catalog in use ("Russian" or "English"): an
    // English catalog shows English addresses. Rows loaded from now on
    // follow it.
    void SetLanguage(QString Language) { m_language = std::move(Language); }
    const QString& Language() const { return m_language; }

    // Where records come from; catalog::DaziData's GetCompanyXML until set.
    void SetRecordReader(RecordReader Reader);

    // Refills the table with the companies below SourceNode, at every depth,
    // in Russian order of their names; neighbours with the same company
    // (same name) make one row. SourceTree is the main tree's model: any
    // model whose nodes give their catalog::TreeDataRec through
    // TTopicTreeModel::TreeDataRole.
    void FillFromTree(const QAbstractItemModel& SourceTree, const QModelIndex& SourceNode);

    // Selective printing: check boxes on every row, shown or hidden (the
    // marks are kept), and every row marked or unmarked.
    void SetCheckBoxes(bool On) { m_model->SetCheckBoxes(On); }
    void SetAllChecks(bool Checked) { m_model->SetAllChecked(Checked); }

    // The printable page of the table (code page 1251, cells as they are,
    // unescaped), loading the rows it prints; errors are passed on.
    std::string PrintHTML();
    // PrintHTML shown in Viewer.
    void BuildPrintHTML(QTextBrowser& Viewer);

    int RowCount() const { return m_model->RowCount(); }
    TCompaniesTableModel& Model() { return *m_model; }
    const TCompaniesTableModel& Model() const { return *m_model; }
    TCompaniesTreeView& Tree() { return *m_tree; }

public slots:
    // A double click on HitIndex (the row under the mouse): raises
    // OnCompanyDblClick when that row is also the focused one.
    void TreeDblClick(const QModelIndex& HitIndex);

signals:
    void OnCompanyDblClick(int CompanyID);

private:
    TCompanyCells LoadCells(int CompanyID);
    void KeepColumnWidth(int Section, int NewSize);

    TCompaniesTableModel* m_model;
    TCompaniesTreeView* m_tree;
    RecordReader m_recordReader;
    std::string m_xmlHeader;
    QString m_styleSheetPath;
    QString m_language = QStringLiteral("Russian");
    bool m_markedOnly = false;
};

}  // namespace search
