// Key lookups, decoding and encoding of definition texts.
#include "routines/clsParserUtil.h"

#include "routines/ParserNumbers.h"
#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"

namespace dvRtns4 {

namespace {

struct Escape {
    char16_t character;
    char16_t code;
};
// In the order they are coded.
constexpr Escape kEscapes[] = {{u',', 1}, {u'=', 2}, {u'$', 4}, {u'{', 5}, {u'}', 6}};

} // namespace

QString clsParserUtil::GetValueForKey(const QString& Def, const QString& key) {
    const QString marker = u'_' + key + QStringLiteral("_=");
    const qsizetype found = Def.indexOf(marker, 0, Qt::CaseInsensitive);
    if (found < 0)
        return {};
    const qsizetype start = found + marker.size();
    qsizetype end = Def.indexOf(u',', start);
    if (end < 0)
        end = Def.size();
    return trimSpaces(Def.mid(start, end - start));
}

QString clsParserUtil::GetKeyStr(const QString& Def, const QString& key,
                                 const QString& DefaultVal) {
    const QString raw = GetValueForKey(Def, key);
    return raw.isEmpty() ? DefaultVal : Parser_DecodeStr(raw);
}

qint32 clsParserUtil::GetKeyLong(const QString& Def, const QString& key, qint32 DefaultVal) {
    QString value = GetValueForKey(Def, key);
    if (!value.isEmpty())
        value = Parser_DecodeStr(value);
    if (value.isEmpty())
        return DefaultVal;
    const std::optional<double> number = parserdetail::parseNumber(value);
    if (!number)
        throw RoutineError(13, QStringLiteral("Type mismatch"));
    return parserdetail::roundToInt32(*number);
}

void clsParserUtil::TranslateStr(const QString& s, float& sVal, QString& sSymbol) {
    const QString t = trimSpaces(s);
    sVal = 0;
    sSymbol.clear();
    if (t.isEmpty())
        return;
    qsizetype unit = 0;
    while (unit < t.size() && ((t.at(unit) >= u'0' && t.at(unit) <= u'9') || t.at(unit) == u'.'))
        ++unit;
    sVal = static_cast<float>(parserdetail::leadingNumber(t.left(unit)));
    if (unit < t.size())
        sSymbol = upperCase(t.mid(unit));
}

void clsParserUtil::Parser_EncodeDefinition(QString& Def) {
    Def = trimSpaces(Def);
    if (Def.isEmpty())
        return;
    for (const Escape& e : kEscapes)
        Def.replace(QString(u'\\') + QChar(e.character), QString(QChar(e.code)));
}

QString clsParserUtil::Parser_EncodeStr(const QString& s) {
    if (s.isEmpty())
        return QStringLiteral("\"\"");
    QString out = trimSpaces(s);
    for (const Escape& e : kEscapes)
        out.replace(QChar(e.character), QString(u'\\') + QChar(e.character));
    return u'"' + out + u'"';
}

QString clsParserUtil::Parser_DecodeStr(const QString& s) {
    if (s.isEmpty())
        return {};
    QString out = trimSpaces(s);
    for (const Escape& e : kEscapes)
        out.replace(QChar(e.code), QChar(e.character));
    // A lone quote is kept: it encloses nothing.
    if (out.size() >= 2 && out.startsWith(u'"') && out.endsWith(u'"'))
        out = out.mid(1, out.size() - 2);
    return out;
}

bool clsParserUtil::GetBool(QString& s) {
    const bool value = s.startsWith(u'T') || s.startsWith(u't');
    s = s.size() < 2 ? QString() : s.mid(1);
    return value;
}

} // namespace dvRtns4
