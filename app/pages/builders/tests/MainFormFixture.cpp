// The main window of real controls that the page tests work on.
#include "app/pages/builders/tests/MainFormFixture.h"

#include "controls/progress/Progress.h"
#include "engine/Connection.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

namespace testsupport {

using namespace lexora;

MainFormFixture::MainFormFixture(const QString& fillSql)
    : db(fillSql), window(std::make_unique<QWidget>()), form(window.get(), testTabCaptions()) {
    for (pages::PageViewer* viewer :
         {controls.brwWebBrowser1, controls.brwWebBrowser2, controls.brwWebBrowser3})
        viewer->Navigate(QStringLiteral("about:blank"));

    context.state.applicationFolder = QStringLiteral("/opt/lexora");
    context.connection.open(engine::connectionTextFor(db.path(), QStringLiteral("$tr4vo")),
                            QStringLiteral("Admin"), QString());
    selectTab(kTabTopics);
}

MainFormFixture::~MainFormFixture() = default;

QString MainFormFixture::bodyOf(pages::PageViewer* viewer) {
    if (!viewer || !viewer->hasDocument())
        return {};
    return viewer->Document().body().innerHTML();
}

void MainFormFixture::selectTab(int index) {
    form.tabs.setCurrentTab(lexora::shell::Tab(index));
    context.state.wIsSchedule = index == kTabScheduleN || index == kTabScheduleP;
}

} // namespace testsupport
