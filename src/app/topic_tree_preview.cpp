#include "app/topic_tree_preview.h"

#include "catalog/dazi_data.h"
#include "catalog/entities.h"
#include "catalog/scramble.h"

#include <QStandardItemModel>
#include <QTabBar>

namespace app {
namespace {

enum Role { TopicIDRole = Qt::UserRole + 1, TopicNameRole, LRole, RRole, CompanyIDRole };

}  // namespace

int FillTopicTreePreview(catalog::TDaziData& Data, QStandardItemModel& Model) {
    Model.clear();
    struct Open {
        QStandardItem* item;
        int right;
    };
    std::vector<Open> open;
    int companies = 0;
    Data.OpenTopics();
    fb::ResultSet& rows = Data.DataSet();
    // Rows come in nested-set order; a stack of open intervals finds parents.
    while (rows.next()) {
        const int left = rows.getInt("L");
        const int right = rows.getInt("R");
        const std::string name = catalog::UnscrambleText(rows.getText("TopicName"));
        while (!open.empty() && open.back().right < left)
            open.pop_back();
        auto* item = new QStandardItem(catalog::CharTextToQString(catalog::ConvertHTMLToChar(name)));
        item->setEditable(false);
        item->setData(rows.getInt("TopicID"), TopicIDRole);
        item->setData(QByteArray::fromStdString(name), TopicNameRole);
        item->setData(left, LRole);
        item->setData(right, RRole);
        item->setData(rows.getInt("CompanyID"), CompanyIDRole);
        QStandardItem* parent = open.empty() ? Model.invisibleRootItem() : open.back().item;
        parent->appendRow(item);  // the model owns the item
        if (right == left + 1)
            ++companies;
        else
            open.push_back({item, right});
    }
    return companies;
}

std::optional<PreviewNode> PreviewNodeData(const QModelIndex& Index) {
    if (!Index.isValid() || !Index.data(LRole).isValid())
        return std::nullopt;
    PreviewNode node;
    node.TopicID = Index.data(TopicIDRole).toInt();
    node.TopicName = Index.data(TopicNameRole).toByteArray().toStdString();
    node.L = Index.data(LRole).toInt();
    node.R = Index.data(RRole).toInt();
    node.CompanyID = Index.data(CompanyIDRole).toInt();
    return node;
}

void FillSelectionTabsPreview(QTabBar& Tabs, std::vector<int>& SelectionIds) {
    while (Tabs.count() > 1)
        Tabs.removeTab(Tabs.count() - 1);
    SelectionIds.assign(1, -1);
}

}  // namespace app
