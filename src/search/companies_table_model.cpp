#include "search/companies_table_model.h"

#include "catalog/entities.h"
#include "catalog/formatting.h"
#include "catalog/records.h"
#include "platform/text/cp1251.h"

#include <utility>

namespace search {

TCompanyCells FormatCompanyCells(std::string_view header, std::string_view record, bool english) {
    xml::XmlDocument document;
    catalog::LoadXMLText(header, record, document);
    const xml::XmlNode company = catalog::FindNodeByPath(document, "company");
    TCompanyCells cells;
    cells.Address = english ? catalog::FormatAddressEnglish(company) : catalog::FormatAddressRussian(company);
    // GetValueByPath takes the first element of each step: the first phone.
    cells.Phone = catalog::FormatPhone(catalog::GetValueByPath(document, "company/phone/@code"),
                                       catalog::GetValueByPath(document, "company/phone"));
    return cells;
}

TCompaniesTableModel::TCompaniesTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TCompaniesTableModel::SetRows(std::vector<TCompanyRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TCompaniesTableModel::LoadRow(TCompanyRow& row) const {
    row.LoadedPass = m_pass;
    if (!m_loader)
        return;
    TCompanyCells cells = m_loader(row.CompanyID);
    row.Cells[AddressColumn] = std::move(cells.Address);
    row.Cells[PhoneColumn] = std::move(cells.Phone);
}

void TCompaniesTableModel::EnsureLoaded(int row) {
    TCompanyRow& r = m_rows.at(static_cast<std::size_t>(row));
    if ((r.Cells[AddressColumn].empty() || r.Cells[PhoneColumn].empty()) && r.LoadedPass != m_pass)
        LoadRow(r);
}

void TCompaniesTableModel::SetCheckBoxes(bool on) {
    if (on == m_checkBoxes)
        return;
    m_checkBoxes = on;
    if (!m_rows.empty())
        emit dataChanged(index(0, NameColumn), index(RowCount() - 1, NameColumn),
                         {Qt::CheckStateRole});
}

void TCompaniesTableModel::SetChecked(int row, bool checked) {
    TCompanyRow& r = m_rows.at(static_cast<std::size_t>(row));
    if (r.Checked == checked)
        return;
    r.Checked = checked;
    const QModelIndex cell = index(row, NameColumn);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void TCompaniesTableModel::SetAllChecked(bool checked) {
    for (TCompanyRow& r : m_rows)
        r.Checked = checked;
    if (!m_rows.empty())
        emit dataChanged(index(0, NameColumn), index(RowCount() - 1, NameColumn),
                         {Qt::CheckStateRole});
}

QString TCompaniesTableModel::DisplayName(int row) const {
    const std::string& name = m_rows.at(static_cast<std::size_t>(row)).Cells[NameColumn];
    // Plain names are the rule; only a name with a reference needs the table.
    if (name.find('&') == std::string::npos)
        return text::fromCp1251(name);
    catalog::InitEntityList();
    return catalog::CharTextToQString(catalog::ConvertHTMLToChar(name));
}

int TCompaniesTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int TCompaniesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TCompaniesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount())
        return {};
    const int column = index.column();
    if (role == Qt::CheckStateRole) {
        if (column != NameColumn || !m_checkBoxes)
            return {};
        return m_rows[static_cast<std::size_t>(index.row())].Checked ? Qt::Checked : Qt::Unchecked;
    }
    if (role != Qt::DisplayRole)
        return {};
    if (column == NameColumn)
        return DisplayName(index.row());
    TCompanyRow& row = m_rows[static_cast<std::size_t>(index.row())];
    if (row.Cells[column].empty() && row.LoadedPass != m_pass) {
        try {
            LoadRow(row);
        } catch (...) {
            // A view is painting: the failure goes to the handler, the cell
            // stays empty and the next pass tries again.
            if (m_errorHandler)
                m_errorHandler(std::current_exception());
        }
    }
    return text::fromCp1251(row.Cells[column]);
}

bool TCompaniesTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != NameColumn || role != Qt::CheckStateRole || !m_checkBoxes)
        return false;
    SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags TCompaniesTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn && m_checkBoxes)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant TCompaniesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount || role != Qt::DisplayRole)
        return {};
    return m_captions[static_cast<std::size_t>(section)];
}

bool TCompaniesTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                         int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    m_captions[static_cast<std::size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

}  // namespace search
