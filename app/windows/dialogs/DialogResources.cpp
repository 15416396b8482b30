// Registering the resource from a static library: the linker keeps the
// resource only when something refers to it, which this call does.
#include "app/windows/dialogs/DialogResources.h"

#include <QtGlobal>

// At global scope: the macro declares the resource's function where rcc
// defined it.
static void initDialogResources() {
    Q_INIT_RESOURCE(dialogs);
}

namespace lexora::dialogs {

void ensureDialogResources() {
    static const bool registered = [] {
        initDialogResources();
        return true;
    }();
    (void)registered;
}

} // namespace lexora::dialogs
