// The office application over the suite's command line: a visible document
// is a program started with the file and ended on close; printing runs the
// suite headless until it has handed the job over.
#include "platform/office/OfficeApplication.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace lexora::office {

namespace {

constexpr int kPrintTimeoutMs = 120000;

const QStringList kCommonOptions{QStringLiteral("--nologo"), QStringLiteral("--norestore")};

std::string describe(const char* what, const QString& path) {
    return std::string(what) + ": " + path.toStdString();
}

} // namespace

OfficeKind officeKindFor(const QString& documentType) {
    return documentType == QLatin1String("xls") || documentType == QLatin1String("xlsx")
               ? OfficeKind::Spreadsheet
               : OfficeKind::WordProcessor;
}

QString findOfficeProgram() {
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

std::unique_ptr<OfficeApplication> OfficeApplication::create(OfficeKind kind,
                                                             ProcessRunner& runner) {
    const QString program = findOfficeProgram();
    if (program.isEmpty())
        return nullptr;
    return std::make_unique<OfficeApplication>(kind, program, runner);
}

OfficeApplication::OfficeApplication(OfficeKind kind, QString program, ProcessRunner& runner)
    : m_kind(kind), m_program(std::move(program)), m_runner(runner) {}

OfficeApplication::~OfficeApplication() {
    Quit();
}

void OfficeApplication::startWindow(const QStringList& arguments, const QString& path) {
    if (!QFileInfo(path).isFile())
        throw OfficeError(describe("The document cannot be found", path));
    CloseDocument();
    if (m_visible) {
        m_documentWindow = m_runner.start(m_program, kCommonOptions + arguments);
        if (!m_documentWindow)
            throw OfficeError(describe("The office program could not be started", m_program));
        if (m_documentWindow->failsWithin(kEarlyFailureWatchMs)) {
            m_documentWindow.reset();
            throw OfficeError(describe("The office program ended with an error", m_program));
        }
    }
    m_document = path;
}

void OfficeApplication::DocumentsOpen(const QString& path) {
    // -o opens the file itself for editing, even when it is a template.
    startWindow({QStringLiteral("-o"), path}, path);
}

void OfficeApplication::WorkBooksAdd(const QString& path) {
    // -n makes a new document from the file, which stays untouched.
    startWindow({QStringLiteral("--calc"), QStringLiteral("-n"), path}, path);
}

void OfficeApplication::PrintOut() {
    if (!hasDocument())
        throw OfficeError("There is no document to print.");
    QStringList arguments{QStringLiteral("--headless"), QStringLiteral("--norestore")};
    if (m_kind == OfficeKind::WordProcessor && !m_activePrinter.isEmpty())
        arguments << QStringLiteral("--pt") << m_activePrinter;
    else
        arguments << QStringLiteral("-p");
    arguments << m_document;

    const RunResult result = m_runner.run(m_program, arguments, kPrintTimeoutMs);
    if (!result.started)
        throw OfficeError(describe("The office program could not be started", m_program));
    if (!result.finished)
        throw OfficeError(describe("The document was not printed in time", m_document));
    if (result.exitCode != 0)
        throw OfficeError(describe("The document could not be printed", m_document));
}

void OfficeApplication::CloseDocument() {
    if (m_documentWindow) {
        m_documentWindow->end();
        m_documentWindow.reset();
    }
    m_document.clear();
}

void OfficeApplication::Quit() {
    CloseDocument();
}

} // namespace lexora::office
