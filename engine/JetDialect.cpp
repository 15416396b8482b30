// Rewriting Jet statement texts for SQLite, and the Jet functions SQLite
// lacks. The rewrite is a single pass over the text that recognises string
// literals, quoted identifiers, comments, date literals, numbers and words;
// only words and literals outside quotes are ever changed.
#include "JetDialect.h"

#include "EngineError.h"

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QTime>

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace engine::jet {

namespace {

// SQLite's own limit is far above this; a statement with more values than
// this keeps the rest as literals.
constexpr std::size_t MaxParameters = 500;

enum class Clause { None, Select, From, Where, On, Having, GroupOrder, Limit, Set, Values, Other };

bool isIdentifierChar(QChar c) {
    return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_') ||
           c == QLatin1Char('$');
}

bool isIdentifierStart(QChar c) {
    return c.unicode() >= 0x80 || c.isLetter() || c == QLatin1Char('_');
}

QString sqlQuoted(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

Clause clauseOfKeyword(const QString& upper, Clause current) {
    if (upper == QLatin1String("SELECT"))
        return Clause::Select;
    if (upper == QLatin1String("FROM"))
        return Clause::From;
    if (upper == QLatin1String("WHERE"))
        return Clause::Where;
    if (upper == QLatin1String("ON"))
        return Clause::On;
    if (upper == QLatin1String("HAVING"))
        return Clause::Having;
    if (upper == QLatin1String("GROUP") || upper == QLatin1String("ORDER"))
        return Clause::GroupOrder;
    if (upper == QLatin1String("LIMIT") || upper == QLatin1String("OFFSET"))
        return Clause::Limit;
    if (upper == QLatin1String("SET"))
        return Clause::Set;
    if (upper == QLatin1String("VALUES"))
        return Clause::Values;
    if (upper == QLatin1String("UNION") || upper == QLatin1String("EXCEPT") ||
        upper == QLatin1String("INTERSECT") || upper == QLatin1String("WINDOW") ||
        upper == QLatin1String("RETURNING"))
        return Clause::Other;
    return current;
}

struct Rewriter {
    const QString& s;
    bool allowParameters;
    AdaptedStatement result;
    bool sawPlaceholder = false;
    bool parameterising = false; // decided by the statement's first word
    bool firstWordSeen = false;
    bool rowsOfTables = true;
    Clause clause = Clause::None;
    std::vector<Clause> stack;

    bool valueClause() const {
        return parameterising && result.parameters.size() < MaxParameters &&
               (clause == Clause::Where || clause == Clause::On || clause == Clause::Having);
    }

    void emitText(const QString& value, const QString& literalText) {
        if (valueClause()) {
            result.sql += QLatin1Char('?');
            result.parameters.emplace_back(value);
        } else {
            result.sql += literalText;
        }
    }

    // Index just past the closing `close` of a quoted run starting at `i`,
    // where a doubled `close` stands for itself; -1 when unterminated.
    qsizetype endOfQuoted(qsizetype i, QChar close, QString* value) const {
        qsizetype j = i + 1;
        const qsizetype n = s.size();
        while (j < n) {
            if (s[j] == close) {
                if (j + 1 < n && s[j + 1] == close) {
                    if (value)
                        *value += close;
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            if (value)
                *value += s[j];
            ++j;
        }
        return -1;
    }

    void run() {
        const qsizetype n = s.size();
        result.sql.reserve(n + 8);
        qsizetype i = 0;
        while (i < n) {
            const QChar c = s[i];
            const QChar next = i + 1 < n ? s[i + 1] : QChar();
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                QString value;
                const qsizetype end = endOfQuoted(i, c, &value);
                if (end < 0) { // unterminated: SQLite reports it
                    result.sql += s.mid(i);
                    return;
                }
                // A double-quoted run is a string in Jet, an identifier in SQLite.
                emitText(value, c == QLatin1Char('\'') ? s.mid(i, end - i) : sqlQuoted(value));
                i = end;
                continue;
            }
            if (c == QLatin1Char('[') || c == QLatin1Char('`')) {
                const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
                qsizetype end = s.indexOf(close, i + 1);
                end = end < 0 ? n : end + 1;
                result.sql += s.mid(i, end - i);
                i = end;
                continue;
            }
            if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
                qsizetype end = s.indexOf(QLatin1Char('\n'), i);
                end = end < 0 ? n : end;
                result.sql += s.mid(i, end - i);
                i = end;
                continue;
            }
            if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
                qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
                end = end < 0 ? n : end + 2;
                result.sql += s.mid(i, end - i);
                i = end;
                continue;
            }
            if (c == QLatin1Char('#')) {
                const qsizetype close = s.indexOf(QLatin1Char('#'), i + 1);
                const QStringView inside =
                    close < 0 ? QStringView() : QStringView(s).mid(i + 1, close - i - 1);
                const std::optional<QString> iso = isoDateOf(inside);
                if (close < 0 || !iso)
                    throw EngineError(
                        errors::GeneralSql,
                        QStringLiteral("Syntax error in date in query expression '%1'.")
                            .arg(close < 0 ? s.mid(i) : s.mid(i, close - i + 1)));
                emitText(*iso, sqlQuoted(*iso));
                i = close + 1;
                continue;
            }
            if (c.isDigit() || (c == QLatin1Char('.') && next.isDigit())) {
                qsizetype end = i;
                bool integer = true;
                while (end < n && (isIdentifierChar(s[end]) || s[end] == QLatin1Char('.'))) {
                    if (!s[end].isDigit())
                        integer = false;
                    // an exponent's sign belongs to the number
                    if ((s[end] == QLatin1Char('e') || s[end] == QLatin1Char('E')) && end + 1 < n &&
                        (s[end + 1] == QLatin1Char('+') || s[end + 1] == QLatin1Char('-')))
                        ++end;
                    ++end;
                }
                const QString literal = s.mid(i, end - i);
                bool fits = false;
                const qlonglong value = integer ? literal.toLongLong(&fits) : 0;
                if (integer && fits && valueClause()) {
                    result.sql += QLatin1Char('?');
                    result.parameters.emplace_back(std::int64_t{value});
                } else {
                    result.sql += literal;
                }
                i = end;
                continue;
            }
            if (isIdentifierStart(c)) {
                qsizetype end = i + 1;
                while (end < n && isIdentifierChar(s[end]))
                    ++end;
                const QString word = s.mid(i, end - i);
                const QString upper = word.toUpper();
                if (!firstWordSeen) {
                    firstWordSeen = true;
                    parameterising = allowParameters && (upper == QLatin1String("SELECT") ||
                                                         upper == QLatin1String("UPDATE") ||
                                                         upper == QLatin1String("DELETE"));
                }
                // Jet's "distinct rows of the tables" is, for the rows the
                // program selects (whole keys of one table), plain DISTINCT.
                result.sql +=
                    upper == QLatin1String("DISTINCTROW") ? QStringLiteral("DISTINCT") : word;
                // A word right after a dot is a column name, never a keyword.
                if (i == 0 || s[i - 1] != QLatin1Char('.')) {
                    if (stack.empty() &&
                        (upper == QLatin1String("DISTINCT") ||
                         upper == QLatin1String("DISTINCTROW") || upper == QLatin1String("GROUP") ||
                         upper == QLatin1String("UNION") || upper == QLatin1String("EXCEPT") ||
                         upper == QLatin1String("INTERSECT")))
                        rowsOfTables = false;
                    if (upper == QLatin1String("FROM") && stack.empty() &&
                        clause == Clause::Select && result.selectFrom < 0)
                        result.selectFrom = result.sql.size() - word.size();
                    clause = clauseOfKeyword(upper, clause);
                }
                i = end;
                continue;
            }
            if (c == QLatin1Char('@') && next == QLatin1Char('@')) {
                // Jet's @@IDENTITY: the key the connection's last INSERT gave.
                qsizetype end = i + 2;
                while (end < n && isIdentifierChar(s[end]))
                    ++end;
                if (QStringView(s)
                        .mid(i + 2, end - i - 2)
                        .compare(QLatin1String("IDENTITY"), Qt::CaseInsensitive) == 0) {
                    result.sql += QLatin1String("last_insert_rowid()");
                    i = end;
                    continue;
                }
            }
            if (c == QLatin1Char('?') || c == QLatin1Char(':') || c == QLatin1Char('@') ||
                c == QLatin1Char('$'))
                sawPlaceholder = true;
            if (c == QLatin1Char('(')) {
                stack.push_back(clause);
            } else if (c == QLatin1Char(')') && !stack.empty()) {
                clause = stack.back();
                stack.pop_back();
            }
            result.sql += c;
            ++i;
        }
    }
};

int twoDigitYear(int y) {
    return y < 30 ? 2000 + y : 1900 + y;
}

} // namespace

AdaptedStatement adapt(const QString& statement) {
    Rewriter r{statement, true, {}, false, false, false, true, Clause::None, {}};
    r.run();
    if (!r.rowsOfTables)
        r.result.selectFrom = -1;
    if (r.sawPlaceholder && !r.result.parameters.empty()) {
        // The caller's own placeholders would be numbered among ours.
        Rewriter plain{statement, false, {}, false, false, false, true, Clause::None, {}};
        plain.run();
        if (!plain.rowsOfTables)
            plain.result.selectFrom = -1;
        return std::move(plain.result);
    }
    return std::move(r.result);
}

std::optional<QString> isoDateOf(QStringView literal) {
    const QString text = literal.trimmed().toString();
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString datePart = blank < 0 ? text : text.left(blank);
    const QString timePart = blank < 0 ? QString() : text.mid(blank + 1).trimmed();

    QChar separator;
    for (QChar c : datePart)
        if (!c.isDigit()) {
            separator = c;
            break;
        }
    if (separator != QLatin1Char('/') && separator != QLatin1Char('-') &&
        separator != QLatin1Char('.'))
        return std::nullopt;
    const QStringList parts = datePart.split(separator);
    if (parts.size() != 3)
        return std::nullopt;
    int numbers[3];
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        numbers[k] = parts[k].toInt(&ok);
        if (!ok || parts[k].isEmpty() || parts[k].size() > 4)
            return std::nullopt;
    }
    QDate date;
    if (parts[0].size() == 4) { // yyyy-mm-dd
        date = QDate(numbers[0], numbers[1], numbers[2]);
    } else { // dd/mm/yyyy, the program's own order
        const int year = parts[2].size() <= 2 ? twoDigitYear(numbers[2]) : numbers[2];
        date = QDate(year, numbers[1], numbers[0]);
    }
    if (!date.isValid())
        return std::nullopt;
    if (timePart.isEmpty())
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    const QStringList t = timePart.split(QLatin1Char(':'));
    if (t.size() < 2 || t.size() > 3)
        return std::nullopt;
    int hms[3] = {0, 0, 0};
    for (qsizetype k = 0; k < t.size(); ++k) {
        bool ok = false;
        hms[k] = t[k].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const QTime time(hms[0], hms[1], hms[2]);
    if (!time.isValid())
        return std::nullopt;
    if (time == QTime(0, 0))
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
           time.toString(QStringLiteral("HH:mm:ss"));
}

double val(QStringView text) {
    // Blanks, tabs and line feeds are skipped anywhere, as Visual Basic's Val does.
    std::string number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t') ||
                         text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')))
            ++i;
    };
    skipBlanks();
    if (i < n && text[i] == QLatin1Char('&') && i + 1 < n) {
        const QChar radixChar = text[i + 1].toUpper();
        const int radix = radixChar == QLatin1Char('H')   ? 16
                          : radixChar == QLatin1Char('O') ? 8
                                                          : 0;
        if (radix == 0)
            return 0;
        i += 2;
        double value = 0;
        for (; i < n; ++i) {
            skipBlanks();
            if (i >= n)
                break;
            const int digit = text[i].isDigit() ? text[i].digitValue()
                              : radix == 16 && text[i].toUpper() >= QLatin1Char('A') &&
                                      text[i].toUpper() <= QLatin1Char('F')
                                  ? text[i].toUpper().unicode() - 'A' + 10
                                  : -1;
            if (digit < 0 || digit >= radix || text[i].unicode() >= 0x80)
                break;
            value = value * radix + digit;
        }
        return value;
    }
    auto isAsciiDigit = [&](qsizetype k) {
        return k < n && text[k].unicode() >= '0' && text[k].unicode() <= '9';
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            number += '-';
        ++i;
        skipBlanks();
    }
    bool digits = false;
    while (true) {
        skipBlanks();
        if (!isAsciiDigit(i))
            break;
        number += static_cast<char>(text[i].unicode());
        digits = true;
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (true) {
            skipBlanks();
            if (!isAsciiDigit(i))
                break;
            number += static_cast<char>(text[i].unicode());
            digits = true;
            ++i;
        }
    }
    if (!digits)
        return 0;
    if (i < n && (text[i].toUpper() == QLatin1Char('E') || text[i].toUpper() == QLatin1Char('D'))) {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (k < n && (text[k] == QLatin1Char('+') || text[k] == QLatin1Char('-'))) {
            exponent += static_cast<char>(text[k].unicode());
            ++k;
        }
        bool expDigits = false;
        while (isAsciiDigit(k)) {
            exponent += static_cast<char>(text[k].unicode());
            expDigits = true;
            ++k;
        }
        if (expDigits)
            number += exponent;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    return ec == std::errc() ? value : 0;
}

namespace {

// Text as case-folded code points; decomposed accents are composed first so
// that 'ά' typed either way compares equal to itself.
std::u32string folded(QStringView text) {
    QString composed;
    for (QChar c : text)
        if (c.unicode() >= 0x300 && c.unicode() <= 0x36F) {
            composed = text.toString().normalized(QString::NormalizationForm_C);
            text = composed;
            break;
        }
    std::u32string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t ucs : text.toUcs4())
        out.push_back(QChar::toCaseFolded(ucs));
    return out;
}

bool matchFolded(const std::u32string& p, const std::u32string& t, std::optional<char32_t> esc) {
    std::size_t pi = 0, ti = 0;
    std::size_t starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        bool advanced = false;
        if (pi < p.size()) {
            const char32_t pc = p[pi];
            if (esc && pc == *esc && pi + 1 < p.size()) {
                if (p[pi + 1] == t[ti]) {
                    pi += 2;
                    ++ti;
                    advanced = true;
                }
            } else if (pc == U'%') {
                starP = pi++;
                starT = ti;
                continue;
            } else if (pc == U'_' || pc == t[ti]) {
                ++pi;
                ++ti;
                advanced = true;
            }
        }
        if (advanced)
            continue;
        if (starP == std::u32string::npos)
            return false;
        pi = starP + 1;
        ti = ++starT;
    }
    while (pi < p.size() && p[pi] == U'%')
        ++pi;
    return pi == p.size();
}

QString valueText(sqlite3_value* v) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(text, sqlite3_value_bytes(v));
}

void sqlVal(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER:
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    case SQLITE_FLOAT:
        sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
        return;
    default:
        break;
    }
    const double d = val(valueText(argv[0]));
    if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.0e18)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
    else
        sqlite3_result_double(ctx, d);
}

void caseChange(sqlite3_context* ctx, sqlite3_value* arg, bool upper) {
    if (sqlite3_value_type(arg) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = valueText(arg);
    const QByteArray out = (upper ? text.toUpper() : text.toLower()).toUtf8();
    sqlite3_result_text(ctx, out.constData(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

void sqlUcase(sqlite3_context* ctx, int, sqlite3_value** argv) {
    caseChange(ctx, argv[0], true);
}
void sqlLcase(sqlite3_context* ctx, int, sqlite3_value** argv) {
    caseChange(ctx, argv[0], false);
}

void deleteFolded(void* p) {
    delete static_cast<std::u32string*>(p);
}

void sqlLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // x LIKE y [ESCAPE z] arrives as like(y, x[, z]).
    for (int k = 0; k < argc; ++k)
        if (sqlite3_value_type(argv[k]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    std::optional<char32_t> escape;
    if (argc == 3) {
        const std::u32string e = folded(valueText(argv[2]));
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.front();
    }
    auto* pattern = static_cast<std::u32string*>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern) {
        pattern = new std::u32string(folded(valueText(argv[0])));
        sqlite3_set_auxdata(ctx, 0, pattern, deleteFolded);
        // SQLite may have freed it at once (pattern not constant): read it again.
        pattern = static_cast<std::u32string*>(sqlite3_get_auxdata(ctx, 0));
    }
    const std::u32string text = folded(valueText(argv[1]));
    if (pattern) {
        sqlite3_result_int(ctx, matchFolded(*pattern, text, escape) ? 1 : 0);
    } else {
        sqlite3_result_int(ctx, matchFolded(folded(valueText(argv[0])), text, escape) ? 1 : 0);
    }
}

void sqlNow(sqlite3_context* ctx, int, sqlite3_value**) {
    // The machine's local date and time, in the ISO form of DATE columns.
    const QByteArray now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    sqlite3_result_text(ctx, now.constData(), static_cast<int>(now.size()), SQLITE_TRANSIENT);
}

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK)
        throw EngineError(errors::GeneralSql, QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

bool like(QStringView pattern, QStringView text, std::optional<char32_t> escape) {
    if (escape)
        escape = QChar::toCaseFolded(*escape);
    return matchFolded(folded(pattern), folded(text), escape);
}

void registerFunctions(sqlite3* db) {
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    check(db, sqlite3_create_function_v2(db, "val", 1, flags, nullptr, sqlVal, nullptr, nullptr,
                                         nullptr));
    check(db, sqlite3_create_function_v2(db, "ucase", 1, flags, nullptr, sqlUcase, nullptr, nullptr,
                                         nullptr));
    check(db, sqlite3_create_function_v2(db, "lcase", 1, flags, nullptr, sqlLcase, nullptr, nullptr,
                                         nullptr));
    check(db, sqlite3_create_function_v2(db, "like", 2, flags, nullptr, sqlLike, nullptr, nullptr,
                                         nullptr));
    check(db, sqlite3_create_function_v2(db, "like", 3, flags, nullptr, sqlLike, nullptr, nullptr,
                                         nullptr));
    // Not deterministic: each statement reads the clock afresh.
    check(db, sqlite3_create_function_v2(db, "now", 0, SQLITE_UTF8 | SQLITE_INNOCUOUS, nullptr,
                                         sqlNow, nullptr, nullptr, nullptr));
}

} // namespace engine::jet
