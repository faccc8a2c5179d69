// The item model behind the main window's tree view.
//
// A catalog tree has a node per topic and per company entry, some 10^5 rows,
// so nodes are plain records in one vector, addressed by their position:
// the model index carries the node number as its internal id. Only branches
// own a child list. Display text is converted from code page 1251 when the
// view asks for it, never stored twice.
//
// Builders fill the model inside a fill bracket (TFill, or beginFill and
// endFill): one model reset, so the view repaints once. Outside a bracket
// every change is announced on its own, as a view expects.
#pragma once

#include "catalog/tree_data.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace catalog {

class TTopicTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    // The invisible root: the parent of top-level nodes, never shown.
    static constexpr int RootNode = 0;
    static constexpr int NoNode = -1;

    enum Role {
        TreeDataRole = Qt::UserRole + 1,  // the node's TreeDataRec
        PictureRole,                      // the picture number the builder set
        NodeRole,                         // the node number
    };

    using TNodeLess = std::function<bool(const TreeDataRec&, const TreeDataRec&)>;

    explicit TTopicTreeModel(QObject* parent = nullptr);
    ~TTopicTreeModel() override;

    // --- Filling

    // One model reset around a whole fill; brackets may nest.
    void beginFill();
    void endFill();
    bool filling() const { return m_fillDepth > 0; }

    class TFill {
    public:
        explicit TFill(TTopicTreeModel& model) : m_model(model) { m_model.beginFill(); }
        ~TFill() { m_model.endFill(); }
        TFill(const TFill&) = delete;
        TFill& operator=(const TFill&) = delete;

    private:
        TTopicTreeModel& m_model;
    };

    // Removes every node but the root and frees their storage.
    void clear();
    // Room for this many nodes, so that a large fill does not reallocate.
    void reserve(std::size_t nodes);
    // Appends a child to Parent's children and returns the new node, or
    // NoNode when the model refuses it (no such parent, or no room left).
    int addNode(int Parent, TreeDataRec Data, int Picture);
    // Orders Parent's children by Less; equal ones keep their order.
    void sortChildren(int Parent, const TNodeLess& Less);
    // Asks the views to expand every node (the plain list shows its root
    // open). Inside a bracket the request waits for its end.
    void requestFullExpansion();

    // --- Reading

    // Nodes without the root.
    int nodeCount() const { return static_cast<int>(m_nodes.size()) - 1; }
    const TreeDataRec& nodeData(int Node) const { return m_nodes.at(static_cast<std::size_t>(Node)).Data; }
    int nodePicture(int Node) const { return m_nodes.at(static_cast<std::size_t>(Node)).Picture; }
    // RootNode for top-level nodes, NoNode for the root.
    int parentNode(int Node) const { return m_nodes.at(static_cast<std::size_t>(Node)).Parent; }
    int nodeRow(int Node) const { return m_nodes.at(static_cast<std::size_t>(Node)).Row; }
    int childCount(int Node) const;
    // NoNode when Row is out of range.
    int childNode(int Node, int Row) const;
    // The text the view shows: TopicName decoded, references resolved.
    QString nodeText(int Node) const;

    // RootNode for the invalid index.
    int nodeOf(const QModelIndex& index) const;
    // The invalid index for the root.
    QModelIndex indexOf(int Node) const;
    // Null for the invalid index ("no node data").
    const TreeDataRec* dataOf(const QModelIndex& index) const;

    // --- Check boxes (selective printing)

    // Shows or hides a check box on every node; the marks are kept.
    void setCheckBoxes(bool On);
    bool checkBoxes() const { return m_checkBoxes; }
    bool isChecked(int Node) const { return m_nodes.at(static_cast<std::size_t>(Node)).Checked != 0; }
    void setChecked(int Node, bool Checked);
    void setAllChecks(bool Checked);

    // --- Pictures: the icon for each picture number (the window's image list)

    void setPictures(QHash<int, QIcon> Pictures);

    // Bytes held by the node storage, names included; for benchmarks.
    std::size_t memoryUsage() const;

    // --- QAbstractItemModel

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    // Emitted after a fill that asked for it (requestFullExpansion).
    void fullExpansionRequested();

private:
    struct Node {
        TreeDataRec Data;
        std::int32_t Parent = NoNode;
        std::int32_t Row = 0;
        std::int32_t Branch = -1;  // into m_branches; -1 while childless
        std::int16_t Picture = 0;
        std::uint8_t Checked = 0;
    };
    struct Branch {
        std::int32_t Owner;
        std::vector<std::int32_t> Children;
    };

    bool validNode(int Node) const { return Node >= 0 && static_cast<std::size_t>(Node) < m_nodes.size(); }
    void resetStorage();
    // dataChanged for every row, one signal per child list.
    void announceAllRows(const QList<int>& roles);

    std::vector<Node> m_nodes;
    std::vector<Branch> m_branches;
    QHash<int, QIcon> m_pictures;
    int m_fillDepth = 0;
    bool m_expansionRequested = false;
    bool m_checkBoxes = false;
};

}  // namespace catalog

Q_DECLARE_METATYPE(catalog::TreeDataRec)
