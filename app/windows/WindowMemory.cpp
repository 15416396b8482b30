// The size and state go through the toolkit's own geometry record; the place
// is checked against the screens of this run, since that record only knows
// the screens of the run that wrote it.
#include "app/windows/WindowMemory.h"

#include "app/startup/ApplicationSettings.h"
#include "app/windows/frmInitial.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace lexora::windows {

namespace {

QString key() {
    return QString::fromLatin1(kWindowKey);
}

int readNumber(const startup::ApplicationSettings& settings, const QString& name) {
    bool number = false;
    const int value = settings.ReadSetting(true, key(), name, QString()).toInt(&number);
    return number ? value : -1;
}

// Restores the splitters and the tab at the first show, stores everything
// at the close.
class WindowKeeper final : public QObject {
public:
    WindowKeeper(frmInitial& window, startup::ApplicationSettings& settings)
        : QObject(&window), m_window(window), m_settings(settings) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window) {
            if (event->type() == QEvent::Show && !m_restored) {
                m_restored = true;
                restoreLayout();
            } else if (event->type() == QEvent::Close) {
                store();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void restoreLayout() {
        const int tab = readNumber(m_settings, QStringLiteral("Tab"));
        shell::NavigationTabs& tabs = m_window.panes().tabs;
        if (tab >= static_cast<int>(shell::Tab::ChartN) &&
            tab <= static_cast<int>(shell::Tab::History) && tabs.isTabShown(shell::Tab(tab)))
            tabs.setCurrentTab(shell::Tab(tab));
        m_window.restoreSplitters(readNumber(m_settings, QStringLiteral("LeftPane")),
                                  readNumber(m_settings, QStringLiteral("SplitTop")));
    }

    void store() {
        const auto write = [this](const char* name, const QString& value) {
            m_settings.WriteUserSetting(key(), QString::fromLatin1(name), value);
        };
        write("Geometry", QString::fromLatin1(m_window.saveGeometry().toBase64()));
        write("LeftPane", QString::number(m_window.leftPaneWidth()));
        write("SplitTop", QString::number(m_window.splitTop()));
        write("Tab", QString::number(static_cast<int>(m_window.panes().tabs.currentTab())));
    }

    frmInitial& m_window;
    startup::ApplicationSettings& m_settings;
    bool m_restored = false;
};

} // namespace

QRect ontoScreens(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty() || frame.isEmpty())
        return frame;
    // Enough of the window on one screen to take hold of it: nothing to do.
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(frame);
        if (common.width() >= 100 && common.height() >= 50 && screen.contains(frame.topLeft()))
            return frame;
    }
    // Otherwise the screen nearest to it, with the window inside.
    const QRect* nearest = &screens.front();
    qint64 best = -1;
    for (const QRect& screen : screens) {
        const QPoint d = screen.center() - frame.center();
        const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (best < 0 || distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    QRect moved = frame;
    moved.setWidth(std::min(frame.width(), nearest->width()));
    moved.setHeight(std::min(frame.height(), nearest->height()));
    moved.moveLeft(std::clamp(frame.left(), nearest->left(), nearest->right() - moved.width() + 1));
    moved.moveTop(std::clamp(frame.top(), nearest->top(), nearest->bottom() - moved.height() + 1));
    return moved;
}

void rememberWindow(frmInitial& window, startup::ApplicationSettings& settings) {
    const QByteArray geometry = QByteArray::fromBase64(
        settings.ReadSetting(true, key(), QStringLiteral("Geometry"), QString()).toLatin1());
    if (!geometry.isEmpty() && window.restoreGeometry(geometry)) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        const QRect frame = window.frameGeometry();
        const QRect placed = ontoScreens(frame, screens);
        if (placed != frame && !window.isMaximized()) {
            window.move(placed.topLeft());
            window.resize(window.size() - (frame.size() - placed.size()));
        }
    }
    new WindowKeeper(window, settings);
}

} // namespace lexora::windows
