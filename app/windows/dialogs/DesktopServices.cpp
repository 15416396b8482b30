// The desktop's web-address handler and file-open dialog.
#include "DesktopServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
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
    // The filter names the program the user usually looks for; any file may
    // still be chosen, as programs on this desktop carry no fixed name.
    dialog.setNameFilters({filter, QStringLiteral("*")});
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace lexora::dialogs
