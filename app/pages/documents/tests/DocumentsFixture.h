// A window with the real panes, a fixture
// database, a private temporary folder, a clock the test sets, a printer
// dialog that prints to a PDF file, recorded message boxes and a fake office
// suite on the PATH; and the commands over them, installed as the page
// builders' attached documents.
#pragma once

#include "app/pages/documents/DocumentCommands.h"
#include "app/shell/Panes.h"
#include "app/shell/tests/PaneControls.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/MainWindowHooks.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "platform/office/ProcessRunner.h"
#include "platform/office/tests/FakeOffice.h"
#include "platform/printing/FilePrinterDialog.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace testsupport {

inline constexpr int kTabChartN = 0;
inline constexpr int kTabTopics = 1;
inline constexpr int kTabLegislation = 2;
inline constexpr int kTabChartP = 3;
inline constexpr int kTabHistory = 4;

// Seconds since midnight as the test sets them; counts its readings.
class SteppingClock final : public lexora::pages::DocumentClock {
public:
    float secondsSinceMidnight() const override {
        ++readings;
        return now;
    }
    float now = 100.0F;
    mutable int readings = 0;
};

// A minimal RTF document holding text.
QByteArray rtfWith(const QString& text);
// The text of a PDF file (pdftotext), empty when it cannot be read.
QString pdfText(const QString& path);
QByteArray readBytes(const QString& path);

class DocumentsFixture {
public:
    DocumentsFixture();
    ~DocumentsFixture();

    void selectTab(int index);
    // Stores an act (law) or a template (Schedulelaw) with a document; a null
    // type or body when the QString / QByteArray is null.
    void addActDocument(int id, const QString& type, const QByteArray& body);
    void addTemplateDocument(int id, const QString& type, const QByteArray& body);
    void addAbstractDocument(int id, const QByteArray& body);
    QString tempFile(const QString& name) const { return context.state.gTempFolder + name; }

    FixtureDatabase db;
    QTemporaryDir temp;
    FakeOffice office;
    RecordingMessages messages;
    std::unique_ptr<QWidget> window;
    lexora::shell::Panes form;
    PaneControls controls{window.get()};
    lexora::windows::MainWindowHooks hooks;
    lexora::windows::LawViewerHooks viewerHooks;
    lexora::startup::ProgramContext context;
    SteppingClock clock;
    lexora::office::QProcessRunner runner;
    lexora::printing::FilePrinterDialog printer;
    std::unique_ptr<lexora::pages::DocumentCommands> commands;
};

} // namespace testsupport
