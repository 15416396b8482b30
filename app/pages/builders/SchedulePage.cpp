// The organisation-chart page: a chart node's title and abstracts written
// into brwWebBrowser1, or the node's stored document.
#include "app/pages/builders/PageHandlers.h"

#include "app/pages/PageStyling.h"
#include "app/pages/builders/AttachedDocuments.h"
#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/builders/PageText.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeNode.h"

#include <optional>

namespace lexora::pages {

std::optional<QString> detail::chartPageHtml(shell::Panes& form, startup::ProgramContext& context,
                                             std::int32_t id) {
    engine::Recordset rows = context.connection.execute(store::schedulePage(id));
    QString page = QStringLiteral(" ");
    form.page.templateViewer().Navigate(QStringLiteral("about:blank"));

    if (rows.eof()) {
        form.page.blankTopicPage();
        return page;
    }

    if (rows.value(QStringLiteral("IsBlob")).toBool()) {
        form.page.setPageViewersVisible(false);
        const auto abstractId =
            static_cast<store::Id>(rows.value(QStringLiteral("Abstract_id")).toInt());
        rows.close();
        const QString path = attachedDocuments().WriteAbstractDocument(
            form, context, store::scheduleAbstractDocument(abstractId));
        if (!path.isEmpty())
            form.page.setAbstractPrintVisible(false);
        return std::nullopt;
    }

    form.page.setPageViewersVisible(true);
    if (rows.value(QStringLiteral("abstr_descr")).isMissing()) {
        form.page.blankTopicPage();
        context.state.gScheduleAbstract = false;
        return std::nullopt;
    }

    context.state.gScheduleAbstract = true;
    page += QStringLiteral("<h1>") + rows.value(QStringLiteral("Schedule_descr")).toString() +
            QStringLiteral("</h1>");
    for (; !rows.eof(); rows.moveNext())
        page += rows.value(QStringLiteral("abstr_descr")).toString();
    rows.close();
    return page;
}

namespace {

void showSchedulePage(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node,
                      int index) {
    const std::int32_t id = detail::nodeId(node);
    context.state.gNodeMarker.clear();
    detail::toggleNode(node);

    form.page.hideTemplateDocument();
    form.page.setAbstractPrintVisible(true);
    if (index == 0) {
        attachedDocuments().ClearDocumentType();
        form.page.setDocumentPicture(shell::DocumentPicture::Other);
    }

    const std::optional<QString> page = detail::chartPageHtml(form, context, id);
    if (!page)
        return;
    form.page.topicViewer().Document().body().setInnerHTML(*page);
    if (index == 0) {
        context.state.gCurrentLawId = 0;
        context.state.gTopicsLawId = 0;
    }
    set_style(form.page.topicViewer());
}

} // namespace

void ShowSchedulePage(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node,
                      int index) {
    try {
        showSchedulePage(form, context, node, index);
    } catch (const engine::EngineError& error) {
        detail::reportDatabaseError(QStringLiteral("Ανεπιτυχής Προβολή Οργανογράμματος"), error);
    }
}

} // namespace lexora::pages
