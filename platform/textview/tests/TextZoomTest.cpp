// Zoom steps from the keyboard and the wheel, their limits, and what the host
// is told.
#include "platform/textview/TextZoom.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>

#include <gtest/gtest.h>

using lexora::textview::TextZoom;

namespace {

class TextZoomTest : public ::testing::Test {
protected:
    void SetUp() override {
        text.resize(300, 200);
        text.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&text));
        text.setFocus();
    }

    void wheel(int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(20, 20);
        QWheelEvent event(at, text.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(text.viewport(), &event);
    }

    QTextEdit text;
    QList<double> applied;
    TextZoom zoom{&text, &text, [this](double factor) { applied << factor; }};
};

} // namespace

TEST_F(TextZoomTest, KeysStepInOutAndBack) {
    QSignalSpy changes(&zoom, &TextZoom::zoomChanged);
    QTest::keyClick(&text, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&text, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(zoom.percent(), 125);
    QTest::keyClick(&text, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(zoom.percent(), 110);
    QTest::keyClick(&text, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_EQ(applied, (QList<double>{1.1, 1.25, 1.1, 1.0}));
    EXPECT_EQ(changes.size(), 4);
}

TEST_F(TextZoomTest, StopsAtItsLimitsAndTakesTheNearestStep) {
    for (int i = 0; i < 20; ++i)
        zoom.zoomIn();
    EXPECT_EQ(zoom.percent(), TextZoom::kMaximum);
    for (int i = 0; i < 20; ++i)
        zoom.zoomOut();
    EXPECT_EQ(zoom.percent(), TextZoom::kMinimum);
    zoom.setPercent(1000);
    EXPECT_EQ(zoom.percent(), 300);
    zoom.setPercent(124);
    EXPECT_EQ(zoom.percent(), 125);
    const qsizetype before = applied.size();
    zoom.setPercent(126); // same step: nothing to redo
    EXPECT_EQ(applied.size(), before);
}

TEST_F(TextZoomTest, CtrlWheelZoomsAndPlainWheelDoesNot) {
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(zoom.percent(), 110);
    wheel(-240, Qt::ControlModifier);
    EXPECT_EQ(zoom.percent(), 90);
    wheel(60, Qt::ControlModifier); // half a notch: not yet
    EXPECT_EQ(zoom.percent(), 90);
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(zoom.percent(), 100);
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(zoom.percent(), 100);
    // The view's own zoom did not run.
    EXPECT_EQ(text.font().pointSizeF(), QTextEdit().font().pointSizeF());
}
