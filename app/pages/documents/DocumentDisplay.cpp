// Writing the document files and showing them: an act's RTF document in the
// document box over its page viewer (with the progress bar over the viewer's
// lower edge while it is written), an act's HTML document in the file viewer,
// a template's RTF document in rtbWord or the note page of a spreadsheet.
#include "app/pages/documents/DocumentCommands.h"

#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/documents/DocumentTexts.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "controls/progress/Progress.h"
#include "platform/office/OfficeApplication.h"
#include "platform/pageview/PageError.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QFile>

#include <exception>

namespace lexora::pages {

using namespace documents_text;

namespace {

const QString kRtf = QStringLiteral("rtf");
const QString kHtml = QStringLiteral("html");

// Picture of the document button for a template's type.
shell::DocumentPicture DocumentIconIndex(const QString& type) {
    if (type == kRtf)
        return shell::DocumentPicture::Rtf;
    if (type == QLatin1String("xls"))
        return shell::DocumentPicture::Spreadsheet;
    return shell::DocumentPicture::Other;
}

// Shows a document over the law viewer window's page viewer.
void cover(QWidget& viewer, QWidget& document) {
    document.setGeometry(viewer.geometry());
    document.show();
    viewer.hide();
}

// The value of a row's text field, empty for a null.
QString textOf(const engine::Recordset& row, const QString& name) {
    const dvRtns4::Variant value = row.value(name);
    return value.isMissing() ? QString() : value.toString();
}

} // namespace

DocumentCommands::DocumentCommands(shell::Panes& form, startup::ProgramContext& context,
                                   DocumentServices services)
    : m_form(form), m_context(context), m_services(services) {}

DocumentCommands::~DocumentCommands() = default;

QString DocumentCommands::subBodyPath(const QString& type) const {
    return m_context.state.gTempFolder + QStringLiteral("BlobSubBody.") + type;
}

QString DocumentCommands::WriteDocumentFile(const QString& sql, const QString& type,
                                            Dravik::Progress* progress) {
    try {
        engine::Recordset row = m_context.connection.openRecordset(sql);
        if (row.eof())
            return {};
        // A document still open in the office program keeps using the file.
        closeDocApplication();
        if (m_context.state.gTempFolder.isEmpty() || !isDocumentType(type))
            return {};
        const QString path = subBodyPath(type);
        QFile::remove(path);
        const bool written = writeFieldToFile(row.field(QStringLiteral("BlobBody")), path, [&] {
            if (progress)
                StepProgress(*progress);
        });
        row.close();
        return written ? path : QString();
    } catch (const std::exception&) {
        return {};
    }
}

QString DocumentCommands::WriteAbstractDocument(shell::Panes&, startup::ProgramContext& context,
                                                const QString& sql) {
    try {
        engine::Recordset row = context.connection.openRecordset(sql);
        if (row.eof() || context.state.gTempFolder.isEmpty())
            return {};
        const QString path = context.state.gTempFolder + QStringLiteral("BlobBody.rtf");
        QFile::remove(path);
        const bool written = writeFieldToFile(row.field(QStringLiteral("BlobBody")), path, {});
        row.close();
        return written ? path : QString();
    } catch (const std::exception&) {
        return {};
    }
}

void DocumentCommands::StepProgress(Dravik::Progress& progress) {
    const float t1 = m_services.clock.secondsSinceMidnight();
    const float t2 = m_services.clock.secondsSinceMidnight();
    const qint16 p = progressPercent(gLoadStartTime, t1, t2);
    progress.UpdateStatus(static_cast<float>(p) / 100.0F, false);
}

void DocumentCommands::PlaceProgressBar(const QWidget& target, bool visible) {
    m_form.page.placeProgressOver(target, visible);
}

void DocumentCommands::ShowLawFile(shell::Panes& form, startup::ProgramContext& context,
                                   std::int32_t LawId, bool HotBrowser) {
    const shell::Tab tab = form.tabs.currentTab();
    PageViewer* v = form.page.actViewer(tab);
    PageViewer* mainViewer = v;
    windows::frmhotbrowser* viewerWindow = nullptr;
    if (HotBrowser) {
        viewerWindow = &windows::lawViewer(form, context);
        v = viewerWindow->brwhotbrowser;
    }
    if (!v)
        return; // no tab that shows acts: nowhere to show the document

    const QString sql = store::actDocument(LawId);
    QString type;
    try {
        engine::Recordset row = context.connection.openRecordset(sql);
        if (row.eof())
            return;
        type = textOf(row, QStringLiteral("BlobType"));
    } catch (const std::exception&) {
        return;
    }

    if (type == kRtf) {
        if (PageViewer* under = HotBrowser ? mainViewer : v)
            PlaceProgressBar(*under, true);
        gLoadStartTime = m_services.clock.secondsSinceMidnight();
        const QString path = WriteDocumentFile(sql, kRtf, form.page.progressBar());
        if (path.isEmpty())
            return;
        richtext::DocumentBox* b = nullptr;
        if (HotBrowser)
            b = viewerWindow->rtbhotBrowser;
        else
            b = form.page.actDocumentBox(tab);
        if (!b)
            return;
        b->setEnabled(true);
        const bool loaded = b->LoadFile(path);
        if (!loaded)
            b->hide();
        else if (HotBrowser)
            cover(*v, *b);
        else
            form.page.coverActViewer(tab, *b);
    } else if (type == kHtml) {
        const QString path = WriteDocumentFile(sql, kHtml, nullptr);
        if (path.isEmpty())
            return;
        PageViewer* f = HotBrowser ? viewerWindow->brwFilehotbrowser : &form.page.fileViewer();
        if (!f)
            return;
        f->setGeometry(v->geometry());
        f->show();
        try {
            f->Navigate(QStringLiteral("file:") + path);
            if (HotBrowser)
                cover(*v, *f);
            else
                form.page.coverActViewer(tab, *f);
        } catch (const std::exception&) {
            f->hide();
        }
    }
}

void DocumentCommands::ShowScheduleDocument(shell::Panes& form, startup::ProgramContext& context,
                                            std::int32_t id, QString& page) {
    page.clear();
    const QString sql = store::templateDocument(id);
    try {
        engine::Recordset row = context.connection.openRecordset(sql);
        if (row.eof())
            return;
        const QString type = textOf(row, QStringLiteral("BlobType"));
        gDocumentType = type.isEmpty() ? kRtf : type;
    } catch (const std::exception&) {
        return;
    }

    const QString path = WriteDocumentFile(sql, gDocumentType, nullptr);
    if (path.isEmpty()) {
        // No file: the document button and the print button have nothing to open.
        gDocumentType.clear();
        return;
    }

    detail::BusyPointer busy;
    bool failed = false;
    richtext::DocumentBox& box = form.page.templateDocumentBox();
    PageViewer& viewer = form.page.templateViewer();
    if (gDocumentType == kRtf) {
        box.setEnabled(true);
        failed = !box.LoadFile(path);
        box.setGeometry(viewer.geometry());
        if (!failed) {
            box.show();
            viewer.hide();
        }
    } else if (office::officeKindFor(gDocumentType) == office::OfficeKind::Spreadsheet) {
        box.hide();
        viewer.show();
        // The note names the program that will open the spreadsheet here.
        const QString chosen = context.state.gDocumentViewerPath;
        const QString program = chosen.isEmpty() ? kSpreadsheetName : chosen.toHtmlEscaped();
        page = kSpreadsheetNote1 + kSpreadsheetNote2 + context.state.applicationFolder +
               kSpreadsheetNote3a + program + kSpreadsheetNote3b + kSpreadsheetNote4a + program +
               kSpreadsheetNote4b;
    }
    if (context.state.gDocumentViewerPath.isEmpty()) {
        form.page.setDocumentPicture(DocumentIconIndex(gDocumentType));
        form.page.setDocumentToolTip(gDocumentType == kRtf ? kTipWord : kTipExcel);
    }
    if (failed) {
        box.hide();
        viewer.show();
    }
}

} // namespace lexora::pages
