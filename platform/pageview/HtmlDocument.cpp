// The document handle: creation, the body, the element list and batching.
#include "platform/pageview/HtmlDocument.h"

#include "platform/pageview/DocumentData.h"

#include <libxml/tree.h>

namespace lexora::pages {

namespace {

void collectElements(xmlNode* first, const std::shared_ptr<detail::DocumentData>& data,
                     std::vector<HtmlElement>& out, auto make) {
    for (xmlNode* n = first; n != nullptr; n = n->next) {
        if (n->type != XML_ELEMENT_NODE)
            continue;
        out.push_back(make(data, n));
        collectElements(n->children, data, out, make);
    }
}

std::shared_ptr<detail::DocumentData> makeData(markup::XmlDocPtr doc, const QString& url) {
    auto data = std::make_shared<detail::DocumentData>();
    data->doc = std::move(doc);
    data->url = url;
    return data;
}

} // namespace

HtmlDocument HtmlDocument::blank(const QString& url) {
    return HtmlDocument(makeData(markup::blankDocument(), url));
}

HtmlDocument HtmlDocument::fromBytes(const QByteArray& bytes, const QString& url) {
    return HtmlDocument(makeData(markup::parseDocument(bytes, url), url));
}

QString HtmlDocument::url() const {
    return m_data->url;
}

HtmlElement HtmlDocument::body() const {
    return HtmlElement::bodyOf(m_data);
}

HtmlElementCollection HtmlDocument::All() const {
    std::vector<HtmlElement> elements;
    collectElements(xmlDocGetRootElement(m_data->doc.get()), m_data, elements,
                    [](const std::shared_ptr<detail::DocumentData>& data, xmlNode* node) {
                        return HtmlElement(data, node);
                    });
    return HtmlElementCollection(std::move(elements));
}

QString HtmlDocument::documentMarkup() const {
    xmlNode* root = xmlDocGetRootElement(m_data->doc.get());
    return root != nullptr ? markup::serializeNode(root) : QString();
}

QString HtmlDocument::renderableMarkup() const {
    return markup::renderableMarkup(m_data->doc.get());
}

void HtmlDocument::setChangeObserver(std::function<void(bool structural)> observer) {
    m_data->observer = std::move(observer);
}

HtmlDocument::UpdateBatch::UpdateBatch(const HtmlDocument& document) : m_data(document.m_data) {
    ++m_data->batchDepth;
}

HtmlDocument::UpdateBatch::~UpdateBatch() {
    if (--m_data->batchDepth > 0 || !m_data->pending)
        return;
    const bool structural = m_data->pendingStructural;
    m_data->pending = false;
    m_data->pendingStructural = false;
    if (m_data->observer)
        m_data->observer(structural);
}

} // namespace lexora::pages
