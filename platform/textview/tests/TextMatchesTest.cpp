// Finding a text in a document as the searches compare texts, and scaling a
// document's sizes for zoom.
#include "platform/textview/TextMatches.h"
#include "platform/textview/TextScaling.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <gtest/gtest.h>

using namespace lexora::textview;

namespace {

QStringList matchedTexts(const QTextDocument& document, const QString& query) {
    QStringList texts;
    for (const TextMatch& match : findMatches(document, query)) {
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        cursor.setPosition(match.position);
        cursor.setPosition(match.position + match.length, QTextCursor::KeepAnchor);
        texts << cursor.selectedText();
    }
    return texts;
}

} // namespace

TEST(TextMatchesTest, ComparesWithoutCaseAccentsAndDiaeresis) {
    QTextDocument document;
    document.setHtml(
        QStringLiteral("<h1>Ισότητα των φύλων</h1><p>ΪΣΟΤΗΤΑ στην εργασία και ισοτητα.</p>"
                       "<table><tr><td>κελί με ΐσότητα</td></tr></table>"
                       "<p>ο νόμος&nbsp;1566 και ΝΟΜΟΣ 1566</p>"));
    struct Case {
        const char* query;
        QStringList found;
    };
    const Case cases[] = {
        {"ισοτητα",
         {QStringLiteral("Ισότητα"), QStringLiteral("ΪΣΟΤΗΤΑ"), QStringLiteral("ισοτητα"),
          QStringLiteral("ΐσότητα")}},
        {"ΝΌΜΟΣ 1566", {QStringLiteral("νόμος\u00A01566"), QStringLiteral("ΝΟΜΟΣ 1566")}},
        {"φύλων</h1>", {}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchedTexts(document, QString::fromUtf8(c.query)), c.found) << c.query;
}

TEST(TextMatchesTest, MatchesDoNotOverlap) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("ααααα"));
    EXPECT_EQ(findMatches(document, QStringLiteral("αα")), (QList<TextMatch>{{0, 2}, {2, 2}}));
}

TEST(TextScalingTest, ScalesStatedFontSizesAndPicturesOnly) {
    QTextDocument document;
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pic.png")), picture);
    document.setHtml(QStringLiteral("<p><span style=\"font-size:13px\">px</span>"
                                    "<span style=\"font-size:10pt\">pt</span>plain"
                                    "<img src=\"pic.png\"><img src=\"pic.png\" width=\"40\"></p>"));
    scaleTextSizes(document, 2.0);

    QList<QTextCharFormat> formats;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it)
        formats << it.fragment().charFormat();
    ASSERT_EQ(formats.size(), 5);
    EXPECT_EQ(formats[0].intProperty(QTextFormat::FontPixelSize), 26);
    EXPECT_DOUBLE_EQ(formats[1].fontPointSize(), 20.0);
    EXPECT_FALSE(formats[2].hasProperty(QTextFormat::FontPointSize));
    EXPECT_FALSE(formats[2].hasProperty(QTextFormat::FontPixelSize));
    EXPECT_DOUBLE_EQ(formats[3].toImageFormat().width(), 40.0);
    EXPECT_DOUBLE_EQ(formats[3].toImageFormat().height(), 20.0);
    EXPECT_DOUBLE_EQ(formats[4].toImageFormat().width(), 80.0);
    EXPECT_DOUBLE_EQ(formats[4].toImageFormat().height(), 40.0);
}
