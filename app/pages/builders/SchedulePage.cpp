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
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeNode.h"

#include <QToolButton>

#include <optional>

namespace lexora::pages {

namespace {

const QString kBlank = QStringLiteral("about:blank");

void setViewersVisible(shell::Panes& form, bool visible) {
    for (PageViewer* viewer : {form.page.brwWebBrowser1, form.page.brwWebBrowser2}) {
        if (viewer)
            viewer->setVisible(visible);
    }
}

} // namespace

std::optional<QString> detail::chartPageHtml(shell::Panes& form, startup::ProgramContext& context,
                                             std::int32_t id) {
    engine::Recordset rows = context.connection.execute(store::schedulePage(id));
    QString page = QStringLiteral(" ");
    if (form.page.brwWebBrowser2)
        form.page.brwWebBrowser2->Navigate(kBlank);

    if (rows.eof()) {
        form.page.brwWebBrowser1->Navigate(kBlank);
        return page;
    }

    if (rows.value(QStringLiteral("IsBlob")).toBool()) {
        setViewersVisible(form, false);
        const auto abstractId =
            static_cast<store::Id>(rows.value(QStringLiteral("Abstract_id")).toInt());
        rows.close();
        const QString path = attachedDocuments().WriteAbstractDocument(
            form, context, store::scheduleAbstractDocument(abstractId));
        if (!path.isEmpty() && form.page.cmdpicprintabstr)
            form.page.cmdpicprintabstr->hide();
        return std::nullopt;
    }

    setViewersVisible(form, true);
    if (rows.value(QStringLiteral("abstr_descr")).isMissing()) {
        form.page.brwWebBrowser1->Navigate(kBlank);
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

    if (form.page.rtbWord) {
        form.page.rtbWord->hide();
        form.page.rtbWord->setEnabled(false);
    }
    if (form.page.cmdpicprintabstr)
        form.page.cmdpicprintabstr->show();
    if (index == 0) {
        attachedDocuments().ClearDocumentType();
        if (form.page.cmdpicWordlaw)
            form.page.cmdpicWordlaw->setIcon(form.page.imListDocuments[3]);
    }

    const std::optional<QString> page = detail::chartPageHtml(form, context, id);
    if (!page)
        return;
    form.page.brwWebBrowser1->Document().body().setInnerHTML(*page);
    if (index == 0) {
        context.state.gCurrentLawId = 0;
        context.state.gTopicsLawId = 0;
    }
    set_style(*form.page.brwWebBrowser1);
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
