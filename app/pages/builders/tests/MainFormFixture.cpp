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
    form.SSTab1 = new QTabWidget(window.get());
    const char* captions[] = {"Οργανόγραμμα", "Θέματα", "Νομοθετήματα", "Οργανόγραμμα", "Ιστορικό"};
    for (const char* caption : captions)
        form.SSTab1->addTab(new QWidget, QString::fromUtf8(caption));

    form.tvwTree = new trees::TreeControl(window.get());
    form.tvwTreelaw = new trees::TreeControl(window.get());
    for (auto& tree : form.tvwTreeschedule)
        tree = new trees::TreeControl(window.get());
    for (trees::TreeControl* tree :
         {form.tvwTree, form.tvwTreelaw, form.tvwTreeschedule[0], form.tvwTreeschedule[1]})
        tree->setImageList(trees::treeImageList());

    form.cmbLexoraAbstracts = new QComboBox(window.get());
    form.lsthistory = new QListWidget(window.get());
    form.brwWebBrowser1 = new pages::PageViewer(window.get());
    form.brwWebBrowser2 = new pages::PageViewer(window.get());
    form.brwWebBrowser3 = new pages::PageViewer(window.get());
    form.brwWebBrowserLawFile = new pages::PageViewer(window.get());
    form.rtbWord = new richtext::DocumentBox(window.get());
    form.rtbWordLawTopic = new richtext::DocumentBox(window.get());
    form.rtbWordLaw = new richtext::DocumentBox(window.get());
    form.lblDocument = new QLabel(window.get());
    form.ProgressBar1 = new Dravik::Progress(window.get());
    form.cmdpicWordlaw = new QToolButton(window.get());
    form.cmdpicprintabstr = new QToolButton(window.get());
    for (int i = 0; i < 4; ++i) {
        QPixmap picture(4, 4);
        picture.fill(QColor::fromHsv(i * 60, 255, 255));
        form.imListDocuments[static_cast<std::size_t>(i)] = QIcon(picture);
    }

    for (pages::PageViewer* viewer :
         {form.brwWebBrowser1, form.brwWebBrowser2, form.brwWebBrowser3})
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
    form.SSTab1->setCurrentIndex(index);
    context.state.wIsSchedule = index == kTabScheduleN || index == kTabScheduleP;
}

} // namespace testsupport
