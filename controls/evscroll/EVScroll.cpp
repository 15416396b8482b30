// The scroll bar: the Value, Min and Max rules with their disabled state, the
// thumb's size and place, arrows, paging and dragging, and its settings.
#include "controls/evscroll/EVScroll.h"

#include "controls/evscroll/EVScrollProperties.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Dravik {

namespace {

constexpr int InitialTrackHeight = 100;

bool fitsInt(qint64 value) {
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

} // namespace

EVScroll::EVScroll(QWidget* parent)
    : UserControl(parent), cmdNavigateTop_(new QToolButton(this)), picBoddy_(new QWidget(this)),
      cmdMovingBar_(new QPushButton(picBoddy_)), cmdNavigateBottom_(new QToolButton(this)),
      m_arrowHeight(style()->pixelMetric(QStyle::PM_ScrollBarExtent)) {
    cmdNavigateTop_->setObjectName(QStringLiteral("cmdNavigate_0"));
    picBoddy_->setObjectName(QStringLiteral("picBoddy"));
    cmdMovingBar_->setObjectName(QStringLiteral("cmdMovingBar"));
    cmdNavigateBottom_->setObjectName(QStringLiteral("cmdNavigate_1"));
    cmdNavigateTop_->setArrowType(Qt::UpArrow);
    cmdNavigateBottom_->setArrowType(Qt::DownArrow);
    for (QWidget* part :
         {static_cast<QWidget*>(cmdNavigateTop_), picBoddy_, static_cast<QWidget*>(cmdMovingBar_),
          static_cast<QWidget*>(cmdNavigateBottom_)}) {
        part->setFocusPolicy(Qt::NoFocus);
    }
    // Held down, an arrow keeps stepping.
    cmdNavigateTop_->setAutoRepeat(true);
    cmdNavigateBottom_->setAutoRepeat(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    picBoddy_->setAutoFillBackground(true);
    picBoddy_->setBackgroundRole(QPalette::Mid);

    const int width = m_arrowHeight;
    cmdNavigateTop_->setGeometry(0, 0, width, m_arrowHeight);
    picBoddy_->setGeometry(0, m_arrowHeight, width, InitialTrackHeight);
    cmdNavigateBottom_->setGeometry(0, m_arrowHeight + InitialTrackHeight, width, m_arrowHeight);
    resize(width, InitialTrackHeight + 2 * m_arrowHeight);
    sizeMovingBar();
    positionMovingBar();
    applyArrowRule();

    connect(cmdNavigateTop_, &QToolButton::clicked, this,
            [this] { step(-qint64{m_smallChange}, false); });
    connect(cmdNavigateBottom_, &QToolButton::clicked, this,
            [this] { step(qint64{m_smallChange}, true); });
    picBoddy_->installEventFilter(this);
    cmdMovingBar_->installEventFilter(this);
}

QSize EVScroll::sizeHint() const {
    return {m_arrowHeight, InitialTrackHeight + 2 * m_arrowHeight};
}

int EVScroll::trackHeight() const {
    return picBoddy_->height();
}

double EVScroll::ThumbHeight(double trackHeight, int min, int max) {
    if (max < min) {
        return 0.0;
    }
    return trackHeight / (static_cast<double>(max) - min + 1.0);
}

void EVScroll::sizeMovingBar() {
    const int track = trackHeight();
    const double height = ThumbHeight(track, m_min, m_max);
    int shown = 0;
    if (height > 0.0) {
        shown =
            std::max(static_cast<int>(std::lround(height)), std::min(MinimumThumbHeight, track));
        shown = std::min(shown, track);
    }
    cmdMovingBar_->resize(picBoddy_->width(), shown);
    // A thumb that fills the track has nowhere to go.
    cmdMovingBar_->setEnabled(height < track);
}

void EVScroll::positionMovingBar() {
    const double track = trackHeight();
    const double thumb = cmdMovingBar_->height();
    const double centre = m_max == m_min ? track / 2.0
                                         : track * (static_cast<double>(m_value) - m_min) /
                                               (static_cast<double>(m_max) - m_min);
    double top = 0.0;
    if (centre == 0.0) {
        top = 0.0;
    } else if (centre == track) {
        top = track - thumb;
    } else {
        top = std::clamp(centre - thumb / 2.0, 0.0, std::max(track - thumb, 0.0));
    }
    cmdMovingBar_->move(0, static_cast<int>(std::lround(top)));
}

void EVScroll::applyArrowRule() {
    cmdNavigateTop_->setEnabled(m_min < m_value);
    cmdNavigateBottom_->setEnabled(m_value < m_max);
}

void EVScroll::applyEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    picBoddy_->setEnabled(enabled);
    cmdMovingBar_->setVisible(enabled);
    if (enabled) {
        applyArrowRule();
    } else {
        cmdNavigateTop_->setEnabled(false);
        cmdNavigateBottom_->setEnabled(false);
    }
    markChanged("Enabled");
}

void EVScroll::setControlEnabled(bool enabled) {
    applyEnabled(enabled);
}

void EVScroll::setValue(int value) {
    const bool inRange = value >= m_min && value <= m_max;
    if (value == m_value && inRange) {
        return;
    }
    m_value = value;
    if (!inRange) {
        applyEnabled(false);
        markChanged("Value");
        return;
    }
    positionMovingBar();
    emit Scroll();
    emit Change();
    applyArrowRule();
    applyEnabled(true);
    markChanged("Value");
}

void EVScroll::setMin(int min) {
    if (min == m_min && m_max >= min) {
        return;
    }
    m_min = min;
    limitsChanged(LimitMoved::Min);
    markChanged("Min");
}

void EVScroll::setMax(int max) {
    if (max == m_max && max >= m_min) {
        return;
    }
    m_max = max;
    limitsChanged(LimitMoved::Max);
    markChanged("Max");
}

// A limit that passes the value takes the value with it; limits that cross
// each other leave the control disabled until they are put right.
void EVScroll::limitsChanged(LimitMoved moved) {
    if (m_max >= m_min) {
        sizeMovingBar();
        const bool passed = moved == LimitMoved::Min ? m_value < m_min : m_value > m_max;
        if (passed) {
            m_value = moved == LimitMoved::Min ? m_min : m_max;
            positionMovingBar();
        }
        applyArrowRule();
        applyEnabled(true);
    } else {
        applyArrowRule();
        applyEnabled(false);
    }
}

void EVScroll::setSmallChange(int change) {
    if (change != m_smallChange) {
        m_smallChange = change;
        markChanged("SmallChange");
    }
}

void EVScroll::setLargeChange(int change) {
    if (change != m_largeChange) {
        m_largeChange = change;
        markChanged("LargeChange");
    }
}

void EVScroll::step(qint64 delta, bool towardsMax) {
    const qint64 change = towardsMax ? delta : -delta;
    // Up: while Value > Min - change; down: while Value < Max + change.
    const bool allowed = towardsMax ? m_value < m_max + change : m_value > m_min - change;
    const qint64 target = qint64{m_value} + delta;
    // A step that would leave the 32-bit range is not taken.
    if (allowed && fitsInt(target)) {
        setValue(static_cast<int>(target));
    }
}

void EVScroll::dragTo(int controlY) {
    const int track = trackHeight();
    if (track <= 0) {
        return;
    }
    const int y = std::clamp(controlY - picBoddy_->y(), 0, track);
    const double span = static_cast<double>(m_max) - m_min;
    const qint64 n = std::clamp(static_cast<qint64>(std::nearbyint(y * span / track)) + m_min,
                                qint64{m_min}, qint64{m_max});
    if (n != m_value) {
        m_value = static_cast<int>(n);
        positionMovingBar();
        emit Scroll();
    }
}

bool EVScroll::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdMovingBar_) {
        // Read the event as a mouse event only when it is one.
        const bool isMouse =
            event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease;
        auto* mouse = isMouse ? static_cast<QMouseEvent*>(event) : nullptr;
        switch (event->type()) {
        case QEvent::MouseMove:
            if (mouse->buttons() & Qt::LeftButton) {
                m_dragging = true;
                dragTo(cmdMovingBar_->mapTo(this, mouse->position().toPoint()).y());
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (m_dragging && mouse->button() == Qt::LeftButton) {
                m_dragging = false;
                cmdMovingBar_->setDown(false);
                applyArrowRule();
                emit Change();
                return true;
            }
            break;
        default:
            break;
        }
    } else if (watched == picBoddy_ && event->type() == QEvent::MouseButtonPress) {
        const int y = static_cast<QMouseEvent*>(event)->position().toPoint().y();
        const int top = cmdMovingBar_->y();
        if (y < top) {
            step(-qint64{m_largeChange}, false);
        } else if (y > top + cmdMovingBar_->height()) {
            step(qint64{m_largeChange}, true);
        }
        return true;
    }
    return UserControl::eventFilter(watched, event);
}

void EVScroll::resizeEvent(QResizeEvent* event) {
    UserControl::resizeEvent(event);
    const int w = width();
    cmdNavigateTop_->setGeometry(0, 0, w, m_arrowHeight);
    int track = picBoddy_->height();
    if (height() - 2 * m_arrowHeight > 0) {
        track = height() - 2 * m_arrowHeight;
    }
    picBoddy_->setGeometry(0, m_arrowHeight, w, track);
    cmdNavigateBottom_->setGeometry(0, m_arrowHeight + track, w, m_arrowHeight);
    sizeMovingBar();
    positionMovingBar();
}

void EVScroll::initProperties() {
    // The control publishes InitProperties but does not raise it; a new
    // control has the values it was created with.
}

void EVScroll::readProperties(PropertyBag& bag) {
    setMin(bag.ReadProperty(QStringLiteral("Min"), 0).toInt());
    setMax(bag.ReadProperty(QStringLiteral("Max"), 32767).toInt());
    setValue(bag.ReadProperty(QStringLiteral("Value"), m_min).toInt());
    setLargeChange(bag.ReadProperty(QStringLiteral("LargeChange"), 1).toInt());
    setSmallChange(bag.ReadProperty(QStringLiteral("SmallChange"), 1).toInt());
    setControlEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
}

void EVScroll::writeProperties(PropertyBag& bag) {
    bag.WriteProperty(QStringLiteral("Min"), m_min, 0);
    bag.WriteProperty(QStringLiteral("Max"), m_max, 32767);
    bag.WriteProperty(QStringLiteral("Value"), m_value, m_min);
    bag.WriteProperty(QStringLiteral("SmallChange"), m_smallChange, 1);
    bag.WriteProperty(QStringLiteral("LargeChange"), m_largeChange, 1);
    bag.WriteProperty(QStringLiteral("Enabled"), m_enabled, true);
}

QList<PropertyPage*> EVScroll::CreatePropertyPages(QWidget* parent) const {
    return {new EVScrollProperties(parent)};
}

} // namespace Dravik
