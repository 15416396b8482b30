// The link protocol, the navigation-start handlers of the page viewers, the
// display step of a pending page and the choice of a legislation tree node.
#include "app/pages/builders/LinkNavigation.h"

#include "app/pages/PageStyling.h"
#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/builders/PageHandlers.h"
#include "app/pages/builders/TemplatePage.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeNode.h"

#include <QDir>

namespace lexora::pages {

std::optional<std::int32_t> decodeLinkAddress(const QString& address) {
    const qsizetype hash = address.indexOf(u'#');
    if (hash < 0)
        return std::nullopt;
    // The id is the text after "#", or after "#f" when the address holds one.
    const qsizetype idLength =
        address.size() - hash - 1 - (address.contains(QLatin1String("#f")) ? 1 : 0);
    return detail::leadingNumber(address.right(std::max<qsizetype>(idLength, 0)));
}

QString RedirectImages(const QString& html, const QString& applicationFolder) {
    const QString helpFolder =
        applicationFolder + QDir::separator() + QStringLiteral("help") + QDir::separator();
    QString text = html;
    qsizetype from = 0;
    for (;;) {
        const qsizetype image = text.indexOf(QLatin1String("<img"), from);
        if (image < 0)
            break;
        const qsizetype src = text.indexOf(QLatin1String("src="), image + 4);
        if (src < 0 || src + 4 >= text.size())
            break; // no later image can have a source to rewrite either
        const QChar quote = text.at(src + 4);
        const qsizetype open = src + 4;
        const qsizetype close = text.indexOf(quote, open + 1);
        if (close < 0)
            break;
        const QString source = text.mid(open + 1, close - open - 1).trimmed();
        if (source.isEmpty()) {
            from = close + 1;
            continue;
        }
        const qsizetype slash = std::max(source.lastIndexOf(u'/'), source.lastIndexOf(u'\\'));
        const QString target = helpFolder + source.mid(slash + 1);
        text.replace(open + 1, close - open - 1, target);
        from = open + 1 + target.size() + 1;
    }
    return text;
}

void WritePendingPage(startup::ProgramContext& context, PageViewer& viewer) {
    ProgramState& state = context.state;
    if (state.gPageHtml.isEmpty())
        return;
    state.gPageHtml = RedirectImages(state.gPageHtml, state.applicationFolder);
    if (!viewer.hasDocument())
        viewer.Navigate(QStringLiteral("about:blank"));
    // Written and styled, then laid out once: a long act is not rendered twice.
    const HtmlDocument document = viewer.Document();
    const HtmlDocument::UpdateBatch batch(document);
    document.body().setInnerHTML(state.gPageHtml);
    set_style(viewer);
}

void buildPageForLink(shell::Panes& form, startup::ProgramContext& context, bool HotBrowser) {
    if (context.state.wIsSchedule)
        navigate_to_hotbrowserSchedule(form, context, kNotHistory);
    else
        navigate_to_hotbrowser(form, context, kNotHistory, HotBrowser);
}

void brwWebBrowser1_BeforeNavigate2(shell::Panes& form, startup::ProgramContext& context,
                                    const QString& address, bool& cancel) {
    const std::optional<std::int32_t> id = decodeLinkAddress(address);
    if (!id)
        return;
    cancel = true;
    context.state.gCurrentLawId = *id;
    context.state.gTopicsLawId = *id;
    buildPageForLink(form, context, false);
    WritePendingPage(context, *form.page.actViewer(shell::Tab::Topics));
    if (context.state.gOnTabThemata && *id != 0)
        form.page.noteActShown(shell::Tab::Topics, *id);
}

void actPage_BeforeNavigate2(shell::Panes& form, startup::ProgramContext& context,
                             const QString& address, bool& cancel) {
    const std::optional<std::int32_t> id = decodeLinkAddress(address);
    if (!id)
        return;
    cancel = true;
    context.state.gCurrentLawId = *id;
    context.state.gViewerLawId = *id;
    windows::unloadLawViewer();
    buildPageForLink(form, context, true);
    windows::showLawViewer(form, context);
}

void brwhotbrowser_BeforeNavigate2(shell::Panes& form, startup::ProgramContext& context,
                                   PageViewer& brwhotbrowser, const QString& address,
                                   bool& cancel) {
    const std::optional<std::int32_t> id = decodeLinkAddress(address);
    if (!id)
        return;
    cancel = true;
    showActInLawViewer(form, context, brwhotbrowser, *id);
}

void showActInLawViewer(shell::Panes& form, startup::ProgramContext& context,
                        PageViewer& brwhotbrowser, std::int32_t id) {
    context.state.gCurrentLawId = id;
    context.state.gViewerLawId = id;
    navigate_to_hotbrowser(form, context, kNotHistory, true);
    WritePendingPage(context, brwhotbrowser);
}

void ShowLawTreeNode(shell::Panes& form, startup::ProgramContext& context, trees::TreeNode& node) {
    form.page.clearRelatedTopics();
    const std::int32_t id = detail::nodeId(node);
    detail::toggleNode(node);
    ProgramState& state = context.state;
    state.gCurrentLawId = id;
    state.gLegislationLawId = id;
    state.gNodeMarker = node.key().startsWith(u'p') ? QStringLiteral("p") : QString();

    buildPageForLink(form, context, false);

    PageViewer* viewer = form.page.actViewer(shell::Tab::Laws);
    if (!state.gPageHtml.isEmpty() && state.gNodeMarker.isEmpty())
        form.page.noteActShown(shell::Tab::Laws, id);
    if (state.gPageHtml.isEmpty() && !viewer->hasDocument())
        return;
    if (!viewer->hasDocument())
        viewer->Navigate(QStringLiteral("about:blank"));
    // Written and styled, then laid out once.
    const HtmlDocument document = viewer->Document();
    const HtmlDocument::UpdateBatch batch(document);
    if (!state.gPageHtml.isEmpty()) {
        state.gPageHtml = RedirectImages(state.gPageHtml, state.applicationFolder);
        document.body().setInnerHTML(state.gPageHtml);
    }
    if (!document.body().innerHTML().isEmpty())
        set_style(*viewer);
}

void connectLinkHandlers(shell::Panes& form, startup::ProgramContext& context) {
    shell::Panes* f = &form;
    startup::ProgramContext* c = &context;
    PageViewer* topicViewer = &form.page.topicViewer();
    QObject::connect(topicViewer, &PageViewer::BeforeNavigate2, topicViewer,
                     [f, c](const QString& address, bool& cancel) {
                         brwWebBrowser1_BeforeNavigate2(*f, *c, address, cancel);
                     });
    for (PageViewer* viewer :
         {form.page.actViewer(shell::Tab::Topics), form.page.actViewer(shell::Tab::Laws)}) {
        QObject::connect(viewer, &PageViewer::BeforeNavigate2, viewer,
                         [f, c](const QString& address, bool& cancel) {
                             actPage_BeforeNavigate2(*f, *c, address, cancel);
                         });
    }
}

} // namespace lexora::pages
