#include "platform/printing/PdfFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace lexora::printing {

QString PdfFileDialog::choosePdfFile(QWidget* parent, const QString& proposedName) {
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Αποθήκευση ως PDF"),
                                                QDir(m_folder).filePath(proposedName),
                                                QStringLiteral("Έγγραφα PDF (*.pdf)"));
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace lexora::printing
