// Fuzz target of the condition builder: the input's first byte chooses the
// operator, the negation and the upper-casing; the rest is the text a user
// typed. For each dialect the condition must keep every value inside its
// quotes. SQLite's own parser is the judge: the statement around the
// condition compiles to the same program as the condition built from a
// harmless text of the same shape (every character but the separators and
// blanks replaced by a letter), apart from its literals.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBcond.h"

#include <sqlite3.h>

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

sqlite3* database() {
    static sqlite3* db = [] {
        sqlite3* handle = nullptr;
        sqlite3_open(":memory:", &handle);
        sqlite3_exec(handle, "CREATE TABLE t (descr TEXT)", nullptr, nullptr, nullptr);
        // Access's upper-casing function, as the engine registers it.
        sqlite3_create_function(
            handle, "ucase", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
            [](sqlite3_context* context, int, sqlite3_value** values) {
                sqlite3_result_value(context, values[0]);
            },
            nullptr, nullptr);
        return handle;
    }();
    return db;
}

// The program SQLite compiles for the statement, one line per instruction:
// its opcode and, but for the statement's own text that Init holds, its P4
// (a function, a collating sequence). Literal values and the registers that
// hold them are left out: SQLite loads equal literals once, so their count
// depends on the values. nullopt when the statement does not compile or
// leaves text over.
std::optional<QStringList> programOf(const QString& condition) {
    const QByteArray sql = QByteArray("EXPLAIN SELECT * FROM t WHERE ") + condition.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(database(), sql.constData(), static_cast<int>(sql.size()), &statement,
                           &tail) != SQLITE_OK ||
        statement == nullptr)
        return std::nullopt;
    const bool whole = tail == nullptr || QByteArray(tail).trimmed().isEmpty();
    QStringList program;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const QString opcode =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
        if (opcode == QLatin1String("String8"))
            continue;
        QString line = opcode;
        if (opcode != QLatin1String("Init"))
            line +=
                QLatin1Char(' ') +
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 5)));
        program << line;
    }
    sqlite3_finalize(statement);
    if (!whole)
        return std::nullopt;
    return program;
}

// The text with every character that could be a value replaced by a letter.
QString harmless(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c != u',' && c != u'+' && !c.isSpace())
            c = u'a';
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dvDBrtns4;
    if (size == 0)
        return 0;
    const int choice = data[0];
    // What a user can type: no NUL characters.
    QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                      static_cast<qsizetype>(size - 1));
    typed.remove(QChar(u'\0'));
    static const enum_operator operators[] = {opEqual,  opGreaterOrEqual, opLessOrEqual,
                                              opStarts, opContains,       opBetween};
    const enum_operator op = operators[choice % 6];
    const bool negated = (choice & 0x08) != 0;
    const bool upcaseField = (choice & 0x10) != 0;
    const enum_upcase upcase = static_cast<enum_upcase>((choice >> 5) % 3);

    for (const enum_DBtype type : {db_Access, db_SQLServer, db_Oracle}) {
        clsDBInit::DravikDBrtns_Init(type);
        QString condition;
        QString shape;
        try {
            condition = clsDBcond::BuildCond(QStringLiteral("descr"), typed, op, negated,
                                             upcaseField, upcase);
            shape = clsDBcond::BuildCond(QStringLiteral("descr"), harmless(typed), op, negated,
                                         upcaseField, upcase);
        } catch (...) {
            continue; // BETWEEN with one value: the caller's error
        }
        if (condition.isEmpty() != shape.isEmpty())
            __builtin_trap();
        if (condition.isEmpty())
            continue;
        const std::optional<QStringList> program = programOf(condition);
        const std::optional<QStringList> expected = programOf(shape);
        if (!expected)
            continue; // a form SQLite does not read (Oracle's UPPER of a date...)
        if (program != expected) {
            std::fprintf(stderr, "value escaped its quotes (type %d): %s\n", int(type),
                         condition.toUtf8().constData());
            __builtin_trap();
        }
    }
    return 0;
}
