#include "platform/printing/PrinterDialog.h"

#include <QPrintDialog>

namespace lexora::printing {

PrinterDialog::PrinterDialog() : m_printer(QPrinter::HighResolution) {}

QPrinter* PrinterDialog::choosePrinter(QWidget* parent) {
    QPrintDialog dialog(&m_printer, parent);
    // The whole content is printed: no page ranges, no selection.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return &m_printer;
}

} // namespace lexora::printing
