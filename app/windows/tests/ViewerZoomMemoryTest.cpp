// The viewers' zoom survives the program: changed with the keys in one run,
// read back from the settings file by the viewers of the next.
#include "app/windows/ViewerZoomMemory.h"
#include "app/startup/ApplicationSettings.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/textview/TextZoom.h"
#include "routines/IniSettingsStore.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace lexora;

namespace {

// A window with one page viewer and one document box, as a run makes it.
struct ZoomRun {
    explicit ZoomRun(const QString& file)
        : user(file), machine(file), settings(user, machine), viewer(new pages::PageViewer),
          box(new richtext::DocumentBox) {
        viewer->setObjectName(QStringLiteral("brwWebBrowser2"));
        box->setObjectName(QStringLiteral("rtbWordLaw"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(viewer);
        layout->addWidget(box);
        windows::rememberViewerZoom(window, settings);
    }
    dvRtns4::IniSettingsStore user;
    dvRtns4::IniSettingsStore machine;
    startup::ApplicationSettings settings;
    QWidget window;
    pages::PageViewer* viewer;
    richtext::DocumentBox* box;
};

} // namespace

TEST(ViewerZoomMemoryTest, EachViewerComesBackAtTheZoomItWasLeftAt) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    {
        ZoomRun first(file);
        EXPECT_EQ(first.viewer->zoom()->percent(), 100);
        first.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&first.window));
        first.viewer->view()->setFocus();
        QTest::keyClick(first.viewer->view(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(first.viewer->view(), Qt::Key_Plus, Qt::ControlModifier);
        first.box->setFocus();
        QTest::keyClick(first.box, Qt::Key_Minus, Qt::ControlModifier);
    }
    ZoomRun second(file);
    EXPECT_EQ(second.viewer->zoom()->percent(), 125);
    EXPECT_EQ(second.box->zoom()->percent(), 90);
}

TEST(ViewerZoomMemoryTest, AStoredValueThatIsNoZoomIsLeftAside) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    {
        dvRtns4::IniSettingsStore store(file);
        startup::ApplicationSettings settings(store, store);
        settings.WriteUserSetting(QString::fromLatin1(windows::kZoomKey),
                                  QStringLiteral("brwWebBrowser2"), QStringLiteral("μεγάλο"));
        settings.WriteUserSetting(QString::fromLatin1(windows::kZoomKey),
                                  QStringLiteral("rtbWordLaw"), QStringLiteral("9000"));
    }
    ZoomRun run(file);
    EXPECT_EQ(run.viewer->zoom()->percent(), 100);
    EXPECT_EQ(run.box->zoom()->percent(), 300);
}
