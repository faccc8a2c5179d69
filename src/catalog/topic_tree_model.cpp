#include "catalog/topic_tree_model.h"

#include "catalog/entities.h"
#include "platform/text/cp1251.h"

#include <algorithm>
#include <limits>

namespace catalog {

TTopicTreeModel::TTopicTreeModel(QObject* parent) : QAbstractItemModel(parent) { resetStorage(); }

TTopicTreeModel::~TTopicTreeModel() = default;

void TTopicTreeModel::resetStorage() {
    // Swapped with empty vectors so that a large tree gives its memory back.
    std::vector<Node>().swap(m_nodes);
    std::vector<Branch>().swap(m_branches);
    m_nodes.emplace_back();  // the root
}

// --- Filling -------------------------------------------------------------------

void TTopicTreeModel::beginFill() {
    if (m_fillDepth++ == 0)
        beginResetModel();
}

void TTopicTreeModel::endFill() {
    if (m_fillDepth == 0 || --m_fillDepth > 0)
        return;
    endResetModel();
    if (m_expansionRequested) {
        m_expansionRequested = false;
        emit fullExpansionRequested();
    }
}

void TTopicTreeModel::clear() {
    if (filling()) {
        resetStorage();
        return;
    }
    beginResetModel();
    resetStorage();
    endResetModel();
}

void TTopicTreeModel::reserve(std::size_t nodes) { m_nodes.reserve(nodes + 1); }

int TTopicTreeModel::addNode(int Parent, TreeDataRec Data, int Picture) {
    if (!validNode(Parent) || m_nodes.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return NoNode;
    const int node = static_cast<int>(m_nodes.size());
    const int row = childCount(Parent);
    if (!filling())
        beginInsertRows(indexOf(Parent), row, row);

    if (m_nodes[static_cast<std::size_t>(Parent)].Branch < 0) {
        m_nodes[static_cast<std::size_t>(Parent)].Branch = static_cast<std::int32_t>(m_branches.size());
        m_branches.push_back(Branch{Parent, {}});
    }
    m_branches[static_cast<std::size_t>(m_nodes[static_cast<std::size_t>(Parent)].Branch)].Children.push_back(node);
    Node& added = m_nodes.emplace_back();
    added.Data = std::move(Data);
    added.Parent = Parent;
    added.Row = row;
    added.Picture = static_cast<std::int16_t>(Picture);

    if (!filling())
        endInsertRows();
    return node;
}

void TTopicTreeModel::sortChildren(int Parent, const TNodeLess& Less) {
    if (!validNode(Parent) || childCount(Parent) < 2)
        return;
    std::vector<std::int32_t>& children =
        m_branches[static_cast<std::size_t>(m_nodes[static_cast<std::size_t>(Parent)].Branch)].Children;
    const QModelIndex parentIndex = indexOf(Parent);
    if (!filling())
        emit layoutAboutToBeChanged({QPersistentModelIndex(parentIndex)}, QAbstractItemModel::VerticalSortHint);

    std::stable_sort(children.begin(), children.end(), [&](std::int32_t a, std::int32_t b) {
        return Less(m_nodes[static_cast<std::size_t>(a)].Data, m_nodes[static_cast<std::size_t>(b)].Data);
    });
    for (std::size_t row = 0; row < children.size(); ++row)
        m_nodes[static_cast<std::size_t>(children[row])].Row = static_cast<std::int32_t>(row);

    if (filling())
        return;
    // Node numbers do not move, so every persistent index keeps its node.
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex& old : persistent)
        if (old.parent() == parentIndex) {
            const int node = nodeOf(old);
            changePersistentIndex(old, createIndex(nodeRow(node), old.column(), static_cast<quintptr>(node)));
        }
    emit layoutChanged({QPersistentModelIndex(parentIndex)}, QAbstractItemModel::VerticalSortHint);
}

void TTopicTreeModel::requestFullExpansion() {
    if (filling())
        m_expansionRequested = true;
    else
        emit fullExpansionRequested();
}

// --- Reading -------------------------------------------------------------------

int TTopicTreeModel::childCount(int Node) const {
    const std::int32_t branch = m_nodes.at(static_cast<std::size_t>(Node)).Branch;
    return branch < 0 ? 0 : static_cast<int>(m_branches[static_cast<std::size_t>(branch)].Children.size());
}

int TTopicTreeModel::childNode(int Node, int Row) const {
    if (Row < 0 || Row >= childCount(Node))
        return NoNode;
    return m_branches[static_cast<std::size_t>(m_nodes[static_cast<std::size_t>(Node)].Branch)]
        .Children[static_cast<std::size_t>(Row)];
}

QString TTopicTreeModel::nodeText(int Node) const {
    const std::string& name = nodeData(Node).TopicName;
    if (name.find('&') == std::string::npos)
        return text::fromCp1251(name);
    InitEntityList();  // idempotent; the card view may not have run yet
    return CharTextToQString(ConvertHTMLToChar(name));
}

int TTopicTreeModel::nodeOf(const QModelIndex& index) const {
    if (!index.isValid())
        return RootNode;
    Q_ASSERT(index.model() == this);
    return static_cast<int>(index.internalId());
}

QModelIndex TTopicTreeModel::indexOf(int Node) const {
    if (Node <= RootNode || !validNode(Node))
        return {};
    return createIndex(nodeRow(Node), 0, static_cast<quintptr>(Node));
}

const TreeDataRec* TTopicTreeModel::dataOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return &nodeData(nodeOf(index));
}

// --- Check boxes and pictures ----------------------------------------------------

void TTopicTreeModel::announceAllRows(const QList<int>& roles) {
    if (filling())
        return;
    for (const Branch& branch : m_branches)
        if (!branch.Children.empty()) {
            const QModelIndex parentIndex = indexOf(branch.Owner);
            emit dataChanged(index(0, 0, parentIndex),
                             index(static_cast<int>(branch.Children.size()) - 1, 0, parentIndex), roles);
        }
}

void TTopicTreeModel::setCheckBoxes(bool On) {
    if (m_checkBoxes == On)
        return;
    m_checkBoxes = On;
    announceAllRows({Qt::CheckStateRole});
}

void TTopicTreeModel::setChecked(int Node, bool Checked) {
    if (Node <= RootNode || !validNode(Node))
        return;
    m_nodes[static_cast<std::size_t>(Node)].Checked = Checked ? 1 : 0;
    if (!filling()) {
        const QModelIndex changed = indexOf(Node);
        emit dataChanged(changed, changed, {Qt::CheckStateRole});
    }
}

void TTopicTreeModel::setAllChecks(bool Checked) {
    for (std::size_t node = 1; node < m_nodes.size(); ++node)
        m_nodes[node].Checked = Checked ? 1 : 0;
    announceAllRows({Qt::CheckStateRole});
}

void TTopicTreeModel::setPictures(QHash<int, QIcon> Pictures) {
    m_pictures = std::move(Pictures);
    announceAllRows({Qt::DecorationRole});
}

std::size_t TTopicTreeModel::memoryUsage() const {
    std::size_t bytes = m_nodes.capacity() * sizeof(Node) + m_branches.capacity() * sizeof(Branch);
    for (const Branch& branch : m_branches)
        bytes += branch.Children.capacity() * sizeof(std::int32_t);
    // Names longer than the string's own buffer live on the heap.
    const std::size_t inPlace = std::string().capacity();
    for (const Node& node : m_nodes)
        if (node.Data.TopicName.capacity() > inPlace)
            bytes += node.Data.TopicName.capacity() + 1;
    return bytes;
}

// --- QAbstractItemModel ------------------------------------------------------------

QModelIndex TTopicTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || (parent.isValid() && parent.column() != 0))
        return {};
    const int child = childNode(nodeOf(parent), row);
    if (child == NoNode)
        return {};
    return createIndex(row, 0, static_cast<quintptr>(child));
}

QModelIndex TTopicTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return indexOf(parentNode(nodeOf(child)));
}

int TTopicTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return childCount(nodeOf(parent));
}

int TTopicTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool TTopicTreeModel::hasChildren(const QModelIndex& parent) const { return rowCount(parent) > 0; }

QVariant TTopicTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return nodeText(node);
    case Qt::DecorationRole: {
        const auto icon = m_pictures.constFind(nodePicture(node));
        return icon == m_pictures.constEnd() ? QVariant() : QVariant(*icon);
    }
    case Qt::CheckStateRole:
        if (!m_checkBoxes)
            return {};
        return isChecked(node) ? Qt::Checked : Qt::Unchecked;
    case TreeDataRole:
        return QVariant::fromValue(nodeData(node));
    case PictureRole:
        return nodePicture(node);
    case NodeRole:
        return node;
    default:
        return {};
    }
}

bool TTopicTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || !m_checkBoxes)
        return false;
    setChecked(nodeOf(index), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TTopicTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_checkBoxes)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QHash<int, QByteArray> TTopicTreeModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractItemModel::roleNames();
    names.insert(TreeDataRole, "treeData");
    names.insert(PictureRole, "picture");
    names.insert(NodeRole, "node");
    return names;
}

}  // namespace catalog
