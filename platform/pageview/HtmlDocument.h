// The document a page viewer holds: an HTML document object model read with
// libxml2's lax HTML parser. A handle: copies share one document. Changes made
// through the document's elements are shown by the viewer at once; a batch
// gathers many changes into one refresh of the view.
#pragma once

#include "platform/pageview/HtmlElement.h"
#include "platform/pageview/HtmlElementCollection.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace lexora::pages {

class HtmlDocument {
public:
    // An empty document ("about:blank").
    static HtmlDocument blank(const QString& url = QStringLiteral("about:blank"));
    // A document read from a file's bytes (see markup::parseDocument for the
    // encoding rules).
    static HtmlDocument fromBytes(const QByteArray& bytes, const QString& url);

    QString url() const;
    HtmlElement body() const;
    // Every element of the document in document order.
    HtmlElementCollection All() const;
    // The whole document as markup.
    QString documentMarkup() const;
    // The markup the view renders (scripts left out).
    QString renderableMarkup() const;

    // Called with structural = true when markup was replaced, false when only
    // styles changed. The viewer that shows the document sets it.
    void setChangeObserver(std::function<void(bool structural)> observer);

    // While a batch lives, changes to the document are shown once, when the
    // outermost batch ends (also when it ends by an exception).
    class UpdateBatch {
    public:
        explicit UpdateBatch(const HtmlDocument& document);
        ~UpdateBatch();
        UpdateBatch(const UpdateBatch&) = delete;
        UpdateBatch& operator=(const UpdateBatch&) = delete;

    private:
        std::shared_ptr<detail::DocumentData> m_data;
    };

    bool isSameDocument(const HtmlDocument& other) const { return m_data == other.m_data; }

private:
    explicit HtmlDocument(std::shared_ptr<detail::DocumentData> data) : m_data(std::move(data)) {}
    std::shared_ptr<detail::DocumentData> m_data;
};

} // namespace lexora::pages
