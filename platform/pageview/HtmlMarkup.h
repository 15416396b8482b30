// The page model's contact with libxml2's HTML parser and serializer: reading
// lax markup into a document, replacing an element's children by a markup
// fragment, writing nodes back as markup, and the markup the view renders.
// Internal to the pages library; the rest of the program uses HtmlDocument.
#pragma once

#include <libxml/tree.h>

#include <QByteArray>
#include <QString>

#include <memory>

namespace lexora::pages::markup {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, DocFree>;

// An empty page: html, head and an empty body.
XmlDocPtr blankDocument();

// A page read from a file's bytes. The encoding is the one the bytes declare
// (byte order mark or meta charset); undeclared text is UTF-8 when it is valid
// UTF-8 and otherwise the Greek single-byte code page the stored pages use.
// The result always has a body.
XmlDocPtr parseDocument(const QByteArray& bytes, const QString& url);

// The document's body element; created when the markup had none.
xmlNode* body(xmlDoc* doc);

// Replaces the children of an element by the nodes of a markup fragment.
// Wrapping html, head and body tags in the fragment are dropped, their
// content kept, as a browser does for innerHTML.
void replaceChildren(xmlNode* element, const QString& fragment);

QString serializeChildren(xmlNode* element);
QString serializeNode(xmlNode* node);

// The deepest nesting of tables the view is given; deeper tables are drawn
// as plain blocks (renderableMarkup).
inline constexpr int kMaxTableNesting = 8;

// The whole document as the view renders it: without scripts, with tables
// nested deeper than kMaxTableNesting flattened into blocks, with
// unit-less font sizes given in pixels (as browsers read them in pages
// without a document type), with headings that set their own font size
// drawn as blocks of that size, and with a line break that follows a heading
// kept out of the heading's block.
QString renderableMarkup(xmlDoc* doc);

} // namespace lexora::pages::markup
