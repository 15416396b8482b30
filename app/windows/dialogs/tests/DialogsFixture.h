// A fixture for the dialogs: a database holding sys_info_display, a help
// folder with two small pages, a main window with its document button, a
// settings store in memory, and recording doubles for the printer dialog, the
// file dialog, the web-address handler and the message boxes.
#pragma once

#include "app/shell/Panes.h"
#include "app/shell/tests/PaneControls.h"
#include "app/startup/ApplicationSettings.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/dialogs/DesktopServices.h"
#include "app/windows/dialogs/Dialogs.h"
#include "platform/printing/FilePrinterDialog.h"
#include "routines/SettingsStore.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace dialogtest {

// Values in memory; a write can be made to fail, and is seen as it happens.
class MemorySettingsStore final : public dvRtns4::SettingsStore {
public:
    dvRtns4::SettingsRead read(const QString& keyPath, const QString& valueName,
                               qsizetype) const override {
        const auto it = values.find(keyPath.toLower() + QLatin1Char('|') + valueName.toLower());
        if (it == values.end())
            return {dvRtns4::SettingsReadStatus::KeyNotFound, {}};
        return {dvRtns4::SettingsReadStatus::Ok, it.value()};
    }
    bool write(const QString& keyPath, const QString& valueName, const QString& value) override {
        if (onWrite)
            onWrite();
        if (failWrites)
            return false;
        values[keyPath.toLower() + QLatin1Char('|') + valueName.toLower()] = value;
        return true;
    }
    std::optional<QString> value(const QString& keyPath, const QString& valueName) const {
        const auto it = values.find(keyPath.toLower() + QLatin1Char('|') + valueName.toLower());
        if (it == values.end())
            return std::nullopt;
        return it.value();
    }

    QMap<QString, QString> values;
    bool failWrites = false;
    std::function<void()> onWrite;
};

class RecordingWebOpener final : public lexora::dialogs::WebAddressOpener {
public:
    void openWebAddress(const QString& address) override { opened.push_back(address); }
    std::vector<QString> opened;
};

// Answers the file dialog with the queued path; nothing queued: cancelled.
class ScriptedFileChooser final : public lexora::dialogs::FileChooser {
public:
    std::optional<QString> chooseFile(QWidget*, const QString& filter, const QString& startFolder,
                                      const QString& fileName) override {
        asked.push_back({filter, startFolder, fileName});
        return answer;
    }
    struct Request {
        QString filter, startFolder, fileName;
    };
    std::optional<QString> answer;
    std::vector<Request> asked;
};

inline QIcon colourIcon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class DialogsFixture : public ::testing::Test {
protected:
    DialogsFixture()
        : db(QStringLiteral("INSERT INTO system_law_parameters (sys_info_display) VALUES (0);")),
          printer(db.folder() + QStringLiteral("/printed.pdf")), settings(userStore, machineStore) {
        QDir(db.folder()).mkpath(QStringLiteral("help"));
        writeFile(QStringLiteral("help/law_help.html"),
                  "<html><body><h1>Βοήθεια</h1><p>Οδηγίες χρήσης.</p></body></html>");
        writeFile(QStringLiteral("help/LawInfo.htm"),
                  "<html><body><h1>Γενικές Πληροφορίες</h1><p>Πληροφορίες.</p></body></html>");

        context.state.applicationFolder = db.folder();
        context.connection.open(engine::connectionTextFor(db.path(), QString()));

        form.page.setDocumentPicture(lexora::shell::DocumentPicture::Rtf);
        form.page.setDocumentToolTip(QStringLiteral("Προβολή εγγράφου με LibreOffice Writer"));

        dialogs = std::make_unique<lexora::dialogs::Dialogs>(
            form, context, lexora::dialogs::DialogServices{&settings, printer, chooser, webOpener});
    }
    ~DialogsFixture() override {
        dialogs.reset();
        mainWindow.reset();
    }

    void writeFile(const QString& name, const char* text) const {
        QFile file(db.folder() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // sys_info_display as the main window's start reads it; -1: no row.
    int storedSysInfo() {
        engine::Recordset rs = context.connection.execute(
            QStringLiteral("SELECT sys_info_display FROM system_law_parameters"));
        if (rs.eof())
            return -1;
        return static_cast<int>(rs.value(QStringLiteral("sys_info_display")).toInt());
    }
    void setStoredSysInfo(int value) {
        context.connection.execute(
            QStringLiteral("UPDATE system_law_parameters SET sys_info_display = %1").arg(value));
    }

    testsupport::FixtureDatabase db;
    testsupport::RecordingMessages messages;
    lexora::printing::FilePrinterDialog printer;
    MemorySettingsStore userStore;
    MemorySettingsStore machineStore;
    lexora::startup::ApplicationSettings settings;
    ScriptedFileChooser chooser;
    RecordingWebOpener webOpener;
    lexora::startup::ProgramContext context;
    std::unique_ptr<QWidget> mainWindow = std::make_unique<QWidget>();
    lexora::shell::Panes form{mainWindow.get(), testsupport::testTabCaptions()};
    testsupport::PaneControls controls{mainWindow.get()};
    std::unique_ptr<lexora::dialogs::Dialogs> dialogs;
};

} // namespace dialogtest
