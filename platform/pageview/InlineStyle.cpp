// Parsing and writing of inline style declarations.
#include "platform/pageview/InlineStyle.h"

#include <QStringList>

namespace lexora::pages {

QString cssPropertyName(const QString& name) {
    QString css;
    css.reserve(name.size() + 4);
    for (const QChar c : name) {
        if (c.isUpper()) {
            css += u'-';
            css += c.toLower();
        } else {
            css += c;
        }
    }
    return css.trimmed().toLower();
}

namespace {

// Splits at ";" outside quotes and parentheses ("url(a;b)", "'A;B'").
QStringList splitDeclarations(const QString& text) {
    QStringList pieces;
    QString current;
    QChar quote;
    int depth = 0;
    for (const QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')' && depth > 0) {
            --depth;
        } else if (c == u';' && depth == 0) {
            pieces << current;
            current.clear();
            continue;
        }
        current += c;
    }
    pieces << current;
    return pieces;
}

} // namespace

InlineStyle InlineStyle::parse(const QString& text) {
    InlineStyle style;
    for (const QString& piece : splitDeclarations(text)) {
        const QString trimmed = piece.trimmed();
        if (trimmed.isEmpty())
            continue;
        const qsizetype colon = trimmed.indexOf(u':');
        if (colon <= 0) {
            style.m_declarations.push_back({QString(), trimmed});
            continue;
        }
        style.m_declarations.push_back(
            {trimmed.left(colon).trimmed().toLower(), trimmed.mid(colon + 1).trimmed()});
    }
    return style;
}

QString InlineStyle::value(const QString& cssName) const {
    for (auto it = m_declarations.rbegin(); it != m_declarations.rend(); ++it) {
        if (it->name == cssName)
            return it->value;
    }
    return {};
}

void InlineStyle::set(const QString& cssName, const QString& value) {
    std::erase_if(m_declarations, [&](const Declaration& d) { return d.name == cssName; });
    if (!value.isEmpty())
        m_declarations.push_back({cssName, value});
}

QString InlineStyle::toString() const {
    QStringList parts;
    for (const Declaration& d : m_declarations)
        parts << (d.name.isEmpty() ? d.value : d.name + QStringLiteral(": ") + d.value);
    return parts.join(QStringLiteral("; "));
}

} // namespace lexora::pages
