// A handle on one element of a page viewer's document. Handles are cheap to
// copy and keep the document alive. An element handle stops being valid when
// the markup around its element is replaced (an innerHTML assignment or a new
// navigation); using it then throws PageError. The body handle that
// HtmlDocument::body() returns always means the document's current body.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

struct _xmlNode;

namespace lexora::pages {

namespace detail {
struct DocumentData;
}

class HtmlStyle;

class HtmlElement {
public:
    HtmlElement() = default;

    bool isNull() const { return !m_data; }

    // The tag name in lower case ("h1", "p").
    QString tagName() const;
    // An attribute's value; empty when the element has none.
    QString attribute(const QString& name) const;
    QString innerText() const;

    // The element's content as markup, and its replacement by a markup
    // fragment (lax markup is accepted); the view shows the change at once.
    QString innerHTML() const;
    void setInnerHTML(const QString& markup);

    // The element's inline style.
    HtmlStyle Style() const;

private:
    friend class HtmlDocument;
    friend class HtmlStyle;
    HtmlElement(std::shared_ptr<detail::DocumentData> data, _xmlNode* node);
    static HtmlElement bodyOf(std::shared_ptr<detail::DocumentData> data);

    _xmlNode* node() const; // throws PageError for a stale or null handle

    std::shared_ptr<detail::DocumentData> m_data;
    _xmlNode* m_node = nullptr; // null for the body handle
    std::uint64_t m_generation = 0;
    bool m_isBody = false;
};

} // namespace lexora::pages
