// The main window's size, place, splitters and tab come back at the next
// start through the settings file; a place on a screen that is gone is
// brought back onto one.
#include "app/windows/tests/MainWindowFixture.h"

#include "app/startup/ApplicationSettings.h"
#include "app/windows/WindowMemory.h"
#include "routines/IniSettingsStore.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace windowstest;
using namespace lexora;

namespace {

class WindowMemoryTest : public MainWindowFixture {
protected:
    // One run: a window that remembers itself, loaded and shown.
    void start() {
        build(lexora::kTitleKestrani, kSmallContent, false);
        windows::rememberWindow(*window, settings);
        window->Form_Load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QTemporaryDir folder;
    dvRtns4::IniSettingsStore store{folder.filePath(QStringLiteral("user.ini"))};
    startup::ApplicationSettings settings{store, store};
};

} // namespace

TEST_F(WindowMemoryTest, SizePlaceSplittersAndTabComeBackAtTheNextStart) {
    start();
    window->resize(1000, 720);
    window->move(40, 30);
    QApplication::processEvents();
    ASSERT_TRUE(window->picDrag_MouseMove(60));
    ASSERT_TRUE(window->picDrag2_MouseMove(-40));
    controls().SSTab1->setCurrentIndex(windows::kTabLaws);
    const QRect geometry = window->geometry();
    const int leftPane = window->leftPaneWidth();
    const int splitTop = window->splitTop();
    window->close();

    start();
    EXPECT_EQ(window->geometry().size(), geometry.size());
    EXPECT_EQ(window->leftPaneWidth(), leftPane);
    EXPECT_EQ(window->splitTop(), splitTop);
    EXPECT_EQ(controls().SSTab1->currentIndex(), windows::kTabLaws);
    EXPECT_TRUE(controls().txtsearchlaw[0]->isVisible()); // the tab's own controls
    window->close();
}

TEST_F(WindowMemoryTest, NothingStoredKeepsTheDesignedWindow) {
    start();
    EXPECT_EQ(controls().SSTab1->currentIndex(), windows::kTabTopics);
    EXPECT_GT(window->leftPaneWidth(), 0);
    window->close();
}

TEST(WindowPlacementTest, AWindowOffTheScreensIsBroughtBack) {
    const QList<QRect> one{QRect(0, 0, 1920, 1040)};
    const QList<QRect> two{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000)};
    const struct {
        const char* what;
        QRect frame;
        QList<QRect> screens;
        QRect placed;
    } cases[] = {
        {"on the screen", QRect(100, 80, 900, 700), one, QRect(100, 80, 900, 700)},
        {"on the second monitor, still there", QRect(2000, 50, 900, 700), two,
         QRect(2000, 50, 900, 700)},
        {"on a second monitor that is gone", QRect(2000, 50, 900, 700), one,
         QRect(1020, 50, 900, 700)},
        {"above the screen", QRect(100, -900, 900, 700), one, QRect(100, 0, 900, 700)},
        {"larger than the screen", QRect(-3000, 0, 2500, 1400), one, QRect(0, 0, 1920, 1040)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windows::ontoScreens(c.frame, c.screens), c.placed) << c.what;
}
