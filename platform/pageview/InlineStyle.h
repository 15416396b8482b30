// The declarations of an element's inline style attribute as an ordered list
// of name and value pairs: parsed from the attribute's text, changed one
// property at a time, written back as text. Declarations that cannot be read
// as "name: value" are kept verbatim so that nothing the author wrote is lost.
#pragma once

#include <QString>

#include <vector>

namespace lexora::pages {

// The style sheet name of a property given in either script form
// ("backgroundColor") or style sheet form ("background-color").
QString cssPropertyName(const QString& name);

class InlineStyle {
public:
    static InlineStyle parse(const QString& text);

    // The value of the last declaration of that property, empty when none.
    QString value(const QString& cssName) const;

    // Removes every declaration of the property and, for a non-empty value,
    // appends one. Appending (rather than replacing in place) lets the new
    // value win over a shorthand written earlier ("font", "margin").
    void set(const QString& cssName, const QString& value);

    bool isEmpty() const { return m_declarations.empty(); }
    QString toString() const;

private:
    struct Declaration {
        QString name; // empty for a piece kept verbatim
        QString value;
    };
    std::vector<Declaration> m_declarations;
};

} // namespace lexora::pages
