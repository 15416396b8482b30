// The hosts a control sees when its form gives none.
#include "controls/host/ControlHost.h"

#include <QApplication>

namespace Dravik {

ControlHost::~ControlHost() = default;

QFont ControlHost::AmbientFont() const {
    return QApplication::font();
}

void ControlHost::Beep() {
    QApplication::beep();
}

ControlHost& ControlHost::runHost() {
    static ControlHost host(false);
    return host;
}

ControlHost& ControlHost::designHost() {
    static ControlHost host(true);
    return host;
}

} // namespace Dravik
