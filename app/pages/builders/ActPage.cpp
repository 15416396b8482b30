// navigate_to_hotbrowser: the page of one act, its attached document and the
// topics that cite it.
#include "app/pages/builders/ActPage.h"

#include "app/pages/builders/AssembledText.h"
#include "app/pages/builders/AttachedDocuments.h"
#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/builders/RelatedTopics.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "controls/progress/Progress.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QComboBox>

namespace lexora::pages {

namespace {

// A row holds the act's whole text, or its type is not assembled.
bool isSingleRow(const engine::Recordset& header) {
    const dvRtns4::Variant wholeText = header.value(QStringLiteral("all_law_flag"));
    const dvRtns4::Variant display = header.value(QStringLiteral("display_flag"));
    return detail::flagIs(wholeText, 1) ||
           (detail::flagIs(wholeText, 0) && !display.isMissing() && display.toInt() != 1);
}

// The page of the act whose header row is current; the header is closed.
ActPageContent contentFromHeader(engine::Connection& connection, engine::Recordset& header,
                                 std::int32_t id) {
    if (isSingleRow(header)) {
        if (!header.value(QStringLiteral("BlobType")).isMissing() &&
            !header.value(QStringLiteral("BlobType")).toString().isEmpty()) {
            header.close();
            return {ActPageContent::Attachment, {}};
        }
        const QString page =
            QStringLiteral("<h1>") + header.value(QStringLiteral("title")).toString() +
            QStringLiteral("</h1>") + header.value(QStringLiteral("descr")).toString();
        header.close();
        return {ActPageContent::Page, page};
    }
    header.close();
    return {ActPageContent::Page,
            detail::assembleText(connection, detail::actStatements(), id).page()};
}

QString buildPage(shell::Panes& form, startup::ProgramContext& context, std::int32_t id,
                  bool fromHistory, bool HotBrowser) {
    engine::Recordset header = context.connection.openRecordset(
        fromHistory ? store::actHeaderFromHistory(id) : store::actHeader(id));
    if (context.state.gNodeMarker == QLatin1String("p") || header.eof())
        return {};
    const ActPageContent content = contentFromHeader(context.connection, header, id);
    if (content.kind == ActPageContent::Attachment)
        attachedDocuments().ShowLawFile(form, context, id, HotBrowser);
    return content.html;
}

} // namespace

ActPageContent actPageContent(engine::Connection& connection, std::int32_t id) {
    engine::Recordset header = connection.openRecordset(store::actHeader(id));
    if (header.eof())
        return {};
    return contentFromHeader(connection, header, id);
}

void navigate_to_hotbrowser(shell::Panes& form, startup::ProgramContext& context,
                            const QString& brwname, bool HotBrowser) {
    {
        detail::BusyPointer busy;
        form.page.prepareActViewer(form.tabs.currentTab());
        const bool fromHistory = brwname != kNotHistory;
        const std::int32_t id = detail::actIdFor(form, context.state.gCurrentLawId, brwname);

        bool pageBuilt = false;
        try {
            context.state.gPageHtml = buildPage(form, context, id, fromHistory, HotBrowser);
            pageBuilt = true;
            detail::addRelatedTopics(form, context.connection, id, fromHistory);
        } catch (const engine::EngineError& error) {
            if (!pageBuilt)
                context.state.gPageHtml.clear();
            detail::reportDatabaseError(QStringLiteral("Ανεπιτυχής Προβολή Νομοθετήματος"), error);
        }

        form.page.endProgress();
    }
    form.page.selectFirstRelatedTopic();
}

} // namespace lexora::pages
