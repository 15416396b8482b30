// Where a text occurs in a document, compared as the searches compare: without
// regard to case, accents and diaeresis, a no-break space counting as a space.
#pragma once

#include <QList>
#include <QString>

class QTextDocument;

namespace lexora::textview {

struct TextMatch {
    int position = 0; // document position of the first character
    int length = 0;

    friend bool operator==(const TextMatch&, const TextMatch&) = default;
};

// Every occurrence of query in document order, not overlapping. A match lies
// within one paragraph (or table cell). An empty query finds nothing.
QList<TextMatch> findMatches(const QTextDocument& document, const QString& query);

} // namespace lexora::textview
