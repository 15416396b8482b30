// The word processor and the spreadsheet program of the office suite found
// on the PATH ("soffice", else "libreoffice"), driven from its command line:
// an application object that is visible (each document opens in a window of
// its own) or invisible (documents are only printed, headless), holds at most
// one document, prints it, closes it without saving and quits, ending every
// program it started. The program never saves a document.
#pragma once

#include "platform/office/ProcessRunner.h"

#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

namespace lexora::office {

enum class OfficeKind { WordProcessor, Spreadsheet };

// "xls" and "xlsx" (exact, case-sensitive) are spreadsheets; any other type
// goes to the word processor.
OfficeKind officeKindFor(const QString& documentType);

// The office suite's program on the PATH; empty when there is none.
QString findOfficeProgram();

class OfficeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OfficeApplication {
public:
    // The application of that kind, or nullptr when no office suite is found.
    static std::unique_ptr<OfficeApplication> create(OfficeKind kind, ProcessRunner& runner);
    OfficeApplication(OfficeKind kind, QString program, ProcessRunner& runner);
    ~OfficeApplication(); // quits
    OfficeApplication(const OfficeApplication&) = delete;
    OfficeApplication& operator=(const OfficeApplication&) = delete;

    OfficeKind kind() const { return m_kind; }
    QString program() const { return m_program; }

    // Visible: documents open in a window; invisible: nothing is shown.
    void setVisible(bool visible) { m_visible = visible; }
    bool Visible() const { return m_visible; }

    // Opens the file as the application's document (Documents.Open and
    // Activate of the word processor). Throws OfficeError when the file is
    // missing, the program cannot be started or it ends with an error at once.
    void DocumentsOpen(const QString& path);
    // A new, unsaved workbook based on the file (WorkBooks.Add). Throws as
    // DocumentsOpen.
    void WorkBooksAdd(const QString& path);
    bool hasDocument() const { return !m_document.isEmpty(); }
    QString documentPath() const { return m_document; }

    // The printer the next PrintOut of a word-processor document uses; empty:
    // the default printer. Spreadsheets always print on the default printer.
    void setActivePrinter(const QString& printerName) { m_activePrinter = printerName; }
    QString ActivePrinter() const { return m_activePrinter; }
    // Prints the document and waits for the job to be handed to the printer.
    // Throws OfficeError without a document or when printing fails.
    void PrintOut();

    // Closes the document without saving (its window goes).
    void CloseDocument();
    // Closes the document and ends every program this application started.
    void Quit();

private:
    void startWindow(const QStringList& arguments, const QString& path);

    OfficeKind m_kind;
    QString m_program;
    ProcessRunner& m_runner;
    bool m_visible = false;
    QString m_document;
    QString m_activePrinter;
    std::unique_ptr<RunningProcess> m_documentWindow;
};

} // namespace lexora::office
