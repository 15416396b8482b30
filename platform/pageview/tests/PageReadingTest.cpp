// Reading a page: find in it and zoom it from the keyboard, with the zoom kept
// through navigations and style changes and left out of what goes on paper.
#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/HtmlElement.h"
#include "platform/pageview/HtmlElementCollection.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageViewer.h"
#include "platform/textview/FindBar.h"
#include "platform/textview/TextZoom.h"

#include "tests/support/TypeText.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

using namespace lexora::pages;

namespace {

// The pixel size of the first piece of text that states one.
int firstPixelSize(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const int size = it.fragment().charFormat().intProperty(QTextFormat::FontPixelSize))
                return size;
    return 0;
}

class PageReadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        viewer.resize(500, 400);
        viewer.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
        showPage(QStringLiteral(
            "<H1>Νόμος 1566/1985</H1><p>Άρθρο 1. Σκοπός.</p><p>Άρθρο 2. Η ΑΔΕΙΑ και η άδεια.</p>"));
        viewer.view()->setFocus();
    }

    // A new page whose first paragraph is styled as the pages are.
    void showPage(const QString& body) {
        viewer.Navigate(QStringLiteral("about:blank"));
        viewer.Document().body().setInnerHTML(body);
        styleParagraph(0, QStringLiteral("fontSize"), QStringLiteral("13"));
    }
    void styleParagraph(int index, const QString& property, const QString& value) {
        viewer.Document().All().tags(QStringLiteral("p")).item(index).Style().set(property, value);
    }

    QString findCount() const {
        return viewer.findChild<QLabel*>(QStringLiteral("lblFindCount"))->text();
    }

    PageViewer viewer;
};

} // namespace

TEST_F(PageReadingTest, CtrlFFindsInThePageAndEscapeCloses) {
    QTest::keyClick(viewer.view(), Qt::Key_F, Qt::ControlModifier);
    auto* box = viewer.findChild<QLineEdit*>(QStringLiteral("txtFind"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    testsupport::typeText(box, QStringLiteral("αρθρο"));
    EXPECT_EQ(findCount(), QStringLiteral("1 από 2"));
    QTest::keyClick(box, Qt::Key_F3);
    EXPECT_EQ(findCount(), QStringLiteral("2 από 2"));
    EXPECT_EQ(viewer.view()->extraSelections().size(), 2);

    // A restyle draws the page again: the matches are found again in it.
    styleParagraph(1, QStringLiteral("color"), QStringLiteral("red"));
    EXPECT_EQ(viewer.view()->extraSelections().size(), 2);
    EXPECT_EQ(findCount(), QStringLiteral("2 από 2"));

    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(viewer.findBar()->isVisible());
    EXPECT_TRUE(viewer.view()->extraSelections().isEmpty());
}

TEST_F(PageReadingTest, ZoomEnlargesTheTextKeepsThroughNavigationAndNeverPrints) {
    const int own = firstPixelSize(*viewer.view()->document());
    ASSERT_GT(own, 0);
    const qreal ownDefault = viewer.view()->document()->defaultFont().pointSizeF();

    QTest::keyClick(viewer.view(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(viewer.view(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(viewer.zoom()->percent(), 125);
    EXPECT_EQ(firstPixelSize(*viewer.view()->document()), qRound(own * 1.25));
    EXPECT_DOUBLE_EQ(viewer.view()->document()->defaultFont().pointSizeF(), ownDefault * 1.25);

    // Paper gets the page's own sizes.
    EXPECT_EQ(firstPixelSize(*viewer.unzoomedDocument()), own);
    EXPECT_DOUBLE_EQ(viewer.unzoomedDocument()->defaultFont().pointSizeF(), ownDefault);

    // A new page is shown at the same zoom.
    showPage(QStringLiteral("<p>Άλλη σελίδα</p>"));
    EXPECT_EQ(firstPixelSize(*viewer.view()->document()), qRound(own * 1.25));

    QTest::keyClick(viewer.view(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(firstPixelSize(*viewer.view()->document()), own);
}
