// The about window (version line, layout, hover rule, links, one window at a
// time) and the legal-text window it opens.
#include "app/windows/dialogs/DialogTexts.h"
#include "app/windows/dialogs/frmAbout.h"
#include "app/windows/dialogs/frmHelp.h"
#include "app/windows/dialogs/frmIDravik.h"
#include "app/windows/dialogs/frmSetSysParam.h"
#include "app/windows/dialogs/frmSystemInfo.h"
#include "app/windows/dialogs/tests/DialogsFixture.h"
#include "platform/richtext/DocumentBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace lexora::dialogs;

namespace dialogtest {
namespace {

struct VersionCase {
    int major;
    int minor;
    const char* line;
};

class VersionLineTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionLineTest, MinorHasAtLeastTwoDigits) {
    const VersionCase& c = GetParam();
    frmAbout about({}, ProgramVersion{c.major, c.minor});
    about.Form_Load();
    EXPECT_EQ(about.lbVersion->text(), QString::fromUtf8(c.line));
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionLineTest,
                         ::testing::Values(VersionCase{21, 2, "Έκδοση: 21.02"},
                                           VersionCase{6, 10, "Έκδοση: 6.10"},
                                           VersionCase{3, 0, "Έκδοση: 3.00"},
                                           VersionCase{1, 123, "Έκδοση: 1.123"}));

// A pointer move as the window system delivers it to the element under the
// pointer (an element that does not take it passes it to its parent).
void moveOver(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

std::vector<bool> underlines(const frmAbout& about) {
    std::vector<bool> result;
    for (const QLabel* link : about.lbWeb)
        result.push_back(link->font().underline());
    return result;
}

class AboutWindowTest : public DialogsFixture {};

TEST_F(AboutWindowTest, FixedLayoutWithTheLinksAndTheMakersLines) {
    frmAbout& about = dialogs->showAbout();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Για την εφαρμογή"));
    EXPECT_EQ(about.size(), QSize(398, 465));
    EXPECT_FALSE(about.windowIcon().isNull());
    EXPECT_EQ(about.lbVersion->geometry(), QRect(136, 72, 267, 14));
    EXPECT_EQ(about.Frame->geometry(), QRect(8, 368, 249, 65));
    EXPECT_EQ(about.cmdOK->geometry(), QRect(312, 440, 80, 21));
    EXPECT_EQ(about.lbC->text(), texts::kCopyright);
    EXPECT_TRUE(about.Label8->text().contains(QStringLiteral("DRAVIK")));
    EXPECT_FALSE(about.Label6[0]->text().isEmpty());
    EXPECT_FALSE(about.Label6[2]->text().isEmpty());

    const std::array<const char*, 4> captions{"Αναβάθμιση Νέας Έκδοσης", "Δήλωση περί απορρήτου",
                                              "Άδεια Χρήσης Λογισμικού",
                                              "Εμφάνιση Γενικών Πληροφοριών Εφαρμογής"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(about.lbWeb[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(about.lbWeb[i]->objectName(), QStringLiteral("lbWeb_%1").arg(i));
        EXPECT_EQ(about.lbWeb[i]->cursor().shape(), Qt::BitmapCursor);
    }
    EXPECT_EQ(about.lbWeb[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(about.lbWeb[3]->palette().color(QPalette::WindowText), QColor(255, 0, 255));
}

TEST_F(AboutWindowTest, ArtworkTopIsDrawnAndLowerPartIsWhite) {
    frmAbout& about = dialogs->showAbout();
    const QImage image = about.grab().toImage();
    EXPECT_NE(image.pixelColor(4, 4), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(300, 400), QColor(Qt::white));
}

TEST_F(AboutWindowTest, UnderlineFollowsThePointerAndClearsOffTheLinks) {
    frmAbout& about = dialogs->showAbout();
    moveOver(about.lbWeb[0]);
    EXPECT_EQ(underlines(about), (std::vector<bool>{true, false, false, false}));
    moveOver(about.lbWeb[2]);
    EXPECT_EQ(underlines(about), (std::vector<bool>{false, false, true, false}));
    moveOver(about.Frame);
    EXPECT_EQ(underlines(about), (std::vector<bool>{false, false, false, false}));
    moveOver(about.lbWeb[3]);
    moveOver(about.cmdOK);
    EXPECT_EQ(underlines(about), (std::vector<bool>{false, false, false, false}));
    moveOver(about.lbWeb[1]);
    moveOver(about.lbVersion);
    EXPECT_EQ(underlines(about), (std::vector<bool>{false, false, false, false}));
    moveOver(about.lbWeb[1]);
    moveOver(&about);
    EXPECT_EQ(underlines(about), (std::vector<bool>{false, false, false, false}));
}

TEST_F(AboutWindowTest, LinksOpenTheirTargetsAndTheWindowStaysOpen) {
    frmAbout& about = dialogs->showAbout();
    QTest::mouseClick(about.lbWeb[0], Qt::LeftButton);
    ASSERT_EQ(webOpener.opened.size(), 1U);
    EXPECT_EQ(webOpener.opened[0], texts::kNewVersionsAddress);

    QTest::mouseClick(about.lbWeb[1], Qt::LeftButton);
    frmIDravik* legal = dialogs->legalTextWindow();
    ASSERT_NE(legal, nullptr);
    EXPECT_EQ(legal->mode(), 0);

    QTest::mouseClick(about.lbWeb[2], Qt::LeftButton);
    EXPECT_EQ(dialogs->legalTextWindow(), legal);
    EXPECT_EQ(legal->mode(), 1);
    EXPECT_EQ(legal->windowTitle(), texts::kLinkTerms);

    QTest::mouseClick(about.lbWeb[3], Qt::LeftButton);
    EXPECT_NE(dialogs->informationWindow(), nullptr);

    about.lbWeb_Click(4); // no such link
    EXPECT_EQ(dialogs->about(), &about);
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(webOpener.opened.size(), 1U);
}

TEST_F(AboutWindowTest, OneWindowAtATimeAndANewOneAfterClosing) {
    frmAbout* first = &dialogs->showAbout();
    EXPECT_EQ(&dialogs->showAbout(), first);
    EXPECT_EQ(mainWindow->findChildren<frmAbout*>().size(), 1);
    first->cmdOK->click();
    EXPECT_EQ(dialogs->about(), nullptr);
    frmAbout& second = dialogs->showAbout();
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.lbVersion->text(), versionLine(programVersion()));
}

// The legal texts as the box shows them, by their first lines.
struct LegalCase {
    int choice;
    const char* title;
    const char* firstLine;
    const char* secondLine;
};

class LegalTextTest : public DialogsFixture, public ::testing::WithParamInterface<LegalCase> {};

TEST_P(LegalTextTest, ShowsTheGreekText) {
    const LegalCase& c = GetParam();
    frmIDravik& window = dialogs->showLegalText(c.choice);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title));
    const QStringList lines = window.txt->Text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].trimmed(), QString::fromUtf8(c.firstLine));
    EXPECT_EQ(lines[1].trimmed(), QString::fromUtf8(c.secondLine));
    EXPECT_TRUE(window.txt->isReadOnly());
    // The box fills the window down to the close button, which stays in view.
    EXPECT_EQ(window.cmdExit->text(), QStringLiteral("Κλείσιμο"));
    EXPECT_TRUE(window.cmdExit->isVisible());
    EXPECT_TRUE(window.rect().contains(window.cmdExit->geometry()));
    EXPECT_FALSE(window.txt->geometry().intersects(window.cmdExit->geometry()));
    EXPECT_EQ(window.txt->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(window.txt->width(), window.width());
    EXPECT_GT(window.txt->height(), window.height() - 3 * window.cmdExit->height());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LegalTextTest,
    ::testing::Values(LegalCase{1, "Δήλωση περί απορρήτου",
                                "Δήλωση προστασίας προσωπικών δεδομένων",
                                "Εφαρμογή νομοθεσίας πρωτοβάθμιας εκπαίδευσης – DRAVIK"},
                      LegalCase{2, "Άδεια Χρήσης Λογισμικού", "Όροι χρήσης του λογισμικού",
                                "DRAVIK – Εφαρμογή νομοθεσίας πρωτοβάθμιας εκπαίδευσης"}));

TEST_F(LegalTextTest, AnotherChoiceLeavesTheTextShown) {
    frmIDravik& window = dialogs->showLegalText(2);
    const QString shown = window.txt->Text();
    window.Init(3);
    EXPECT_EQ(window.mode(), 1);
    EXPECT_EQ(window.txt->Text(), shown);
    EXPECT_TRUE(legalText(0).isEmpty());
}

} // namespace
} // namespace dialogtest
