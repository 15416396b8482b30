#include "app/shell/FollowsPrintButton.h"

#include <QEvent>
#include <QLayout>
#include <QToolButton>

namespace lexora::shell {

FollowsPrintButton::FollowsPrintButton(QToolButton* print, QToolButton* follower,
                                       bool followEnabling)
    : QObject(follower), m_print(print), m_follower(follower), m_followEnabling(followEnabling) {
    print->installEventFilter(this);
    follow();
}

bool FollowsPrintButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_print) {
        switch (event->type()) {
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::EnabledChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FollowsPrintButton::follow() {
    m_follower->setVisible(!m_print->isHidden());
    if (m_followEnabling)
        m_follower->setEnabled(m_print->isEnabled());
    if (m_print->parentWidget()->layout() == nullptr) {
        m_follower->resize(m_print->size());
        m_follower->move(m_print->x() - m_follower->width() - 4, m_print->y());
    }
}

} // namespace lexora::shell
