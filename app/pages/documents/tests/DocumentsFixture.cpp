#include "app/pages/documents/tests/DocumentsFixture.h"

#include "app/pages/documents/DocumentCommandsInstall.h"
#include "controls/progress/Progress.h"
#include "engine/Connection.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>

namespace testsupport {

using namespace lexora;

QByteArray rtfWith(const QString& text) {
    return QByteArrayLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 ") +
           text.toLatin1() + QByteArrayLiteral("\\par }");
}

QString pdfText(const QString& path) {
    QProcess process;
    // The PATH holds only the fake office suite meanwhile.
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("pdftotext"),
        {QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/local/bin")});
    process.start(program, {path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DocumentsFixture::DocumentsFixture()
    : window(std::make_unique<QWidget>()), form(window.get(), testTabCaptions()),
      printer(temp.filePath(QStringLiteral("printed.pdf"))) {
    controls.ProgressBar1->resize(200, 20);
    controls.brwWebBrowser2->setGeometry(300, 40, 500, 400);
    controls.brwWebBrowser3->setGeometry(310, 50, 480, 380);
    for (pages::PageViewer* viewer :
         {controls.brwWebBrowser1, controls.brwWebBrowser2, controls.brwWebBrowser3})
        viewer->Navigate(QStringLiteral("about:blank"));

    context.state.applicationFolder = QStringLiteral("/opt/lexora");
    context.state.gTempFolder = temp.path() + QStringLiteral("/");
    context.connection.open(engine::connectionTextFor(db.path(), QStringLiteral("$tr4vo")),
                            QStringLiteral("Admin"), QString());

    commands = std::make_unique<pages::DocumentCommands>(
        form, context, pages::DocumentServices{runner, printer, clock});
    pages::connectDocumentCommands(*commands, form, hooks, viewerHooks, printer);
    selectTab(kTabTopics);
}

DocumentsFixture::~DocumentsFixture() {
    windows::unloadLawViewer();
    pages::setAttachedDocuments(nullptr);
    commands.reset();
}

void DocumentsFixture::selectTab(int index) {
    form.tabs.setCurrentTab(lexora::shell::Tab(index));
    context.state.wIsSchedule = index == kTabChartN || index == kTabChartP;
}

namespace {

QString typeLiteral(const QString& type) {
    return type.isNull() ? QStringLiteral("NULL") : QStringLiteral("'%1'").arg(type);
}

} // namespace

void DocumentsFixture::addActDocument(int id, const QString& type, const QByteArray& body) {
    db.exec(QStringLiteral("INSERT INTO law (law_id, law_code, title, type_id, all_law_flag, "
                           "BlobType) VALUES (%1, 'c%1', 'Act %1', 1, 1, %2);")
                .arg(id)
                .arg(typeLiteral(type)));
    if (!body.isNull())
        db.setBlob(QStringLiteral("law"), QStringLiteral("BlobBody"),
                   QStringLiteral("law_id = %1").arg(id), body);
}

void DocumentsFixture::addTemplateDocument(int id, const QString& type, const QByteArray& body) {
    db.exec(QStringLiteral("INSERT INTO Schedulelaw (law_id, law_code, title, type_id, "
                           "all_law_flag, BlobType) VALUES (%1, 't%1', 'Template %1', 1, 0, %2);")
                .arg(id)
                .arg(typeLiteral(type)));
    if (!body.isNull())
        db.setBlob(QStringLiteral("Schedulelaw"), QStringLiteral("BlobBody"),
                   QStringLiteral("law_id = %1").arg(id), body);
}

void DocumentsFixture::addAbstractDocument(int id, const QByteArray& body) {
    db.exec(QStringLiteral("INSERT INTO ScheduleAbstract (Abstract_id, Schedule_id, aa_abstr_flag) "
                           "VALUES (%1, 1, 1);")
                .arg(id));
    db.setBlob(QStringLiteral("ScheduleAbstract"), QStringLiteral("BlobBody"),
               QStringLiteral("Abstract_id = %1").arg(id), body);
}

} // namespace testsupport
