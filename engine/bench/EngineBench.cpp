// What one simple statement costs through the engine: the child-count
// statement of the topic tree over a few thousand distinct ids, and a full
// tree fill (children and child count per node), against plain SQLite
// preparing every text anew. Prints its figures; not a test.
#include "engine/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int Topics = 4000;

bool createFixture(const QString& path) {
    QFile schemaFile(QStringLiteral(LEXORA_SCHEMA_SQL));
    if (!schemaFile.open(QIODevice::ReadOnly))
        return false;
    QByteArray sql = schemaFile.readAll();
    sql += "BEGIN;";
    std::mt19937 random(7);
    for (int id = 1; id <= Topics; ++id) {
        const int parent =
            id <= 20 ? 0 : static_cast<int>(random() % static_cast<unsigned>(id - 1)) + 1;
        sql += QStringLiteral("INSERT INTO topic VALUES (%1, %2, 'Θέμα %1', %3, 0, 0);")
                   .arg(id)
                   .arg(parent)
                   .arg(id % 17)
                   .toUtf8();
    }
    sql += "COMMIT;";
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    const bool ok = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QString countStatement(int id) {
    return QStringLiteral("SELECT count(*) as l_count ") + QStringLiteral(" From topic ") +
           QStringLiteral("Where topic_id_parent = ") + QString::number(id);
}

QString childrenStatement(int id) {
    return QStringLiteral("SELECT topic.topic_id, topic.descr ") + QStringLiteral(" From topic ") +
           QStringLiteral("Where topic_id_parent =  ") + QString::number(id) +
           QStringLiteral(" ORDER BY order_flag_lev1 asc,order_flag_lev2 asc,order_flag_lev3 asc ");
}

double microsecondsPer(int count, const std::function<void()>& body) {
    QElapsedTimer timer;
    timer.start();
    body();
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / count;
}

struct Figures {
    double countMicros = 0;
    double fillMillis = 0;
    int nodes = 0;
    long long total = 0;
};

Figures measure(engine::Connection& connection) {
    Figures f;
    f.countMicros = microsecondsPer(Topics, [&] {
        for (int id = 1; id <= Topics; ++id) {
            engine::Recordset rs = connection.execute(countStatement(id));
            f.total += rs.value(QStringLiteral("l_count")).toInt();
            rs.close();
        }
    });
    std::function<void(int)> fill = [&](int parent) {
        engine::Recordset children = connection.execute(childrenStatement(parent));
        while (!children.eof()) {
            const int id = static_cast<int>(children.value(QStringLiteral("topic_id")).toInt());
            ++f.nodes;
            engine::Recordset count = connection.execute(countStatement(id));
            const bool hasChildren = count.value(QStringLiteral("l_count")).toInt() > 0;
            count.close();
            if (hasChildren)
                fill(id);
            children.moveNext();
        }
        children.close();
    };
    QElapsedTimer timer;
    timer.start();
    fill(0);
    f.fillMillis = static_cast<double>(timer.nsecsElapsed()) / 1.0e6;
    return f;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/edudata.mdb");
    if (!dir.isValid() || !createFixture(path)) {
        std::fprintf(stderr, "cannot create the fixture database\n");
        return 1;
    }
    engine::Connection connection;
    connection.open(engine::connectionTextFor(path, QStringLiteral("$tr4vo")),
                    QStringLiteral("Admin"));

    // Outside an event loop every statement starts its own read transaction;
    // inside one (where the program does its work) they share one.
    const Figures plain = measure(connection);
    Figures inLoop;
    QTimer::singleShot(0, [&] {
        inLoop = measure(connection);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();

    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    long long rawTotal = 0;
    const double rawCount = microsecondsPer(Topics, [&] {
        for (int id = 1; id <= Topics; ++id) {
            const QByteArray sql = countStatement(id).toUtf8();
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(raw, sql.constData(), -1, &st, nullptr);
            if (sqlite3_step(st) == SQLITE_ROW)
                rawTotal += sqlite3_column_int64(st, 0);
            sqlite3_finalize(st);
        }
    });
    sqlite3_close(raw);

    std::printf("child-count statement \"SELECT count(*) as l_count  From topic Where "
                "topic_id_parent = N\", %d distinct ids\n",
                Topics);
    std::printf("  plain SQLite, each text prepared anew: %7.2f us per statement\n", rawCount);
    std::printf("  engine, outside an event loop:         %7.2f us per statement\n",
                plain.countMicros);
    std::printf("  engine, within one event:              %7.2f us per statement\n",
                inLoop.countMicros);
    std::printf("full tree fill (children and child count per node), %d nodes, %d statements\n",
                plain.nodes, 2 * plain.nodes + 1);
    std::printf("  engine, outside an event loop:         %7.1f ms (%.2f us per statement)\n",
                plain.fillMillis, plain.fillMillis * 1000.0 / (2 * plain.nodes + 1));
    std::printf("  engine, within one event:              %7.1f ms (%.2f us per statement)\n",
                inLoop.fillMillis, inLoop.fillMillis * 1000.0 / (2 * inLoop.nodes + 1));
    const bool consistent = plain.total == rawTotal && inLoop.total == rawTotal &&
                            plain.nodes == Topics && inLoop.nodes == Topics;
    return consistent ? 0 : 2;
}
