// clsForm on offscreen windows: defaults, saving and restoring in twips,
// centring, minimised windows, and windows that would stand off the screen.
#include "routines/IniSettingsStore.h"
#include "routines/clsForm.h"
#include "routines/clsRegistry.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using dvRtns4::clsForm;
using dvRtns4::clsRegistry;
using dvRtns4::IniSettingsStore;

namespace {

class FormTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    IniSettingsStore user{dir.path() + QStringLiteral("/Software.ini")};
    IniSettingsStore machine{dir.path() + QStringLiteral("/SOFTWARE.ini")};
    clsRegistry registry{user, machine};
    clsForm form{registry};
    const QString regKey = QStringLiteral("\\LEXORA\\Forms");

    static QRect screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static std::unique_ptr<QWidget> window(const char* name) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(QString::fromLatin1(name));
        return w;
    }
    QString stored(const char* name, const char* value) const {
        return registry.GetRegStrValue(regKey + QStringLiteral("\\") + QString::fromLatin1(name),
                                       QString::fromLatin1(value), QStringLiteral("none"));
    }
    void store(const char* name, const char* value, const char* text) {
        ASSERT_TRUE(
            registry.SetRegStrValue(regKey + QStringLiteral("\\") + QString::fromLatin1(name),
                                    QString::fromLatin1(value), QString::fromLatin1(text)));
    }
    // The reset place: 5 % in, 90 % of the screen.
    static QRect resetPlace() {
        const QRect s = screen();
        return {s.x() + s.width() * 5 / 100, s.y() + s.height() * 5 / 100, s.width() * 90 / 100,
                s.height() * 90 / 100};
    }
};

TEST_F(FormTest, NothingStoredPlacesTheWindowAtTheDefaults) {
    auto w = window("frmTest");
    form.ReadFormCoord(*w, 1500, 3000, 6000, 4500, regKey);
    EXPECT_EQ(w->geometry(), QRect(100, 200, 400, 300));

    // Only left and top: the size stays as it was.
    auto small = window("frmSmall");
    small->resize(123, 45);
    form.ReadFormCoord(*small, 150, 150, 6000, 4500, regKey, true);
    EXPECT_EQ(small->geometry(), QRect(10, 10, 123, 45));

    // With InitCentered and defaults 0, 0 the window is centred.
    auto centred = window("frmCentred");
    form.ReadFormCoord(*centred, 0, 0, 6000, 4500, regKey, false, true);
    const QRect s = screen();
    EXPECT_EQ(centred->pos(),
              QPoint(s.x() + (s.width() - 400) / 2, s.y() + (s.height() - 300) / 2));

    // An empty key reads nothing: the window stays.
    auto untouched = window("frmUntouched");
    untouched->setGeometry(7, 8, 90, 100);
    form.ReadFormCoord(*untouched, 1500, 1500, 1500, 1500, QString());
    EXPECT_EQ(untouched->geometry(), QRect(7, 8, 90, 100));
}

TEST_F(FormTest, SavedPlacesComeBackInTwips) {
    auto w = window("frmSaved");
    w->setGeometry(30, 40, 500, 350);
    form.SaveFormCoord(*w, regKey);
    EXPECT_EQ(stored("frmSaved", "L"), QStringLiteral("450"));
    EXPECT_EQ(stored("frmSaved", "T"), QStringLiteral("600"));
    EXPECT_EQ(stored("frmSaved", "W"), QStringLiteral("7500"));
    EXPECT_EQ(stored("frmSaved", "H"), QStringLiteral("5250"));

    auto next = window("frmSaved");
    form.ReadFormCoord(*next, 0, 0, 1500, 1500, regKey, false, true);
    EXPECT_EQ(next->geometry(), QRect(30, 40, 500, 350));

    // Only left and top are written when asked.
    auto other = window("frmOther");
    other->setGeometry(60, 70, 200, 100);
    form.SaveFormCoord(*other, regKey, true);
    EXPECT_EQ(stored("frmOther", "L"), QStringLiteral("900"));
    EXPECT_EQ(stored("frmOther", "W"), QStringLiteral("none"));

    // Twips that are not a whole number of pixels round to the nearest one;
    // text after the number is ignored.
    store("frmOdd", "L", "1508");
    store("frmOdd", "T", "22 twips");
    auto odd = window("frmOdd");
    form.ReadFormCoord(*odd, 0, 0, 1500, 1500, regKey, true);
    EXPECT_EQ(odd->pos(), QPoint(101, 1));
}

TEST_F(FormTest, MinimisedWindowsAndEmptyKeysAreNotSaved) {
    auto w = window("frmMin");
    w->setGeometry(30, 40, 500, 350);
    w->setWindowState(Qt::WindowMinimized);
    form.SaveFormCoord(*w, regKey);
    EXPECT_EQ(stored("frmMin", "L"), QStringLiteral("none"));

    w->setWindowState(Qt::WindowNoState);
    form.SaveFormCoord(*w, QString());
    EXPECT_EQ(stored("frmMin", "L"), QStringLiteral("none"));
}

TEST_F(FormTest, WindowsOffTheScreenAreBroughtBack) {
    const QRect s = screen();
    const struct {
        QString left;
        QString top;
    } cases[] = {
        {QStringLiteral("-150"), QStringLiteral("300")},                  // negative left
        {QStringLiteral("300"), QStringLiteral("-15")},                   // negative top
        {QString::number((s.right() + 50) * 15), QStringLiteral("300")},  // beyond the right edge
        {QStringLiteral("300"), QString::number((s.bottom() + 50) * 15)}, // below the bottom
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left.toStdString() + ", " + c.top.toStdString());
        store("frmAway", "L", c.left.toUtf8().constData());
        store("frmAway", "T", c.top.toUtf8().constData());
        auto w = window("frmAway");
        form.ReadFormCoord(*w, 0, 0, 3000, 3000, regKey);
        EXPECT_EQ(w->geometry(), resetPlace());
    }

    // A window partly off the screen but with its corner on it stays.
    store("frmAway", "L", QString::number((s.right() - 10) * 15).toUtf8().constData());
    store("frmAway", "T", "150");
    auto w = window("frmAway");
    form.ReadFormCoord(*w, 0, 0, 3000, 3000, regKey);
    EXPECT_EQ(w->pos(), QPoint(s.right() - 10, 10));
}

TEST_F(FormTest, MdiChildrenKeepANegativePlaceUnlessNamedFrmMDI) {
    QMdiArea area;
    for (const char* name : {"frmChild", "frmMDI"}) {
        auto* child = area.addSubWindow(new QWidget);
        child->setObjectName(QString::fromLatin1(name));
        store(name, "L", "-300");
        store(name, "T", "150");
        form.ReadFormCoord(*child, 0, 0, 3000, 3000, regKey);
        if (QString::fromLatin1(name) == QLatin1String("frmMDI"))
            EXPECT_EQ(child->geometry(), resetPlace());
        else
            EXPECT_EQ(child->pos(), QPoint(-20, 10));
    }
}

TEST_F(FormTest, CentringHappensOnlyOnScreen) {
    auto w = window("frmCentre");
    w->setGeometry(5, 6, 200, 100);
    form.CenterForm(*w);
    EXPECT_EQ(w->pos(), QPoint(5, 6));
    form.CenterForm(*w, true);
    const QRect s = screen();
    EXPECT_EQ(w->pos(), QPoint(s.x() + (s.width() - 200) / 2, s.y() + (s.height() - 100) / 2));
    EXPECT_EQ(w->size(), QSize(200, 100));
}

} // namespace
