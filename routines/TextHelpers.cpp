// Blank-only trimming and length-keeping upper-casing.
#include "routines/TextHelpers.h"

namespace dvRtns4 {

QString trimSpaces(const QString& s) {
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s.at(first) == u' ')
        ++first;
    while (last > first && s.at(last - 1) == u' ')
        --last;
    return s.mid(first, last - first);
}

QString upperCase(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            // A code point and its capital lie in the same plane, so the length holds.
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, s.at(i + 1)));
            out.append(QChar(QChar::highSurrogate(upper)));
            out.append(QChar(QChar::lowSurrogate(upper)));
            ++i;
        } else {
            out.append(c.toUpper()); // an unpaired surrogate stays as it is
        }
    }
    return out;
}

} // namespace dvRtns4
