// Reading dates day first and writing them as SQL literals per dialect.
#include "dbroutines/DateLiterals.h"

#include "routines/clsString.h"

#include <QLocale>
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

QString formatDate(const QDateTime& dt, const QString& pattern) {
    static const QLocale greek(QLocale::Greek, QLocale::Greece);
    const QDate date = dt.date();
    const QTime time = dt.time();
    const auto number = [](int value, qsizetype width) {
        return QStringLiteral("%1").arg(value, width >= 2 ? 2 : 1, 10, QLatin1Char('0'));
    };
    // The next pattern letter (of those that mean something) after position i.
    const auto nextLetter = [&pattern](qsizetype i) -> QChar {
        for (; i < pattern.size(); ++i) {
            const QChar c = pattern[i].toLower();
            if (QStringLiteral("dmyhns").contains(c))
                return c;
        }
        return {};
    };
    QString out;
    QChar lastLetter;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i].toLower();
        if (!QStringLiteral("dmyhns").contains(c)) {
            out += pattern[i];
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == c)
            ++run;
        const char letter = c.toLatin1();
        switch (letter) {
        case 'd':
            out += run <= 2   ? number(date.day(), run)
                   : run == 3 ? greek.dayName(date.dayOfWeek(), QLocale::ShortFormat)
                              : greek.dayName(date.dayOfWeek(), QLocale::LongFormat);
            break;
        case 'm':
            if (run <= 2 && (lastLetter == u'h' || nextLetter(i + run) == u's'))
                out += number(time.minute(), run);
            else
                out += run <= 2   ? number(date.month(), run)
                       : run == 3 ? greek.monthName(date.month(), QLocale::ShortFormat)
                                  : greek.monthName(date.month(), QLocale::LongFormat);
            break;
        case 'y':
            out += run == 1   ? QString::number(date.dayOfYear())
                   : run == 2 ? number(date.year() % 100, 2)
                              : QString::number(date.year());
            break;
        case 'h':
            out += number(time.hour(), run);
            break;
        case 'n':
            out += number(time.minute(), run);
            break;
        default: // 's'
            out += number(time.second(), run);
            break;
        }
        lastLetter = c;
        i += run;
    }
    return out;
}

} // namespace dvDBrtns4
