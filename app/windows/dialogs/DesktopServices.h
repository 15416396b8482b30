// What the dialogs reach outside the program: the desktop's default handler
// for web addresses and the file-open dialog. The program uses the desktop's
// own (QDesktopServices, QFileDialog); tests record or answer instead.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace lexora::dialogs {

class WebAddressOpener {
public:
    virtual ~WebAddressOpener() = default;
    // Opens the address with the desktop's default handler, in a normal
    // window. Whether that worked is not reported.
    virtual void openWebAddress(const QString& address) = 0;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Shows a file-open dialog offering `fileName` (empty: none) in
    // `startFolder` (empty: the dialog's own choice) with the name filters of
    // `filter` (separated by ";;", the first one chosen); the full path of
    // the chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent, const QString& filter,
                                              const QString& startFolder,
                                              const QString& fileName) = 0;
};

class DesktopWebAddressOpener final : public WebAddressOpener {
public:
    void openWebAddress(const QString& address) override;
};

class WidgetFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseFile(QWidget* parent, const QString& filter,
                                      const QString& startFolder, const QString& fileName) override;
};

} // namespace lexora::dialogs
