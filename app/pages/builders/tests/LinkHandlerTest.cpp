// Following act links: from the topic page into the act viewer, from the act
// viewers into the law viewer window, inside that window, and the choice of
// a legislation tree node.
#include "app/pages/builders/ActViewerTrail.h"
#include "app/pages/builders/LinkNavigation.h"
#include "app/pages/builders/PageHandlers.h"
#include "app/pages/builders/tests/MainFormFixture.h"
#include "app/pages/builders/tests/RecordingDocuments.h"
#include "app/pages/builders/tests/SampleActs.h"
#include "app/windows/lawviewer/frmhotbrowser.h"

#include "platform/pageview/HtmlElementCollection.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageViewer.h"
#include "platform/treeview/TreeControl.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::MainFormFixture;

namespace {

class LinkHandlerTest : public ::testing::Test {
protected:
    LinkHandlerTest() : fx(QString::fromUtf8(testsupport::kSampleActs)) {
        fx.db.exec(QStringLiteral(
            "UPDATE law SET descr = '<p>δύο <img src=''images/x.gif''></p>' WHERE law_id = 102;"));
        pages::connectLinkHandlers(fx.form, fx.context);
    }
    ~LinkHandlerTest() override { windows::unloadLawViewer(); }

    QString body(pages::PageViewer* viewer) const { return MainFormFixture::bodyOf(viewer); }
    QList<windows::frmhotbrowser*> viewers() const {
        return fx.window->findChildren<windows::frmhotbrowser*>();
    }

    testsupport::RecordingDocuments documents;
    MainFormFixture fx;
};

TEST_F(LinkHandlerTest, TopicPageLinkOpensTheActBelow) {
    fx.controls.brwWebBrowser1->Document().body().setInnerHTML(
        QStringLiteral("<a href =#100 id = 100>Ν. 100/2000</a>"));
    fx.controls.brwWebBrowser1->activateLink(QStringLiteral("#100"));

    EXPECT_EQ(fx.controls.brwWebBrowser1->LocationURL(), QStringLiteral("about:blank"));
    EXPECT_TRUE(body(fx.controls.brwWebBrowser1).contains(QStringLiteral("Ν. 100/2000")));
    const QString act = body(fx.controls.brwWebBrowser2);
    EXPECT_TRUE(act.contains(QStringLiteral("Άρθρο 10"))) << act.toStdString();
    const QString image = QStringLiteral("/opt/lexora") + QDir::separator() +
                          QStringLiteral("help") + QDir::separator() + QStringLiteral("x.gif");
    EXPECT_TRUE(act.contains(image)) << act.toStdString();
    EXPECT_EQ(fx.controls.brwWebBrowser2->Document()
                  .All()
                  .tags(QStringLiteral("h2"))
                  .item(0)
                  .Style()
                  .get(QStringLiteral("color")),
              QStringLiteral("darkblue"));
    EXPECT_EQ(fx.context.state.gCurrentLawId, 100);
    EXPECT_EQ(fx.context.state.gTopicsLawId, 100);
}

TEST_F(LinkHandlerTest, ChartTabLinkOpensTheTemplate) {
    fx.selectTab(testsupport::kTabScheduleP);
    fx.controls.brwWebBrowser1->activateLink(QStringLiteral("#f200"));
    EXPECT_TRUE(body(fx.controls.brwWebBrowser2).contains(QStringLiteral("Προς τη Διεύθυνση")));
}

TEST_F(LinkHandlerTest, LinkToNoActLeavesTheTargetAsItWas) {
    fx.controls.brwWebBrowser2->Document().body().setInnerHTML(QStringLiteral("<p>πριν</p>"));
    fx.controls.brwWebBrowser1->activateLink(QStringLiteral("#abc"));
    EXPECT_EQ(body(fx.controls.brwWebBrowser2), QStringLiteral("<p>πριν</p>"));
    EXPECT_EQ(fx.controls.brwWebBrowser1->LocationURL(), QStringLiteral("about:blank"));
}

TEST_F(LinkHandlerTest, AddressWithoutFragmentNavigates) {
    const QString file = fx.db.folder() + QStringLiteral("/page.html");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("<p>file</p>");
    out.close();
    fx.controls.brwWebBrowser1->Navigate(file);
    EXPECT_NE(fx.controls.brwWebBrowser1->LocationURL(), QStringLiteral("about:blank"));
    EXPECT_TRUE(body(fx.controls.brwWebBrowser1).contains(QStringLiteral("file")));
}

TEST_F(LinkHandlerTest, ActPageLinksOpenOneLawViewerAtATime) {
    fx.controls.brwWebBrowser2->activateLink(QStringLiteral("#10"));
    ASSERT_EQ(viewers().size(), 1);
    QPointer<windows::frmhotbrowser> first = windows::openLawViewer();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(body(first->brwhotbrowser).contains(QStringLiteral("Κείμενο εγκυκλίου")));
    EXPECT_EQ(fx.context.state.gViewerLawId, 10);

    fx.controls.brwWebBrowser3->activateLink(QStringLiteral("#11"));
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(viewers().size(), 1);
    EXPECT_TRUE(
        body(windows::openLawViewer()->brwhotbrowser).contains(QStringLiteral("Όλο το κείμενο")));
    EXPECT_EQ(fx.context.state.gViewerLawId, 11);
    EXPECT_EQ(fx.context.state.gCurrentLawId, 11);
}

TEST_F(LinkHandlerTest, AttachedDocumentGoesToTheLawViewer) {
    fx.controls.brwWebBrowser2->activateLink(QStringLiteral("#12"));
    ASSERT_EQ(documents.lawFiles.size(), 1U);
    EXPECT_TRUE(documents.lawFiles[0].hotBrowser);
    EXPECT_EQ(body(windows::openLawViewer()->brwhotbrowser), QString());
}

TEST_F(LinkHandlerTest, LinkInsideTheLawViewerStaysThere) {
    fx.controls.brwWebBrowser2->activateLink(QStringLiteral("#10"));
    windows::frmhotbrowser* window = windows::openLawViewer();
    ASSERT_NE(window, nullptr);
    fx.controls.brwWebBrowser2->Document().body().setInnerHTML(QStringLiteral("<p>κύριο</p>"));
    window->brwhotbrowser->activateLink(QStringLiteral("#f11"));
    EXPECT_EQ(windows::openLawViewer(), window);
    EXPECT_TRUE(body(window->brwhotbrowser).contains(QStringLiteral("Όλο το κείμενο")));
    EXPECT_EQ(body(fx.controls.brwWebBrowser2), QStringLiteral("<p>κύριο</p>"));
    EXPECT_EQ(fx.context.state.gViewerLawId, 11);
}

TEST_F(LinkHandlerTest, ActNodeOfTheLegislationTreeIsShown) {
    fx.selectTab(testsupport::kTabLegislation);
    fx.controls.tvwTreelaw->addNode({}, QStringLiteral("p1"), QStringLiteral("Νόμοι"),
                                    QStringLiteral("open"));
    trees::TreeNode* act =
        fx.controls.tvwTreelaw->addNode(QStringLiteral("p1"), QStringLiteral("c100"),
                                        QStringLiteral("N100"), QStringLiteral("open"));
    fx.controls.cmbLexoraAbstracts->addItem(QStringLiteral("Παλιό"));
    pages::ShowLawTreeNode(fx.form, fx.context, *act);
    EXPECT_TRUE(body(fx.controls.brwWebBrowser3).contains(QStringLiteral("Άρθρο 2")));
    EXPECT_EQ(fx.context.state.gLegislationLawId, 100);
    EXPECT_TRUE(fx.context.state.gNodeMarker.isEmpty());
    EXPECT_EQ(fx.controls.cmbLexoraAbstracts->findText(QStringLiteral("Παλιό")), -1);
    EXPECT_GT(fx.controls.cmbLexoraAbstracts->count(), 0);
}

TEST_F(LinkHandlerTest, TypeNodeWritesNothingButRestylesAndListsTheTypesTopics) {
    fx.selectTab(testsupport::kTabLegislation);
    trees::TreeNode* type = fx.controls.tvwTreelaw->addNode(
        {}, QStringLiteral("p1"), QStringLiteral("Νόμοι"), QStringLiteral("open"));
    fx.controls.brwWebBrowser3->Document().body().setInnerHTML(
        QStringLiteral("<h1>προηγούμενο</h1>"));
    pages::ShowLawTreeNode(fx.form, fx.context, *type);

    EXPECT_EQ(fx.context.state.gNodeMarker, QStringLiteral("p"));
    EXPECT_EQ(fx.context.state.gCurrentLawId, 1);
    EXPECT_EQ(fx.context.state.gPageHtml, QString());
    EXPECT_TRUE(body(fx.controls.brwWebBrowser3).contains(QStringLiteral("προηγούμενο")));
    EXPECT_EQ(fx.controls.brwWebBrowser3->Document()
                  .All()
                  .tags(QStringLiteral("h1"))
                  .item(0)
                  .Style()
                  .get(QStringLiteral("font-family")),
              QStringLiteral("Arial"));
    // Topics of the acts of type 1, and of another row of an act with a whole text.
    EXPECT_GE(fx.controls.cmbLexoraAbstracts->findText(QStringLiteral("Ειδικά θέματα")), 0);
    EXPECT_GE(fx.controls.cmbLexoraAbstracts->findText(QStringLiteral("Μεταθέσεις")), 0);
    EXPECT_GE(fx.controls.cmbLexoraAbstracts->findText(QStringLiteral("Άδειες")), 0);

    // A later history entry still builds no page while the marker is set.
    fx.context.state.gCurrentLawId = 10;
    pages::buildPageForLink(fx.form, fx.context, false);
    EXPECT_EQ(fx.context.state.gPageHtml, QString());
}

} // namespace

// The act viewer below a topic page goes back and forward along the acts its
// links opened.
TEST(ActViewerTrailTest, BackAndForwardAlongTheActsOfTheTopicLinks) {
    MainFormFixture fx(QString::fromUtf8(testsupport::kSampleActs));
    fx.selectTab(testsupport::kTabTopics);
    fx.context.state.gOnTabThemata = true;
    pages::connectLinkHandlers(fx.form, fx.context);
    pages::installActViewerTrail(fx.form, fx.context);
    fx.window->show();
    fx.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fx.window.get()));
    auto* back = fx.window->findChild<QToolButton*>(QStringLiteral("cmdpicback"));
    auto* forward = fx.window->findChild<QToolButton*>(QStringLiteral("cmdpicforward"));
    ASSERT_TRUE(back && forward);
    EXPECT_FALSE(back->isEnabled());

    fx.controls.brwWebBrowser1->Document().body().setInnerHTML(
        QStringLiteral("<a href=#100>Ν. 100</a> <a href=#11>Ν. 11</a>"));
    fx.controls.brwWebBrowser1->activateLink(QStringLiteral("#100"));
    fx.controls.brwWebBrowser1->activateLink(QStringLiteral("#11"));
    ASSERT_TRUE(MainFormFixture::bodyOf(fx.controls.brwWebBrowser2)
                    .contains(QStringLiteral("Όλο το κείμενο")));

    fx.controls.brwWebBrowser2->setFocus();
    QTest::keyClick(fx.window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(
        MainFormFixture::bodyOf(fx.controls.brwWebBrowser2).contains(QStringLiteral("Προοίμιο")));
    EXPECT_EQ(fx.context.state.gTopicsLawId, 100);
    EXPECT_FALSE(back->isEnabled());
    QTest::keyClick(fx.window.get(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(fx.context.state.gTopicsLawId, 11);
    EXPECT_TRUE(MainFormFixture::bodyOf(fx.controls.brwWebBrowser2)
                    .contains(QStringLiteral("Όλο το κείμενο")));

    // Off the topics tab the act print button hides, and the two with it.
    fx.controls.cmdpiclaw->hide();
    EXPECT_TRUE(back->isHidden());
    EXPECT_TRUE(forward->isHidden());
}

// The legislation tab's act viewer goes back and forward along the acts
// chosen in the tree; the history tab keeps a trail of its own.
TEST(ActViewerTrailTest, BackAndForwardAlongTheActsChosenOnTheLegislationTab) {
    MainFormFixture fx(QString::fromUtf8(testsupport::kSampleActs));
    fx.selectTab(testsupport::kTabLegislation);
    pages::connectLinkHandlers(fx.form, fx.context);
    pages::installActViewerTrail(fx.form, fx.context);
    fx.window->show();
    fx.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fx.window.get()));
    auto* back = fx.window->findChild<QToolButton*>(QStringLiteral("cmdpicbackhist"));
    auto* forward = fx.window->findChild<QToolButton*>(QStringLiteral("cmdpicforwardhist"));
    ASSERT_TRUE(back && forward);
    EXPECT_FALSE(back->isEnabled());

    fx.controls.tvwTreelaw->addNode({}, QStringLiteral("p1"), QStringLiteral("Νόμοι"),
                                    QStringLiteral("closed"));
    for (const char* key : {"c100", "c11"}) {
        trees::TreeNode* act =
            fx.controls.tvwTreelaw->addNode(QStringLiteral("p1"), QString::fromLatin1(key),
                                            QStringLiteral("Νόμος"), QStringLiteral("open"));
        pages::ShowLawTreeNode(fx.form, fx.context, *act);
    }
    ASSERT_TRUE(MainFormFixture::bodyOf(fx.controls.brwWebBrowser3)
                    .contains(QStringLiteral("Όλο το κείμενο")));
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    fx.controls.brwWebBrowser3->setFocus();
    QTest::keyClick(fx.window.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(
        MainFormFixture::bodyOf(fx.controls.brwWebBrowser3).contains(QStringLiteral("Προοίμιο")));
    EXPECT_EQ(fx.context.state.gLegislationLawId, 100);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(fx.context.state.gLegislationLawId, 11);
    EXPECT_TRUE(MainFormFixture::bodyOf(fx.controls.brwWebBrowser3)
                    .contains(QStringLiteral("Όλο το κείμενο")));

    // The history tab has shown nothing yet: its trail is empty.
    fx.selectTab(testsupport::kTabHistory);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    fx.selectTab(testsupport::kTabLegislation);
    EXPECT_TRUE(back->isEnabled());
}
