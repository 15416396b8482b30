// The law viewer window: its pending page, its activation flags, its hooks,
// one window at a time, and the layout of its toolbar and display controls.
#include "app/windows/lawviewer/frmhotbrowser.h"

#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/LinkNavigation.h"
#include "app/pages/builders/tests/MainFormFixture.h"
#include "app/pages/builders/tests/SampleActs.h"

#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QFrame>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::MainFormFixture;

namespace {

class LawViewerTest : public ::testing::Test {
protected:
    LawViewerTest() : fx(QString::fromUtf8(testsupport::kSampleActs)) {}
    ~LawViewerTest() override {
        windows::unloadLawViewer();
        windows::setLawViewerHooks({});
    }

    MainFormFixture fx;
};

TEST_F(LawViewerTest, CaptionAndPendingPageWrittenOnceTheBlankDocumentIsLoaded) {
    fx.context.state.gPageHtml = QStringLiteral("<h1>Πράξη</h1><p><img src='a/b.gif'></p>");
    windows::frmhotbrowser& window = windows::lawViewer(fx.form, fx.context);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Περιγραφή Νομοθετήματος"));
    EXPECT_FALSE(window.brwhotbrowser->hasDocument()); // not loaded before it is shown

    windows::showLawViewer(fx.form, fx.context);
    const QString body = MainFormFixture::bodyOf(window.brwhotbrowser);
    EXPECT_TRUE(body.contains(QStringLiteral("Πράξη")));
    EXPECT_TRUE(body.contains(QStringLiteral("help"))) << body.toStdString();
    EXPECT_FALSE(window.rtbhotBrowser->isVisible());
    EXPECT_FALSE(window.brwFilehotbrowser->isVisible());
}

TEST_F(LawViewerTest, OpensCentredOverTheMainWindow) {
    // Inside the test screen, so that no edge moves the window.
    fx.window->setGeometry(60, 40, 680, 520);
    fx.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fx.window.get()));
    windows::lawViewer(fx.form, fx.context).resize(500, 360);
    const windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    EXPECT_LE(
        (window.frameGeometry().center() - fx.window->frameGeometry().center()).manhattanLength(),
        30);
}

TEST_F(LawViewerTest, OneWindowAtATime) {
    QPointer<windows::frmhotbrowser> first = &windows::showLawViewer(fx.form, fx.context);
    EXPECT_EQ(&windows::lawViewer(fx.form, fx.context), first.data());
    windows::unloadLawViewer();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(windows::openLawViewer(), nullptr);

    windows::showLawViewer(fx.form, fx.context);
    EXPECT_EQ(fx.window->findChildren<windows::frmhotbrowser*>().size(), 1);
}

TEST_F(LawViewerTest, ActivationAndUnloadSetTheSharedValues) {
    int historySaves = 0;
    windows::setLawViewerHooks({{}, {}, [&historySaves] { ++historySaves; }, {}});
    windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    fx.context.state.gViewerLawId = 11;
    fx.context.state.gCurrentLawId = 100;
    window.Form_Activate();
    EXPECT_EQ(fx.context.state.gViewerActive, 1);
    EXPECT_EQ(fx.context.state.gCurrentLawId, 11);
    window.Form_Deactivate();
    EXPECT_EQ(fx.context.state.gViewerActive, 0);

    window.Form_Activate();
    window.close(); // the user closes it
    EXPECT_EQ(fx.context.state.gViewerActive, 0);
    EXPECT_EQ(historySaves, 1);
    EXPECT_EQ(windows::openLawViewer(), nullptr);
}

TEST_F(LawViewerTest, ButtonsCallTheirHooks) {
    int saves = 0;
    windows::frmhotbrowser* printed = nullptr;
    windows::setLawViewerHooks(
        {[&saves] { ++saves; }, [&printed](windows::frmhotbrowser& w) { printed = &w; }, {}, {}});
    windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    window.cmdpicsavewholelaw->click();
    window.cmdhotconnprint->click();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(printed, &window);
}

int twips(int pixels) {
    return pixels * shell::kTwipsPerPixel;
}

TEST_F(LawViewerTest, SaveButtonAtTheRightAndPrintButtonBesideIt) {
    windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    window.resize(600, 400);
    window.Form_Resize();
    const int saveWidth = twips(window.cmdpicsavewholelaw->width());
    EXPECT_NEAR(twips(window.cmdpicsavewholelaw->x()), twips(600) - saveWidth - 100, 8);
    EXPECT_NEAR(twips(window.cmdhotconnprint->x()), twips(600) - 2 * (saveWidth + 100), 15);
    EXPECT_TRUE(window.cmdpicsavewholelaw->isVisibleTo(&window));
    EXPECT_EQ(window.sspLaw->width(), 600);
    EXPECT_EQ(window.brwhotbrowser->geometry(),
              QRect(0, window.sspLaw->height(), 600, 400 - window.sspLaw->height()));
    EXPECT_EQ(window.rtbhotBrowser->geometry(), window.brwhotbrowser->geometry());
}

TEST_F(LawViewerTest, OpenedFromTheHistoryTabHasNoSaveButton) {
    fx.selectTab(testsupport::kTabHistory);
    windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    window.resize(600, 400);
    window.Form_Resize();
    EXPECT_FALSE(window.cmdpicsavewholelaw->isVisibleTo(&window));
    EXPECT_FALSE(window.cmdpicsavewholelaw->isEnabled());
    EXPECT_EQ(window.cmdhotconnprint->x(), window.cmdpicsavewholelaw->x());
}

TEST_F(LawViewerTest, VerySmallWindowKeepsTheDisplayHeight) {
    windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    window.resize(600, 400);
    window.Form_Resize();
    const int height = window.brwhotbrowser->height();
    window.resize(300, window.sspLaw->height());
    window.Form_Resize();
    EXPECT_EQ(window.brwhotbrowser->height(), height);
    EXPECT_EQ(window.brwhotbrowser->width(), 300);
}

} // namespace

// A reader follows citations inside the window and comes back with
// Alt+Left, forward again with Alt+Right or the buttons.
TEST_F(LawViewerTest, BackAndForwardAlongTheActsOpenedThroughLinks) {
    fx.context.state.gCurrentLawId = fx.context.state.gViewerLawId = 100;
    pages::navigate_to_hotbrowser(fx.form, fx.context, pages::kNotHistory, true);
    windows::frmhotbrowser& window = windows::showLawViewer(fx.form, fx.context);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto shown = [&] { return MainFormFixture::bodyOf(window.brwhotbrowser); };
    ASSERT_TRUE(shown().contains(QStringLiteral("Προοίμιο")));
    EXPECT_FALSE(window.cmdhotback->isEnabled());
    EXPECT_FALSE(window.cmdhotforward->isEnabled());

    window.brwhotbrowser->activateLink(QStringLiteral("#11"));
    ASSERT_TRUE(shown().contains(QStringLiteral("Όλο το κείμενο")));
    EXPECT_TRUE(window.cmdhotback->isEnabled());

    QTest::keyClick(window.brwhotbrowser->view(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(shown().contains(QStringLiteral("Προοίμιο")));
    EXPECT_EQ(fx.context.state.gViewerLawId, 100);
    EXPECT_FALSE(window.cmdhotback->isEnabled());
    EXPECT_TRUE(window.cmdhotforward->isEnabled());

    QTest::keyClick(window.brwhotbrowser->view(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_TRUE(shown().contains(QStringLiteral("Όλο το κείμενο")));
    EXPECT_EQ(fx.context.state.gViewerLawId, 11);

    // A new link from an earlier act drops the acts ahead of it.
    window.cmdhotback->click();
    window.brwhotbrowser->activateLink(QStringLiteral("#20"));
    EXPECT_TRUE(shown().contains(QStringLiteral("Χωρίς σημαία")));
    EXPECT_FALSE(window.cmdhotforward->isEnabled());
    window.cmdhotback->click();
    EXPECT_EQ(fx.context.state.gViewerLawId, 100);
}

TEST(ActTrailTest, BackForwardAndANewVisitInBetween) {
    shell::ActTrail trail;
    EXPECT_FALSE(trail.back());
    trail.visit(1);
    trail.visit(1);
    trail.visit(2);
    trail.visit(3);
    EXPECT_EQ(trail.back(), 2);
    EXPECT_EQ(trail.back(), 1);
    EXPECT_FALSE(trail.back());
    EXPECT_EQ(trail.forward(), 2);
    trail.visit(4);
    EXPECT_FALSE(trail.canGoForward());
    EXPECT_EQ(trail.back(), 2);
    EXPECT_EQ(trail.back(), 1);
}
