// The property-store steps shared by the library's controls.
#include "controls/host/UserControl.h"

namespace Dravik {

UserControl::UserControl(QWidget* parent) : QWidget(parent), m_host(&ControlHost::runHost()) {}

UserControl::~UserControl() = default;

void UserControl::setHost(ControlHost* host) {
    m_host = host != nullptr ? host : &ControlHost::runHost();
}

void UserControl::InitNew() {
    initProperties();
}

void UserControl::LoadProperties(PropertyBag& bag) {
    emit ReadProperties(&bag);
    readProperties(bag);
}

void UserControl::SaveProperties(PropertyBag& bag) {
    emit WriteProperties(&bag);
    writeProperties(bag);
}

QList<PropertyPage*> UserControl::CreatePropertyPages(QWidget*) const {
    return {};
}

void UserControl::showEvent(QShowEvent* event) {
    m_sited = true;
    QWidget::showEvent(event);
}

void UserControl::markChanged(const char* name) {
    emit PropertyChanged(QString::fromLatin1(name));
}

} // namespace Dravik
