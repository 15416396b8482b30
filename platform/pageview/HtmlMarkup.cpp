// libxml2 parsing and serializing for the page model.
#include "platform/pageview/HtmlMarkup.h"

#include "platform/pageview/InlineStyle.h"

#include <cctype>

#include <libxml/HTMLparser.h>
#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <QRegularExpression>
#include <QStringConverter>

#include <cstring>
#include <vector>

namespace lexora::pages::markup {

namespace {

constexpr int kParseOptions =
    HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;

const xmlChar* xml(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

bool isElement(const xmlNode* node, const char* name) {
    return node != nullptr && node->type == XML_ELEMENT_NODE &&
           xmlStrcasecmp(node->name, xml(name)) == 0;
}

void initialiseOnce() {
    static const bool done = [] {
        xmlInitParser();
        return true;
    }();
    (void)done;
}

XmlDocPtr read(const QByteArray& bytes, const QString& url, const char* encoding) {
    initialiseOnce();
    const QByteArray urlBytes = url.toUtf8();
    // An encoding given here is final: a meta element saying otherwise is ignored.
    const int options = encoding != nullptr ? kParseOptions | HTML_PARSE_IGNORE_ENC : kParseOptions;
    return XmlDocPtr(htmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()),
                                    urlBytes.constData(), encoding, options));
}

// The encoding the bytes declare in a meta element near the top, if any.
QByteArray declaredCharset(const QByteArray& bytes) {
    static const QRegularExpression charset(
        QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([A-Za-z0-9_.:\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = charset.match(QString::fromLatin1(bytes.left(4096)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// Whether the parser can read the encoding. The handler a lookup returns
// for a code page such as windows-1253 is made for the caller and must be
// closed again.
bool knowsEncoding(const QByteArray& name) {
    xmlCharEncodingHandler* handler = xmlFindCharEncodingHandler(name.constData());
    if (handler == nullptr)
        return false;
    xmlCharEncCloseFunc(handler);
    return true;
}

bool hasUtf16ByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool isValidUtf8(const QByteArray& bytes) {
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes); // decoding happens on conversion
    (void)text;
    return !decoder.hasError();
}

xmlNode* firstElementNamed(xmlNode* from, const char* name) {
    for (xmlNode* n = from; n != nullptr; n = n->next) {
        if (isElement(n, name))
            return n;
        if (n->type == XML_ELEMENT_NODE) {
            if (xmlNode* found = firstElementNamed(n->children, name))
                return found;
        }
    }
    return nullptr;
}

// Collects the nodes a fragment produced, dropping html, head and body
// wrappers (the parser adds them, and lax fragments may carry their own).
void collectContent(xmlNode* first, xmlNode* target) {
    for (xmlNode* n = first; n != nullptr; n = n->next) {
        if (isElement(n, "html") || isElement(n, "head") || isElement(n, "body")) {
            collectContent(n->children, target);
        } else {
            xmlAddChild(target, xmlDocCopyNode(n, target->doc, 1));
        }
    }
}

void removeScripts(xmlNode* node) {
    xmlNode* n = node;
    while (n != nullptr) {
        xmlNode* next = n->next;
        if (isElement(n, "script")) {
            xmlUnlinkNode(n);
            xmlFreeNode(n);
        } else if (n->type == XML_ELEMENT_NODE) {
            removeScripts(n->children);
        }
        n = next;
    }
}

void pixelFontSizes(xmlNode* node) {
    static const QRegularExpression bareNumber(QStringLiteral(R"(^\d+(\.\d+)?$)"));
    for (xmlNode* n = node; n != nullptr; n = n->next) {
        if (n->type != XML_ELEMENT_NODE)
            continue;
        if (xmlChar* text = xmlGetProp(n, xml("style"))) {
            InlineStyle style =
                InlineStyle::parse(QString::fromUtf8(reinterpret_cast<char*>(text)));
            xmlFree(text);
            const QString size = style.value(QStringLiteral("font-size"));
            if (bareNumber.match(size).hasMatch()) {
                style.set(QStringLiteral("font-size"), size + QStringLiteral("px"));
                xmlSetProp(n, xml("style"), xml(style.toString().toUtf8().constData()));
            }
        }
        pixelFontSizes(n->children);
    }
}

bool isHeading(const xmlNode* node) {
    static const char* const headings[] = {"h1", "h2", "h3", "h4", "h5", "h6"};
    for (const char* heading : headings) {
        if (isElement(node, heading))
            return true;
    }
    return false;
}

bool isBlankText(const xmlNode* node) {
    if (node->type != XML_TEXT_NODE)
        return false;
    for (const xmlChar* c = node->content; c != nullptr && *c != 0; ++c) {
        if (!std::isspace(*c))
            return false;
    }
    return true;
}

// A line break right after a heading ("<H1>title</H1><BR>", as the act pages
// write it) is an empty line of its own in a browser; the view's text engine
// would add it to the heading's block and stretch the heading's coloured
// band over it. It becomes a paragraph of its own.
void separateBreaksAfterHeadings(xmlNode* node) {
    for (xmlNode* n = node; n != nullptr; n = n->next) {
        if (n->type != XML_ELEMENT_NODE)
            continue;
        separateBreaksAfterHeadings(n->children);
        if (!isHeading(n))
            continue;
        xmlNode* next = n->next;
        while (next != nullptr && isBlankText(next))
            next = next->next;
        if (next == nullptr || !isElement(next, "br"))
            continue;
        xmlNodeSetName(next, xml("p"));
        xmlSetProp(next, xml("style"), xml("margin: 0"));
        xmlNodeSetContent(next, xml("\xC2\xA0")); // a no-break space keeps the line
    }
}

// The view's text engine keeps its own size for headings whatever their
// style says, so a heading that sets a font size is drawn as a block with
// the heading's weight and spacing, followed by its own properties.
void sizedHeadings(xmlNode* node) {
    static const char* const headings[] = {"h1", "h2", "h3", "h4", "h5", "h6"};
    static const int marginTop[] = {18, 16, 14, 12, 12, 12};
    static const int marginBottom[] = {12, 12, 12, 12, 4, 4};
    for (xmlNode* n = node; n != nullptr; n = n->next) {
        if (n->type != XML_ELEMENT_NODE)
            continue;
        sizedHeadings(n->children);
        for (int level = 0; level < 6; ++level) {
            if (!isElement(n, headings[level]))
                continue;
            xmlChar* text = xmlGetProp(n, xml("style"));
            const QString own = text ? QString::fromUtf8(reinterpret_cast<char*>(text)) : QString();
            xmlFree(text);
            if (InlineStyle::parse(own).value(QStringLiteral("font-size")).isEmpty())
                break;
            const QString style = QStringLiteral("font-weight: bold; margin-top: %1px; "
                                                 "margin-bottom: %2px; %3")
                                      .arg(marginTop[level])
                                      .arg(marginBottom[level])
                                      .arg(own);
            xmlNodeSetName(n, xml("div"));
            xmlSetProp(n, xml("style"), xml(style.toUtf8().constData()));
            break;
        }
    }
}

bool isTablePart(const xmlNode* node) {
    static const char* const parts[] = {"table", "caption", "thead", "tbody",
                                        "tfoot", "tr",      "td",    "th"};
    for (const char* part : parts) {
        if (isElement(node, part))
            return true;
    }
    return false;
}

// The view's text engine lays out a nested table once per level above it,
// so its time doubles with every level: a page of tables nested two dozen
// deep would hold the program for minutes. Tables deeper than any real page
// needs become plain blocks, their content kept in order. The walk keeps
// its own stack, as the document may nest deeper than the call stack allows.
void flattenDeepTables(xmlNode* root) {
    struct Pending {
        xmlNode* node;
        int tables; // tables around the node, the node itself included
    };
    std::vector<Pending> pending;
    if (root != nullptr)
        pending.push_back({root, isElement(root, "table") ? 1 : 0});
    while (!pending.empty()) {
        const Pending current = pending.back();
        pending.pop_back();
        if (current.tables > kMaxTableNesting && isTablePart(current.node)) {
            xmlNodeSetName(current.node, xml("div"));
            xmlUnsetProp(current.node, xml("colspan"));
            xmlUnsetProp(current.node, xml("rowspan"));
        }
        for (xmlNode* child = current.node->children; child != nullptr; child = child->next) {
            if (child->type == XML_ELEMENT_NODE)
                pending.push_back({child, current.tables + (isElement(child, "table") ? 1 : 0)});
        }
    }
}

} // namespace

XmlDocPtr blankDocument() {
    return read(QByteArrayLiteral("<html><head></head><body></body></html>"), QString(), "UTF-8");
}

XmlDocPtr parseDocument(const QByteArray& bytes, const QString& url) {
    XmlDocPtr doc;
    const QByteArray declared = declaredCharset(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        doc = read(bytes.mid(3), url, "UTF-8");
    else if (hasUtf16ByteOrderMark(bytes))
        doc = read(bytes, url, nullptr);
    else if (!declared.isEmpty() && knowsEncoding(declared))
        doc = read(bytes, url, declared.constData());
    else
        doc = read(bytes, url, isValidUtf8(bytes) ? "UTF-8" : "windows-1253");
    if (!doc) // empty input, or an encoding the parser does not know
        doc = read(bytes, url, "windows-1253");
    if (!doc)
        doc = blankDocument();
    body(doc.get());
    return doc;
}

xmlNode* body(xmlDoc* doc) {
    xmlNode* root = xmlDocGetRootElement(doc);
    if (root == nullptr) {
        root = xmlNewDocNode(doc, nullptr, xml("html"), nullptr);
        xmlDocSetRootElement(doc, root);
    }
    if (xmlNode* found = firstElementNamed(root, "body"))
        return found;
    return xmlNewChild(root, nullptr, xml("body"), nullptr);
}

void replaceChildren(xmlNode* element, const QString& fragment) {
    xmlNode* child = element->children;
    while (child != nullptr) {
        xmlNode* next = child->next;
        xmlUnlinkNode(child);
        xmlFreeNode(child);
        child = next;
    }
    if (fragment.isEmpty())
        return;
    const XmlDocPtr parsed =
        read(QByteArrayLiteral("<html><body>") + fragment.toUtf8(), QString(), "UTF-8");
    if (parsed)
        collectContent(xmlDocGetRootElement(parsed.get()), element);
}

QString serializeNode(xmlNode* node) {
    xmlBuffer* buffer = xmlBufferCreate();
    xmlSaveCtxt* context = xmlSaveToBuffer(buffer, "UTF-8", XML_SAVE_AS_HTML | XML_SAVE_NO_DECL);
    xmlSaveTree(context, node);
    xmlSaveClose(context);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                                           xmlBufferLength(buffer));
    xmlBufferFree(buffer);
    return text;
}

QString serializeChildren(xmlNode* element) {
    QString text;
    for (xmlNode* n = element->children; n != nullptr; n = n->next)
        text += serializeNode(n);
    return text;
}

QString renderableMarkup(xmlDoc* doc) {
    const XmlDocPtr copy(xmlCopyDoc(doc, 1));
    if (!copy)
        return {};
    xmlNode* root = xmlDocGetRootElement(copy.get());
    removeScripts(root);
    flattenDeepTables(root);
    pixelFontSizes(root);
    separateBreaksAfterHeadings(root);
    sizedHeadings(root);
    return root != nullptr ? serializeNode(root) : QString();
}

} // namespace lexora::pages::markup
