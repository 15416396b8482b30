// Times the searches with their tree refills on a database (default: the
// sample edudata.mdb of the application folder) and prints the figures:
// search_bench [path-to-edudata.mdb] [runs]
#include "app/search/LawSearch.h"
#include "app/search/ScheduleSearch.h"
#include "app/search/TopicKeywordSearch.h"
#include "app/search/TopicTitleSearch.h"
#include "app/trees/TopicTreeFill.h"
#include "dbroutines/clsDBInit.h"
#include "engine/Connection.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Nodes of the tree, and how many of them are marked (bold) and open.
QString treeFigures(const lexora::trees::TreeControl& tree) {
    int marked = 0;
    int open = 0;
    for (QTreeWidgetItemIterator it(const_cast<lexora::trees::TreeControl*>(&tree)); *it; ++it) {
        marked += (*it)->font(0).bold() ? 1 : 0;
        open += (*it)->isExpanded() ? 1 : 0;
    }
    return QStringLiteral("%1 nodes, %2 marked, %3 open")
        .arg(tree.nodeCount())
        .arg(marked)
        .arg(open);
}

lexora::trees::TreeControl* g_tree = nullptr;

void report(const char* name, int runs, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s\n    median %7.2f ms   max %7.2f ms   (%d runs; %s)\n", name,
                times[times.size() / 2], times.back(), runs, qPrintable(treeFigures(*g_tree)));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../app-folder/edudata.mdb");
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "no database at %s\n", qPrintable(path));
        return 1;
    }
    dvDBrtns4::clsDBInit::DravikDBrtns_Init(dvDBrtns4::db_Access);
    engine::Connection connection;
    connection.open(engine::connectionTextFor(path, QString()));

    lexora::trees::TreeControl tree;
    tree.setImageList(lexora::trees::treeImageList());
    g_tree = &tree;
    std::printf("database %s\n", qPrintable(QFileInfo(path).canonicalFilePath()));

    using namespace lexora::search;
    report("topic keyword search «σχολ»", runs, [&] {
        tree.clearNodes();
        TreeView_with_search(tree, connection, QStringLiteral("σχολ"));
    });
    report("topic keyword search «α» (wide)", runs, [&] {
        tree.clearNodes();
        TreeView_with_search(tree, connection, QStringLiteral("α"));
    });
    report("topic title search «σχολ»", runs,
           [&] { TreeView_with_search_titles(tree, QStringLiteral("σχολ")); });
    report("law keyword search «α»", runs, [&] {
        tree.clearNodes();
        QString text = QStringLiteral("α");
        TreeView_with_law_search(tree, connection, text, true);
    });
    report("law title search «ν»", runs, [&] {
        tree.clearNodes();
        QString text = QStringLiteral("ν");
        TreeView_with_law_search(tree, connection, text, false);
    });
    report("chart search «δ»", runs, [&] {
        tree.clearNodes();
        QString text = QStringLiteral("δ");
        TreeView_with_Schedule_search_P(tree, connection, text);
    });
    report("topic full fill (for comparison)", runs, [&] {
        tree.clearNodes();
        lexora::trees::FillTopicTree(tree, connection, {}, false, {}, true);
    });
    return 0;
}
