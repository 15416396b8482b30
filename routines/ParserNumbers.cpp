// Decimal numbers written with a point, whatever the locale, and the
// host's rounding.
#include "routines/ParserNumbers.h"

#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace dvRtns4::parserdetail {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Length of the number at `from`: sign, digits, point, digits, exponent.
qsizetype numberLength(const QString& t, qsizetype from) {
    qsizetype i = from;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < t.size() && isAsciiDigit(t.at(i)))
        ++i, ++digits;
    if (i < t.size() && t.at(i) == u'.') {
        ++i;
        while (i < t.size() && isAsciiDigit(t.at(i)))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < t.size() && (t.at(i) == u'e' || t.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t.at(j) == u'+' || t.at(j) == u'-'))
            ++j;
        if (j < t.size() && isAsciiDigit(t.at(j))) {
            while (j < t.size() && isAsciiDigit(t.at(j)))
                ++j;
            i = j;
        }
    }
    return i - from;
}

double toDouble(const QString& t, qsizetype from, qsizetype length) {
    const QByteArray ascii = t.mid(from, length).toLatin1();
    return std::strtod(ascii.constData(), nullptr);
}

qint64 roundHalfEven(double value, double low, double high) {
    if (!std::isfinite(value))
        throw RoutineError::overflow();
    const double r = std::nearbyint(value); // the default rounding mode: half to even
    if (r < low || r > high)
        throw RoutineError::overflow();
    return static_cast<qint64>(r);
}

} // namespace

std::optional<double> parseNumber(const QString& text) {
    const QString t = trimSpaces(text);
    const qsizetype length = numberLength(t, 0);
    if (length == 0 || length != t.size())
        return std::nullopt;
    const double value = toDouble(t, 0, length);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double leadingNumber(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && (text.at(start) == u' ' || text.at(start) == u'\t'))
        ++start;
    const qsizetype length = numberLength(text, start);
    if (length == 0)
        return 0;
    const double value = toDouble(text, start, length);
    return std::isfinite(value) ? value : 0;
}

qint32 roundToInt32(double value) {
    return static_cast<qint32>(roundHalfEven(value, std::numeric_limits<qint32>::min(),
                                             std::numeric_limits<qint32>::max()));
}

qint16 roundToInt16(double value) {
    return static_cast<qint16>(roundHalfEven(value, std::numeric_limits<qint16>::min(),
                                             std::numeric_limits<qint16>::max()));
}

} // namespace dvRtns4::parserdetail
