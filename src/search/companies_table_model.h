// The rows of the companies table: one company each, with its name from the
// main tree and its address and phone read from the company record the
// first time the row is shown.
//
// Cells are code page 1251 bytes, exactly as the printed HTML carries them;
// they become QStrings only in data().
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace search {

struct TCompanyRow {
    std::int32_t CompanyID = -1;
    // 0: name (TopicName, character references kept), 1: address, 2: phone.
    std::array<std::string, 3> Cells;
    bool Checked = false;
    // The load pass (see TCompaniesTableModel::NewPass) of the last attempt
    // to load the row; 0 = never.
    unsigned LoadedPass = 0;
};

// Address and phone of a company, as its record gives them.
struct TCompanyCells {
    std::string Address;
    std::string Phone;
};

// Parses Header followed by Record and formats the address (English form
// when English, Russian otherwise) and the first phone of the top-level
// company element. Throws xml::XmlError for a record that does not parse.
TCompanyCells FormatCompanyCells(std::string_view header, std::string_view record, bool english);

class TCompaniesTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, AddressColumn, PhoneColumn, ColumnCount };

    // Reads and formats the cells of one company; may throw.
    using RowLoader = std::function<TCompanyCells(std::int32_t CompanyID)>;
    // Told about a failure to load a row while a view asks for its text.
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    explicit TCompaniesTableModel(QObject* parent = nullptr);

    void SetRowLoader(RowLoader loader) { m_loader = std::move(loader); }
    void SetErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }

    // Replaces every row, in one reset of the model.
    void SetRows(std::vector<TCompanyRow> rows);
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const TCompanyRow& Row(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    // Starts a new load pass (a paint of the view, a printout). A row whose
    // address or phone is empty is loaded again in a later pass, at most
    // once per pass: a company without a phone costs one record read per
    // paint, not one per cell.
    void NewPass() { ++m_pass; }
    // Loads Row when its address or phone is empty and it has not been
    // loaded in this pass yet. Errors are thrown; the cells stay as they were.
    void EnsureLoaded(int row);

    // Check boxes for selective printing: shown or not; the checked states
    // are kept either way.
    void SetCheckBoxes(bool on);
    bool CheckBoxes() const { return m_checkBoxes; }
    void SetChecked(int row, bool checked);
    void SetAllChecked(bool checked);

    // The name as the user reads it: character references turned into
    // characters.
    QString DisplayName(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Asking for the address or phone of a row loads it when needed.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The captions are stored, so that the language layer can re-caption them.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

private:
    void LoadRow(TCompanyRow& row) const;

    // A cache: data() fills the address and phone of the rows it is asked for.
    mutable std::vector<TCompanyRow> m_rows;
    std::array<QString, ColumnCount> m_captions;
    RowLoader m_loader;
    ErrorHandler m_errorHandler;
    unsigned m_pass = 1;
    bool m_checkBoxes = false;
};

}  // namespace search
