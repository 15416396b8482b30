// Going back shows the act as the tab first showed it: the page builder, then
// the page written into the tab's act viewer. An act the trail shows itself
// is not recorded again.
#include "app/pages/builders/ActViewerTrail.h"

#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/LinkNavigation.h"
#include "app/shell/ActTrail.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "platform/pageview/PageViewer.h"

#include <QObject>

#include <array>

namespace lexora::pages {

namespace {

class ActViewerTrails final : public QObject {
public:
    ActViewerTrails(shell::Panes& form, startup::ProgramContext& context)
        : QObject(form.window), m_form(form), m_context(context) {
        connect(&form.page, &shell::PagePane::actShown, this,
                [this](shell::Tab tab, std::int32_t id) {
                    if (m_replaying)
                        return;
                    if (shell::ActTrail* trail = trailOf(tab)) {
                        trail->visit(id);
                        update(tab);
                    }
                });
        connect(&form.page, &shell::PagePane::backRequested, this, [this](shell::Tab tab) {
            if (shell::ActTrail* trail = trailOf(tab))
                show(tab, trail->back());
        });
        connect(&form.page, &shell::PagePane::forwardRequested, this, [this](shell::Tab tab) {
            if (shell::ActTrail* trail = trailOf(tab))
                show(tab, trail->forward());
        });
        // The legislation and history tabs share their viewer's buttons.
        connect(&form.tabs, &shell::NavigationTabs::currentTabChanged, this,
                [this](shell::Tab tab) { update(tab); });
        update(shell::Tab::Topics);
        update(form.tabs.currentTab());
    }

private:
    shell::ActTrail* trailOf(shell::Tab tab) {
        switch (tab) {
        case shell::Tab::Topics:
            return &m_trails[0];
        case shell::Tab::Laws:
            return &m_trails[1];
        case shell::Tab::History:
            return &m_trails[2];
        case shell::Tab::ChartN:
        case shell::Tab::ChartP:
            break;
        }
        return nullptr;
    }

    void show(shell::Tab tab, std::optional<std::int32_t> id) {
        PageViewer* viewer = m_form.page.actViewer(tab);
        if (!id || viewer == nullptr)
            return;
        ProgramState& state = m_context.state;
        state.gCurrentLawId = *id;
        if (tab == shell::Tab::Topics)
            state.gTopicsLawId = *id;
        else if (tab == shell::Tab::Laws)
            state.gLegislationLawId = *id;
        m_replaying = true;
        if (tab == shell::Tab::Topics) {
            buildPageForLink(m_form, m_context, false);
        } else {
            state.gNodeMarker.clear();
            navigate_to_hotbrowser(m_form, m_context, kNotHistory, false);
        }
        WritePendingPage(m_context, *viewer);
        m_replaying = false;
        update(tab);
    }

    void update(shell::Tab tab) {
        if (const shell::ActTrail* trail = trailOf(tab))
            m_form.page.setTrailState(tab, trail->canGoBack(), trail->canGoForward());
    }

    shell::Panes& m_form;
    startup::ProgramContext& m_context;
    std::array<shell::ActTrail, 3> m_trails;
    bool m_replaying = false;
};

} // namespace

void installActViewerTrail(shell::Panes& form, startup::ProgramContext& context) {
    new ActViewerTrails(form, context); // owned by the window
}

} // namespace lexora::pages
