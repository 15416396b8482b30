// Each block's text is folded letter for letter, so that an index in the
// folded text is an index in the block.
#include "platform/textview/TextMatches.h"

#include "platform/text/GreekFolding.h"

#include <QTextBlock>
#include <QTextDocument>

namespace lexora::textview {

namespace {

QString comparable(const QString& text) {
    QString folded = lexora::text::foldGreekLetters(text);
    folded.replace(QChar::Nbsp, u' ');
    folded.replace(QChar::LineSeparator, u' ');
    return folded;
}

} // namespace

QList<TextMatch> findMatches(const QTextDocument& document, const QString& query) {
    QList<TextMatch> matches;
    const QString wanted = comparable(query);
    if (wanted.isEmpty())
        return matches;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = comparable(block.text());
        for (qsizetype at = text.indexOf(wanted); at >= 0;
             at = text.indexOf(wanted, at + wanted.size())) {
            matches.append(
                {block.position() + static_cast<int>(at), static_cast<int>(wanted.size())});
        }
    }
    return matches;
}

} // namespace lexora::textview
