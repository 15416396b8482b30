// The page goes through a page viewer that is never shown, so that it is
// written, redirected and styled exactly as on screen.
#include "ActPdf.h"

#include "ActPage.h"
#include "HtmlDocument.h"
#include "HtmlElement.h"
#include "LinkNavigation.h"
#include "PagePdf.h"
#include "PageStyling.h"
#include "PageViewer.h"

#include <QDir>
#include <QTextDocument>

namespace lexora::pages {

ActPdfResult SaveActAsPdf(engine::Connection& connection, const QString& applicationFolder,
                          std::int32_t lawId, const QString& path) {
    const ActPageContent content = actPageContent(connection, lawId);
    if (content.kind == ActPageContent::Missing)
        return ActPdfResult::UnknownAct;
    if (content.kind == ActPageContent::Attachment)
        return ActPdfResult::AttachmentOnly;

    PageViewer viewer;
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(RedirectImages(content.html, applicationFolder));
    set_style(viewer);
    return writePagePdf(*viewer.unzoomedDocument(), path) ? ActPdfResult::Written
                                                          : ActPdfResult::NotWritable;
}

QString actPdfMessage(ActPdfResult result, std::int32_t lawId, const QString& path) {
    switch (result) {
    case ActPdfResult::Written:
        break;
    case ActPdfResult::UnknownAct:
        return QStringLiteral("Δεν υπάρχει νομοθέτημα με κωδικό %1.").arg(lawId);
    case ActPdfResult::AttachmentOnly:
        return QStringLiteral("Το νομοθέτημα με κωδικό %1 υπάρχει μόνο ως συνημμένο έγγραφο και "
                              "δεν γράφεται σε PDF.")
            .arg(lawId);
    case ActPdfResult::NotWritable:
        return QStringLiteral("Δεν είναι δυνατή η εγγραφή του αρχείου «%1».")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

} // namespace lexora::pages
