// The string helpers of clsString.
#include "routines/clsString.h"

#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"

#include <limits>

namespace dvRtns4 {

namespace {

// n copies of the first character of sChar.
QString repeatedChar(qint16 n, const QString& sChar) {
    if (n < 0 || sChar.isEmpty())
        throw RoutineError::invalidArgument();
    return QString(n, sChar.at(0));
}

} // namespace

QString clsString::DelStrRight(const QString& s, qint16 NoOfChars) {
    if (s.isEmpty() || NoOfChars >= s.size())
        return s;
    if (NoOfChars <= 0)
        return s;
    return s.left(s.size() - NoOfChars);
}

QString clsString::DelStrLeft(const QString& s, qint16 NoOfChars) {
    if (s.isEmpty())
        return {};
    const qsizetype n = s.size() - NoOfChars;
    if (n <= 0)
        return {};
    return s.right(n); // a negative NoOfChars keeps the whole text
}

QString clsString::ReplaceCharInStr(const QString& InS, const QString& FromChar,
                                    const QString& ToChar) {
    if (InS.isEmpty())
        return {};
    if (FromChar.isEmpty())
        return InS;
    QString out = InS;
    return out.replace(FromChar, ToChar, Qt::CaseInsensitive);
}

qint16 clsString::InstrR(const QString& Str1, const QString& Str2) {
    if (Str1.isEmpty())
        return 0;
    // An empty text is found at every position, the last being the last character.
    const qsizetype pos = Str2.isEmpty() ? Str1.size() : Str1.lastIndexOf(Str2) + 1;
    if (pos > std::numeric_limits<qint16>::max())
        throw RoutineError::overflow();
    return static_cast<qint16>(pos);
}

QString clsString::PadR(const QString& str, qint16 FinalLen, const QString& sChar) {
    const QString padding = repeatedChar(FinalLen, sChar);
    return (trimSpaces(str) + padding).left(FinalLen);
}

QString clsString::PadL(const QString& str, qint16 FinalLen, const QString& sChar) {
    const QString padding = repeatedChar(FinalLen, sChar);
    return (padding + trimSpaces(str)).right(FinalLen);
}

QString clsString::FixQuotes(const Variant& pString) {
    if (pString.isMissing())
        return QStringLiteral("''");
    const QString text = pString.toString();
    if (text.isEmpty())
        return QStringLiteral("''");
    // Written in one allocation: statements quote a value or two each, and
    // some are sent thousands of times.
    QString literal(text.size() + text.count(u'\'') + 2, Qt::Uninitialized);
    QChar* out = literal.data();
    *out++ = u'\'';
    for (const QChar c : text) {
        *out++ = c;
        if (c == u'\'')
            *out++ = c;
    }
    *out = u'\'';
    return literal;
}

QString clsString::Append2Str(const QString& strMain, const QString& strToAdd,
                              const QString& delimiter) {
    const QString main = trimSpaces(strMain);
    if (main.isEmpty())
        return strToAdd;
    // Membership is always judged on comma-separated items.
    const QString list = u',' + main + u',';
    if (list.contains(u',' + strToAdd + u','))
        return main;
    if (main.right(1) == delimiter)
        return main + strToAdd;
    return main + delimiter + strToAdd;
}

QString clsString::StrLeft(const QString& s, const QString& delimiter) {
    if (s.isEmpty())
        return {};
    const qsizetype p = s.indexOf(delimiter);
    if (p < 0)
        return {};
    return trimSpaces(s.left(p));
}

QString clsString::UCaseGreek(const QString& str) {
    static constexpr struct {
        char16_t from;
        char16_t to;
    } replacements[] = {
        {u'\u0388', u'\u0395'}, // Έ -> Ε
        {u'\u038C', u'\u039F'}, // Ό -> Ο
        {u'\u0389', u'\u0397'}, // Ή -> Η
        {u'\u0386', u'\u0391'}, // Ά -> Α
        {u'\u038A', u'\u0399'}, // Ί -> Ι
        {u'\u038E', u'\u03A5'}, // Ύ -> Υ
        {u'\u038F', u'\u03A9'}, // Ώ -> Ω
        {u'\u03AA', u'\u0399'}, // Ϊ -> Ι
        {u'\u03AB', u'\u03A5'}, // Ϋ -> Υ
        {u'\u03C2', u'\u03A3'}, // ς -> Σ
    };
    QString out = upperCase(str);
    for (const auto& r : replacements)
        out.replace(QChar(r.from), QChar(r.to));
    return out;
}

} // namespace dvRtns4
