// The search buttons are tool buttons, which know no default-button state;
// it is kept here and Enter in a box presses the button it names.
#include "app/shell/SearchBoxes.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace lexora::shell {

namespace {
const char* const kButtonProperty = "lexoraSearchButton";
}

SearchDefaultButton::SearchDefaultButton(QWidget* window) : QObject(window) {}

void SearchDefaultButton::bind(QLineEdit* box, QToolButton* button) {
    if (box == nullptr || button == nullptr)
        return;
    box->setProperty(kButtonProperty, QVariant::fromValue(static_cast<QObject*>(button)));
    box->installEventFilter(this);
    connect(box, &QLineEdit::returnPressed, this, [this, button] {
        if (m_default == button && button->isEnabled())
            button->click();
    });
    // A button that goes away must not stay the default.
    connect(button, &QObject::destroyed, this, [this, button] {
        if (m_default == button)
            m_default = nullptr;
    });
}

bool SearchDefaultButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto* button =
            qobject_cast<QToolButton*>(watched->property(kButtonProperty).value<QObject*>());
        if (event->type() == QEvent::FocusIn)
            m_default = button;
        else if (m_default == button)
            m_default = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lexora::shell
