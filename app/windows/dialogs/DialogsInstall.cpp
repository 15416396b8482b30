// The dialogs with the program's services, kept together under the main
// window so that they go with it.
#include "app/windows/dialogs/DialogsInstall.h"

#include "app/shell/Panes.h"
#include "app/windows/dialogs/DesktopServices.h"
#include "app/windows/dialogs/Dialogs.h"
#include "platform/printing/PrinterDialog.h"

#include <QWidget>

namespace lexora::dialogs {

namespace {

class ProgramDialogs final : public QObject {
public:
    ProgramDialogs(shell::Panes& form, startup::ProgramContext& context,
                   startup::ApplicationSettings* settings)
        : QObject(form.window),
          dialogs(form, context, {settings, printerDialog, fileChooser, webAddressOpener}) {}

    printing::PrinterDialog printerDialog;
    WidgetFileChooser fileChooser;
    DesktopWebAddressOpener webAddressOpener;
    Dialogs dialogs; // last: closes its windows before the services go
};

} // namespace

Dialogs& installDialogs(shell::Panes& form, windows::MainWindowHooks& hooks,
                        startup::ProgramContext& context, startup::ApplicationSettings* settings) {
    auto* program = new ProgramDialogs(form, context, settings);
    program->dialogs.fillHooks(hooks);
    return program->dialogs;
}

} // namespace lexora::dialogs
