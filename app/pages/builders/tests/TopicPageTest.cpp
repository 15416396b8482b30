// The topic page: its exact text, the viewers it clears, the values it sets,
// and the secondary edition without act links.
#include "app/pages/builders/PageHandlers.h"
#include "app/pages/builders/PageText.h"
#include "app/pages/builders/tests/MainFormFixture.h"
#include "tests/support/RecordingMessages.h"

#include "platform/pageview/HtmlElementCollection.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeControl.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::MainFormFixture;

namespace {

const char* kTopics = R"SQL(
INSERT INTO LAWTYPE VALUES (1,'Νόμοι',1,1,1);
INSERT INTO law (law_id,law_code,title,descr,type_id,all_law_flag) VALUES
  (42,'N42','Ν. 42/2001','<p>x</p>',1,1), (43,'N43','Ν. 43/2002',NULL,1,1),
  (44,'N44','Ν. 44/2003',NULL,1,1), (45,'N45',NULL,NULL,1,1);
INSERT INTO topic VALUES (1,0,'Άδειες',1,0,0), (2,1,'Κύηση',1,0,0), (3,0,'Κενό',2,0,0),
  (4,0,'Χωρίς κείμενο',3,0,0), (5,0,'Κρυφές',4,0,0);
INSERT INTO abstract VALUES (10,1,'<p>Κανονικές</p>',1), (11,1,'<p>Ειδικές</p>',2),
  (12,4,NULL,1), (13,4,'<p>δεύτερη</p>',2), (14,5,'<p>κρυφή</p>',1);
INSERT INTO abstract_law VALUES (10,43,1,2), (10,42,1,1), (10,44,0,3), (11,45,1,1), (14,42,0,1);
)SQL";

class TopicPageTest : public ::testing::Test {
protected:
    TopicPageTest() : fx(QString::fromUtf8(kTopics)) {
        root = fx.controls.tvwTree->addNode({}, QStringLiteral("l1"), QStringLiteral("Άδειες"),
                                            QStringLiteral("open"));
        fx.controls.tvwTree->addNode(QStringLiteral("l1"), QStringLiteral("l2"),
                                     QStringLiteral("Κύηση"), QStringLiteral("open"));
        for (const char* key : {"l3", "l4", "l5"})
            fx.controls.tvwTree->addNode({}, QString::fromLatin1(key), QStringLiteral("x"),
                                         QStringLiteral("open"));
        fx.context.state.gCurrentLawId = 9;
        fx.context.state.gTopicsLawId = 9;
    }

    std::optional<QString> pageOf(std::int32_t topicId) {
        return pages::detail::topicPageHtml(fx.form, fx.context, topicId);
    }

    testsupport::RecordingMessages messages;
    MainFormFixture fx;
    trees::TreeNode* root = nullptr;
};

TEST_F(TopicPageTest, ExactTextWithLinksUnderEachAbstract) {
    EXPECT_EQ(pageOf(1), QStringLiteral(" <h1>Άδειες</h1><p>Κανονικές</p>"
                                        "<a href =#42 id = 42>Ν. 42/2001</a><br>"
                                        "<a href =#43 id = 43>Ν. 43/2002</a><br>"
                                        "<p>Ειδικές</p>"
                                        "<a href =#45 id = 45></a><br>"));
    EXPECT_TRUE(fx.context.state.gAbstract);
}

TEST_F(TopicPageTest, SecondaryEditionHasNoLinksAndClearsTheActViewerOnce) {
    fx.context.state.applicationTitle = kTitleMorvaldi;
    QSignalSpy cleared(fx.controls.brwWebBrowser2, &pages::PageViewer::DocumentComplete);
    EXPECT_EQ(pageOf(1), QStringLiteral(" <h1>Άδειες</h1><p>Κανονικές</p><p>Ειδικές</p>"));
    EXPECT_EQ(cleared.count(), 1);
}

TEST_F(TopicPageTest, HiddenCitationsShowNoLinkAndClearTheActViewerAgain) {
    QSignalSpy cleared(fx.controls.brwWebBrowser2, &pages::PageViewer::DocumentComplete);
    EXPECT_EQ(pageOf(5), QStringLiteral(" <h1>Κρυφές</h1><p>κρυφή</p>"));
    EXPECT_EQ(cleared.count(), 2);
}

TEST_F(TopicPageTest, NoAbstractsOrNullFirstAbstractLeaveTheViewerBlank) {
    for (std::int32_t id : {3, 4}) {
        SCOPED_TRACE(id);
        fx.context.state.gAbstract = true;
        EXPECT_EQ(pageOf(id), std::nullopt);
        EXPECT_FALSE(fx.context.state.gAbstract);
    }
}

TEST_F(TopicPageTest, ShowTopicPageWritesStylesAndResetsTheAct) {
    fx.controls.rtbWordLawTopic->show();
    fx.controls.brwWebBrowser2->hide();
    fx.context.state.gNodeMarker = QStringLiteral("p");
    pages::ShowTopicPage(fx.form, fx.context, *root);

    const QString body = MainFormFixture::bodyOf(fx.controls.brwWebBrowser1);
    EXPECT_TRUE(body.contains(QStringLiteral("<h1")));
    EXPECT_TRUE(body.contains(QStringLiteral("href=\"#42\""))) << body.toStdString();
    const auto links = fx.controls.brwWebBrowser1->Document().All().tags(QStringLiteral("a"));
    ASSERT_EQ(links.Length(), 3);
    EXPECT_EQ(links.item(0).Style().get(QStringLiteral("color")), QStringLiteral("brown"));
    EXPECT_EQ(fx.context.state.gCurrentLawId, 0);
    EXPECT_EQ(fx.context.state.gTopicsLawId, 0);
    EXPECT_TRUE(fx.context.state.gScheduleAbstract);
    EXPECT_TRUE(fx.context.state.gNodeMarker.isEmpty());
    EXPECT_TRUE(fx.controls.rtbWordLawTopic->isHidden());
    EXPECT_FALSE(fx.controls.brwWebBrowser2->isHidden());
    // A node with children opens or closes with the click.
    EXPECT_EQ(root->imageKey(), QStringLiteral("closed"));
    pages::ShowTopicPage(fx.form, fx.context, *root);
    EXPECT_EQ(root->imageKey(), QStringLiteral("open"));
    EXPECT_TRUE(root->isExpanded());
}

TEST_F(TopicPageTest, BlankTopicKeepsTheActChosen) {
    fx.controls.brwWebBrowser1->Document().body().setInnerHTML(QStringLiteral("<p>παλιά</p>"));
    pages::ShowTopicPage(fx.form, fx.context, *fx.controls.tvwTree->node(QStringLiteral("l3")));
    EXPECT_EQ(MainFormFixture::bodyOf(fx.controls.brwWebBrowser1), QString());
    EXPECT_EQ(fx.context.state.gTopicsLawId, 9);
}

TEST_F(TopicPageTest, DatabaseErrorIsReported) {
    fx.db.exec(QStringLiteral("DROP TABLE abstract;"));
    EXPECT_NO_THROW(pages::ShowTopicPage(fx.form, fx.context, *root));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
}

} // namespace
