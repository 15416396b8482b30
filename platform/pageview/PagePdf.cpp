// The printer reports a file it could not open only through its state after
// drawing began; the file is tried first, so that a folder that does not
// exist or is not writable is told apart before anything is drawn.
#include "platform/pageview/PagePdf.h"

#include "platform/pageview/PagePrinting.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace lexora::pages {

bool writePagePdf(const QTextDocument& page, const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    {
        QFile probe(path);
        const bool existed = probe.exists();
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.close();
        if (!existed)
            probe.remove();
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const bool drawn = printPage(page, printer);
    return drawn && printer.printerState() != QPrinter::Error && QFileInfo(path).size() > 0;
}

} // namespace lexora::pages
