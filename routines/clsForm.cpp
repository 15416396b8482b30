// Window positions in twips over the registry routines, and the screens the
// windows are on.
#include "routines/clsForm.h"

#include "routines/Variant.h"
#include "routines/clsRegistry.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

namespace dvRtns4 {

namespace {

constexpr int kTwipsPerPixel = 15;

int toPixels(qint64 twips) {
    // Rounded to the nearest pixel, halves away from zero.
    const qint64 half = twips < 0 ? -kTwipsPerPixel / 2 : kTwipsPerPixel / 2;
    return static_cast<int>((twips + half) / kTwipsPerPixel);
}

QString toTwipsText(int pixels) {
    return QString::number(qint64{pixels} * kTwipsPerPixel);
}

QString recordKey(const QString& regKey, const QWidget& frm) {
    return regKey + QLatin1Char('\\') + frm.objectName();
}

// The available area of the screen the window is on.
QRect screenArea(const QWidget& frm) {
    const QScreen* screen = frm.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool onSomeScreen(const QPoint& point) {
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        if (screen->availableGeometry().contains(point))
            return true;
    }
    return false;
}

} // namespace

clsForm::clsForm() = default;

clsForm::clsForm(clsRegistry& registry) : m_registry(&registry) {}

clsForm::~clsForm() = default;

clsRegistry& clsForm::registry() {
    if (!m_registry) {
        m_ownRegistry = std::make_unique<clsRegistry>();
        m_registry = m_ownRegistry.get();
    }
    return *m_registry;
}

void clsForm::ReadFormCoord(QWidget& frm, qint32 L, qint32 T, qint32 W, qint32 H,
                            const QString& RegKey, bool OnlyLeftTop, bool InitCentered) {
    if (RegKey.isEmpty())
        return;
    const QString key = recordKey(RegKey, frm);
    clsRegistry& store = registry();
    const auto stored = [&](const char* name, qint32 fallback) {
        const QString text =
            store.GetRegStrValue(key, QString::fromLatin1(name), QString::number(fallback), true);
        return toPixels(Variant(text).toInt()); // a text's leading number
    };

    frm.move(stored("L", L), stored("T", T));
    if (!OnlyLeftTop)
        frm.resize(stored("W", W), stored("H", H));
    if (InitCentered && frm.pos() == QPoint(0, 0))
        CenterForm(frm, true);

    const bool mdiChild = qobject_cast<QMdiSubWindow*>(&frm) != nullptr;
    if (mdiChild && frm.objectName() != QLatin1String("frmMDI"))
        return; // MDI children stay where they were put
    const QPoint corner = frm.pos();
    // Off every screen: negative on a single screen, or beyond the right or
    // bottom edge of what is left after a monitor was removed. A negative
    // position on a monitor left of or above the main one is kept.
    if (!onSomeScreen(corner)) {
        QRect area = screenArea(frm);
        if (!area.contains(corner) && QGuiApplication::primaryScreen())
            area = QGuiApplication::primaryScreen()->availableGeometry();
        frm.move(area.x() + area.width() * 5 / 100, area.y() + area.height() * 5 / 100);
        frm.resize(area.width() * 90 / 100, area.height() * 90 / 100);
    }
}

void clsForm::SaveFormCoord(const QWidget& frm, const QString& RegKey, bool OnlyLeftTop) {
    if (RegKey.isEmpty() || frm.isMinimized())
        return;
    const QString key = recordKey(RegKey, frm);
    clsRegistry& store = registry();
    store.SetRegStrValue(key, QStringLiteral("L"), toTwipsText(frm.x()), true);
    store.SetRegStrValue(key, QStringLiteral("T"), toTwipsText(frm.y()), true);
    if (OnlyLeftTop)
        return;
    store.SetRegStrValue(key, QStringLiteral("W"), toTwipsText(frm.width()), true);
    store.SetRegStrValue(key, QStringLiteral("H"), toTwipsText(frm.height()), true);
}

void clsForm::CenterForm(QWidget& frm, bool OnScreen) {
    if (!OnScreen)
        return;
    const QRect area = screenArea(frm);
    const QSize outer = frm.frameGeometry().size();
    frm.move(area.x() + (area.width() - outer.width()) / 2,
             area.y() + (area.height() - outer.height()) / 2);
}

} // namespace dvRtns4
