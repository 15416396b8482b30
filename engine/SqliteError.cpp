// Opening a database file and reporting SQLite failures as engine errors.
#include "SqliteError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace engine::detail {

namespace {

[[noreturn]] void fail(int number, const QString& text) {
    throw EngineError(number, text);
}

QString notADatabaseText() {
    return QString::fromUtf8(sqlite3_errstr(SQLITE_NOTADB));
}

quint32 bigEndian32(const QByteArray& b, int at) {
    return (quint32(quint8(b[at])) << 24) | (quint32(quint8(b[at + 1])) << 16) |
           (quint32(quint8(b[at + 2])) << 8) | quint32(quint8(b[at + 3]));
}

// SQLite opens lazily and, for a file cut short, reads zeros past its end.
// The header tells the page size and, when it is current, the page count, so
// a truncated or shapeless file is caught before it is used.
void checkHeader(const QString& path, qint64 fileSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // SQLite's own open reports the reason
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        fail(errors::NotADatabase, notADatabaseText());
    quint32 pageSize = (quint32(quint8(header[16])) << 8) | quint32(quint8(header[17]));
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        fail(errors::NotADatabase, notADatabaseText());
    const QString damaged = QString::fromUtf8(sqlite3_errstr(SQLITE_CORRUPT));
    if (fileSize % pageSize != 0)
        fail(errors::NotADatabase, damaged);
    const quint32 changeCounter = bigEndian32(header, 24);
    const quint32 pageCount = bigEndian32(header, 28);
    const quint32 validFor = bigEndian32(header, 92);
    if (pageCount != 0 && changeCounter == validFor &&
        fileSize < qint64(pageCount) * qint64(pageSize))
        fail(errors::NotADatabase, damaged);
}

} // namespace

int errorNumberFor(int sqliteCode) {
    switch (sqliteCode & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return errors::NotADatabase;
    default:
        return errors::GeneralSql;
    }
}

void throwLastError(sqlite3* db, int rc) {
    const QString text =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    fail(errorNumberFor(rc), text);
}

sqlite3* openDatabaseFile(const QString& path, bool readOnly) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.absoluteDir().exists())
        fail(errors::PathNotFound,
             QStringLiteral("'%1' is not a valid path. Make sure that the path name is spelled "
                            "correctly and that you are connected to the server on which the "
                            "file resides.")
                 .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (!info.exists())
        fail(errors::FileNotFound, QStringLiteral("Could not find file '%1'.")
                                       .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    if (info.isFile()) {
        // An empty file is a valid new database to SQLite, but not to the
        // program: it has none of the tables.
        if (info.size() == 0)
            fail(errors::NotADatabase, notADatabaseText());
        checkHeader(path, info.size());
    }

    // Read-write when the file allows it; SQLite itself falls back to
    // read-only for a write-protected file. No flag creates a file.
    const int flags =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK && !readOnly) {
        sqlite3_close(db);
        db = nullptr;
        rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    if (rc != SQLITE_OK) {
        const QString text =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        fail(errorNumberFor(rc), text);
    }
    sqlite3_extended_result_codes(db, 0);
    // Reading the schema makes SQLite look at the file now.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        fail(errorNumberFor(rc), text);
    }
    return db;
}

} // namespace engine::detail
