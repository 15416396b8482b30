// The buttons are made here rather than by the windows, and keep to their
// print buttons through an event filter: the windows' layout code places and
// shows the print buttons, and the PDF buttons follow without it knowing.
#include "app/pages/documents/SaveAsPdf.h"

#include "app/shell/FollowsPrintButton.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "platform/pageview/PagePdf.h"
#include "platform/pageview/PageViewer.h"
#include "platform/printing/PdfFileChooser.h"
#include "platform/richtext/DocumentBox.h"
#include "routines/MessagePresenter.h"

#include <QBoxLayout>
#include <QRegularExpression>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>

#include <functional>

namespace lexora::pages {

namespace {

bool shown(const QWidget* w) {
    return w != nullptr && !w->isHidden();
}

QToolButton* pdfButtonBeside(QToolButton* print, const QString& name, const QString& tip,
                             std::function<void()> onClick) {
    if (print == nullptr)
        return nullptr;
    QWidget* panel = print->parentWidget();
    auto* pdf = new QToolButton(panel);
    pdf->setObjectName(name);
    pdf->setToolTip(tip);
    pdf->setText(QStringLiteral("PDF"));
    pdf->setIcon(panel->style()->standardIcon(QStyle::SP_DialogSaveButton));
    pdf->setIconSize(print->iconSize());
    pdf->setAutoRaise(print->autoRaise());
    pdf->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (auto* box = qobject_cast<QBoxLayout*>(panel->layout())) {
        box->insertWidget(box->indexOf(print) + 1, pdf);
    }
    new shell::FollowsPrintButton(print, pdf, true);
    QObject::connect(pdf, &QToolButton::clicked, pdf, std::move(onClick));
    return pdf;
}

QString actCode(engine::Connection& connection, std::int32_t id) {
    if (id == 0)
        return {};
    try {
        engine::Recordset rs = connection.openRecordset(store::actCodeOf(id));
        const QString code = rs.eof() ? QString() : rs.value(QStringLiteral("law_code")).toString();
        rs.close();
        return code.trimmed();
    } catch (const engine::EngineError&) {
        return {}; // only the proposed name is lost
    }
}

// The forms of an act the tab's act viewer may show.
PdfSource actSource(const shell::PagePane& page, shell::Tab tab) {
    return {page.actDocumentBox(tab), &page.fileViewer(), page.actViewer(tab)};
}

const QString kActFallback = QStringLiteral("Νομοθέτημα");
const QString kActTip = QStringLiteral("Αποθήκευση Τρέχοντος Νομοθετήματος ως PDF");

} // namespace

std::unique_ptr<QTextDocument> shownDocument(const PdfSource& source) {
    if (shown(source.box))
        return source.box->unzoomedDocument();
    if (shown(source.fileViewer) && source.fileViewer->hasDocument())
        return source.fileViewer->unzoomedDocument();
    if (source.pageViewer != nullptr && source.pageViewer->hasDocument())
        return source.pageViewer->unzoomedDocument();
    return nullptr;
}

QString pdfFileName(const QString& code, const QString& fallback) {
    static const QRegularExpression unfit(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString name = code.trimmed();
    name.replace(unfit, QStringLiteral("-"));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = fallback;
    return name + QStringLiteral(".pdf");
}

bool SaveShownAsPdf(QWidget* parent, const PdfSource& source, const QString& proposedName,
                    PdfFileChooser& chooser) {
    std::unique_ptr<QTextDocument> page = shownDocument(source);
    if (!page)
        page = std::make_unique<QTextDocument>(); // as printing: an empty viewer, a blank page
    const QString path = chooser.choosePdfFile(parent, proposedName);
    if (path.isEmpty())
        return false;
    if (writePagePdf(*page, path))
        return true;
    dvRtns4::messagePresenter().show(
        {dvRtns4::MsgIcon::Critical, QStringLiteral("Ανεπιτυχής Αποθήκευση σε PDF"),
         QStringLiteral("Δεν είναι δυνατή η εγγραφή του αρχείου «%1».").arg(path)});
    return false;
}

void installSaveAsPdf(shell::Panes& f, startup::ProgramContext& context,
                      windows::LawViewerHooks& viewerHooks, PdfFileChooser& chooser) {
    ProgramState& state = context.state;
    engine::Connection& connection = context.connection;

    QObject::connect(
        &f.page, &shell::PagePane::pdfTopicActRequested, f.window,
        [&f, &state, &connection, &chooser] {
            if (state.gTopicsLawId == 0) {
                dvRtns4::messagePresenter().show(
                    {dvRtns4::MsgIcon::Critical,
                     QStringLiteral("Ανεπιτυχής Αποθήκευση Νομοθετήματος."),
                     QStringLiteral(
                         "Δεν έχετε επιλέξει Νομοθέτημα για αποθήκευση. Για την "
                         "αποθήκευση του Νομοθετήματος σε PDF πρέπει να επιλέξετε πρώτα το "
                         "σύνδεσμο του Νομοθετήματος που θέλετε να αποθηκεύσετε.")});
                return;
            }
            SaveShownAsPdf(f.window, actSource(f.page, shell::Tab::Topics),
                           pdfFileName(actCode(connection, state.gTopicsLawId), kActFallback),
                           chooser);
        });
    QObject::connect(
        &f.page, &shell::PagePane::pdfActRequested, f.window, [&f, &state, &connection, &chooser] {
            SaveShownAsPdf(f.window, actSource(f.page, shell::Tab::Laws),
                           pdfFileName(actCode(connection, state.gCurrentLawId), kActFallback),
                           chooser);
        });
    QObject::connect(&f.page, &shell::PagePane::pdfAbstractRequested, f.window, [&f, &chooser] {
        SaveShownAsPdf(f.window, {nullptr, nullptr, &f.page.topicViewer()},
                       pdfFileName({}, QStringLiteral("Περίληψη")), chooser);
    });

    auto created = std::move(viewerHooks.created);
    viewerHooks.created = [created, &state, &connection, &chooser](QWidget& window) {
        if (created)
            created(window);
        auto* viewer = qobject_cast<windows::frmhotbrowser*>(&window);
        if (viewer == nullptr)
            return;
        pdfButtonBeside(
            viewer->cmdhotconnprint, QStringLiteral("cmdhotconnpdf"), kActTip,
            [viewer, &state, &connection, &chooser] {
                SaveShownAsPdf(
                    viewer,
                    {viewer->rtbhotBrowser, viewer->brwFilehotbrowser, viewer->brwhotbrowser},
                    pdfFileName(actCode(connection, state.gViewerLawId), kActFallback), chooser);
            });
    };
}

} // namespace lexora::pages
