// The prepared-statement cache and the column facts of each statement.
#include "StatementCache.h"

#include "SqliteError.h"
#include "engine/EngineError.h"

#include <sqlite3.h>

namespace engine::detail {

namespace {

ColumnKind kindOfDeclared(const char* declared) {
    if (!declared)
        return ColumnKind::Plain;
    const QByteArray type = QByteArray(declared).trimmed().toUpper();
    if (type == "BOOLEAN" || type == "BOOL" || type == "BIT" || type == "YESNO")
        return ColumnKind::Boolean;
    if (type == "DATE" || type == "DATETIME" || type == "TIMESTAMP")
        return ColumnKind::Date;
    return ColumnKind::Plain;
}

// True when what follows the first statement holds no statement of its own
// (only blanks, semicolons and comments).
bool nothingFollows(sqlite3* db, const char* tail) {
    while (tail && *tail) {
        sqlite3_stmt* next = nullptr;
        const char* rest = nullptr;
        if (sqlite3_prepare_v2(db, tail, -1, &next, &rest) != SQLITE_OK || next) {
            sqlite3_finalize(next);
            return false;
        }
        if (rest == tail)
            return true;
        tail = rest;
    }
    return true;
}

} // namespace

// SQLite names a column of a parenthesised join, which it runs as a
// subquery, "type_id:1" when another column of that subquery is also called
// type_id. The program asks for the column's own name, so the suffix goes.
static QString withoutDisambiguation(const QString& name) {
    const qsizetype colon = name.lastIndexOf(u':');
    if (colon <= 0 || colon == name.size() - 1)
        return name;
    for (qsizetype i = colon + 1; i < name.size(); ++i) {
        if (!name[i].isDigit())
            return name;
    }
    return name.left(colon);
}

// Whether two names of the same length are equal but for letter case. The
// program names its fields as the schema does, or in ASCII of another case:
// those are told apart without the toolkit's full case folding.
static bool sameNameIgnoringCase(QStringView a, QStringView b) {
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        const auto lower = [](char16_t c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + ('a' - 'A')) : c;
        };
        if (lower(x) != lower(y))
            return false;
    }
    return true;
}

int Columns::indexOf(const QString& name) const {
    // Results have few columns: comparing them in place costs less than
    // folding the name for the hash, which allocates on every field read.
    if (names.size() <= 16) {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i].size() == name.size() && sameNameIgnoringCase(names[i], name))
                return static_cast<int>(i);
        return -1;
    }
    return byFoldedName.value(name.toCaseFolded(), -1);
}

Prepared::Prepared(sqlite3* db, const QString& text) : sql(text) {
    const QByteArray utf8 = text.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(db, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    if (rc != SQLITE_OK)
        throwLastError(db, rc);
    if (!stmt)
        throw EngineError(errors::GeneralSql, QStringLiteral("Invalid SQL statement."));
    if (!nothingFollows(db, tail)) {
        sqlite3_finalize(stmt);
        stmt = nullptr;
        throw EngineError(errors::GeneralSql,
                          QStringLiteral("Characters found after end of SQL statement."));
    }
    auto cols = std::make_shared<Columns>();
    const int n = sqlite3_column_count(stmt);
    cols->names.reserve(static_cast<std::size_t>(n));
    cols->kinds.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const QString name = withoutDisambiguation(QString::fromUtf8(sqlite3_column_name(stmt, i)));
        cols->names.push_back(name);
        cols->kinds.push_back(kindOfDeclared(sqlite3_column_decltype(stmt, i)));
        const QString key = name.toCaseFolded();
        if (!cols->byFoldedName.contains(key))
            cols->byFoldedName.insert(key, i);
    }
    columns = std::move(cols);
}

Prepared::~Prepared() {
    sqlite3_finalize(stmt);
}

StatementCache::StatementCache(sqlite3* db, std::size_t capacity)
    : m_db(db), m_capacity(capacity) {}

StatementCache::~StatementCache() {
    clear();
}

std::unique_ptr<Prepared> StatementCache::acquire(const QString& sql) {
    for (auto it = m_idle.end(); it != m_idle.begin();) {
        --it;
        if ((*it)->sql.size() == sql.size() && (*it)->sql == sql) {
            std::unique_ptr<Prepared> statement = std::move(*it);
            m_idle.erase(it);
            return statement;
        }
    }
    return std::make_unique<Prepared>(m_db, sql);
}

void StatementCache::release(std::unique_ptr<Prepared> statement) {
    if (!statement || !statement->stmt)
        return;
    sqlite3_reset(statement->stmt);
    sqlite3_clear_bindings(statement->stmt);
    if (m_capacity == 0)
        return;
    if (m_idle.size() >= m_capacity)
        m_idle.erase(m_idle.begin()); // the least recently used
    m_idle.push_back(std::move(statement));
}

void StatementCache::clear() {
    m_idle.clear();
}

} // namespace engine::detail
