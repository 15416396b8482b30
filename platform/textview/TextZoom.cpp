// The wheel is taken before the text view sees it: a read-only text view
// would otherwise zoom by itself, changing only the text without sizes of its
// own. Small wheel steps (touchpads) add up to one notch before they count.
#include "platform/textview/TextZoom.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextEdit>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace lexora::textview {

namespace {

constexpr std::array kSteps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int kNotch = 120;

} // namespace

TextZoom::TextZoom(QTextEdit* target, QWidget* host, Apply apply)
    : QObject(host), m_target(target), m_apply(std::move(apply)) {
    const auto shortcut = [this, host](const QKeySequence& keys, void (TextZoom::*action)()) {
        auto* s = new QShortcut(keys, host);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), &TextZoom::zoomIn);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &TextZoom::zoomIn);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), &TextZoom::zoomOut);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &TextZoom::reset);
    m_target->viewport()->installEventFilter(this);
}

void TextZoom::setPercent(int percent) {
    percent = std::clamp(percent, kMinimum, kMaximum);
    const auto nearest = std::min_element(kSteps.begin(), kSteps.end(), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
    if (*nearest == m_percent)
        return;
    m_percent = *nearest;
    m_apply(m_percent / 100.0);
    emit zoomChanged(m_percent);
}

void TextZoom::zoomIn() {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), m_percent);
    if (next != kSteps.end())
        setPercent(*next);
}

void TextZoom::zoomOut() {
    const auto at = std::lower_bound(kSteps.begin(), kSteps.end(), m_percent);
    if (at != kSteps.begin())
        setPercent(*(at - 1));
}

bool TextZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched == m_target->viewport()) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            m_wheelRest += wheel->angleDelta().y();
            while (m_wheelRest >= kNotch) {
                m_wheelRest -= kNotch;
                zoomIn();
            }
            while (m_wheelRest <= -kNotch) {
                m_wheelRest += kNotch;
                zoomOut();
            }
            wheel->accept();
            return true;
        }
        m_wheelRest = 0;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lexora::textview
