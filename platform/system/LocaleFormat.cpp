// Date and time pattern reading: the pattern is cut into fields (runs of one
// letter) and literal text (other characters and quoted text).
#include "platform/system/LocaleFormat.h"

#include <vector>

namespace lexora::platform {

namespace {

struct Piece {
    bool field = false;
    QChar letter;        // fields only
    qsizetype count = 0; // fields only: how many times the letter repeats
    QString text;        // literal text
};

std::vector<Piece> piecesOf(const QString& pattern) {
    std::vector<Piece> pieces;
    auto literal = [&pieces](const QString& text) {
        if (pieces.empty() || pieces.back().field)
            pieces.push_back(Piece{});
        pieces.back().text += text;
    };
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'')) {
            if (i + 1 < pattern.size() && pattern.at(i + 1) == QLatin1Char('\'')) {
                literal(QStringLiteral("'")); // two quotes outside a quoted text
                i += 2;
                continue;
            }
            // Quoted literal, up to the closing quote; two quotes inside stand for one.
            QString text;
            ++i;
            while (i < pattern.size()) {
                if (pattern.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < pattern.size() && pattern.at(i + 1) == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += pattern.at(i++);
            }
            literal(text);
        } else if (c.isLetter()) {
            qsizetype j = i;
            while (j < pattern.size() && pattern.at(j) == c)
                ++j;
            pieces.push_back(Piece{true, c, j - i, {}});
            i = j;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    return pieces;
}

qsizetype firstField(const std::vector<Piece>& pieces, QChar letter, qsizetype maxCount) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].field && pieces[i].letter == letter && pieces[i].count <= maxCount)
            return static_cast<qsizetype>(i);
    }
    return -1;
}

} // namespace

QString dateOrderOf(const QString& pattern) {
    const auto pieces = piecesOf(pattern);
    const qsizetype day = firstField(pieces, QLatin1Char('d'), 2);
    const qsizetype month = firstField(pieces, QLatin1Char('M'), 4);
    const qsizetype year = firstField(pieces, QLatin1Char('y'), 4);
    if (day < 0 || month < 0 || year < 0)
        return {};
    if (month < day && day < year)
        return QStringLiteral("0");
    if (day < month && month < year)
        return QStringLiteral("1");
    if (year < month && month < day)
        return QStringLiteral("2");
    return {};
}

QString separatorAfter(const QString& pattern, const QString& fieldLetters) {
    const auto pieces = piecesOf(pattern);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].field || !fieldLetters.contains(pieces[i].letter))
            continue;
        // Only text that leads to another field separates.
        if (i + 2 < pieces.size() && !pieces[i + 1].field)
            return pieces[i + 1].text;
        return {};
    }
    return {};
}

QString clockOf(const QString& timePattern) {
    const auto pieces = piecesOf(timePattern);
    bool hour = false;
    bool marker = false;
    for (const Piece& piece : pieces) {
        if (!piece.field)
            continue;
        if (piece.letter == QLatin1Char('H') || piece.letter == QLatin1Char('h'))
            hour = true;
        if (piece.letter == QLatin1Char('a') || piece.letter == QLatin1Char('A'))
            marker = true;
    }
    if (!hour)
        return {};
    return marker ? QStringLiteral("0") : QStringLiteral("1");
}

} // namespace lexora::platform
