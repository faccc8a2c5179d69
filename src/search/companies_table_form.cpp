#include "search/companies_table_form.h"

#include "catalog/build_structures.h"
#include "catalog/collation.h"
#include "catalog/dazi_data.h"
#include "catalog/records.h"
#include "catalog/topic_tree_model.h"
#include "catalog/tree_data.h"
#include "lang/lang_util.h"
#include "platform/files/files.h"
#include "platform/text/cp1251.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

namespace search {
namespace {

// Qt sizes a tree's header by its own size hint; the table's is fixed.
class TFixedHeightHeader : public QHeaderView {
public:
    TFixedHeightHeader(int height, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), m_height(height) {}
    QSize sizeHint() const override {
        QSize size = QHeaderView::sizeHint();
        size.setHeight(m_height);
        return size;
    }

private:
    int m_height;
};

// Only the name and the company of an entry are used.
using TEntry = catalog::TreeDataRec;

TEntry MakeEntry(std::string name, std::int32_t companyId) {
    TEntry entry;
    entry.TopicName = std::move(name);
    entry.CompanyID = companyId;
    return entry;
}

// Russian order of the names (the tree builders' sort); equal names by
// CompanyID, so that one company reached twice under one name always ends
// up next to itself and merges.
void SortEntries(std::vector<TEntry>& entries) {
    const auto byCompany = [](const TEntry& a, const TEntry& b) { return a.CompanyID < b.CompanyID; };
    // The plain list and the groups of an index tree come in Russian order
    // already: checking costs n comparisons, sorting n sort keys and more.
    // Only the runs of equal names then need ordering by company.
    bool sorted = true;
    std::vector<std::pair<std::size_t, std::size_t>> equalRuns;  // [first, last)
    for (std::size_t i = 1; i < entries.size() && sorted; ++i) {
        const std::string& a = entries[i - 1].TopicName;
        const std::string& b = entries[i].TopicName;
        const int order = a == b ? 0 : catalog::CompareRussian(a, b);
        if (order > 0)
            sorted = false;
        else if (order == 0) {
            if (!equalRuns.empty() && equalRuns.back().second == i)
                equalRuns.back().second = i + 1;
            else
                equalRuns.emplace_back(i - 1, i + 1);
        }
    }
    if (sorted) {
        for (const auto& [first, last] : equalRuns)
            std::sort(entries.begin() + static_cast<std::ptrdiff_t>(first),
                      entries.begin() + static_cast<std::ptrdiff_t>(last), byCompany);
        return;
    }
    std::stable_sort(entries.begin(), entries.end(), byCompany);
    catalog::SortRussian(entries);  // stable
}

// The companies below Node in tree order: straight from the nodes of the
// main tree's own model, through TreeDataRole from any other.
std::vector<TEntry> CollectEntries(const QAbstractItemModel& tree, const QModelIndex& node) {
    std::vector<TEntry> entries;
    if (const auto* topics = qobject_cast<const catalog::TTopicTreeModel*>(&tree)) {
        std::vector<int> stack;
        // Children are pushed last to first, so that the first is walked next.
        auto pushChildren = [&](int parent) {
            for (int row = topics->childCount(parent) - 1; row >= 0; --row)
                stack.push_back(topics->childNode(parent, row));
        };
        pushChildren(topics->nodeOf(node));
        while (!stack.empty()) {
            const int current = stack.back();
            stack.pop_back();
            const catalog::TreeDataRec& data = topics->nodeData(current);
            if (data.CompanyID >= 0)
                entries.push_back(MakeEntry(data.TopicName, data.CompanyID));
            pushChildren(current);
        }
        return entries;
    }
    std::vector<QModelIndex> stack;
    for (int row = tree.rowCount(node) - 1; row >= 0; --row)
        stack.push_back(tree.index(row, 0, node));
    while (!stack.empty()) {
        const QModelIndex current = stack.back();
        stack.pop_back();
        const QVariant value = current.data(catalog::TTopicTreeModel::TreeDataRole);
        if (value.canConvert<catalog::TreeDataRec>()) {
            auto data = value.value<catalog::TreeDataRec>();
            if (data.CompanyID >= 0)
                entries.push_back(MakeEntry(std::move(data.TopicName), data.CompanyID));
        }
        for (int row = tree.rowCount(current) - 1; row >= 0; --row)
            stack.push_back(tree.index(row, 0, current));
    }
    return entries;
}

}  // namespace

// --- The view --------------------------------------------------------------------

TCompaniesTreeView::TCompaniesTreeView(QWidget* parent) : QTreeView(parent) {}

void TCompaniesTreeView::setModel(QAbstractItemModel* model) {
    QTreeView::setModel(model);
    m_rows = qobject_cast<TCompaniesTableModel*>(model);
}

void TCompaniesTreeView::keyboardSearch(const QString& search) {
    if (!m_rows || search.isEmpty())
        return;
    m_typeAhead.Type(search);
    const QModelIndex current = currentIndex();
    const int row = m_typeAhead.FindRow(m_rows->RowCount(), current.isValid() ? current.row() : -1,
                                        [this](int r) { return m_rows->DisplayName(r); });
    if (row < 0)
        return;
    const QModelIndex found = m_rows->index(row, current.isValid() ? current.column() : 0);
    setCurrentIndex(found);
    scrollTo(found);
}

void TCompaniesTreeView::paintEvent(QPaintEvent* event) {
    // Rows whose phone (or address) stayed empty are read again, once per paint.
    if (m_rows)
        m_rows->NewPass();
    QTreeView::paintEvent(event);
}

void TCompaniesTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QTreeView::drawRow(painter, option, index);
    // Horizontal and vertical grid lines, in the colour of the style's tables.
    const QRect rect = option.rect;
    QStyleOptionViewItem gridOption = option;
    const QColor color = QColor::fromRgba(static_cast<QRgb>(
        style()->styleHint(QStyle::SH_Table_GridLineColor, &gridOption, this)));
    painter->save();
    painter->setPen(color);
    painter->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    const QHeaderView* head = header();
    for (int section = 0; section < head->count(); ++section) {
        if (head->isSectionHidden(section))
            continue;
        const int x = head->sectionViewportPosition(section) + head->sectionSize(section) - 1;
        painter->drawLine(x, rect.top(), x, rect.bottom());
    }
    painter->restore();
}

// --- The form --------------------------------------------------------------------

QString StyleSheetHref(QString path) {
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path.replace(QLatin1Char(':'), QLatin1Char('|'));
    return path;
}

TCompaniesTableForm::TCompaniesTableForm(QWidget* parent)
    : QWidget(parent),
      m_model(new TCompaniesTableModel(this)),
      m_tree(new TCompaniesTreeView(this)),
      m_xmlHeader(catalog::RecordXMLHeader) {
    setObjectName(QStringLiteral("CompaniesTableForm"));
    m_tree->setObjectName(QStringLiteral("Tree"));

    m_model->setHeaderData(TCompaniesTableModel::NameColumn, Qt::Horizontal, lang::Translate(QStringLiteral("Название")));
    m_model->setHeaderData(TCompaniesTableModel::AddressColumn, Qt::Horizontal, lang::Translate(QStringLiteral("Адрес")));
    m_model->setHeaderData(TCompaniesTableModel::PhoneColumn, Qt::Horizontal, lang::Translate(QStringLiteral("Телефон")));
    m_model->SetRowLoader([this](std::int32_t id) { return LoadCells(id); });
    // A failed read while painting must not unwind through the view's paint:
    // it is raised again from the event loop, where the application's error
    // box shows it.
    m_model->SetErrorHandler([this](std::exception_ptr error) {
        QMetaObject::invokeMethod(this, [error] { std::rethrow_exception(error); }, Qt::QueuedConnection);
    });
    SetRecordReader({});

    auto* header = new TFixedHeightHeader(HeaderHeight, m_tree);
    m_tree->setHeader(header);
    m_tree->setModel(m_model);
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(10);
    header->resizeSection(TCompaniesTableModel::NameColumn, NameWidth);
    header->resizeSection(TCompaniesTableModel::AddressColumn, AddressWidth);
    header->resizeSection(TCompaniesTableModel::PhoneColumn, PhoneWidth);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int section, int, int newSize) { KeepColumnWidth(section, newSize); });

    // Used flat: every row at the top level, no expanding, one row height
    // (which also keeps the view from asking every row for its size).
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    QPalette palette = m_tree->palette();
    const QColor background(255, 255, 225);  // colour value 14811135
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::AlternateBase, background);
    m_tree->setPalette(palette);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    m_tree->setFont(font);

    connect(m_tree, &QAbstractItemView::doubleClicked, this, &TCompaniesTableForm::TreeDblClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
}

TCompaniesTableForm::~TCompaniesTableForm() = default;

void TCompaniesTableForm::SetRecordReader(RecordReader Reader) {
    if (Reader) {
        m_recordReader = std::move(Reader);
        return;
    }
    m_recordReader = [](int CompanyID) {
        if (!catalog::DaziData)
            throw std::logic_error("The catalog data module does not exist");
        return catalog::DaziData->GetCompanyXML(CompanyID);
    };
}

TCompanyCells TCompaniesTableForm::LoadCells(int CompanyID) {
    return FormatCompanyCells(m_xmlHeader, m_recordReader(CompanyID), m_language == QLatin1String("English"));
}

void TCompaniesTableForm::KeepColumnWidth(int Section, int NewSize) {
    if (Section != TCompaniesTableModel::NameColumn && Section != TCompaniesTableModel::AddressColumn)
        return;
    const int kept = std::clamp(NewSize, MinColumnWidth, MaxColumnWidth);
    if (kept != NewSize)
        m_tree->header()->resizeSection(Section, kept);
}

void TCompaniesTableForm::FillFromTree(const QAbstractItemModel& SourceTree, const QModelIndex& SourceNode) {
    std::vector<TEntry> entries = CollectEntries(SourceTree, SourceNode);
    SortEntries(entries);
    std::vector<TCompanyRow> rows;
    rows.reserve(entries.size());
    std::int32_t previous = -1;
    for (TEntry& entry : entries) {
        // Only neighbours merge: a company under two names gives two rows.
        if (entry.CompanyID == previous)
            continue;
        TCompanyRow& row = rows.emplace_back();
        row.CompanyID = entry.CompanyID;
        row.Cells[TCompaniesTableModel::NameColumn] = std::move(entry.TopicName);
        previous = entry.CompanyID;
    }
    m_model->SetRows(std::move(rows));
    m_tree->TypeAhead().Reset();
}

std::string TCompaniesTableForm::PrintHTML() {
    static constexpr std::string_view CRLF = "\r\n";
    std::string html;
    html.append("<html>").append(CRLF).append("<head>").append(CRLF);
    if (!m_styleSheetPath.isEmpty()) {
        const QFileInfo info(m_styleSheetPath);
        const QString found = files::FindFileNoCase(info.path(), info.fileName());
        if (QFileInfo(found).isFile())
            html.append("<link href=\"")
                .append(text::toCp1251(StyleSheetHref(found)))
                .append("\" rel=\"stylesheet\" type=\"text/css\"/>");
    }
    html.append("</head>").append(CRLF).append("<body>").append(CRLF);
    html.append("<table cellspacing=\"1\">").append(CRLF);

    m_model->NewPass();
    int written = 0;
    for (int r = 0; r < m_model->RowCount(); ++r) {
        if (m_markedOnly && !m_model->Row(r).Checked)
            continue;
        std::string cellClass = written++ % 2 == 0 ? "class=\"odd\"" : "class=\"even\"";
        m_model->EnsureLoaded(r);
        const TCompanyRow& row = m_model->Row(r);
        html.append("<tr>").append(CRLF);
        for (std::size_t i = 0; i < row.Cells.size(); ++i) {
            if (i + 1 == row.Cells.size())
                cellClass += " nowrap";
            html.append("<td ").append(cellClass).append(">").append(row.Cells[i]).append("</td>").append(CRLF);
        }
        html.append("</tr>").append(CRLF);
    }
    html.append("</table>").append(CRLF).append("</body>").append(CRLF).append("</html>");
    return html;
}

void TCompaniesTableForm::BuildPrintHTML(QTextBrowser& Viewer) {
    Viewer.setHtml(text::fromCp1251(PrintHTML()));
}

void TCompaniesTableForm::TreeDblClick(const QModelIndex& HitIndex) {
    const QModelIndex focused = m_tree->currentIndex();
    if (!HitIndex.isValid() || !focused.isValid() || focused.row() != HitIndex.row() ||
        HitIndex.row() >= m_model->RowCount())
        return;
    emit OnCompanyDblClick(m_model->Row(HitIndex.row()).CompanyID);
}

}  // namespace search
