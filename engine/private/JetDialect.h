// The Jet (Access) SQL dialect over SQLite. Statement texts are rewritten
// before they are prepared, and the Jet functions SQLite lacks are registered
// on every connection, so that callers send their statements unchanged:
//  - DISTINCTROW becomes DISTINCT;
//  - "text" (a Jet string) becomes 'text';
//  - #dd/mm/yyyy[ hh:nn[:ss]]# and #yyyy-mm-dd# become ISO date texts, the
//    form in which DATE columns are stored;
//  - integer, string and date literals of WHERE, ON and HAVING clauses of
//    SELECT, UPDATE and DELETE statements become bound parameters, so that
//    statements that differ only in such values share one prepared statement.
//  - @@IDENTITY is the key of the row the connection inserted last.
// Nothing inside a string literal, a quoted identifier or a comment changes.
// Registered: val(x), ucase(x), lcase(x), now() (the local date and time as
// "yyyy-mm-dd hh:nn:ss") and like(pattern, text[, escape])
// comparing text without regard to letter case (all of Unicode) but with
// regard to accents, as Jet's text comparison does.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

struct sqlite3;

namespace engine::jet {

using Parameter = std::variant<std::int64_t, QString>;

struct AdaptedStatement {
    QString sql;                       // SQLite text, '?' where a parameter goes
    std::vector<Parameter> parameters; // in order of the '?'s
    // Where the FROM of a SELECT's own column list stands in `sql`, -1 when
    // the statement is no SELECT whose rows are rows of its tables (DISTINCT,
    // GROUP BY, compounds); lets an updatable result add the row id.
    qsizetype selectFrom = -1;
};

// Throws EngineError (GeneralSql) for a date literal that is not a date.
// Statements of one shape (the same text but for the values of their
// literals) are rewritten once; later ones only take their values.
AdaptedStatement adapt(const QString& statement);
// The same rewrite done afresh, for comparing the two.
AdaptedStatement adaptWithoutCache(const QString& statement);

// Registers val, ucase, lcase, now and the Jet like on a connection.
void registerFunctions(sqlite3* db);

// Visual Basic's Val: the number at the start of a text, blanks ignored, 0
// when there is none ("12α" -> 12, "α" -> 0, " 1 2" -> 12, "&H1F" -> 31).
double val(QStringView text);

// Jet's LIKE with % and _ (and an optional escape character): letter case
// ignored for all of Unicode, accents kept.
bool like(QStringView pattern, QStringView text, std::optional<char32_t> escape = {});

// The ISO text of a Jet date literal's inside ("25/12/2003" -> "2003-12-25");
// nullopt when it is not a valid date.
std::optional<QString> isoDateOf(QStringView literal);

} // namespace engine::jet
