// Opening databases: the connection text, the errors a caller relies on
// (missing file or folder, files that are not intact databases), the second
// read-only open, write-protected files, the busy timeout and statement errors.
#include "engine/ConnectionText.h"
#include "engine/tests/EngineFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <functional>

namespace {

using engine::EngineError;
namespace errors = engine::errors;

TEST(ConnectionTextTest, DataSourceIsFoundWhereverItStands) {
    const std::pair<const char*, const char*> cases[] = {
        {"Provider=Microsoft.Jet.OLEDB.4.0; Mode=ReadWrite;Data source=/a/b/edudata.mdb;Jet "
         "OLEDB:Database Password=$tr4vo",
         "/a/b/edudata.mdb"},
        {"data SOURCE = /x y/z.mdb ;Mode=Read", "/x y/z.mdb"},
        {"Data Source=/p/q.mdb", "/p/q.mdb"},
        {"Provider=x; Mode=ReadWrite", ""},
    };
    for (const auto& [text, path] : cases)
        EXPECT_EQ(engine::dataSourceOf(QString::fromUtf8(text)), QString::fromUtf8(path)) << text;
    EXPECT_EQ(engine::connectionTextFor(QStringLiteral("/f/edudata.mdb"), QStringLiteral("$tr4vo")),
              QStringLiteral(
                  "Provider=Microsoft.Jet.OLEDB.4.0; Mode=ReadWrite;Data source=/f/edudata.mdb;"
                  "Jet OLEDB:Database Password=$tr4vo"));
}

// A file in a temporary folder, shaped by the case.
struct BadFile {
    const char* name;
    int number;
    std::function<QString(const QTemporaryDir&)> make; // returns the path to open
};

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("edudata.mdb"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QString truncatedDatabase(const QTemporaryDir& dir, bool onPageBoundary) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    db.exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 1400) "
        "INSERT INTO topic SELECT i, 1, printf('%.300c', 'x'), 0, 0, 0 FROM n;"));
    QFile f(db.path());
    f.open(QIODevice::ReadOnly);
    QByteArray bytes = f.readAll();
    bytes.truncate(onPageBoundary ? (bytes.size() / 2 / 4096) * 4096 : bytes.size() / 2 + 100);
    return writeFile(dir, bytes);
}

const BadFile badFiles[] = {
    {"MissingFile", errors::FileNotFound,
     [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("edudata.mdb")); }},
    {"MissingFolder", errors::PathNotFound,
     [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("nothere/edudata.mdb")); }},
    {"EmptyFile", errors::NotADatabase, [](const QTemporaryDir& d) { return writeFile(d, {}); }},
    {"TextFile", errors::NotADatabase,
     [](const QTemporaryDir& d) {
         return writeFile(d, QByteArray("Standard Jet DB\0 not really", 27).repeated(200));
     }},
    {"DamagedHeader", errors::NotADatabase,
     [](const QTemporaryDir& d) {
         testsupport::FixtureDatabase db;
         QFile f(db.path());
         f.open(QIODevice::ReadOnly);
         QByteArray bytes = f.readAll();
         bytes[5] = 'X'; // "SQLite format 3" no more
         return writeFile(d, bytes);
     }},
    {"TruncatedOnPage", errors::NotADatabase,
     [](const QTemporaryDir& d) { return truncatedDatabase(d, true); }},
    {"TruncatedMidPage", errors::NotADatabase,
     [](const QTemporaryDir& d) { return truncatedDatabase(d, false); }},
};

TEST(OpenErrorsTest, MainConnectionAndSecondOpenFailAlike) {
    for (const BadFile& bad : badFiles) {
        SCOPED_TRACE(bad.name);
        QTemporaryDir dir;
        const QString path = bad.make(dir);
        engine::Connection connection;
        try {
            connection.open(engine::connectionTextFor(path, QStringLiteral("$tr4vo")),
                            QStringLiteral("Admin"));
            ADD_FAILURE() << "Connection::open succeeded";
        } catch (const EngineError& e) {
            EXPECT_EQ(e.number(), bad.number);
            EXPECT_FALSE(e.description().isEmpty());
        }
        EXPECT_FALSE(connection.isOpen());
        try {
            engine::ReadOnlyDatabase::open(path);
            ADD_FAILURE() << "ReadOnlyDatabase::open succeeded";
        } catch (const EngineError& e) {
            EXPECT_EQ(e.number(), bad.number);
        }
        // Nothing was created in place of a missing file.
        if (bad.number == errors::FileNotFound) {
            EXPECT_FALSE(QFile::exists(path));
        }
    }
}

TEST(OpenErrorsTest, NotADatabaseKeepsSqliteText) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QByteArray(4096, 'z'));
    try {
        engine::ReadOnlyDatabase::open(path);
        FAIL();
    } catch (const EngineError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("file is not a database"));
    }
}

TEST(OpenTest, IntactDatabaseOpensBothWays) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    engine::Connection connection;
    enginetest::openOn(connection, db);
    EXPECT_TRUE(connection.isOpen());
    EXPECT_FALSE(connection.isReadOnly());
    EXPECT_EQ(connection.path(), db.path());
    engine::ReadOnlyDatabase second = engine::ReadOnlyDatabase::open(db.path());
    EXPECT_TRUE(second.isOpen());
    second.close();
    EXPECT_FALSE(second.isOpen());
    connection.close();
    EXPECT_FALSE(connection.isOpen());
    EXPECT_THROW(connection.execute(QStringLiteral("SELECT 1")), EngineError);
}

TEST(OpenTest, WriteProtectedFileIsReadOnly) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFileInfo(db.path()).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    engine::Connection connection;
    enginetest::openOn(connection, db);
    EXPECT_TRUE(connection.isReadOnly());
    EXPECT_EQ(enginetest::columnOf(connection, QStringLiteral("SELECT count(*) as n FROM topic"),
                                   QStringLiteral("n")),
              QStringList{QStringLiteral("4")});
    try {
        connection.execute(
            QStringLiteral(" UPDATE system_law_parameters SET sys_info_display = 1"));
        FAIL() << "a write to a read-only file succeeded";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.number(), errors::GeneralSql);
        EXPECT_EQ(e.description(), QStringLiteral("attempt to write a readonly database"));
    }
    QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST(StatementErrorsTest, KeepSqliteText) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    engine::Connection connection;
    enginetest::openOn(connection, db);
    const std::pair<const char*, const char*> cases[] = {
        {"SELEC topic_id FROM topic", "near \"SELEC\": syntax error"},
        {"SELECT nosuch FROM topic WHERE topic_id = 1", "no such column: nosuch"},
        {"SELECT TYPE_ID FROM NOTABLE", "no such table: NOTABLE"},
        {"SELECT 1 FROM topic; DROP TABLE topic", "Characters found after end of SQL statement."},
        {"", "Invalid SQL statement."},
    };
    for (const auto& [statement, text] : cases) {
        try {
            connection.execute(QString::fromUtf8(statement));
            ADD_FAILURE() << statement;
        } catch (const EngineError& e) {
            EXPECT_EQ(e.number(), errors::GeneralSql) << statement;
            EXPECT_EQ(e.description(), QString::fromUtf8(text)) << statement;
        }
    }
    // A trailing semicolon or comment is no second statement.
    EXPECT_NO_THROW(connection.execute(QStringLiteral("SELECT 1 FROM topic; -- the end\n")));
    // The second statement of the text never ran.
    EXPECT_EQ(enginetest::columnOf(connection, QStringLiteral("SELECT count(*) as n FROM topic"),
                                   QStringLiteral("n")),
              QStringList{QStringLiteral("4")});
}

TEST(CommandTimeoutTest, BusyFileWaitsThenFails) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    engine::Connection connection;
    connection.setCommandTimeout(1);
    enginetest::openOn(connection, db);
    EXPECT_EQ(connection.commandTimeout(), 1);
    sqlite3* other = nullptr;
    sqlite3_open(db.path().toUtf8().constData(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    QElapsedTimer timer;
    timer.start();
    try {
        connection.execute(QStringLiteral("SELECT topic_id FROM topic"));
        ADD_FAILURE() << "read through an exclusive lock";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("database is locked"));
    }
    EXPECT_GE(timer.elapsed(), 900);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(enginetest::columnOf(connection, QStringLiteral("SELECT count(*) as n FROM topic"),
                                   QStringLiteral("n")),
              QStringList{QStringLiteral("4")});
}

// Runs `body` as the handler of one event, the way the program's work runs.
void asOneEvent(const std::function<void()>& body) {
    QEventLoop loop;
    QTimer::singleShot(0, [&] {
        body();
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
    });
    loop.exec();
}

TEST(ReadTransactionTest, OtherProgramsCanWriteOnceTheEventIsHandled) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    engine::Connection connection;
    enginetest::openOn(connection, db);
    asOneEvent([&] {
        EXPECT_EQ(enginetest::columnOf(connection,
                                       QStringLiteral("SELECT count(*) as n FROM topic"),
                                       QStringLiteral("n")),
                  QStringList{QStringLiteral("4")});
    });
    sqlite3* other = nullptr;
    sqlite3_open(db.path().toUtf8().constData(), &other);
    EXPECT_EQ(
        sqlite3_exec(other, "DELETE FROM topic WHERE topic_id = 4", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(other);
    asOneEvent([&] {
        EXPECT_EQ(enginetest::columnOf(connection,
                                       QStringLiteral("SELECT count(*) as n FROM topic"),
                                       QStringLiteral("n")),
                  QStringList{QStringLiteral("3")});
    });
}

TEST(ReadTransactionTest, TwoConnectionsOfOneProgramWriteInTurn) {
    testsupport::FixtureDatabase db(QString::fromUtf8(enginetest::FillSql));
    engine::Connection first;
    engine::Connection second;
    first.setCommandTimeout(2);
    second.setCommandTimeout(2);
    enginetest::openOn(first, db);
    enginetest::openOn(second, db);
    asOneEvent([&] {
        for (int value : {1, 0}) {
            engine::Connection& writer = value == 1 ? first : second;
            engine::Connection& reader = value == 1 ? second : first;
            enginetest::columnOf(
                reader, QStringLiteral("SELECT sys_info_display FROM system_law_parameters"),
                QStringLiteral("sys_info_display"));
            writer.execute(QStringLiteral("UPDATE system_law_parameters SET sys_info_display = ") +
                           QString::number(value));
            EXPECT_EQ(enginetest::columnOf(
                          reader,
                          QStringLiteral("SELECT sys_info_display FROM system_law_parameters"),
                          QStringLiteral("sys_info_display")),
                      QStringList{QString::number(value)});
        }
    });
}

} // namespace
