// Creation of the library's controls by their class names ("Dravik.Progress"),
// the way a host that knows only the name places a control on a window.
#pragma once

#include "DravikExport.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace Dravik {

// The class names this library registers.
DRAVIK_EXPORT QStringList ControlClassNames();

// A new control of the named class, owned by parent; nullptr when the library
// has no class of that name (the host's creation fails).
DRAVIK_EXPORT QWidget* CreateControl(const QString& className, QWidget* parent);

} // namespace Dravik
