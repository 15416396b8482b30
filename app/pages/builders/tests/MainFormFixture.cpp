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
    : db(fillSql), window(std::make_unique<QWidget>()) {
    form.window = window.get();
    form.tabs.SSTab1 = new QTabWidget(window.get());
    const char* captions[] = {"Οργανόγραμμα", "Θέματα", "Νομοθετήματα", "Οργανόγραμμα", "Ιστορικό"};
    for (const char* caption : captions)
        form.tabs.SSTab1->addTab(new QWidget, QString::fromUtf8(caption));

    form.tabs.tvwTree = new trees::TreeControl(window.get());
    form.tabs.tvwTreelaw = new trees::TreeControl(window.get());
    for (auto& tree : form.tabs.tvwTreeschedule)
        tree = new trees::TreeControl(window.get());
    for (trees::TreeControl* tree : {form.tabs.tvwTree, form.tabs.tvwTreelaw,
                                     form.tabs.tvwTreeschedule[0], form.tabs.tvwTreeschedule[1]})
        tree->setImageList(trees::treeImageList());

    form.page.cmbLexoraAbstracts = new QComboBox(window.get());
    form.tabs.lsthistory = new QListWidget(window.get());
    form.page.brwWebBrowser1 = new pages::PageViewer(window.get());
    form.page.brwWebBrowser2 = new pages::PageViewer(window.get());
    form.page.brwWebBrowser3 = new pages::PageViewer(window.get());
    form.page.brwWebBrowserLawFile = new pages::PageViewer(window.get());
    form.page.rtbWord = new richtext::DocumentBox(window.get());
    form.page.rtbWordLawTopic = new richtext::DocumentBox(window.get());
    form.page.rtbWordLaw = new richtext::DocumentBox(window.get());
    form.page.lblDocument = new QLabel(window.get());
    form.page.ProgressBar1 = new Dravik::Progress(window.get());
    form.page.cmdpicWordlaw = new QToolButton(window.get());
    form.page.cmdpicprintabstr = new QToolButton(window.get());
    for (int i = 0; i < 4; ++i) {
        QPixmap picture(4, 4);
        picture.fill(QColor::fromHsv(i * 60, 255, 255));
        form.page.imListDocuments[static_cast<std::size_t>(i)] = QIcon(picture);
    }

    for (pages::PageViewer* viewer :
         {form.page.brwWebBrowser1, form.page.brwWebBrowser2, form.page.brwWebBrowser3})
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
    form.tabs.SSTab1->setCurrentIndex(index);
    context.state.wIsSchedule = index == kTabScheduleN || index == kTabScheduleP;
}

} // namespace testsupport
