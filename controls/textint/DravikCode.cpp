// Reading typed numbers, formatting them with a mask and reading the
// formatted text back.
#include "controls/textint/DravikCode.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace Dravik {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// One section of a mask, split into what comes before the digit places, the
// digit places themselves and what follows them.
struct MaskSection {
    QString prefix;
    QString suffix;
    int integerRequired = 0; // "0" places before the point
    bool grouping = false;
    int decimalRequired = 0;
    int decimalOptional = 0;
    bool percent = false;
    bool hasDigits = false;
};

MaskSection parseSection(const QString& mask) {
    MaskSection section;
    bool inDigits = false;
    bool afterPoint = false;
    bool done = false;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        QString literal;
        if (c == QLatin1Char('\\') && i + 1 < mask.size()) {
            literal = mask.at(++i);
        } else if (c == QLatin1Char('"')) {
            const qsizetype end = mask.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? mask.size() : end;
            literal = mask.mid(i + 1, stop - i - 1);
            i = stop;
        } else if (!done && (c == QLatin1Char('0') || c == QLatin1Char('#'))) {
            inDigits = true;
            section.hasDigits = true;
            if (afterPoint) {
                (c == QLatin1Char('0') ? section.decimalRequired : section.decimalOptional) += 1;
            } else if (c == QLatin1Char('0')) {
                ++section.integerRequired;
            }
            continue;
        } else if (!done && c == QLatin1Char(',') && inDigits && !afterPoint) {
            section.grouping = true;
            continue;
        } else if (!done && c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            inDigits = true;
            section.hasDigits = true;
            continue;
        } else {
            if (c == QLatin1Char('%')) {
                section.percent = true;
            }
            literal = c;
        }
        if (inDigits) {
            done = true;
        }
        (done ? section.suffix : section.prefix) += literal;
    }
    return section;
}

QString formatSection(double magnitude, const MaskSection& section, bool negativeSign) {
    const QLocale locale;
    if (section.percent) {
        magnitude *= 100.0;
    }
    QString body;
    if (section.hasDigits) {
        const int decimals = section.decimalRequired + section.decimalOptional;
        // Halves round away from zero, as the mask language does.
        const double scale = std::pow(10.0, decimals);
        const double rounded = std::round(magnitude * scale) / scale;
        QString digits = QString::number(rounded, 'f', decimals);
        QString integer = digits.section(QLatin1Char('.'), 0, 0);
        QString fraction = decimals > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();
        while (fraction.size() > section.decimalRequired && fraction.endsWith(QLatin1Char('0'))) {
            fraction.chop(1);
        }
        if (integer == QLatin1String("0") && section.integerRequired == 0) {
            integer.clear();
        }
        while (integer.size() < section.integerRequired) {
            integer.prepend(QLatin1Char('0'));
        }
        if (section.grouping) {
            for (qsizetype at = integer.size() - 3; at > 0; at -= 3) {
                integer.insert(at, locale.groupSeparator());
            }
        }
        body = integer;
        if (!fraction.isEmpty()) {
            body += locale.decimalPoint() + fraction;
        }
        if (negativeSign && rounded == 0.0) {
            negativeSign = false; // no "-0"
        }
    }
    return (negativeSign ? QStringLiteral("-") : QString()) + section.prefix + body +
           section.suffix;
}

} // namespace

double NumericValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t'))) {
        ++i;
    }
    QString number;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        number += text.at(i++);
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDigit(c)) {
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
    }
    if (!digits) {
        return 0.0;
    }
    // An exponent counts only when digits follow it.
    if (i + 1 < text.size() && (text.at(i).toUpper() == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('+')) {
            exponent += text.at(j++);
        }
        const qsizetype first = j;
        while (j < text.size() && isDigit(text.at(j))) {
            exponent += text.at(j++);
        }
        if (j > first) {
            number += exponent;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        // Only an exponent far out of range gets here.
        return number.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::max()
                                                   : std::numeric_limits<double>::max();
    }
    return value;
}

QString GeneralNumber(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return locale.toString(static_cast<qlonglong>(value));
    }
    return locale.toString(value, 'g', 15);
}

QString FormatNumber(double value, const QString& mask) {
    if (mask.isEmpty()) {
        return GeneralNumber(value);
    }
    // Sections split at ";" outside quotes and escapes.
    QStringList sections;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == QLatin1Char('\\') && i + 1 < mask.size()) {
            current += c;
            current += mask.at(++i);
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        }
        if (c == QLatin1Char(';') && !quoted) {
            sections.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    sections.append(current);

    if (value == 0.0 && sections.size() >= 3 && !sections.at(2).isEmpty()) {
        return formatSection(0.0, parseSection(sections.at(2)), false);
    }
    if (value < 0.0 && sections.size() >= 2 && !sections.at(1).isEmpty()) {
        return formatSection(-value, parseSection(sections.at(1)), false);
    }
    return formatSection(std::fabs(value), parseSection(sections.at(0)), value < 0.0);
}

QString PlainNumberText(const QString& text) {
    qsizetype start = 0;
    while (start < text.size()) {
        const QChar c = text.at(start);
        if (isDigit(c) || c == QLatin1Char('.') || c == QLatin1Char('+') || c == QLatin1Char('-')) {
            break;
        }
        ++start;
    }
    const QString rest = text.mid(start);
    if (rest.isEmpty()) {
        return QStringLiteral("0");
    }
    const QLocale locale;
    QString number = rest;
    number.remove(locale.groupSeparator());
    number.replace(locale.decimalPoint(), QStringLiteral("."));
    bool ok = false;
    const double value = QLocale::c().toDouble(number.trimmed(), &ok);
    if (!ok) {
        return rest;
    }
    return GeneralNumber(value);
}

} // namespace Dravik
