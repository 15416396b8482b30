// Reading dates day first and writing them as SQL literals per dialect.
#include "DateLiterals.h"

#include "clsString.h"

#include <QRegularExpression>

namespace dvDBrtns4 {

namespace {

// The text with apostrophes doubled, for use inside an SQL string literal.
QString insideQuotes(QString text) {
    return text.replace(u'\'', QStringLiteral("''"));
}

int fullYear(const QString& digits) {
    const int y = digits.toInt();
    if (digits.size() > 2)
        return y;
    // Two-digit years: 00-29 in this century, 30-99 in the last.
    return y < 30 ? 2000 + y : 1900 + y;
}

} // namespace

std::optional<QDateTime> readRegionalDate(const QString& text) {
    static const QRegularExpression dayFirst(QStringLiteral(
        R"(^ *(\d{1,2})([/.-])(\d{1,2})\2(\d{4}|\d{2})(?: +(\d{1,2}):(\d{2})(?::(\d{2}))?)? *$)"));
    static const QRegularExpression yearFirst(QStringLiteral(
        R"(^ *(\d{4})([/.-])(\d{1,2})\2(\d{1,2})(?: +(\d{1,2}):(\d{2})(?::(\d{2}))?)? *$)"));

    int day = 0;
    int month = 0;
    int year = 0;
    QRegularExpressionMatch m = dayFirst.match(text);
    if (m.hasMatch()) {
        day = m.captured(1).toInt();
        month = m.captured(3).toInt();
        year = fullYear(m.captured(4));
    } else {
        m = yearFirst.match(text);
        if (!m.hasMatch())
            return std::nullopt;
        year = m.captured(1).toInt();
        month = m.captured(3).toInt();
        day = m.captured(4).toInt();
    }
    const QDate date(year, month, day);
    const QTime time(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC); // a wall-clock value: no daylight-saving gaps
}

QString dateLiteral(enum_DBtype type, const QString& value, const QString& pattern) {
    if (type == db_Oracle)
        return QStringLiteral("TO_DATE('") + insideQuotes(value) + QStringLiteral("','") +
               insideQuotes(pattern) + QStringLiteral("')");

    const std::optional<QDateTime> date = readRegionalDate(value);
    switch (type) {
    case db_SQLServer: {
        const QString text =
            date ? date->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : insideQuotes(value);
        return QStringLiteral("CONVERT(datetime,'") + text + QStringLiteral("',120)");
    }
    case db_Access:
        if (date)
            return u'#' + date->toString(QStringLiteral("dd/MM/yyyy")) + u'#';
        break;
    default:
        if (date)
            return value;
        break;
    }
    // Not a date: a text literal, so that it cannot end the SQL piece it sits in.
    return dvRtns4::clsString::FixQuotes(value);
}

} // namespace dvDBrtns4
