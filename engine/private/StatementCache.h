// Prepared statements kept for reuse. A full tree fill sends two statements
// per node; with values bound as parameters (see JetDialect.h) they share a
// few texts, and preparing each text once keeps the cost per statement small.
// A statement in use by an open result is taken out of the cache, so that a
// nested result of the same text gets a fresh one.
#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace engine::detail {

// How a column's values are handed out, from its declared type.
enum class ColumnKind { Plain, Boolean, Date };

struct Columns {
    std::vector<QString> names;
    std::vector<ColumnKind> kinds;
    QHash<QString, int> byFoldedName; // first column of each name, letter case folded

    int indexOf(const QString& name) const; // -1 when there is none
};

struct Prepared {
    Prepared(sqlite3* db, const QString& sql); // throws EngineError
    ~Prepared();
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;

    sqlite3_stmt* stmt = nullptr;
    QString sql;
    std::shared_ptr<const Columns> columns;
};

class StatementCache {
public:
    explicit StatementCache(sqlite3* db, std::size_t capacity = 64);
    ~StatementCache();

    // A prepared statement of that text, ready to bind: an idle cached one or
    // a new one. Throws EngineError when the text does not prepare.
    std::unique_ptr<Prepared> acquire(const QString& sql);
    // Resets the statement and keeps it for the next acquire of its text.
    void release(std::unique_ptr<Prepared> statement);
    void clear();
    std::size_t idleCount() const { return m_idle.size(); }

private:
    sqlite3* m_db;
    std::size_t m_capacity;
    // The idle statements, the most recently released last. A program sends
    // a few texts in turn, so the one asked for is nearly always among the
    // last few: looking from the end costs less than hashing the text.
    std::vector<std::unique_ptr<Prepared>> m_idle;
};

} // namespace engine::detail
