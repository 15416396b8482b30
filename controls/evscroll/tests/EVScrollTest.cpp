// The scroll bar: Value, Min and Max with the disabled state and its way
// back, the arrow rule, the thumb's size and place, arrows, paging, dragging,
// and the saved settings.
#include "controls/evscroll/EVScroll.h"

#include "controls/host/MemoryPropertyBag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using Dravik::EVScroll;

namespace {

class EVScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        control = std::make_unique<EVScroll>();
        control->resize(20, 240);
        control->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(control.get()));
        top = control->findChild<QToolButton*>("cmdNavigate_0");
        bottom = control->findChild<QToolButton*>("cmdNavigate_1");
        track = control->findChild<QWidget*>("picBoddy");
        thumb = control->findChild<QPushButton*>("cmdMovingBar");
        ASSERT_TRUE(top && bottom && track && thumb);
    }

    // Events in the order the control raised them: "S" Scroll, "C" Change.
    void record() {
        QObject::connect(control.get(), &EVScroll::Scroll, control.get(),
                         [this] { events += 'S'; });
        QObject::connect(control.get(), &EVScroll::Change, control.get(),
                         [this] { events += 'C'; });
    }

    void sendToThumb(QEvent::Type type, QPoint inControl, Qt::MouseButtons buttons) {
        const QPoint local = thumb->mapFrom(control.get(), inControl);
        QMouseEvent event(type, local, thumb->mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(thumb, &event);
    }

    bool disabledState() const {
        return !control->Enabled() && !track->isEnabled() && thumb->isHidden() &&
               !top->isEnabled() && !bottom->isEnabled();
    }

    std::unique_ptr<EVScroll> control;
    QToolButton* top = nullptr;
    QToolButton* bottom = nullptr;
    QWidget* track = nullptr;
    QPushButton* thumb = nullptr;
    QString events;
};

} // namespace

TEST_F(EVScrollTest, NewControlAndLayout) {
    EXPECT_EQ(control->Min(), 0);
    EXPECT_EQ(control->Max(), 32767);
    EXPECT_EQ(control->Value(), 1);
    EXPECT_EQ(control->SmallChange(), 1);
    EXPECT_EQ(control->LargeChange(), 1);
    EXPECT_TRUE(control->Enabled());
    EXPECT_TRUE(top->isEnabled());
    EXPECT_TRUE(bottom->isEnabled());
    // arrows at both ends, the track between them, all as wide as the control
    EXPECT_EQ(top->geometry(), QRect(0, 0, 20, top->height()));
    EXPECT_EQ(track->geometry(), QRect(0, top->height(), 20, 240 - 2 * top->height()));
    EXPECT_EQ(bottom->geometry(), QRect(0, 240 - top->height(), 20, top->height()));
    // 1/32768 of the track is less than a pixel: the shown thumb keeps a
    // height that can be grabbed, centred on its value near the top
    EXPECT_EQ(thumb->height(), EVScroll::MinimumThumbHeight);
    EXPECT_EQ(thumb->y(), 0);
    EXPECT_EQ(thumb->width(), 20);
}

TEST(EVScrollThumb, HeightIsTheTrackShareOfOneValue) {
    struct Case {
        double track;
        int min;
        int max;
        double expected;
    };
    const Case cases[] = {
        {32768, 0, 32767, 1.0}, {100, 0, 9, 10.0}, {100, 5, 5, 100.0},
        {120, 1, 3, 40.0},      {100, 5, 4, 0.0},  {100, -10, 9, 5.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(EVScroll::ThumbHeight(c.track, c.min, c.max), c.expected)
            << c.min << ".." << c.max;
    }
    const double widest = EVScroll::ThumbHeight(100, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max());
    EXPECT_GT(widest, 0.0);
    EXPECT_LT(widest, 1e-7);
}

TEST_F(EVScrollTest, ValueOutsideTheRangeDisablesAndAValueInsideBringsItBack) {
    record();
    QSignalSpy marks(control.get(), &EVScroll::PropertyChanged);
    control->setValue(40000);
    EXPECT_EQ(control->Value(), 40000);
    EXPECT_TRUE(disabledState());
    EXPECT_TRUE(events.isEmpty());
    ASSERT_EQ(marks.count(), 2);
    EXPECT_EQ(marks.at(0).at(0).toString(), QStringLiteral("Enabled"));
    EXPECT_EQ(marks.at(1).at(0).toString(), QStringLiteral("Value"));

    control->setValue(40000); // the same out-of-range value again
    EXPECT_TRUE(events.isEmpty());
    control->setValue(100);
    EXPECT_EQ(events, QStringLiteral("SC"));
    EXPECT_TRUE(control->Enabled());
    EXPECT_TRUE(track->isEnabled());
    EXPECT_TRUE(thumb->isVisible());
    EXPECT_TRUE(top->isEnabled());
    EXPECT_TRUE(bottom->isEnabled());

    control->setValue(100); // unchanged and in range: nothing
    EXPECT_EQ(events, QStringLiteral("SC"));
}

TEST_F(EVScrollTest, EnabledAloneBringsTheControlBack) {
    control->setValue(-3);
    ASSERT_TRUE(disabledState());
    control->setControlEnabled(true);
    EXPECT_TRUE(thumb->isVisible());
    EXPECT_FALSE(top->isEnabled()) << "-3 is not above Min";
    EXPECT_TRUE(bottom->isEnabled());
    control->setControlEnabled(false);
    EXPECT_TRUE(disabledState());
}

TEST_F(EVScrollTest, MinEqualToMaxFillsTheTrackWithAFixedThumb) {
    control->setMin(5);
    control->setMax(5);
    EXPECT_EQ(control->Value(), 5);
    EXPECT_EQ(thumb->height(), track->height());
    EXPECT_EQ(thumb->y(), 0);
    EXPECT_FALSE(thumb->isEnabled());
    EXPECT_FALSE(top->isEnabled());
    EXPECT_FALSE(bottom->isEnabled());
    EXPECT_TRUE(control->Enabled());
}

TEST_F(EVScrollTest, LimitsPullTheValueInWithoutEventsOrDisableTheControl) {
    record();
    control->setValue(20);
    events.clear();
    control->setMin(50);
    EXPECT_EQ(control->Value(), 50);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(top->isEnabled());

    control->setMax(70);
    control->setValue(70);
    events.clear();
    control->setMax(60);
    EXPECT_EQ(control->Value(), 60);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(bottom->isEnabled());

    control->setMax(10); // below Min
    EXPECT_EQ(control->Max(), 10);
    EXPECT_EQ(control->Value(), 60);
    EXPECT_TRUE(disabledState());
    control->setMax(80); // a valid limit brings it back
    EXPECT_TRUE(control->Enabled());
    EXPECT_EQ(control->Value(), 60);
}

TEST_F(EVScrollTest, ArrowsStepBySmallChangeAndAStepPastTheEndDisables) {
    record();
    control->setMax(10);
    control->setValue(9);
    control->setSmallChange(5);
    events.clear();
    QTest::mouseClick(bottom, Qt::LeftButton);
    EXPECT_EQ(control->Value(), 14);
    EXPECT_TRUE(disabledState());
    EXPECT_TRUE(events.isEmpty());

    control->setValue(6);
    control->setSmallChange(1);
    events.clear();
    QTest::mouseClick(top, Qt::LeftButton);
    EXPECT_EQ(control->Value(), 5);
    EXPECT_EQ(events, QStringLiteral("SC"));
    QTest::mouseClick(bottom, Qt::LeftButton);
    EXPECT_EQ(control->Value(), 6);
}

TEST_F(EVScrollTest, StepsThatWouldLeaveTheIntegerRangeAreNotTaken) {
    const int lowest = std::numeric_limits<int>::min();
    control->setMin(lowest);
    control->setValue(lowest + 2);
    control->setSmallChange(5);
    QTest::mouseClick(top, Qt::LeftButton);
    EXPECT_EQ(control->Value(), lowest + 2);
    EXPECT_TRUE(control->Enabled());
}

TEST_F(EVScrollTest, TrackClicksPageByLargeChange) {
    control->setMax(100);
    control->setValue(50);
    control->setLargeChange(10);
    const int below = thumb->y() + thumb->height() + 5;
    QTest::mouseClick(track, Qt::LeftButton, Qt::NoModifier, QPoint(5, below));
    EXPECT_EQ(control->Value(), 60);
    QTest::mouseClick(track, Qt::RightButton, Qt::NoModifier, QPoint(5, 2));
    EXPECT_EQ(control->Value(), 50);
    QTest::mouseClick(track, Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, thumb->y() + thumb->height() / 2));
    EXPECT_EQ(control->Value(), 50) << "a click on the thumb pages nothing";
}

TEST_F(EVScrollTest, DraggingTopToBottomScrollsOncePerValueAndChangesOnceAtTheDrop) {
    control->setMax(10);
    control->setValue(0);
    record();
    QSignalSpy marks(control.get(), &EVScroll::PropertyChanged);
    const int x = 10;
    QPoint at(x, thumb->mapTo(control.get(), QPoint(0, thumb->height() / 2)).y());
    sendToThumb(QEvent::MouseButtonPress, at, Qt::LeftButton);
    const int end = control->height() - 3; // over the bottom arrow
    for (int y = at.y(); y <= end; ++y) {
        at.setY(y);
        sendToThumb(QEvent::MouseMove, at, Qt::LeftButton);
    }
    EXPECT_EQ(control->Value(), 10) << "the bottom arrow gives Max";
    EXPECT_EQ(events, QStringLiteral("SSSSSSSSSS"));
    EXPECT_FALSE(top->isEnabled()) << "the arrows wait for the drop";
    EXPECT_TRUE(bottom->isEnabled());
    sendToThumb(QEvent::MouseButtonRelease, at, Qt::NoButton);
    EXPECT_EQ(events, QStringLiteral("SSSSSSSSSSC"));
    EXPECT_TRUE(top->isEnabled());
    EXPECT_FALSE(bottom->isEnabled());
    EXPECT_EQ(thumb->y() + thumb->height(), track->height());
    EXPECT_EQ(marks.count(), 0) << "a drag sets the value directly";

    // back over the top arrow gives Min
    sendToThumb(QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendToThumb(QEvent::MouseMove, QPoint(x, 2), Qt::LeftButton);
    sendToThumb(QEvent::MouseButtonRelease, QPoint(x, 2), Qt::NoButton);
    EXPECT_EQ(control->Value(), 0);
    EXPECT_TRUE(events.endsWith(QStringLiteral("SC")));
}

TEST_F(EVScrollTest, SettingsAreSavedInOrderAndReadThroughTheSetters) {
    Dravik::MemoryPropertyBag bag;
    control->SaveProperties(bag);
    EXPECT_EQ(bag.writtenNames(),
              (QStringList{"Min", "Max", "Value", "SmallChange", "LargeChange", "Enabled"}));
    EXPECT_EQ(bag.values().keys(), QStringList{"Value"}) << "Value 1 differs from Min 0";

    control->setMin(-20);
    control->setMax(300);
    control->setValue(-20);
    control->setSmallChange(3);
    control->setLargeChange(30);
    Dravik::MemoryPropertyBag saved;
    control->SaveProperties(saved);
    EXPECT_FALSE(saved.contains("Value")) << "Value equal to the current Min is left out";

    EVScroll copy;
    QString seen;
    QObject::connect(&copy, &EVScroll::ReadProperties, &copy,
                     [&](Dravik::PropertyBag*) { seen += 'R'; });
    QObject::connect(&copy, &EVScroll::Scroll, &copy, [&] { seen += 'S'; });
    QObject::connect(&copy, &EVScroll::Change, &copy, [&] { seen += 'C'; });
    copy.LoadProperties(saved);
    EXPECT_EQ(saved.readNames(),
              (QStringList{"Min", "Max", "Value", "LargeChange", "SmallChange", "Enabled"}));
    EXPECT_EQ(copy.Min(), -20);
    EXPECT_EQ(copy.Max(), 300);
    EXPECT_EQ(copy.Value(), -20);
    EXPECT_EQ(copy.SmallChange(), 3);
    EXPECT_EQ(copy.LargeChange(), 30);
    EXPECT_TRUE(copy.Enabled());
    EXPECT_EQ(seen, QStringLiteral("RSC")) << "the saved value differs from 1: Scroll, Change";
}
