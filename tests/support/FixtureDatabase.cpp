#include "tests/support/FixtureDatabase.h"

#include <QFile>

#include <sqlite3.h>

#include <stdexcept>

namespace testsupport {

namespace {
void run(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open fixture database");
    }
    // One transaction for the whole script: a fixture of a few hundred rows
    // then takes milliseconds instead of a second of file syncs.
    sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    const QByteArray script = "BEGIN;\n" + sql.toUtf8() + "\n;COMMIT;";
    char* err = nullptr;
    if (sqlite3_exec(db, script.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string message = err ? err : "unknown error";
        sqlite3_free(err);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        throw std::runtime_error("fixture SQL failed: " + message);
    }
    sqlite3_close(db);
}
} // namespace

QString readTextFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(f.readAll());
}

FixtureDatabase::FixtureDatabase(const QString& fillSql) {
    run(path(), readTextFile(QStringLiteral(LEXORA_SCHEMA_SQL)));
    if (!fillSql.isEmpty())
        run(path(), fillSql);
}

void FixtureDatabase::exec(const QString& sql) const {
    run(path(), sql);
}

void FixtureDatabase::setBlob(const QString& table, const QString& column, const QString& where,
                              const QByteArray& bytes) const {
    sqlite3* db = nullptr;
    sqlite3_open(path().toUtf8().constData(), &db);
    const QByteArray sql =
        QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3").arg(table, column, where).toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("setBlob prepare failed");
    }
    sqlite3_bind_blob64(st, 1, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                        SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (rc != SQLITE_DONE)
        throw std::runtime_error("setBlob failed");
}

} // namespace testsupport
