// Element, style and collection handles over the libxml2 tree.
#include "platform/pageview/HtmlElement.h"

#include "platform/pageview/DocumentData.h"
#include "platform/pageview/HtmlElementCollection.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/InlineStyle.h"
#include "platform/pageview/PageError.h"

#include <libxml/tree.h>

#include <QRegularExpression>

namespace lexora::pages {

namespace {

const xmlChar* xml(const QByteArray& text) {
    return reinterpret_cast<const xmlChar*>(text.constData());
}

QString fromXml(xmlChar* text) {
    if (text == nullptr)
        return {};
    const QString result = QString::fromUtf8(reinterpret_cast<const char*>(text));
    xmlFree(text);
    return result;
}

InlineStyle inlineStyleOf(xmlNode* node) {
    return InlineStyle::parse(fromXml(xmlGetProp(node, xml("style"))));
}

} // namespace

// --- HtmlElement ---

HtmlElement::HtmlElement(std::shared_ptr<detail::DocumentData> data, _xmlNode* node)
    : m_data(std::move(data)), m_node(node), m_generation(m_data->generation) {}

HtmlElement HtmlElement::bodyOf(std::shared_ptr<detail::DocumentData> data) {
    HtmlElement element;
    element.m_data = std::move(data);
    element.m_isBody = true;
    return element;
}

_xmlNode* HtmlElement::node() const {
    if (!m_data)
        throw PageError(QStringLiteral("The element handle is empty."));
    if (m_isBody)
        return markup::body(m_data->doc.get());
    if (m_generation != m_data->generation)
        throw PageError(QStringLiteral("The element is no longer part of the document."));
    return m_node;
}

QString HtmlElement::tagName() const {
    return QString::fromUtf8(reinterpret_cast<const char*>(node()->name)).toLower();
}

QString HtmlElement::attribute(const QString& name) const {
    return fromXml(xmlGetProp(node(), xml(name.toUtf8())));
}

QString HtmlElement::innerText() const {
    return fromXml(xmlNodeGetContent(node()));
}

QString HtmlElement::innerHTML() const {
    return markup::serializeChildren(node());
}

void HtmlElement::setInnerHTML(const QString& markupText) {
    xmlNode* element = node();
    markup::replaceChildren(element, markupText);
    m_data->changed(true);
    // This handle still names its element; only the replaced content is gone.
    m_generation = m_data->generation;
}

HtmlStyle HtmlElement::Style() const {
    return HtmlStyle(*this);
}

// --- HtmlStyle ---

namespace {

void checkName(const QString& name) {
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z][A-Za-z-]*$"));
    if (!valid.match(name).hasMatch())
        throw PageError(QStringLiteral("Invalid style property name: ") + name);
}

void checkValue(const QString& value) {
    for (const QChar c : value) {
        if (c == u';' || c == u'{' || c == u'}' || c.category() == QChar::Other_Control)
            throw PageError(QStringLiteral("Invalid style property value: ") + value);
    }
}

} // namespace

void HtmlStyle::set(const QString& name, const QString& value) {
    checkName(name);
    checkValue(value);
    xmlNode* node = m_element.node();
    InlineStyle style = inlineStyleOf(node);
    style.set(cssPropertyName(name), value.trimmed());
    if (style.isEmpty())
        xmlUnsetProp(node, xml("style"));
    else
        xmlSetProp(node, xml("style"), xml(style.toString().toUtf8()));
    m_element.m_data->changed(false);
}

QString HtmlStyle::get(const QString& name) const {
    return inlineStyleOf(m_element.node()).value(cssPropertyName(name));
}

QString HtmlStyle::cssText() const {
    return inlineStyleOf(m_element.node()).toString();
}

// --- HtmlElementCollection ---

HtmlElement HtmlElementCollection::item(int index) const {
    if (index < 0 || index >= Length())
        throw PageError(QStringLiteral("Element index out of range: ") + QString::number(index));
    return m_elements[static_cast<std::size_t>(index)];
}

HtmlElementCollection HtmlElementCollection::tags(const QString& name) const {
    std::vector<HtmlElement> matching;
    for (const HtmlElement& element : m_elements) {
        if (element.tagName().compare(name, Qt::CaseInsensitive) == 0)
            matching.push_back(element);
    }
    return HtmlElementCollection(std::move(matching));
}

} // namespace lexora::pages
