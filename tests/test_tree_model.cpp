// The item model of the main tree without a database: structure, roles,
// check boxes, and the signals a view relies on.
#include "catalog/topic_tree_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QSignalSpy>

#include <string>
#include <vector>

using catalog::TreeDataRec;
using catalog::TTopicTreeModel;

namespace {

constexpr int Root = TTopicTreeModel::RootNode;

TreeDataRec rec(std::string name, int topicId = -1, int l = -1, int r = -1, int company = -1, int property = 0) {
    TreeDataRec d;
    d.TopicID = topicId;
    d.TopicName = std::move(name);
    d.L = l;
    d.R = r;
    d.CompanyID = company;
    d.Property = property;
    return d;
}

// Collects what QAbstractItemModelTester reports.
class ModelTesterLog {
public:
    ModelTesterLog() {
        messages().clear();
        previous_ = qInstallMessageHandler(&ModelTesterLog::handler);
    }
    ~ModelTesterLog() { qInstallMessageHandler(previous_); }
    static std::vector<std::string>& messages() {
        static std::vector<std::string> m;
        return m;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            messages().push_back(text.toStdString());
    }
    QtMessageHandler previous_;
};

// Topics with companies, two levels deep:
//   Медицина { Клиники { Аптека "Здоровье", Медцентр }, Больница }, Транспорт
struct SampleTree {
    TTopicTreeModel model;
    int medicine, clinics, pharmacy, centre, hospital, transport;

    SampleTree() {
        TTopicTreeModel::TFill fill(model);
        medicine = model.addNode(Root, rec("\xcc\xe5\xe4\xe8\xf6\xe8\xed\xe0", 1, 1, 10), 13);
        clinics = model.addNode(medicine, rec("Clinics", 2, 2, 7), 13);
        pharmacy = model.addNode(clinics, rec("Pharmacy &quot;Health&quot;", 3, 3, 4, 11, 1), 104);
        centre = model.addNode(clinics, rec("Centre", 4, 5, 6, 10, 2), 105);
        hospital = model.addNode(medicine, rec("Hospital", 5, 8, 9, 12, 0), 14);
        transport = model.addNode(Root, rec("Transport", 6, 11, 12), 13);
    }
};

TEST(TopicTreeModel, StructureMatchesTheNodesAdded) {
    SampleTree t;
    const TTopicTreeModel& m = t.model;
    EXPECT_EQ(m.nodeCount(), 6);
    EXPECT_EQ(m.rowCount(), 2);
    EXPECT_EQ(m.columnCount(), 1);

    const QModelIndex clinics = m.index(0, 0, m.index(0, 0));
    EXPECT_EQ(m.nodeOf(clinics), t.clinics);
    EXPECT_EQ(m.rowCount(clinics), 2);
    EXPECT_EQ(m.nodeOf(m.index(1, 0, clinics)), t.centre);
    EXPECT_EQ(m.parent(m.index(1, 0, clinics)), clinics);
    EXPECT_EQ(m.parent(m.indexOf(t.medicine)), QModelIndex());
    EXPECT_EQ(m.indexOf(t.hospital).row(), 1);
    EXPECT_EQ(m.indexOf(Root), QModelIndex());
    EXPECT_EQ(m.parentNode(t.transport), Root);
    EXPECT_FALSE(m.index(2, 0).isValid());
    EXPECT_FALSE(m.index(0, 1).isValid());
    EXPECT_EQ(m.childNode(t.clinics, 2), TTopicTreeModel::NoNode);
    EXPECT_EQ(m.dataOf(QModelIndex()), nullptr);
    EXPECT_EQ(m.dataOf(m.indexOf(t.centre))->CompanyID, 10);
}

TEST(TopicTreeModel, RefusesNodesUnderUnknownParents) {
    TTopicTreeModel m;
    EXPECT_EQ(m.addNode(5, rec("orphan"), 13), TTopicTreeModel::NoNode);
    EXPECT_EQ(m.addNode(TTopicTreeModel::NoNode, rec("orphan"), 13), TTopicTreeModel::NoNode);
    EXPECT_EQ(m.nodeCount(), 0);
}

TEST(TopicTreeModel, RolesGiveTextPictureAndRecord) {
    SampleTree t;
    TTopicTreeModel& m = t.model;
    struct Case {
        int node;
        QString text;
    };
    for (const Case& c : {Case{t.medicine, QStringLiteral("Медицина")},
                          Case{t.pharmacy, QStringLiteral("Pharmacy \"Health\"")}}) {
        EXPECT_EQ(m.data(m.indexOf(c.node), Qt::DisplayRole).toString(), c.text);
    }
    // The record keeps the name as stored.
    const QModelIndex pharmacy = m.indexOf(t.pharmacy);
    const auto stored = m.data(pharmacy, TTopicTreeModel::TreeDataRole).value<TreeDataRec>();
    EXPECT_EQ(stored, rec("Pharmacy &quot;Health&quot;", 3, 3, 4, 11, 1));
    EXPECT_EQ(m.data(pharmacy, TTopicTreeModel::PictureRole).toInt(), 104);
    EXPECT_EQ(m.data(pharmacy, TTopicTreeModel::NodeRole).toInt(), t.pharmacy);

    EXPECT_FALSE(m.data(pharmacy, Qt::DecorationRole).isValid());
    QPixmap red(8, 8);
    red.fill(Qt::red);
    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    m.setPictures({{104, QIcon(red)}});
    EXPECT_GT(changed.count(), 0);
    EXPECT_FALSE(m.data(pharmacy, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(m.data(m.indexOf(t.centre), Qt::DecorationRole).isValid());
}

TEST(TopicTreeModel, CheckBoxesAppearOnlyWhenSwitchedOn) {
    SampleTree t;
    TTopicTreeModel& m = t.model;
    const QModelIndex centre = m.indexOf(t.centre);
    EXPECT_FALSE(m.data(centre, Qt::CheckStateRole).isValid());
    EXPECT_FALSE(m.flags(centre) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m.setData(centre, Qt::Checked, Qt::CheckStateRole));

    QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
    m.setCheckBoxes(true);
    EXPECT_EQ(changed.count(), 3);  // one per child list: root, Медицина, Клиники
    EXPECT_TRUE(m.flags(centre) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(m.data(centre, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(m.setData(centre, Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(m.isChecked(t.centre));
    EXPECT_FALSE(m.isChecked(t.pharmacy));

    m.setAllChecks(true);
    for (int node : {t.medicine, t.clinics, t.pharmacy, t.centre, t.hospital, t.transport})
        EXPECT_EQ(m.data(m.indexOf(node), Qt::CheckStateRole).toInt(), Qt::Checked);
    m.setCheckBoxes(false);
    EXPECT_FALSE(m.data(centre, Qt::CheckStateRole).isValid());
    m.setCheckBoxes(true);
    EXPECT_TRUE(m.isChecked(t.hospital));  // marks survive hiding the boxes
}

TEST(TopicTreeModel, AFillIsOneResetAndExpansionWaitsForItsEnd) {
    TTopicTreeModel m;
    QSignalSpy aboutToReset(&m, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    QSignalSpy expand(&m, &TTopicTreeModel::fullExpansionRequested);
    {
        TTopicTreeModel::TFill fill(m);
        m.clear();
        const int top = m.addNode(Root, rec("all"), 13);
        {
            TTopicTreeModel::TFill nested(m);
            for (int i = 0; i < 100; ++i)
                m.addNode(top, rec("company " + std::to_string(i), -1, -2, -1, i), 14);
        }
        m.requestFullExpansion();
        EXPECT_EQ(reset.count(), 0);
        EXPECT_EQ(expand.count(), 0);
    }
    EXPECT_EQ(aboutToReset.count(), 1);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(expand.count(), 1);
    EXPECT_EQ(m.rowCount(m.index(0, 0)), 100);
}

TEST(TopicTreeModel, ChangesOutsideAFillPassTheModelTester) {
    ModelTesterLog log;
    SampleTree t;
    TTopicTreeModel& m = t.model;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::Warning);

    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    const int garage = m.addNode(t.transport, rec("Garage", 7, 12, 13, 20, 4), 106);
    m.addNode(t.transport, rec("Bus depot", 8, 14, 15, 21, 0), 14);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(m.indexOf(garage).row(), 0);

    m.setCheckBoxes(true);
    m.setChecked(t.centre, true);
    m.setAllChecks(false);

    const QPersistentModelIndex persistent(m.indexOf(garage));
    m.sortChildren(t.transport, [](const TreeDataRec& a, const TreeDataRec& b) { return a.TopicName < b.TopicName; });
    EXPECT_EQ(m.nodeData(m.childNode(t.transport, 0)).TopicName, "Bus depot");
    EXPECT_EQ(persistent.row(), 1);
    EXPECT_EQ(m.nodeOf(persistent), garage);

    m.clear();
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_FALSE(persistent.isValid());
    {
        TTopicTreeModel::TFill fill(m);
        const int top = m.addNode(Root, rec("Топ"), 13);
        for (int i = 0; i < 5; ++i)
            m.addNode(m.addNode(top, rec("group"), 13), rec("leaf", -1, 1, 2, i), 14);
    }
    EXPECT_EQ(m.nodeCount(), 11);
    EXPECT_EQ(log.messages(), std::vector<std::string>{});
}

TEST(TopicTreeModel, MemoryUsageCountsNodesAndLongNames) {
    TTopicTreeModel m;
    const std::size_t empty = m.memoryUsage();
    {
        TTopicTreeModel::TFill fill(m);
        m.reserve(1000);
        const int top = m.addNode(Root, rec("top"), 13);
        for (int i = 0; i < 999; ++i)
            m.addNode(top, rec(std::string(40, 'x')), 14);
    }
    const std::size_t perNode = (m.memoryUsage() - empty) / 1000;
    EXPECT_GE(perNode, sizeof(TreeDataRec) + 40);
    m.clear();
    EXPECT_EQ(m.memoryUsage(), empty);
}

}  // namespace
