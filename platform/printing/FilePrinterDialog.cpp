#include "platform/printing/FilePrinterDialog.h"

namespace lexora::printing {

FilePrinterDialog::FilePrinterDialog(const QString& pdfPath) : m_printer(QPrinter::HighResolution) {
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(pdfPath);
}

QPrinter* FilePrinterDialog::choosePrinter(QWidget*) {
    ++m_shown;
    return m_cancel ? nullptr : &m_printer;
}

} // namespace lexora::printing
