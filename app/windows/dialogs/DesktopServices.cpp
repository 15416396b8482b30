// The desktop's web-address handler and file-open dialog.
#include "app/windows/dialogs/DesktopServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace lexora::dialogs {

void DesktopWebAddressOpener::openWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

std::optional<QString> WidgetFileChooser::chooseFile(QWidget* parent, const QString& filter,
                                                     const QString& startFolder,
                                                     const QString& fileName) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filter);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    // The desktop's application entries are one click away.
    const QString applications = QStringLiteral("/usr/share/applications");
    if (QFileInfo(applications).isDir())
        dialog.setSidebarUrls(dialog.sidebarUrls() << QUrl::fromLocalFile(applications));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace lexora::dialogs
