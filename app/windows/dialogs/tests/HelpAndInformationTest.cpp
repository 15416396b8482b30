// The help window and the information window: captions, pages, toolbars,
// printing, the stored choice of the information window and its failure.
#include "app/windows/MainWindowHooks.h"
#include "app/windows/dialogs/DialogGeometry.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "app/windows/dialogs/frmAbout.h"
#include "app/windows/dialogs/frmHelp.h"
#include "app/windows/dialogs/frmIDravik.h"
#include "app/windows/dialogs/frmSetSysParam.h"
#include "app/windows/dialogs/frmSystemInfo.h"
#include "app/windows/dialogs/tests/DialogsFixture.h"
#include "platform/pageview/PageViewer.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

using namespace lexora::dialogs;

namespace dialogtest {
namespace {

using HelpWindowTest = DialogsFixture;

TEST_F(HelpWindowTest, CaptionStartsWithLatinBAndNamesTheTitle) {
    frmHelp& help = dialogs->showHelp();
    const QString caption = help.windowTitle();
    EXPECT_EQ(caption, QStringLiteral("Bοήθεια στην εφαρμογή \"Kestrani\""));
    EXPECT_EQ(caption.at(0).unicode(), u'B'); // Latin, not the Greek capital beta
}

TEST_F(HelpWindowTest, ShowsTheHelpPageAndShowsItAgainFromTheToolbar) {
    frmHelp& help = dialogs->showHelp();
    const QString page =
        QUrl::fromLocalFile(db.folder() + QStringLiteral("/help/law_help.html")).toString();
    EXPECT_EQ(help.brwWebBrowserhelp->LocationURL(), page);
    EXPECT_TRUE(help.brwWebBrowserhelp->view()->toPlainText().contains(QStringLiteral("Οδηγίες")));

    help.brwWebBrowserhelp->Navigate(QStringLiteral("about:blank"));
    help.toolbar.cmdtoolbar[0]->click();
    EXPECT_EQ(help.brwWebBrowserhelp->LocationURL(), page);
}

TEST_F(HelpWindowTest, PrintsThePageThroughThePrinterDialog) {
    frmHelp& help = dialogs->showHelp();
    help.toolbar.cmdtoolbar[1]->click();
    EXPECT_EQ(printer.timesShown(), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GT(QFileInfo(printer.pdfPath()).size(), 0);
}

TEST_F(HelpWindowTest, CancelledPrintPrintsNothingAndSaysNothing) {
    printer.setCancel(true);
    dialogs->showHelp().cmdtoolbar_Click(1);
    EXPECT_EQ(printer.timesShown(), 1);
    EXPECT_FALSE(QFileInfo::exists(printer.pdfPath()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HelpWindowTest, ThirdButtonClosesAndTheNextOpeningMakesANewWindow) {
    frmHelp* first = &dialogs->showHelp();
    EXPECT_EQ(&dialogs->showHelp(), first);
    first->toolbar.cmdtoolbar[2]->click();
    EXPECT_EQ(dialogs->help(), nullptr);
    frmHelp& second = dialogs->showHelp();
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(dialogs->help(), &second);
}

TEST_F(HelpWindowTest, ToolbarButtonsStandFromTheRightEdge) {
    frmHelp& help = dialogs->showHelp();
    help.resize(900, 500);
    const auto& buttons = help.toolbar.cmdtoolbar;
    EXPECT_EQ(help.toolbar.sspToolbar->width(), 900);
    int right = twips(900);
    for (int i = 2; i >= 0; --i) {
        const QToolButton* button = buttons[static_cast<std::size_t>(i)];
        const int left = right - twips(button->width()) - 200;
        EXPECT_EQ(button->x(), pixels(left)) << "button " << i;
        right = left;
    }
    EXPECT_EQ(help.brwWebBrowserhelp->geometry(), QRect(0, help.toolbar.sspToolbar->height(), 900,
                                                        500 - help.toolbar.sspToolbar->height()));
    EXPECT_EQ(help.toolbar.sspToolbar->palette().color(QPalette::Window), QColor(146, 132, 131));
}

using InformationWindowTest = DialogsFixture;

TEST_F(InformationWindowTest, ShowsTheInformationPageWithItsControls) {
    frmSystemInfo& info = dialogs->showInformationWindow();
    EXPECT_EQ(info.brwWebBrowser->LocationURL(),
              QUrl::fromLocalFile(db.folder() + QStringLiteral("/help/LawInfo.htm")).toString());
    EXPECT_EQ(info.chkSysInfo->text(), QStringLiteral("Να μην εμφανιστεί ξανά αυτή η οθόνη"));
    EXPECT_EQ(info.cmdClose->text(), QStringLiteral("Κλείσιμο"));
    EXPECT_EQ(info.chkSysInfo->objectName(), QStringLiteral("chkSysInfo"));
    EXPECT_EQ(info.toolbar.cmdtoolbar[1]->objectName(), QStringLiteral("cmdtoolbar_1"));
}

// The check box's value reaches the database only through the close button.
struct CloseCase {
    const char* name;
    int storedBefore;
    bool ticked;
    bool byButton;
    int storedAfter;
};

class InformationWindowCloseTest : public DialogsFixture,
                                   public ::testing::WithParamInterface<CloseCase> {};

TEST_P(InformationWindowCloseTest, StoresTheChoiceOnlyThroughTheCloseButton) {
    const CloseCase& c = GetParam();
    setStoredSysInfo(c.storedBefore);
    frmSystemInfo& info = dialogs->showInformationWindow();
    info.chkSysInfo->setChecked(c.ticked);
    if (c.byButton)
        info.cmdClose->click();
    else
        info.close();
    EXPECT_EQ(dialogs->informationWindow(), nullptr);
    EXPECT_EQ(storedSysInfo(), c.storedAfter);
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InformationWindowCloseTest,
    ::testing::Values(CloseCase{"TickedAndClosedWithTheButton", 0, true, true, 1},
                      CloseCase{"ClearedAndClosedWithTheButton", 1, false, true, 0},
                      CloseCase{"TickedAndClosedWithTheCloseBox", 0, true, false, 0},
                      CloseCase{"ClearedAndClosedWithTheCloseBox", 1, false, false, 1}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

TEST_F(InformationWindowTest, AFailedWriteIsReportedAndTheWindowStillCloses) {
    frmSystemInfo& info = dialogs->showInformationWindow();
    db.exec(QStringLiteral("DROP TABLE system_law_parameters;"));
    info.chkSysInfo->setChecked(true);
    info.cmdClose_Click();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].title, texts::kSaveFailedTitle);
    EXPECT_TRUE(messages.shown[0].text.startsWith(texts::kInfoChoiceNotSaved));
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Exclamation);
    EXPECT_EQ(dialogs->informationWindow(), nullptr);
}

TEST_F(InformationWindowTest, OneWindowAtATimeFromEveryOpening) {
    frmSystemInfo* first = &dialogs->showInformationWindow();
    EXPECT_EQ(&dialogs->showInformationWindow(), first);
    frmAbout& about = dialogs->showAbout();
    about.lbWeb_Click(3);
    EXPECT_EQ(dialogs->informationWindow(), first);
    const auto windows = mainWindow->findChildren<frmSystemInfo*>();
    EXPECT_EQ(windows.size(), 1);
}

TEST_F(InformationWindowTest, ToolbarOpensHelpAboutAndSettings) {
    setStoredSysInfo(1);
    frmSystemInfo& info = dialogs->showInformationWindow();
    info.toolbar.cmdtoolbar[0]->click();
    EXPECT_NE(dialogs->help(), nullptr);
    info.toolbar.cmdtoolbar[1]->click();
    EXPECT_NE(dialogs->about(), nullptr);
    info.toolbar.cmdtoolbar[2]->click();
    ASSERT_NE(dialogs->settingsWindow(), nullptr);
    EXPECT_TRUE(dialogs->settingsWindow()->chksysdisp1->isChecked());
}

TEST_F(InformationWindowTest, LowerStripHoldsTheCheckBoxAndTheCloseButton) {
    frmSystemInfo& info = dialogs->showInformationWindow();
    info.resize(750, 600);
    const int top = info.toolbar.sspToolbar->height();
    const int viewerHeight = pixels(twips(600) - 1000);
    EXPECT_EQ(info.brwWebBrowser->geometry(), QRect(0, top, 750, viewerHeight));
    EXPECT_EQ(info.chkSysInfo->pos(),
              QPoint(pixels(100), pixels(twips(top) + twips(600) - 1000 + 100)));
    EXPECT_EQ(info.cmdClose->geometry().bottomRight(), QPoint(749, 599));
}

TEST_F(InformationWindowTest, CloseOtherWindowsClosesEveryDialog) {
    lexora::windows::MainWindowHooks hooks;
    dialogs->fillHooks(hooks);
    hooks.showInformationWindow();
    hooks.showHelp();
    hooks.showAbout();
    hooks.openSettings();
    dialogs->showLegalText(1);
    hooks.closeOtherWindows();
    EXPECT_EQ(dialogs->informationWindow(), nullptr);
    EXPECT_EQ(dialogs->help(), nullptr);
    EXPECT_EQ(dialogs->about(), nullptr);
    EXPECT_EQ(dialogs->settingsWindow(), nullptr);
    EXPECT_EQ(dialogs->legalTextWindow(), nullptr);
    EXPECT_EQ(storedSysInfo(), 0); // closing is not the close button
}

TEST_F(DialogsFixture, SecondaryWindowsOpenCentredOverTheMainWindow) {
    // The owner in the middle of the test screen: a window that fits on the
    // screen is centred over it exactly.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    mainWindow->resize(screen.width() - 60, screen.height() - 40);
    mainWindow->move(screen.center() - mainWindow->rect().center());
    mainWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow.get()));
    const QPoint centre = mainWindow->frameGeometry().center();
    const QWidget* windows[] = {&dialogs->OpenSettingsWindow(), &dialogs->showHelp(),
                                &dialogs->showInformationWindow(), &dialogs->showLegalText(1)};
    for (const QWidget* window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        if (window->width() <= screen.width() && window->height() <= screen.height()) {
            EXPECT_LE((window->frameGeometry().center() - centre).manhattanLength(), 4);
        }
        EXPECT_TRUE(screen.contains(window->frameGeometry().topLeft()));
    }
}

} // namespace
} // namespace dialogtest
