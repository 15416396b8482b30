// A list of elements in document order, as HtmlDocument::All() gives them;
// tags() narrows it to one tag name, compared without regard to case. The
// list is taken when it is made: later changes to the document do not alter it.
#pragma once

#include "platform/pageview/HtmlElement.h"

#include <QString>

#include <vector>

namespace lexora::pages {

class HtmlElementCollection {
public:
    HtmlElementCollection() = default;
    explicit HtmlElementCollection(std::vector<HtmlElement> elements)
        : m_elements(std::move(elements)) {}

    int Length() const { return static_cast<int>(m_elements.size()); }
    // Throws PageError for an index outside 0 to Length() - 1.
    HtmlElement item(int index) const;
    HtmlElementCollection tags(const QString& name) const;

    auto begin() const { return m_elements.begin(); }
    auto end() const { return m_elements.end(); }

private:
    std::vector<HtmlElement> m_elements;
};

} // namespace lexora::pages
