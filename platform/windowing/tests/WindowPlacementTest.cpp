// Secondary windows open centred over their owner and stay on its screen.
#include "platform/windowing/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using lexora::windowing::centreOver;

TEST(WindowPlacementTest, CentresOverTheOwnerAndKeepsToItsScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setGeometry(area.left() + 100, area.top() + 80, 700, 500);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

    QWidget window;
    window.resize(300, 200);
    centreOver(window, &owner);
    EXPECT_LE((window.geometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

    // An owner at the screen's corner: the window stays on the screen.
    owner.move(area.topLeft());
    QWidget wide;
    wide.resize(area.width() / 2 + 400, 200);
    centreOver(wide, &owner);
    EXPECT_GE(wide.x(), area.left());
    EXPECT_GE(wide.y(), area.top());

    // A window sized by its layout is centred at the size it will show with.
    QWidget laidOut;
    auto* content = new QWidget;
    content->setFixedSize(260, 180);
    (new QVBoxLayout(&laidOut))->addWidget(content);
    centreOver(laidOut, &owner);
    laidOut.show();
    EXPECT_LE((laidOut.geometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

    // No owner shown: the window keeps its place.
    owner.hide();
    QWidget untouched;
    untouched.move(7, 9);
    centreOver(untouched, &owner);
    centreOver(untouched, nullptr);
    EXPECT_EQ(untouched.pos(), QPoint(7, 9));
}
