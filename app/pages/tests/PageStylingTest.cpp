// The page look: the exact inline properties per tag kind, stored styles
// overridden but kept otherwise, repeat runs, a viewer without a document,
// and what the view shows afterwards.
#include "app/pages/PageStyling.h"
#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageError.h"
#include "platform/pageview/PageViewer.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace lexora::pages;

namespace {

class PageStylingTest : public ::testing::Test {
protected:
    void write(const QString& page) {
        viewer.Navigate(QStringLiteral("about:blank"));
        viewer.Document().body().setInnerHTML(page);
    }
    QString styleOf(const QString& tag, int index = 0) const {
        return viewer.Document().All().tags(tag).item(index).attribute(QStringLiteral("style"));
    }
    // The block of the view whose text is the given text.
    QTextBlock blockWithText(const QString& text) const {
        for (QTextBlock b = viewer.view()->document()->begin(); b.isValid(); b = b.next()) {
            if (b.text() == text)
                return b;
        }
        return {};
    }

    PageViewer viewer;
};

const QString kEveryKind =
    QStringLiteral("<H1>Τίτλος</H1><h2>Υπότιτλος</h2><h3>Σημείωση</h3><h4>Άρθρο 1</h4>"
                   "<p>Παράγραφος</p><a href =#12 id = 12>Νόμος 12</a>"
                   "<table><tr><th>στήλη</th></tr><tr><td>κελί</td></tr></table>"
                   "<ul><li>σημείο</li></ul><div><span>άλλο</span></div>");

} // namespace

TEST_F(PageStylingTest, SetsTheFixedPropertiesOnEachTagKind) {
    write(kEveryKind);
    set_style(viewer);
    const struct {
        const char* tag;
        const char* style;
    } expected[] = {
        {"h1", "font-family: Arial; font-size: 22; color: darkblue; text-align: center; "
               "background-color: #C0AAA3"},
        {"h2", "font-family: Arial; font-size: 16; color: darkblue; background-color: #D3C4BE"},
        {"h3", "font-family: Arial; font-size: 10; color: brown; font-style: italic; margin: 0; "
               "line-height: 1"},
        {"h4", "font-family: Arial; font-size: 13; color: black"},
        {"p", "font-family: Arial; font-size: 13; color: black; line-height: 1"},
        {"a", "font-family: Arial; font-size: 13; color: brown; line-height: 1; margin: 0"},
        // List items and table cells read like the paragraphs.
        {"li", "font-family: Arial; font-size: 13; color: black; line-height: 1"},
        {"td", "font-family: Arial; font-size: 13; color: black; line-height: 1"},
        {"th", "font-family: Arial; font-size: 13; color: black; line-height: 1"},
        {"ul", ""},
        {"table", ""},
        {"div", ""},
        {"span", ""},
        {"body", ""},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.tag);
        EXPECT_EQ(styleOf(QLatin1String(e.tag)), QLatin1String(e.style));
    }
}

TEST_F(PageStylingTest, StylesEveryElementOfAKind) {
    write(QStringLiteral("<p>a<p>b<div><p>c</div><h2>x</h2>"));
    set_style(viewer);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(viewer.Document().All().tags("p").item(i).Style().get("fontFamily"), "Arial");
    EXPECT_EQ(styleOf("h2"),
              "font-family: Arial; font-size: 16; color: darkblue; background-color: #D3C4BE");
}

TEST_F(PageStylingTest, AStoredStyleIsOverriddenAndItsOtherPropertiesKept) {
    write(QStringLiteral("<p style=\"font-family: 'Times New Roman'; font-size: 20px; "
                         "color: red; text-indent: 2em; line-height: 3\">Περίληψη</p>"));
    set_style(viewer);
    const HtmlStyle style = viewer.Document().All().tags("p").item(0).Style();
    EXPECT_EQ(style.get("fontFamily"), "Arial");
    EXPECT_EQ(style.get("fontSize"), "13");
    EXPECT_EQ(style.get("color"), "black");
    EXPECT_EQ(style.get("lineHeight"), "1");
    EXPECT_EQ(style.get("textIndent"), "2em");
}

TEST_F(PageStylingTest, RunningTwiceGivesTheSamePage) {
    write(kEveryKind + QStringLiteral("<p style='margin-left: 4px; color: red'>x</p>"));
    set_style(viewer);
    const QString once = viewer.Document().documentMarkup();
    set_style(viewer);
    EXPECT_EQ(viewer.Document().documentMarkup(), once);
}

TEST_F(PageStylingTest, AnEmptyPageAndAViewerWithoutDocument) {
    write(QString());
    EXPECT_NO_THROW(set_style(viewer));
    EXPECT_TRUE(viewer.Document().body().innerHTML().isEmpty());

    PageViewer neverNavigated;
    EXPECT_THROW(set_style(neverNavigated), PageError);
}

TEST_F(PageStylingTest, TheViewIsRefreshedOnceAndShowsTheLook) {
    QString page;
    for (int i = 0; i < 40; ++i)
        page += QStringLiteral("<p>παράγραφος %1</p>").arg(i);
    write(QStringLiteral("<h1>Τίτλος</h1><h3>Σημείωση</h3>") + page +
          QStringLiteral("<p><a href=#5>σύνδεσμος</a></p>"));
    int refreshes = 0;
    QObject::connect(viewer.view(), &QTextBrowser::textChanged, [&] { ++refreshes; });
    set_style(viewer);
    EXPECT_EQ(refreshes, 1);

    const QTextBlock title = blockWithText(QStringLiteral("Τίτλος"));
    ASSERT_TRUE(title.isValid());
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(title.blockFormat().background().color(), QColor(0xC0, 0xAA, 0xA3));
    const QTextCharFormat titleText = title.begin().fragment().charFormat();
    EXPECT_EQ(titleText.font().pixelSize(), 22);
    EXPECT_EQ(titleText.foreground().color(), QColor(QStringLiteral("darkblue")));

    const QTextBlock note = blockWithText(QStringLiteral("Σημείωση"));
    ASSERT_TRUE(note.isValid());
    EXPECT_TRUE(note.begin().fragment().charFormat().fontItalic());
    EXPECT_EQ(note.blockFormat().topMargin(), 0);

    const QTextBlock paragraph = blockWithText(QStringLiteral("παράγραφος 7"));
    ASSERT_TRUE(paragraph.isValid());
    EXPECT_EQ(paragraph.begin().fragment().charFormat().font().pixelSize(), 13);
    EXPECT_EQ(paragraph.blockFormat().lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_EQ(paragraph.blockFormat().lineHeight(), 100);

    const QTextBlock link = blockWithText(QStringLiteral("σύνδεσμος"));
    ASSERT_TRUE(link.isValid());
    EXPECT_EQ(link.begin().fragment().charFormat().foreground().color(),
              QColor(QStringLiteral("brown")));
}

TEST_F(PageStylingTest, TheHeadingsBandEndsWithItsText) {
    // The act pages write a line break after the title.
    write(QStringLiteral("<H1>Νόμος 1566/1985</H1><BR><H2>Άρθρο 1</H2>\n<br><p>Κείμενο</p>"));
    set_style(viewer);
    for (QTextBlock b = viewer.view()->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().background().style() == Qt::NoBrush)
            continue;
        // A coloured block holds its heading's text and nothing below it.
        EXPECT_FALSE(b.text().trimmed().isEmpty());
        EXPECT_FALSE(b.text().contains(QChar::LineSeparator)) << b.text().toStdString();
    }
    EXPECT_TRUE(blockWithText(QStringLiteral("Νόμος 1566/1985")).isValid());
    EXPECT_TRUE(blockWithText(QStringLiteral("Άρθρο 1")).isValid());
    // The stored page itself keeps its line breaks.
    EXPECT_EQ(viewer.Document().All().tags("br").Length(), 2);
}
