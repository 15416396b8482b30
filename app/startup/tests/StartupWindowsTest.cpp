// The start-up windows: the regional-settings window's marking, repair and
// ending; the wrong-version window's texts; the wait window.
#include "app/startup/RegionalStoreLocaleSource.h"
#include "app/startup/frmWait.h"
#include "app/startup/frmWrongRegionalSettings.h"
#include "app/startup/frmWrongVersion.h"
#include "app/startup/tests/StartupDoubles.h"
#include "routines/IniSettingsStore.h"
#include "tests/support/RecordingMessages.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace lexora::startup;
using dvRtns4::IniSettingsStore;
using lexora::platform::LocaleInfo;
using startuptest::FakeLocale;

namespace {

const char* const kNumberLabels[] = {"lbNumbers_0", "lbNumbers_1", "lbNumbers_2", "lbNumbers_3"};
const char* const kDateLabels[] = {"lbDate_0", "lbDate_1"};
const char* const kHourLabels[] = {"lbHours_0", "lbHours_1"};

class RegionalWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    IniSettingsStore store{dir.path() + QStringLiteral("/DRAVIK/ControlPanel.ini")};
    testsupport::RecordingMessages messages{false};
    FakeLocale locale;
    lexora::platform::OsVersion version{true, 0, 0, 0, QStringLiteral("Debian GNU/Linux 12")};
    int ended = 0;

    std::unique_ptr<frmWrongRegionalSettings> window() {
        return std::make_unique<frmWrongRegionalSettings>(ReadLocaleSnapshot(locale), version,
                                                          QStringLiteral("Lexora"), store, messages,
                                                          [this] { ++ended; });
    }
    static QLabel* label(QWidget& w, const char* name) {
        return w.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static bool marked(QWidget& w, const char* name) {
        QLabel* l = label(w, name);
        return l->palette().color(QPalette::WindowText) == kRegionalErrorColour &&
               l->text().startsWith(QStringLiteral("ERROR [")) &&
               l->text().endsWith(QLatin1Char(']'));
    }
    static bool plain(QWidget& w, const char* name) {
        QLabel* l = label(w, name);
        return l->palette().color(QPalette::WindowText) == kRegionalLabelColour &&
               !l->text().startsWith(QStringLiteral("ERROR"));
    }
};

TEST_F(RegionalWindowTest, LabelsAsLoaded) {
    locale.values[LocaleInfo::SDate] = QStringLiteral("-");
    auto w = window();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Έλεγχος τοπικών ρυθμίσεων Η/Υ"));
    EXPECT_EQ(label(*w, "lbOSInfo")->text(), QStringLiteral("Λειτουργικό:  Debian GNU/Linux 12"));
    EXPECT_EQ(label(*w, "lbApplication_0")->text(), QStringLiteral("Lexora"));
    EXPECT_EQ(label(*w, "lbApplication_0")->palette().color(QPalette::WindowText),
              QColor(192, 0, 0));
    EXPECT_EQ(label(*w, "lbDate_1")->text(),
              QStringLiteral("ERROR [Το διαχωριστικό ημερομηνίας πρέπει να είναι η κάθετος  /]"));
    EXPECT_EQ(label(*w, "lbNumbers_0")->text(),
              QStringLiteral("Η μορφή των Αριθμών πρέπει να είναι η ακόλουθη: 123.456.789,00"));
    EXPECT_TRUE(
        label(*w, "lbNotes_0")->text().endsWith(QStringLiteral("θα πρέπει να ορίσετε τα εξής:")));
    EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("cmdUpdateReg"))->text(),
              QStringLiteral("Διόρθωση των ρυθμίσεων αυτόματα"));
    EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("cmdExit"))->text(),
              QStringLiteral("Κλείσιμο"));
}

TEST_F(RegionalWindowTest, WrongGroupsAreMarkedAsAWhole) {
    const struct {
        const char* what;
        LocaleInfo info;
        const char* value;
        bool numbers, dates, hours;
    } cases[] = {
        {"date separator -", LocaleInfo::SDate, "-", false, true, false},
        {"month-day-year", LocaleInfo::ILDate, "0", false, true, false},
        {"12-hour clock with :", LocaleInfo::ITime, "0", false, false, true},
        {"time separator .", LocaleInfo::STime, ".", false, false, true},
        {"decimal equal to grouping", LocaleInfo::SDecimal, ".", true, false, false},
    };
    for (const auto& c : cases) {
        locale = FakeLocale();
        locale.values[c.info] = QString::fromUtf8(c.value);
        auto w = window();
        for (const char* name : kNumberLabels)
            EXPECT_TRUE(c.numbers ? marked(*w, name) : plain(*w, name)) << c.what << " " << name;
        for (const char* name : kDateLabels)
            EXPECT_TRUE(c.dates ? marked(*w, name) : plain(*w, name)) << c.what << " " << name;
        for (const char* name : kHourLabels)
            EXPECT_TRUE(c.hours ? marked(*w, name) : plain(*w, name)) << c.what << " " << name;
    }
}

TEST_F(RegionalWindowTest, RepairWritesReportsAndEnds) {
    locale.values[LocaleInfo::ITime] = QStringLiteral("0");
    auto w = window();
    w->show();
    w->findChild<QPushButton*>(QStringLiteral("cmdUpdateReg"))->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Η διόρθωση των τοπικών ρυθμίσεων ολοκληρώθηκε επιτυχώς"));
    EXPECT_TRUE(messages.shown[0].title.isEmpty());
    EXPECT_EQ(messages.shown[0].buttons, dvRtns4::MsgButtons::OkOnly);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(IniSettingsStore(store.filePath())
                  .read(kInternationalKey, QStringLiteral("sShortTime"))
                  .text,
              QStringLiteral("HH:mm"));
    w->close(); // closing what is already unloaded ends nothing more
    EXPECT_EQ(ended, 1);
}

TEST_F(RegionalWindowTest, RepairThatCannotWriteReportsTheFailure) {
    // A file where the store's folder should be: no write can succeed, also
    // for a user whom permissions do not stop.
    QFile notAFolder(QFileInfo(store.filePath()).absolutePath());
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    locale.values[LocaleInfo::ITime] = QStringLiteral("0");
    auto w = window();
    w->show();
    w->findChild<QPushButton*>(QStringLiteral("cmdUpdateReg"))->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("Η διόρθωση των τοπικών ρυθμίσεων απέτυχε")));
    EXPECT_EQ(ended, 1);
}

TEST_F(RegionalWindowTest, RepairOnAnOldWindowsWritesNothingButStillEnds) {
    version = startuptest::windowsVersion(4, 0);
    locale.values[LocaleInfo::ITime] = QStringLiteral("0");
    auto w = window();
    w->cmdUpdateReg_Click();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(QFile::exists(store.filePath()));
}

TEST_F(RegionalWindowTest, ExitButtonAndCloseBoxEndTheProgram) {
    locale.values[LocaleInfo::ITime] = QStringLiteral("0");
    auto byButton = window();
    byButton->show();
    byButton->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(messages.shown.empty());

    auto byCloseBox = window();
    byCloseBox->show();
    EXPECT_TRUE(byCloseBox->close());
    EXPECT_EQ(ended, 2);
    EXPECT_FALSE(QFile::exists(store.filePath()));
}

TEST(WrongVersionWindow, TextsAndButton) {
    frmWrongVersion w(QStringLiteral("Kestrani"));
    EXPECT_EQ(w.objectName(), QStringLiteral("frmWrongVersion"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lbApplication_0"))->text(),
              QStringLiteral("Kestrani"));
    const QString tip = w.findChild<QLabel*>(QStringLiteral("lbToolTip"))->text();
    const QString first = QStringLiteral("Λανθασμένη Έκδοση της εφαρμογής!");
    const QString second = QStringLiteral(
        "Επιχειρήσατε να \"ανοίξετε\" την εφαρμογή με παλαιότερη έκδοση από την 2.9");
    const QString third =
        QStringLiteral("Παρακαλούμε εγκαταστήστε την έκδοση 2.9 ή μία μεταγενέστερη");
    EXPECT_EQ(tip, first + QString(205, QLatin1Char(' ')) + second +
                       QString(131, QLatin1Char(' ')) + third);
    auto* cmdExit = w.findChild<QPushButton*>(QStringLiteral("cmdExit"));
    EXPECT_EQ(cmdExit->text(), QStringLiteral("Κλείσιμο"));
    w.show();
    cmdExit->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(WaitWindow, CaptionLabelAndPicture) {
    frmWait w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Παρακαλώ Περιμένετε . . ."));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblWait"))->text(),
              QStringLiteral("Παρακαλώ περιμένετε..."));
    const QImage picture = frmWait::hourglass(48).toImage();
    // Something is drawn, and not everywhere.
    int painted = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            painted += qAlpha(picture.pixel(x, y)) > 0;
    EXPECT_GT(painted, 48 * 48 / 5);
    EXPECT_LT(painted, 48 * 48);
}

} // namespace
