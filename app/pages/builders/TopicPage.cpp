// The topic page: the topic's title, its abstracts and, under each abstract,
// links to the acts it cites, written into brwWebBrowser1.
#include "app/pages/builders/PageHandlers.h"

#include "app/pages/PageStyling.h"
#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/builders/PageText.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeNode.h"

namespace lexora::pages {

namespace {

// The links to the acts an abstract cites; brwWebBrowser2 is cleared again
// when there are none.
QString actLinks(shell::Panes& form, engine::Connection& connection,
                 const dvRtns4::Variant& abstractId) {
    engine::Recordset acts =
        connection.openRecordset(store::abstractLinks(static_cast<store::Id>(abstractId.toInt())),
                                 engine::CursorType::Keyset);
    if (acts.eof())
        form.page.blankActViewer(shell::Tab::Topics);
    QString links;
    for (; !acts.eof(); acts.moveNext()) {
        const QString id = acts.value(QStringLiteral("law_id")).toString();
        links += QStringLiteral("<a href =#") + id + QStringLiteral(" id = ") + id +
                 QStringLiteral(">") + acts.value(QStringLiteral("title")).toString() +
                 QStringLiteral("</a><br>");
    }
    acts.close();
    return links;
}

void showTopicPage(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node) {
    const std::int32_t id = detail::nodeId(node);
    context.state.gScheduleAbstract = true;
    context.state.gNodeMarker.clear();
    detail::toggleNode(node);

    const std::optional<QString> page = detail::topicPageHtml(form, context, id);
    if (!page)
        return;
    form.page.topicViewer().Document().body().setInnerHTML(*page);
    context.state.gCurrentLawId = 0;
    context.state.gTopicsLawId = 0;
    set_style(form.page.topicViewer());
}

} // namespace

std::optional<QString> detail::topicPageHtml(shell::Panes& form, startup::ProgramContext& context,
                                             std::int32_t topicId) {
    ProgramState& state = context.state;
    engine::Recordset rows = context.connection.execute(store::topicPage(topicId));

    form.page.blankActViewer(shell::Tab::Topics);
    form.page.uncoverActViewer(shell::Tab::Topics);

    if (rows.eof() || rows.value(QStringLiteral("abstr_descr")).isMissing()) {
        form.page.blankTopicPage();
        state.gAbstract = false;
        return std::nullopt;
    }
    state.gAbstract = true;
    QString page = QStringLiteral(" ") + QStringLiteral("<h1>") +
                   rows.value(QStringLiteral("topic_descr")).toString() + QStringLiteral("</h1>");

    const bool withLinks = !state.isMorvaldi();
    for (; !rows.eof(); rows.moveNext()) {
        QString links;
        if (withLinks)
            links = actLinks(form, context.connection, rows.value(QStringLiteral("abstract_id")));
        page += rows.value(QStringLiteral("abstr_descr")).toString();
        page += links;
    }
    rows.close();
    return page;
}

void ShowTopicPage(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node) {
    try {
        showTopicPage(form, context, node);
    } catch (const engine::EngineError& error) {
        detail::reportDatabaseError(QStringLiteral("Ανεπιτυχής Προβολή Θέματος"), error);
    }
}

} // namespace lexora::pages
