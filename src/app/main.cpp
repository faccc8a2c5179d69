// Entry point of the viewer. The windows of the product grow here; for now
// the main window shows the topic tree of the first catalog found.
#include "catalog/dazi_data.h"
#include "catalog/scramble.h"
#include "platform/fb/fb.h"
#include "platform/text/cp1251.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>

#include <vector>

namespace {

// The first catalog database under Data/, Russian before English.
QString findCatalog(const QString& programFolder) {
    const QDir data(programFolder + "/Data");
    for (const QString& folder : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const char* language : {"Russian", "English"}) {
            const QString path = data.filePath(folder + "/" + language + "/tolvik.gdb");
            if (QFile::exists(path))
                return path;
        }
    return {};
}

// TopicName holds HTML character references for markup characters.
QString topicCaption(const std::string& stored) {
    QString s = text::fromCp1251(catalog::UnscrambleText(stored));
    s.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    return s;
}

// Rows come in pre-order (ORDER BY L); a stack of open intervals finds parents.
int fillTopics(catalog::TDaziData& data, QStandardItemModel& model) {
    struct Open {
        QStandardItem* item;
        int right;
    };
    std::vector<Open> stack;
    int companies = 0;
    data.OpenTopics();
    fb::ResultSet& rs = data.DataSet();
    while (rs.next()) {
        const int left = rs.getInt("L");
        const int right = rs.getInt("R");
        while (!stack.empty() && stack.back().right < left)
            stack.pop_back();
        auto* item = new QStandardItem(topicCaption(rs.getText("TopicName")));
        item->setEditable(false);
        QStandardItem* parent = stack.empty() ? model.invisibleRootItem() : stack.back().item;
        parent->appendRow(item);  // the model owns the item
        if (right == left + 1)
            ++companies;
        else
            stack.push_back({item, right});
    }
    return companies;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Марвеник"));
    const QString programFolder = QCoreApplication::applicationDirPath();
    fb::usePrivateRoot((programFolder + "/firebird").toStdString());

    const QString database = findCatalog(programFolder);
    if (database.isEmpty())
        return 0;

    catalog::DaziData = std::make_unique<catalog::TDaziData>();
    catalog::DaziData->Connect(programFolder.toStdString() + "/fbclient.dll", database.toStdString());

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Марвеник"));
    auto* model = new QStandardItemModel(&window);
    auto* tree = new QTreeView(&window);
    tree->setModel(model);
    tree->header()->hide();
    window.setCentralWidget(tree);
    try {
        const int companies = fillTopics(*catalog::DaziData, *model);
        window.statusBar()->showMessage(QStringLiteral("Компаний: %1").arg(companies));
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Марвеник"), QString::fromLocal8Bit(e.what()));
        return 1;
    }
    tree->expandToDepth(0);
    window.showMaximized();
    return app.exec();
}
