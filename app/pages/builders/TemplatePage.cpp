// navigate_to_hotbrowserSchedule: the page of one template of the
// organisation-chart tabs.
#include "app/pages/builders/TemplatePage.h"

#include "app/pages/builders/AssembledText.h"
#include "app/pages/builders/AttachedDocuments.h"
#include "app/pages/builders/BuilderSupport.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"

namespace lexora::pages {

namespace {

bool isSingleRow(const engine::Recordset& header) {
    const dvRtns4::Variant wholeText = header.value(QStringLiteral("all_law_flag"));
    const dvRtns4::Variant display = header.value(QStringLiteral("display_flag"));
    return detail::flagIs(wholeText, 1) ||
           (detail::flagIs(wholeText, 0) && !display.isMissing() && display.toInt() != 1);
}

QString buildPage(shell::Panes& form, startup::ProgramContext& context, std::int32_t id) {
    engine::Recordset header = context.connection.openRecordset(store::templateHeader(id));
    if (context.state.gNodeMarker == QLatin1String("p") || header.eof())
        return {};

    QString page;
    const QString title = header.value(QStringLiteral("Title")).toString();
    if (isSingleRow(header)) {
        page = QStringLiteral("<h1>") + title + QStringLiteral("</h1>") +
               header.value(QStringLiteral("descr")).toString();
        header.close();
    } else {
        header.close();
        const detail::AssembledText text =
            detail::assembleText(context.connection, detail::templateStatements(), id);
        if (text.body.trimmed().isEmpty() && text.lastRowId != 0)
            attachedDocuments().ShowScheduleDocument(form, context, text.lastRowId, page);
        else
            page = text.page();
    }
    form.page.setDocumentTitle(title);
    return page;
}

} // namespace

void navigate_to_hotbrowserSchedule(shell::Panes& form, startup::ProgramContext& context,
                                    const QString& brwname) {
    form.page.hideTemplateDocument();
    const std::int32_t id = detail::actIdFor(form, context.state.gCurrentLawId, brwname);
    try {
        context.state.gPageHtml = buildPage(form, context, id);
    } catch (const engine::EngineError& error) {
        context.state.gPageHtml.clear();
        detail::reportDatabaseError(QStringLiteral("Ανεπιτυχής Προβολή Υποδείγματος"), error);
    }
}

} // namespace lexora::pages
