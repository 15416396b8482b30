// Class names of the library's controls and their creation by name.
#include "ControlFactory.h"

#include "Progress.h"

namespace Dravik {

QStringList ControlClassNames() {
    return {QString::fromLatin1(Progress::ClassName)};
}

QWidget* CreateControl(const QString& className, QWidget* parent) {
    if (className.compare(QLatin1String(Progress::ClassName), Qt::CaseInsensitive) == 0) {
        return new Progress(parent);
    }
    return nullptr;
}

} // namespace Dravik
