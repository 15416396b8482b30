// A small scanner of SQL texts for the fuzz checks: it only has to find
// where literals, identifiers and comments begin and end.
#include "fuzz/SqlLiterals.h"

namespace fuzzing {

std::vector<SqlToken> literalsOf(const QString& sql, Dialect dialect) {
    std::vector<SqlToken> found;
    const qsizetype n = sql.size();
    const auto skipTo = [&](qsizetype from, const QString& close) {
        const qsizetype end = sql.indexOf(close, from);
        return end < 0 ? n : end + close.size();
    };
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == u'\'' || (dialect == Dialect::Jet && c == u'"')) {
            SqlToken literal;
            qsizetype j = i + 1;
            for (; j < n; ++j) {
                if (sql[j] != c) {
                    literal.text += sql[j];
                } else if (j + 1 < n && sql[j + 1] == c) {
                    literal.text += c;
                    ++j;
                } else {
                    break;
                }
            }
            if (j >= n)
                return found; // unterminated
            found.push_back(literal);
            i = j + 1;
        } else if (c == u'"' || c == u'`') {
            i = skipTo(i + 1, QString(c));
        } else if (c == u'[') {
            i = skipTo(i + 1, QStringLiteral("]"));
        } else if (dialect == Dialect::Jet && c == u'#') {
            i = skipTo(i + 1, QStringLiteral("#"));
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            i = skipTo(i, QStringLiteral("\n"));
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            i = skipTo(i + 2, QStringLiteral("*/"));
        } else {
            if (c == u'?')
                found.push_back({true, {}});
            ++i;
        }
    }
    return found;
}

} // namespace fuzzing
