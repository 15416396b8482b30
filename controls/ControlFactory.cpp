// Class names of the library's controls and their creation by name.
#include "controls/ControlFactory.h"

#include "controls/evscroll/EVScroll.h"
#include "controls/progress/Progress.h"
#include "controls/texthelp/TextHelp.h"
#include "controls/textint/TextInt.h"

namespace Dravik {

QStringList ControlClassNames() {
    return {QString::fromLatin1(Progress::ClassName), QString::fromLatin1(TextInt::ClassName),
            QString::fromLatin1(TextHelp::ClassName), QString::fromLatin1(EVScroll::ClassName)};
}

QWidget* CreateControl(const QString& className, QWidget* parent) {
    const auto is = [&className](const char* name) {
        return className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is(Progress::ClassName)) {
        return new Progress(parent);
    }
    if (is(TextInt::ClassName)) {
        return new TextInt(parent);
    }
    if (is(TextHelp::ClassName)) {
        return new TextHelp(parent);
    }
    if (is(EVScroll::ClassName)) {
        return new EVScroll(parent);
    }
    return nullptr;
}

} // namespace Dravik
