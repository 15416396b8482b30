// The inline style of one element. Setting a property replaces that property
// and keeps the others the element's style attribute holds; the view shows
// the change at once (or at the end of an HtmlDocument::UpdateBatch).
// Property names are taken in script form ("fontFamily") or in style sheet
// form ("font-family"); values are stored as given ("22" stays "22").
#pragma once

#include "platform/pageview/HtmlElement.h"

#include <QString>

namespace lexora::pages {

class HtmlStyle {
public:
    // Throws PageError for a malformed name or a value that would break out
    // of its declaration (";", "{", "}" or a control character). An empty
    // value removes the property.
    void set(const QString& name, const QString& value);
    void set(const QString& name, int value) { set(name, QString::number(value)); }

    QString get(const QString& name) const;

    // The whole style attribute as the model holds it.
    QString cssText() const;

private:
    friend class HtmlElement;
    explicit HtmlStyle(HtmlElement element) : m_element(std::move(element)) {}
    HtmlElement m_element;
};

} // namespace lexora::pages
