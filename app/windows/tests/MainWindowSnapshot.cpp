// Draws the main window on a database into PNG files, for looking at it
// without a display: mainwindow_snapshot <folder with edudata.mdb> <out dir>.
// The database is copied first, so the sample stays untouched.
#include "app/shell/tests/PaneControls.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/StartupServices.h"
#include "app/windows/frmInitial.h"
#include "app/windows/frmInitialFactory.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace lexora;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: mainwindow_snapshot <application folder> <output folder>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir folder;
    QFile::copy(source + QStringLiteral("/edudata.mdb"),
                folder.path() + QStringLiteral("/edudata.mdb"));
    QDir().mkpath(out);

    startup::ProgramContext context;
    context.state.applicationFolder = source;
    context.connection.open(engine::connectionTextFor(
        folder.path() + QStringLiteral("/edudata.mdb"), startup::kDatabasePassword));
    windows::frmInitialFactory factory(nullptr, [] {});
    factory.createAndShow(context);
    windows::frmInitial* window = factory.window();
    window->resize(1280, 820);
    QTest::qWait(100);

    const auto shoot = [&](const char* name) {
        QTest::qWait(50);
        window->grab().save(out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    };
    testsupport::PaneControls f(window);
    if (f.tvwTree->topLevelItemCount() > 0) {
        f.tvwTree->setSelectedNode(trees::TreeNode::from(f.tvwTree->topLevelItem(0)));
        window->tvwTree_Click();
    }
    shoot("topics");
    f.SSTab1->setCurrentIndex(windows::kTabLaws);
    if (f.tvwTreelaw->topLevelItemCount() > 0) {
        QTreeWidgetItem* type = f.tvwTreelaw->topLevelItem(0);
        f.tvwTreelaw->setSelectedNode(
            trees::TreeNode::from(type->childCount() > 0 ? type->child(0) : type));
        window->tvwTreelaw_Click();
    }
    shoot("laws");
    f.SSTab1->setCurrentIndex(windows::kTabChartP);
    shoot("chart");
    window->resize(900, 560);
    shoot("small");
    std::printf("%s\n", qPrintable(out));
    return 0;
}
