// How long the full fills of the three navigation trees take on a database of
// the size the program ships with: 400 topics, 60 organisation-chart nodes,
// 600 act rows over 8 shown types. Each fill runs several times into a
// cleared tree; the median is printed, with the number of nodes and of
// statements sent. Prints its figures; not a test.
#include "app/trees/LawTreeFill.h"
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/TopicTreeFill.h"
#include "engine/Connection.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace lexora::trees;

namespace {

constexpr int Topics = 400;
constexpr int ChartNodes = 60;
constexpr int LawRows = 600;
constexpr int Runs = 7;
constexpr int ShownTypes[] = {1, 3, 4, 5, 6, 7, 8, 9};

// A tree of `count` rows: a few top-level rows, each later row under a random
// earlier one, no deeper than five levels.
QByteArray hierarchyRows(const char* table, int count, int topLevel, std::mt19937& random) {
    QByteArray sql;
    std::vector<int> depth(static_cast<std::size_t>(count) + 1, 0);
    for (int id = 1; id <= count; ++id) {
        int parent = 0;
        if (id > topLevel) {
            do
                parent = static_cast<int>(random() % static_cast<unsigned>(id - 1)) + 1;
            while (depth[static_cast<std::size_t>(parent)] >= 4);
            depth[static_cast<std::size_t>(id)] = depth[static_cast<std::size_t>(parent)] + 1;
        }
        sql += QStringLiteral("INSERT INTO %1 (%1_id, %1_id_parent, descr, order_flag_lev1, "
                              "order_flag_lev2, order_flag_lev3) VALUES (%2, %3, 'Κόμβος %2', "
                              "%4, %5, 0);")
                   .arg(QString::fromLatin1(table))
                   .arg(id)
                   .arg(parent)
                   .arg(id % 13)
                   .arg(id % 5)
                   .toUtf8();
    }
    return sql;
}

// A third of the rows hold an act's whole text, a third are header rows of
// those acts in the same type (left out of the tree), a third are rows of
// acts without a whole-text row; articles of type 2 have no branch.
QByteArray lawRows(std::mt19937& random) {
    QByteArray sql;
    sql += "INSERT INTO LAWTYPE VALUES (2, 'Άρθρα', 1, 0, 0);";
    for (int type : ShownTypes)
        sql += QStringLiteral("INSERT INTO LAWTYPE VALUES (%1, 'Τύπος %1', 1, 1, %1);")
                   .arg(type)
                   .toUtf8();
    for (int id = 1; id <= LawRows; ++id) {
        const int type = ShownTypes[id % 8];
        const int kind = id % 3;
        const int act = kind == 1 ? id - 1 : id;
        const int year = 1975 + act * 7 % 50; // the header row shares its act's code
        sql += QStringLiteral("INSERT INTO law (law_id, law_code, title, type_id, all_law_flag, "
                              "issue_date, law_year) VALUES (%1, 'Ν.%2/%3', 'Τίτλος %1', %4, %5, "
                              "'%3-%6-%7', %3);")
                   .arg(id)
                   .arg(act)
                   .arg(year)
                   .arg(kind == 1 ? ShownTypes[act % 8] : type)
                   .arg(kind == 0 ? 1 : 0)
                   .arg(1 + static_cast<int>(random() % 12), 2, 10, QLatin1Char('0'))
                   .arg(1 + static_cast<int>(random() % 28), 2, 10, QLatin1Char('0'))
                   .toUtf8();
        if (id % 4 == 0)
            sql += QStringLiteral("INSERT INTO law (law_id, law_code, title, type_id, "
                                  "all_law_flag, article_code) VALUES (%1, 'Ν.%2/%3', 'Άρθρο', "
                                  "2, 0, '1');")
                       .arg(100000 + id)
                       .arg(act)
                       .arg(year)
                       .toUtf8();
    }
    return sql;
}

bool createDatabase(const QString& path) {
    QFile schemaFile(QStringLiteral(LEXORA_SCHEMA_SQL));
    if (!schemaFile.open(QIODevice::ReadOnly))
        return false;
    std::mt19937 random(11);
    QByteArray sql = schemaFile.readAll();
    sql += "BEGIN;";
    sql += hierarchyRows("topic", Topics, 18, random);
    sql += hierarchyRows("schedule", ChartNodes, 4, random);
    sql += lawRows(random);
    sql += "COMMIT;";
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    char* message = nullptr;
    const bool ok = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok)
        std::fprintf(stderr, "%s\n", message);
    sqlite3_free(message);
    sqlite3_close(db);
    return ok;
}

struct Figure {
    double medianMillis = 0;
    int nodes = 0;
};

Figure measure(TreeControl& tree, const std::function<void()>& fill) {
    std::vector<double> millis;
    for (int run = 0; run < Runs; ++run) {
        tree.clearNodes();
        QElapsedTimer timer;
        timer.start();
        fill();
        millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1.0e6);
    }
    std::sort(millis.begin(), millis.end());
    return {millis[millis.size() / 2], tree.nodeCount()};
}

void report(const char* what, const Figure& f) {
    std::printf("  %-34s %8.2f ms  (%d nodes)\n", what, f.medianMillis, f.nodes);
}

void runAll(engine::Connection& connection, const char* setting) {
    TreeControl tvwTree;
    TreeControl tvwTreelaw;
    TreeControl tvwTreeschedule0;
    for (TreeControl* tree : {&tvwTree, &tvwTreelaw, &tvwTreeschedule0})
        tree->setImageList(treeImageList());

    std::printf("%s (median of %d runs):\n", setting, Runs);
    const Figure topics =
        measure(tvwTree, [&] { FillTopicTree(tvwTree, connection, {}, false, {}, true); });
    const Figure laws =
        measure(tvwTreelaw, [&] { FillLawTree(tvwTreelaw, connection, {}, false, {}, true); });
    const Figure chart = measure(tvwTreeschedule0, [&] {
        FillScheduleTreeP(tvwTreeschedule0, connection, {}, false, {}, true);
    });
    report("FillTopicTree, full", topics);
    report("FillLawTree, full", laws);
    report("FillScheduleTreeP, full", chart);
    std::printf("  %-34s %8.2f ms\n", "three trees together",
                topics.medianMillis + laws.medianMillis + chart.medianMillis);

    SearchIdList found;
    SearchIdList ancestors;
    for (int id = 7; id <= Topics; id += 20)
        found.append(id);
    for (int id = 1; id <= Topics / 2; id += 3)
        ancestors.append(id);
    const Figure search = measure(
        tvwTree, [&] { FillTopicTree(tvwTree, connection, found, true, ancestors, false); });
    report("FillTopicTree, search", search);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/edudata.mdb");
    if (!dir.isValid() || !createDatabase(path)) {
        std::fprintf(stderr, "cannot create the database\n");
        return 1;
    }
    engine::Connection connection;
    connection.open(engine::connectionTextFor(path, QStringLiteral("$tr4vo")),
                    QStringLiteral("Admin"));
    std::printf("%d topics, %d organisation-chart nodes, %d act rows over %zu shown types\n",
                Topics, ChartNodes, LawRows, std::size(ShownTypes));

    // The main window fills the trees while it handles its load event, inside
    // the event loop; outside one every statement starts its own transaction.
    runAll(connection, "outside an event loop");
    QTimer::singleShot(0, [&] {
        runAll(connection, "inside the event loop, as at load");
        QApplication::quit();
    });
    return QApplication::exec();
}
