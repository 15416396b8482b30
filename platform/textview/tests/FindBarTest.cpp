// The find bar driven from the keyboard: opening, the count and the
// highlighting, stepping with wrap-round, closing, and finding again after
// the content changed.
#include "platform/textview/FindBar.h"

#include "tests/support/TypeText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using lexora::textview::FindBar;

namespace {

class FindBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&host);
        text = new QTextEdit(&host);
        text->setReadOnly(true);
        text->setHtml(QStringLiteral("<p>Άρθρο 1. Η άδεια κύησης.</p><p>Άρθρο 2.</p>"
                                     "<p>ΑΡΘΡΟ 3 και άρθρο 4.</p>"));
        bar = new FindBar(text, &host, &host);
        layout->addWidget(text);
        layout->addWidget(bar);
        host.resize(400, 300);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        text->setFocus();
        QApplication::processEvents();
    }

    QLineEdit* box() const { return bar->findChild<QLineEdit*>(QStringLiteral("txtFind")); }
    QString count() const {
        return bar->findChild<QLabel*>(QStringLiteral("lblFindCount"))->text();
    }
    QString currentHighlight() const {
        const auto selections = text->extraSelections();
        return selections.at(bar->currentMatch()).cursor.selectedText();
    }

    QWidget host;
    QTextEdit* text = nullptr;
    FindBar* bar = nullptr;
};

} // namespace

TEST_F(FindBarTest, CtrlFOpensTheBarAndTypingCountsAndHighlightsEveryMatch) {
    EXPECT_FALSE(bar->isVisible());
    QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(box()->hasFocus());

    testsupport::typeText(box(), QStringLiteral("αρθρο"));
    EXPECT_EQ(bar->matchCount(), 4);
    EXPECT_EQ(count(), QStringLiteral("1 από 4"));
    ASSERT_EQ(text->extraSelections().size(), 4);
    EXPECT_EQ(currentHighlight(), QStringLiteral("Άρθρο"));
    // The current match has a colour of its own.
    EXPECT_NE(text->extraSelections().at(0).format.background(),
              text->extraSelections().at(1).format.background());

    testsupport::typeText(box(), QStringLiteral("x"));
    EXPECT_EQ(bar->matchCount(), 0);
    EXPECT_EQ(count(), QStringLiteral("Δεν βρέθηκε"));
    EXPECT_TRUE(text->extraSelections().isEmpty());
}

TEST_F(FindBarTest, F3AndEnterStepForwardShiftStepsBackWrappingRound) {
    QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
    testsupport::typeText(box(), QStringLiteral("ΆΡΘΡΟ"));
    ASSERT_EQ(bar->currentMatch(), 0);

    QTest::keyClick(box(), Qt::Key_F3);
    EXPECT_EQ(count(), QStringLiteral("2 από 4"));
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(count(), QStringLiteral("3 από 4"));
    EXPECT_EQ(currentHighlight(), QStringLiteral("ΑΡΘΡΟ"));
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(box(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(count(), QStringLiteral("1 από 4"));
    QTest::keyClick(box(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(count(), QStringLiteral("4 από 4"));
    QTest::keyClick(box(), Qt::Key_F3);
    EXPECT_EQ(count(), QStringLiteral("1 από 4"));
    // The view has moved its caret to the current match, so that it is shown.
    EXPECT_EQ(text->textCursor().position(), 5);
}

TEST_F(FindBarTest, EscapeClosesRemovesTheHighlightingAndReturnsTheFocus) {
    QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
    testsupport::typeText(box(), QStringLiteral("άδεια"));
    ASSERT_EQ(text->extraSelections().size(), 1);

    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(text->extraSelections().isEmpty());
    EXPECT_TRUE(text->hasFocus());

    // F3 with the bar closed opens it again with the last text.
    QTest::keyClick(text, Qt::Key_F3);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->matchCount(), 1);
}

TEST_F(FindBarTest, OpensWithTheSelectedTextAndFindsAgainInNewContent) {
    QTextCursor cursor(text->document());
    cursor.setPosition(11);
    cursor.setPosition(16, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(box()->text(), QStringLiteral("άδεια"));
    EXPECT_EQ(bar->matchCount(), 1);

    text->setHtml(QStringLiteral("<p>Άδεια, ΑΔΕΙΑ, αδεια</p>"));
    bar->refresh();
    EXPECT_EQ(bar->matchCount(), 3);
    EXPECT_EQ(text->extraSelections().size(), 3);
}
