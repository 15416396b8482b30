// Reading RTF into a QTextDocument: text in the document's and the fonts'
// code pages and \uN characters, paragraphs and line breaks, bold, italic,
// underline, sizes, font names, colours, alignment and indents, list bullets
// and simple tables. Destinations that hold no visible text (font and colour
// tables, style sheet, information, pictures, headers, footers, fields'
// instructions, anything marked \*) are read or skipped, never shown.
//
// The reader works on untrusted bytes: it never recurses, its work grows
// linearly with the input, and malformed input (unbalanced braces, truncation,
// absurd numbers, binary junk) yields whatever text could be read.
#pragma once

#include <QByteArray>

#include <memory>

class QTextDocument;

namespace lexora::richtext {

class RtfReader {
public:
    // Groups nested deeper than this share the state of the deepest kept one.
    static constexpr int MaxGroupDepth = 512;
    // Table rows wider than this put their further cells into the last one.
    static constexpr int MaxTableColumns = 63;

    // True when data begins as an RTF document does ("{\rtf", after blanks).
    static bool looksLikeRtf(const QByteArray& data);

    // A new document holding data's content, or nullptr when data is not RTF.
    static std::unique_ptr<QTextDocument> read(const QByteArray& data);
};

} // namespace lexora::richtext
