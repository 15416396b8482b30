// Times what the reader waits for on a given database, each operation beside
// its floor: the same statements, as the engine prepares them, with the same
// values bound, run through SQLite's own interface on a connection of the
// bench's own, each text prepared once, every column of every row read. The
// floor is taken from a trace of the program's own run, so both sides do the
// same database work and the ratio is the engine's and the program's share.
// Every figure is the median of several runs inside the event loop, where the
// program does its work. Prints a table; not a test.
//
//   lexora_bench <edudata file> [--sample <edudata file>] [--runs N] [--only TEXT]
// (--only: just the operations whose names hold TEXT, for a profiler)
#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/LinkNavigation.h"
#include "app/search/LawSearch.h"
#include "app/search/ScheduleSearch.h"
#include "app/search/TopicKeywordSearch.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/StartupServices.h"
#include "app/trees/LawTreeFill.h"
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/TopicTreeFill.h"
#include "app/windows/frmInitialFactory.h"
#include "bench/GeneratedShapes.h"
#include "dbroutines/clsDBInit.h"
#include "engine/Connection.h"
#include "engine/StatementTrace.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace lexora;

double millisSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1.0e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The process's peak resident memory so far, in MB.
double peakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0.0;
}

// The statements of a trace replayed through SQLite itself.
class Floor {
public:
    explicit Floor(const QString& path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY,
                            nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open the database for the floor");
        engine::StatementTrace::registerFunctions(m_db);
    }
    ~Floor() {
        for (auto& [sql, stmt] : m_prepared)
            sqlite3_finalize(stmt);
        sqlite3_close(m_db);
    }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    // One read transaction around the whole run, as the program keeps one
    // while it handles an event.
    double replay(const std::vector<engine::TracedStatement>& statements) {
        QElapsedTimer timer;
        timer.start();
        sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
        for (const engine::TracedStatement& s : statements)
            run(s);
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        return millisSince(timer);
    }

    // Prepares every text of the trace, so that no run pays for it.
    void prepareAll(const std::vector<engine::TracedStatement>& statements) {
        for (const engine::TracedStatement& s : statements)
            prepared(s.sql);
    }

private:
    sqlite3_stmt* prepared(const QString& sql) {
        const auto found = m_prepared.find(sql);
        if (found != m_prepared.end())
            return found->second;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v3(m_db, text.constData(), static_cast<int>(text.size()),
                               SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("floor: ") + sqlite3_errmsg(m_db));
        m_prepared.emplace(sql, stmt);
        return stmt;
    }

    void run(const engine::TracedStatement& s) {
        sqlite3_stmt* stmt = prepared(s.sql);
        engine::StatementTrace::bindValues(stmt, s);
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    m_checksum += sqlite3_column_int64(stmt, c);
                    break;
                case SQLITE_FLOAT:
                    m_checksum += static_cast<long long>(sqlite3_column_double(stmt, c));
                    break;
                case SQLITE_TEXT:
                    m_checksum += sqlite3_column_text(stmt, c)[0];
                    m_checksum += sqlite3_column_bytes(stmt, c);
                    break;
                case SQLITE_BLOB:
                    m_checksum += sqlite3_column_bytes(stmt, c);
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }

    sqlite3* m_db = nullptr;
    std::map<QString, sqlite3_stmt*> m_prepared;
    long long m_checksum = 0;
};

struct Row {
    QString name;
    double program = 0;
    std::optional<double> floor;
    int runs = 0;
    double first = 0; // the first run, caches cold
    std::size_t statements = 0;
    QString note;
};

class Bench {
public:
    Bench(QString path, int runs) : m_path(std::move(path)), m_runs(runs), m_floor(m_path) {}

    // Times `run` (its return value: the milliseconds of the part that
    // counts) and replays its statements for the floor. `prepare` runs
    // before each run, untimed. The first run records the statements and
    // warms the caches; an operation slower than a few seconds is timed by
    // that run alone.
    Row measure(const QString& name, const std::function<double()>& run,
                const std::function<void()>& prepare = {}, bool withFloor = true) {
        Row row;
        row.name = name;
        if (!wanted(name))
            return row;
        std::vector<engine::TracedStatement> statements;
        double first = 0;
        {
            if (prepare)
                prepare();
            const engine::StatementTrace trace;
            first = run();
            statements = trace.statements();
        }
        const int runs = first > kSlow ? 1 : m_runs;
        std::vector<double> times;
        if (first > kSlow)
            times.push_back(first);
        else
            for (int i = 0; i < runs; ++i) {
                if (prepare)
                    prepare();
                times.push_back(run());
            }
        row.program = median(times);
        row.first = first;
        row.runs = runs;
        row.statements = statements.size();
        if (withFloor) {
            m_floor.prepareAll(statements);
            std::vector<double> floors;
            for (int i = 0; i < runs; ++i)
                floors.push_back(m_floor.replay(statements));
            row.floor = median(floors);
        }
        m_rows.push_back(row);
        std::fprintf(stderr, "  %s: %.1f ms\n", qPrintable(name), row.program);
        return row;
    }

    void addRow(Row row) {
        if (wanted(row.name))
            m_rows.push_back(std::move(row));
    }
    // Only the operations whose names hold this text are timed.
    static void setOnly(const QString& text) { only() = text; }
    static bool wanted(const QString& name) { return name.contains(only()); }
    void noteLast(const QString& note) {
        if (!m_rows.empty())
            m_rows.back().note = note;
    }

    void print(const QString& title) const {
        std::printf("\n%s\n\n", qPrintable(title));
        std::printf("| operation | program ms | floor ms | ratio | statements | runs |\n");
        std::printf("|---|---:|---:|---:|---:|---:|\n");
        for (const Row& r : m_rows) {
            const QString floor = r.floor ? QString::number(*r.floor, 'f', 1) : QStringLiteral("–");
            const QString ratio = r.floor && *r.floor > 0
                                      ? QString::number(r.program / *r.floor, 'f', 2) + u'×'
                                      : QStringLiteral("–");
            std::printf("| %s | %.1f | %s | %s | %zu | %d |%s\n", qPrintable(r.name), r.program,
                        qPrintable(floor), qPrintable(ratio), r.statements, r.runs,
                        r.note.isEmpty() ? "" : qPrintable(QStringLiteral(" ") + r.note));
        }
    }

    const QString& path() const { return m_path; }

private:
    static QString& only() {
        static QString text;
        return text;
    }
    static constexpr double kSlow = 3000.0; // ms
    QString m_path;
    int m_runs;
    Floor m_floor;
    std::vector<Row> m_rows;
};

// Start-up from the open of the connection to the main window filled and
// shown, with the program's own wiring.
double startUp(const QString& databasePath, const QString& applicationFolder) {
    QElapsedTimer timer;
    timer.start();
    startup::ProgramContext context;
    context.state.applicationFolder = applicationFolder;
    context.connection.open(engine::connectionTextFor(databasePath, startup::kDatabasePassword));
    windows::frmInitialFactory factory(nullptr, [] {});
    factory.createAndShow(context);
    QCoreApplication::processEvents();
    const double millis = millisSince(timer);
    if (factory.window())
        factory.window()->hide();
    return millis;
}

void runAll(const QString& path, const QString& samplePath, int runs) {
    QTemporaryDir folder; // the application folder: no history file
    Bench bench(path, runs);
    std::fprintf(stderr, "%s\n", qPrintable(path));

    // Start-up first, so that the peak memory is that of a fresh start.
    const Row startUpRow = bench.measure(QStringLiteral("start-up to the filled main window"),
                                         [&] { return startUp(path, folder.path()); });
    bench.noteLast(
        QStringLiteral("(the first in the process: %1 ms)").arg(startUpRow.first, 0, 'f', 1));
    const double peakAfterStartUp = peakResidentMegabytes();
    std::optional<double> sampleStartUp;
    double sampleFirst = 0;
    if (!samplePath.isEmpty()) {
        Bench sample(samplePath, runs);
        const Row row = sample.measure(QStringLiteral("start-up on the sample"),
                                       [&] { return startUp(samplePath, folder.path()); });
        sampleStartUp = row.program;
        sampleFirst = row.first;
    }

    engine::Connection connection;
    connection.open(engine::connectionTextFor(path, startup::kDatabasePassword));

    trees::TreeControl topics;
    trees::TreeControl laws;
    trees::TreeControl chart;
    for (trees::TreeControl* tree : {&topics, &laws, &chart})
        tree->setImageList(trees::treeImageList());
    const auto clearTrees = [&] {
        for (trees::TreeControl* tree : {&topics, &laws, &chart})
            tree->clearNodes();
    };
    bench.measure(
        QStringLiteral("three full tree fills"),
        [&] {
            QElapsedTimer timer;
            timer.start();
            trees::FillTopicTree(topics, connection, {}, false, {}, true);
            trees::FillLawTree(laws, connection, {}, false, {}, true);
            trees::FillScheduleTreeP(chart, connection, {}, false, {}, true);
            return millisSince(timer);
        },
        clearTrees);
    const int nodes = topics.nodeCount() + laws.nodeCount() + chart.nodeCount();

    // Act pages: built as a link builds them, then written into a viewer and
    // styled.
    startup::ProgramContext context;
    context.connection.open(engine::connectionTextFor(path, startup::kDatabasePassword));
    context.state.applicationFolder = folder.path();
    shell::Panes form;
    pages::PageViewer viewer;
    viewer.resize(900, 700);
    const auto actPage = [&](const QString& name, std::int32_t id) {
        std::vector<double> shown;
        const Row built = bench.measure(
            name + QStringLiteral(", built"),
            [&] {
                QElapsedTimer timer;
                timer.start();
                context.state.gCurrentLawId = id;
                pages::navigate_to_hotbrowser(form, context, pages::kNotHistory, false);
                const double buildMillis = millisSince(timer);
                pages::WritePendingPage(context, viewer);
                shown.push_back(millisSince(timer));
                return buildMillis;
            },
            [&] { viewer.Navigate(QStringLiteral("about:blank")); });
        if (shown.size() > 1)
            shown.erase(shown.begin()); // the run that warmed the caches
        Row row;
        row.name = name + QStringLiteral(", built and shown");
        row.program = median(shown);
        row.runs = built.runs;
        bench.addRow(row);
    };
    actPage(QStringLiteral("a %1-row assembled act page").arg(bench::kSmallActRows),
            bench::kSmallActId);
    actPage(QStringLiteral("a %1-row assembled act page").arg(bench::kLargeActRows),
            bench::kLargeActId);

    trees::TreeControl& tree = topics;
    bench.measure(
        QStringLiteral("topic keyword search «%1» with refill").arg(bench::topicKeywordText()),
        [&] {
            QElapsedTimer timer;
            timer.start();
            search::TreeView_with_search(tree, connection, bench::topicKeywordText());
            return millisSince(timer);
        },
        [&] { tree.clearNodes(); });
    bench.measure(
        QStringLiteral("legislation keyword search «%1» with refill").arg(bench::lawKeywordText()),
        [&] {
            QString text = bench::lawKeywordText();
            QElapsedTimer timer;
            timer.start();
            search::TreeView_with_law_search(laws, connection, text, true);
            return millisSince(timer);
        },
        [&] { laws.clearNodes(); });
    bench.measure(
        QStringLiteral("legislation title search «%1» with refill").arg(bench::lawTitleText()),
        [&] {
            QString text = bench::lawTitleText();
            QElapsedTimer timer;
            timer.start();
            search::TreeView_with_law_search(laws, connection, text, false);
            return millisSince(timer);
        },
        [&] { laws.clearNodes(); });
    bench.measure(
        QStringLiteral("chart search «%1» with refill").arg(bench::chartText()),
        [&] {
            QString text = bench::chartText();
            QElapsedTimer timer;
            timer.start();
            search::TreeView_with_Schedule_search_P(chart, connection, text);
            return millisSince(timer);
        },
        [&] { chart.clearNodes(); });

    if (sampleStartUp) {
        Row row;
        row.name = QStringLiteral("start-up on the sample, same run");
        row.program = *sampleStartUp;
        row.runs = runs;
        row.note = QStringLiteral("(start-up here / sample: %1×; the first in the process: %2 ms)")
                       .arg(startUpRow.program / *sampleStartUp, 0, 'f', 2)
                       .arg(sampleFirst, 0, 'f', 1);
        bench.addRow(row);
    }
    const QFileInfo info(path);
    bench.print(QStringLiteral("%1 (%2 MB, %3 tree nodes), median of %4 runs; peak memory "
                               "after start-up %5 MB, at the end %6 MB")
                    .arg(info.fileName())
                    .arg(static_cast<double>(info.size()) / 1.0e6, 0, 'f', 0)
                    .arg(nodes)
                    .arg(runs)
                    .arg(peakAfterStartUp, 0, 'f', 1)
                    .arg(peakResidentMegabytes(), 0, 'f', 1));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString path;
    QString sample;
    int runs = 7;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--sample") && i + 1 < arguments.size())
            sample = arguments[++i];
        else if (arguments[i] == QLatin1String("--runs") && i + 1 < arguments.size())
            runs = std::max(1, arguments[++i].toInt());
        else if (arguments[i] == QLatin1String("--only") && i + 1 < arguments.size())
            Bench::setOnly(arguments[++i]);
        else
            path = arguments[i];
    }
    if (path.isEmpty() || !QFileInfo::exists(path) ||
        (!sample.isEmpty() && !QFileInfo::exists(sample))) {
        std::fprintf(stderr, "usage: lexora_bench <edudata file> [--sample <edudata file>] "
                             "[--runs N] [--only TEXT]\n");
        return 2;
    }
    dvDBrtns4::clsDBInit::DravikDBrtns_Init(dvDBrtns4::db_Access);
    int status = 0;
    QTimer::singleShot(0, [&] {
        try {
            runAll(path, sample, runs);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "lexora_bench: %s\n", e.what());
            status = 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
