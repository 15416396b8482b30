// A printer dialog for tests: every choice gives a PDF printer writing to a
// file the test names, unless the test has asked it to cancel; it counts how
// often it was shown.
#pragma once

#include "platform/pageview/PrintDialogService.h"

#include <QPrinter>
#include <QString>

namespace lexora::printing {

class FilePrinterDialog final : public pages::PrintDialogService {
public:
    explicit FilePrinterDialog(const QString& pdfPath);
    QPrinter* choosePrinter(QWidget* parent) override;

    void setCancel(bool cancel) { m_cancel = cancel; }
    int timesShown() const { return m_shown; }
    QString pdfPath() const { return m_printer.outputFileName(); }
    QPrinter& printer() { return m_printer; }

private:
    QPrinter m_printer;
    bool m_cancel = false;
    int m_shown = 0;
};

} // namespace lexora::printing
