// The page goes through a page viewer that is never shown, so that it is
// written, redirected and styled exactly as on screen.
#include "app/pages/builders/ActPdf.h"

#include "app/pages/PageStyling.h"
#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/LinkNavigation.h"
#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/HtmlElement.h"
#include "platform/pageview/PagePdf.h"
#include "platform/pageview/PageViewer.h"

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
