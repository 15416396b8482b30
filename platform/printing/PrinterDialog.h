// The printer dialog of the program: QPrintDialog over a printer of its own,
// which it keeps for the next print so that the user's last choice is offered
// again. A cancelled dialog gives no printer.
#pragma once

#include "platform/pageview/PrintDialogService.h"

#include <QPrinter>

namespace lexora::printing {

class PrinterDialog final : public pages::PrintDialogService {
public:
    PrinterDialog();
    QPrinter* choosePrinter(QWidget* parent) override;

private:
    QPrinter m_printer;
};

} // namespace lexora::printing
