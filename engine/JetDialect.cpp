// Rewriting Jet statement texts for SQLite, and the Jet functions SQLite
// lacks. The rewrite is a single pass over the text that recognises string
// literals, quoted identifiers, comments, date literals, numbers and words;
// only words and literals outside quotes are ever changed.
#include "JetDialect.h"

#include "engine/EngineError.h"

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QTime>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace engine::jet {

namespace {

// SQLite's own limit is far above this; a statement with more values than
// this keeps the rest as literals.
constexpr std::size_t MaxParameters = 500;

enum class Clause { None, Select, From, Where, On, Having, GroupOrder, Limit, Set, Values, Other };

bool isIdentifierChar(QChar c) {
    const char16_t u = c.unicode();
    return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
           (u >= '0' && u <= '9') || u == '_' || u == '$';
}

bool isIdentifierStart(QChar c) {
    const char16_t u = c.unicode();
    return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_';
}

QString sqlQuoted(QStringView value) {
    QString out;
    out.reserve(value.size() + 2);
    out += QLatin1Char('\'');
    for (QChar c : value) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

bool is(QStringView word, QLatin1StringView keyword) {
    return word.size() == keyword.size() && word.compare(keyword, Qt::CaseInsensitive) == 0;
}

Clause clauseOfKeyword(QStringView word, Clause current) {
    switch (word.size()) {
    case 2:
        return is(word, QLatin1StringView("ON")) ? Clause::On : current;
    case 3:
        return is(word, QLatin1StringView("SET")) ? Clause::Set : current;
    case 4:
        return is(word, QLatin1StringView("FROM")) ? Clause::From : current;
    case 5:
        if (is(word, QLatin1StringView("WHERE")))
            return Clause::Where;
        if (is(word, QLatin1StringView("GROUP")) || is(word, QLatin1StringView("ORDER")))
            return Clause::GroupOrder;
        if (is(word, QLatin1StringView("LIMIT")))
            return Clause::Limit;
        if (is(word, QLatin1StringView("UNION")))
            return Clause::Other;
        return current;
    case 6:
        if (is(word, QLatin1StringView("SELECT")))
            return Clause::Select;
        if (is(word, QLatin1StringView("HAVING")))
            return Clause::Having;
        if (is(word, QLatin1StringView("OFFSET")))
            return Clause::Limit;
        if (is(word, QLatin1StringView("VALUES")))
            return Clause::Values;
        if (is(word, QLatin1StringView("EXCEPT")) || is(word, QLatin1StringView("WINDOW")))
            return Clause::Other;
        return current;
    case 9:
        if (is(word, QLatin1StringView("INTERSECT")) || is(word, QLatin1StringView("RETURNING")))
            return Clause::Other;
        return current;
    default:
        return current;
    }
}

// The pieces of a statement's text, as both the rewrite and the shape of a
// statement (see ShapeCache) read them.
enum class Token {
    Quoted,    // 'text' or "text"; unterminated: to the end
    Bracketed, // [name] or `name`
    Comment,   // -- to the end of the line, or /* ... */
    Date,      // #...#, or a lone # to the end
    Number,    // digits, or a point and digits, with what sticks to them
    Word,      // a name or a keyword
    Identity,  // @@IDENTITY in any letter case
    Other,     // one character
};

struct Lexeme {
    Token token;
    qsizetype end;
    bool unterminated = false; // a quoted text without its closing quote
    bool integer = false;      // a Number of digits only
};

Lexeme lexAt(const QString& s, qsizetype i) {
    const qsizetype n = s.size();
    const QChar c = s[i];
    const QChar next = i + 1 < n ? s[i + 1] : QChar();
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
        qsizetype j = i + 1;
        while (j < n) {
            if (s[j] == c) {
                if (j + 1 < n && s[j + 1] == c) {
                    j += 2;
                    continue;
                }
                return {Token::Quoted, j + 1};
            }
            ++j;
        }
        return {Token::Quoted, n, true};
    }
    if (c == QLatin1Char('[') || c == QLatin1Char('`')) {
        const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
        const qsizetype end = s.indexOf(close, i + 1);
        return {Token::Bracketed, end < 0 ? n : end + 1};
    }
    if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
        const qsizetype end = s.indexOf(QLatin1Char('\n'), i);
        return {Token::Comment, end < 0 ? n : end};
    }
    if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
        const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
        return {Token::Comment, end < 0 ? n : end + 2};
    }
    if (c == QLatin1Char('#')) {
        const qsizetype close = s.indexOf(QLatin1Char('#'), i + 1);
        return {Token::Date, close < 0 ? n : close + 1, close < 0};
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
        return {Token::Number, end, false, integer};
    }
    if (isIdentifierStart(c)) {
        qsizetype end = i + 1;
        while (end < n && isIdentifierChar(s[end]))
            ++end;
        return {Token::Word, end};
    }
    if (c == QLatin1Char('@') && next == QLatin1Char('@')) {
        qsizetype end = i + 2;
        while (end < n && isIdentifierChar(s[end]))
            ++end;
        if (QStringView(s)
                .mid(i + 2, end - i - 2)
                .compare(QLatin1String("IDENTITY"), Qt::CaseInsensitive) == 0)
            return {Token::Identity, end};
    }
    return {Token::Other, i + 1};
}

// The value of a quoted text: without its quotes, doubled quotes single.
QString unquoted(QStringView quoted) {
    const QChar q = quoted.front();
    const QStringView inside = quoted.mid(1, quoted.size() - 2);
    if (!inside.contains(q))
        return inside.toString();
    QString value;
    value.reserve(inside.size());
    for (qsizetype k = 0; k < inside.size(); ++k) {
        value += inside[k];
        if (inside[k] == q)
            ++k; // its double
    }
    return value;
}

// The value of a whole number that fits 64 bits.
std::optional<std::int64_t> integerOf(QStringView digits) {
    bool fits = false;
    const qlonglong value = digits.toLongLong(&fits);
    return fits ? std::optional<std::int64_t>(value) : std::nullopt;
}

// Where a literal went in the rewritten text: bound as a parameter, or kept
// in the text (at `at`, `length` characters).
struct Slot {
    bool parameter;
    qsizetype at;
    qsizetype length;
};

struct Rewriter {
    Rewriter(const QString& statement, bool parameters)
        : s(statement), allowParameters(parameters) {}

    const QString& s;
    bool allowParameters;
    AdaptedStatement result;
    std::vector<Slot> places; // one per literal, in order
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

    void emitParameter(Parameter value) {
        places.push_back({true, result.sql.size(), 1});
        result.sql += QLatin1Char('?');
        result.parameters.push_back(std::move(value));
    }

    void emitLiteral(QStringView text) {
        separateQuoted(text);
        places.push_back({false, result.sql.size(), text.size()});
        result.sql += text;
    }

    // Two quoted runs side by side ('a'"b") must stay two: written together
    // they would read as one literal holding an apostrophe.
    void separateQuoted(QStringView next) {
        if (result.sql.endsWith(QLatin1Char('\'')) && next.startsWith(QLatin1Char('\'')))
            result.sql += QLatin1Char(' ');
    }

    void run() {
        const qsizetype n = s.size();
        const QStringView view(s);
        result.sql.reserve(n + 8);
        qsizetype i = 0;
        while (i < n) {
            const Lexeme lexeme = lexAt(s, i);
            const QStringView text = view.mid(i, lexeme.end - i);
            switch (lexeme.token) {
            case Token::Quoted:
                if (lexeme.unterminated) { // SQLite reports it
                    separateQuoted(text);
                    result.sql += text;
                    return;
                }
                if (valueClause())
                    emitParameter(unquoted(text));
                else if (text.front() == QLatin1Char('\''))
                    emitLiteral(text);
                else // a double-quoted run is a string in Jet, an identifier in SQLite
                    emitLiteral(sqlQuoted(unquoted(text)));
                break;
            case Token::Date: {
                const std::optional<QString> iso =
                    lexeme.unterminated ? std::nullopt : isoDateOf(text.mid(1, text.size() - 2));
                if (!iso)
                    throw EngineError(
                        errors::GeneralSql,
                        QStringLiteral("Syntax error in date in query expression '%1'.")
                            .arg(text.toString()));
                if (valueClause())
                    emitParameter(*iso);
                else
                    emitLiteral(sqlQuoted(*iso));
                break;
            }
            case Token::Number: {
                const std::optional<std::int64_t> value =
                    lexeme.integer ? integerOf(text) : std::nullopt;
                if (value && valueClause())
                    emitParameter(*value);
                else
                    emitLiteral(text);
                break;
            }
            case Token::Word:
                word(text, i);
                break;
            case Token::Identity:
                // Jet's @@IDENTITY: the key the connection's last INSERT gave.
                result.sql += QLatin1String("last_insert_rowid()");
                break;
            case Token::Bracketed:
            case Token::Comment:
                result.sql += text;
                break;
            case Token::Other: {
                const QChar c = text.front();
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
                break;
            }
            }
            i = lexeme.end;
        }
    }

    void word(QStringView word, qsizetype i) {
        if (!firstWordSeen) {
            firstWordSeen = true;
            parameterising = allowParameters && (is(word, QLatin1StringView("SELECT")) ||
                                                 is(word, QLatin1StringView("UPDATE")) ||
                                                 is(word, QLatin1StringView("DELETE")));
        }
        // Jet's "distinct rows of the tables" is, for the rows the program
        // selects (whole keys of one table), plain DISTINCT.
        const bool distinctRow = is(word, QLatin1StringView("DISTINCTROW"));
        if (distinctRow)
            result.sql += QLatin1String("DISTINCT");
        else
            result.sql += word;
        // A word right after a dot is a column name, never a keyword.
        if (i > 0 && s[i - 1] == QLatin1Char('.'))
            return;
        if (stack.empty() &&
            (distinctRow || is(word, QLatin1StringView("DISTINCT")) ||
             is(word, QLatin1StringView("GROUP")) || is(word, QLatin1StringView("UNION")) ||
             is(word, QLatin1StringView("EXCEPT")) || is(word, QLatin1StringView("INTERSECT"))))
            rowsOfTables = false;
        if (stack.empty() && clause == Clause::Select && result.selectFrom < 0 &&
            is(word, QLatin1StringView("FROM")))
            result.selectFrom = result.sql.size() - word.size();
        clause = clauseOfKeyword(word, clause);
    }
};

int twoDigitYear(int y) {
    return y < 30 ? 2000 + y : 1900 + y;
}

// The full rewrite, with where each literal went.
AdaptedStatement rewrite(const QString& statement, std::vector<Slot>* places) {
    Rewriter r(statement, true);
    r.run();
    if (!r.rowsOfTables)
        r.result.selectFrom = -1;
    if (r.sawPlaceholder && !r.result.parameters.empty()) {
        // The caller's own placeholders would be numbered among ours.
        Rewriter plain(statement, false);
        plain.run();
        if (!plain.rowsOfTables)
            plain.result.selectFrom = -1;
        if (places)
            *places = std::move(plain.places);
        return std::move(plain.result);
    }
    if (places)
        *places = std::move(r.places);
    return std::move(r.result);
}

// Rewritten statements by shape. A program sends the same statement with
// other values thousands of times (two per node of a tree fill); its shape,
// the text with each literal replaced by a mark of its kind, is found here
// and the rewrite is then only a matter of putting in the new values.
class ShapeCache {
public:
    std::optional<AdaptedStatement> find(const QString& statement) {
        // The shapes used last are tried first, by comparing the statement
        // with them piece by piece; reading the whole shape and looking it
        // up costs several times as much.
        for (std::size_t k = 0; k < m_recent.size() && m_recent[k]; ++k) {
            if (matches(statement, *m_recent[k])) {
                std::rotate(m_recent.begin(), m_recent.begin() + static_cast<std::ptrdiff_t>(k),
                            m_recent.begin() + static_cast<std::ptrdiff_t>(k) + 1);
                return fill(statement, *m_recent.front());
            }
        }
        if (!shapeOf(statement))
            return std::nullopt;
        const auto found = m_entries.constFind(m_shape);
        if (found == m_entries.cend())
            return std::nullopt;
        remember(*found);
        return fill(statement, **found);
    }

    // Keeps the rewrite of the statement whose shape find() has just taken.
    void keep(const QString& statement, const AdaptedStatement& adapted, std::vector<Slot> places) {
        if (!shapeOf(statement) || places.size() != m_literals.size())
            return;
        if (m_entries.size() >= Capacity) {
            m_entries.clear();
            m_recent.fill(nullptr);
        }
        auto entry = std::make_shared<Entry>();
        entry->sql = adapted.sql;
        entry->places = std::move(places);
        entry->selectFrom = adapted.selectFrom;
        const char16_t* shape = reinterpret_cast<const char16_t*>(m_shape.constData());
        for (qsizetype i = 0; i < m_shape.size();) {
            if (isMark(shape[i])) {
                entry->pieces.push_back({i, 1, shape[i]});
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            while (end < m_shape.size() && !isMark(shape[end]))
                ++end;
            entry->pieces.push_back({i, end - i, 0});
            i = end;
        }
        entry->shape = m_shape;
        entry->shape.detach(); // m_shape's buffer is written again
        m_entries.insert(entry->shape, entry);
        remember(entry);
    }

private:
    static constexpr qsizetype Capacity = 512;

    struct Literal {
        qsizetype start;
        qsizetype end;
    };
    // A run of the shape's text, or one mark (a literal of the mark's kind).
    struct Piece {
        qsizetype at;
        qsizetype length;
        char16_t mark; // 0 for a run of text
    };
    struct Entry {
        QString sql;
        std::vector<Slot> places;
        qsizetype selectFrom;
        QString shape;
        std::vector<Piece> pieces;
    };

    static bool isMark(char16_t c) { return c >= MarkFirst && c <= MarkLast; }

    void remember(const std::shared_ptr<const Entry>& entry) {
        std::move_backward(m_recent.begin(), m_recent.end() - 1, m_recent.end());
        m_recent.front() = entry;
    }

    // The mark of the literal at the start of `text` (one lexeme), 0 for a
    // lexeme that is no literal; nullopt for a statement the cache does not
    // take.
    static std::optional<char16_t> markOf(const Lexeme& lexeme, QStringView text) {
        switch (lexeme.token) {
        case Token::Quoted:
            if (lexeme.unterminated)
                return std::nullopt;
            return text.front() == QLatin1Char('\'') ? MarkSingle.unicode() : MarkDouble.unicode();
        case Token::Date:
            if (lexeme.unterminated || !isoDateOf(text.mid(1, text.size() - 2)))
                return std::nullopt;
            return MarkDate.unicode();
        case Token::Number:
            return lexeme.integer && integerOf(text) ? MarkInteger.unicode() : MarkNumber.unicode();
        default:
            return char16_t(0);
        }
    }

    // Whether the statement has the entry's shape, its literals then in
    // m_literals. The runs of text between literals are compared as they
    // are: the lexer reads them as it read the statement the shape came
    // from, since a lexeme of a run ends before the literal that follows,
    // which starts as every literal of its kind does.
    bool matches(const QString& s, const Entry& entry) {
        m_literals.clear();
        const qsizetype n = s.size();
        const QStringView view(s);
        const QStringView shape(entry.shape);
        qsizetype i = 0;
        for (const Piece& piece : entry.pieces) {
            if (piece.mark == 0) {
                if (n - i < piece.length ||
                    view.mid(i, piece.length) != shape.mid(piece.at, piece.length))
                    return false;
                i += piece.length;
                continue;
            }
            if (i >= n)
                return false;
            const Lexeme lexeme = lexAt(s, i);
            const std::optional<char16_t> mark = markOf(lexeme, view.mid(i, lexeme.end - i));
            if (!mark || *mark != piece.mark)
                return false;
            m_literals.push_back({i, lexeme.end});
            i = lexeme.end;
        }
        return i == n;
    }

    // Reads the statement's shape and literals into m_shape and m_literals;
    // false for a statement the cache does not take (an unterminated text,
    // a date that is no date, or marks of its own outside literals).
    bool shapeOf(const QString& s) {
        m_literals.clear();
        // Each literal takes at least one character and leaves one mark, so
        // the shape is never longer than the statement: it is written in
        // place into a buffer of that size, kept from one statement to the
        // next.
        const qsizetype n = s.size();
        m_shape.resize(n);
        char16_t* const begin = reinterpret_cast<char16_t*>(m_shape.data());
        char16_t* out = begin;
        const char16_t* const in = reinterpret_cast<const char16_t*>(s.constData());
        const QStringView view(s);
        for (qsizetype i = 0; i < n;) {
            const char16_t c = in[i];
            // Blanks and operators, and words of ASCII letters, go to the
            // shape as they are: they hold no literal, nor a character that
            // could pass for a mark.
            if (c < 0x80 && kPlainCharacter[c]) {
                *out++ = c;
                ++i;
                continue;
            }
            if (c < 0x80 && isIdentifierStart(QChar(c))) {
                qsizetype end = i + 1;
                while (end < n && isIdentifierChar(QChar(in[end]))) {
                    if (in[end] >= MarkFirst && in[end] <= MarkLast)
                        return false;
                    ++end;
                }
                out = std::copy(in + i, in + end, out);
                i = end;
                continue;
            }
            const Lexeme lexeme = lexAt(s, i);
            const QStringView text = view.mid(i, lexeme.end - i);
            const std::optional<char16_t> mark = markOf(lexeme, text);
            if (!mark)
                return false;
            if (*mark != 0) {
                *out++ = *mark;
                m_literals.push_back({i, lexeme.end});
            } else {
                for (QChar ch : text)
                    if (isMark(ch.unicode()))
                        return false;
                out = std::copy(in + i, in + lexeme.end, out);
            }
            i = lexeme.end;
        }
        m_shape.resize(out - begin);
        return true;
    }

    AdaptedStatement fill(const QString& s, const Entry& entry) const {
        AdaptedStatement out;
        out.selectFrom = entry.selectFrom;
        out.parameters.reserve(entry.places.size());
        bool kept = false;
        for (const Slot& slot : entry.places)
            kept = kept || !slot.parameter;
        if (kept)
            out.sql.reserve(entry.sql.size() + 16);
        else
            out.sql = entry.sql; // shared, not copied
        qsizetype from = 0;
        const QStringView view(s);
        for (std::size_t k = 0; k < entry.places.size(); ++k) {
            const Slot& slot = entry.places[k];
            const QStringView text =
                view.mid(m_literals[k].start, m_literals[k].end - m_literals[k].start);
            const QChar first = text.front();
            if (slot.parameter) {
                if (first == QLatin1Char('\'') || first == QLatin1Char('"'))
                    out.parameters.emplace_back(unquoted(text));
                else if (first == QLatin1Char('#'))
                    out.parameters.emplace_back(*isoDateOf(text.mid(1, text.size() - 2)));
                else
                    out.parameters.emplace_back(*integerOf(text));
            }
            if (!kept)
                continue;
            out.sql += QStringView(entry.sql).mid(from, slot.at - from);
            const qsizetype before = out.sql.size();
            if (slot.parameter)
                out.sql += QLatin1Char('?');
            else if (first == QLatin1Char('"'))
                out.sql += sqlQuoted(unquoted(text));
            else if (first == QLatin1Char('#'))
                out.sql += sqlQuoted(*isoDateOf(text.mid(1, text.size() - 2)));
            else
                out.sql += text;
            if (entry.selectFrom > slot.at)
                out.selectFrom += (out.sql.size() - before) - slot.length;
            from = slot.at + slot.length;
        }
        if (kept)
            out.sql += QStringView(entry.sql).mid(from);
        return out;
    }

    // The ASCII characters that always stand alone as a lexeme of their own
    // (see lexAt): anything but quotes, brackets, the starts of comments,
    // dates, numbers, words and @@IDENTITY.
    static constexpr auto kPlainCharacter = [] {
        std::array<bool, 0x80> plain{};
        for (char16_t c = 0; c < 0x80; ++c)
            plain[c] = !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         (c >= '0' && c <= '9') || c == '_' || c == '\'' || c == '"' || c == '[' ||
                         c == '`' || c == '-' || c == '/' || c == '#' || c == '.' || c == '@');
        return plain;
    }();

    // Marks of the literals' kinds, from the private-use area.
    static constexpr char16_t MarkFirst = 0xE000;
    static constexpr char16_t MarkLast = 0xE004;
    static constexpr QChar MarkSingle{char16_t(0xE000)};
    static constexpr QChar MarkDouble{char16_t(0xE001)};
    static constexpr QChar MarkDate{char16_t(0xE002)};
    static constexpr QChar MarkInteger{char16_t(0xE003)};
    static constexpr QChar MarkNumber{char16_t(0xE004)};

    QHash<QString, std::shared_ptr<const Entry>> m_entries;
    std::array<std::shared_ptr<const Entry>, 8> m_recent; // the last used first
    QString m_shape;
    std::vector<Literal> m_literals;
};

ShapeCache& shapeCache() {
    // Per thread: each connection is used by the thread that opened it.
    thread_local ShapeCache cache;
    return cache;
}

} // namespace

AdaptedStatement adapt(const QString& statement) {
    ShapeCache& cache = shapeCache();
    if (std::optional<AdaptedStatement> known = cache.find(statement))
        return std::move(*known);
    std::vector<Slot> places;
    AdaptedStatement adapted = rewrite(statement, &places);
    cache.keep(statement, adapted, std::move(places));
    return adapted;
}

AdaptedStatement adaptWithoutCache(const QString& statement) {
    return rewrite(statement, nullptr);
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

// The case-folded code points of UTF-8 text, into `out`; false, leaving it
// to folded(), for text that is not well-formed UTF-8 or that holds
// combining accents (which folded() composes first).
bool foldedUtf8(const unsigned char* p, int n, std::u32string& out) {
    out.clear();
    const auto continuation = [&](int k) { return k < n && (p[k] & 0xC0) == 0x80; };
    for (int i = 0; i < n;) {
        char32_t c = p[i];
        if (c < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            ++i;
            continue;
        }
        int length = 0;
        if ((c & 0xE0) == 0xC0 && continuation(i + 1)) {
            c = ((c & 0x1F) << 6) | (p[i + 1] & 0x3F);
            length = 2;
        } else if ((c & 0xF0) == 0xE0 && continuation(i + 1) && continuation(i + 2)) {
            c = ((c & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F);
            length = 3;
        } else if ((c & 0xF8) == 0xF0 && continuation(i + 1) && continuation(i + 2) &&
                   continuation(i + 3)) {
            c = ((c & 0x07) << 18) | ((p[i + 1] & 0x3F) << 12) | ((p[i + 2] & 0x3F) << 6) |
                (p[i + 3] & 0x3F);
            length = 4;
        }
        if (length == 0 || (c >= 0x300 && c <= 0x36F) || (length == 2 && c < 0x80) ||
            (length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
            (length == 4 && (c < 0x10000 || c > 0x10FFFF)))
            return false;
        out.push_back(QChar::toCaseFolded(c));
        i += length;
    }
    return true;
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
    // Every row's text is folded into the same buffer; only a text with
    // combining accents, or one that is not UTF-8, takes the careful way.
    thread_local std::u32string buffer;
    const auto* bytes = sqlite3_value_text(argv[1]);
    const int size = sqlite3_value_bytes(argv[1]);
    if (!foldedUtf8(bytes, size, buffer))
        buffer = folded(valueText(argv[1]));
    if (pattern) {
        sqlite3_result_int(ctx, matchFolded(*pattern, buffer, escape) ? 1 : 0);
    } else {
        sqlite3_result_int(ctx, matchFolded(folded(valueText(argv[0])), buffer, escape) ? 1 : 0);
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
