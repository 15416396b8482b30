// The organisation-chart page of both chart trees: its text, a node without
// abstracts or with a null first abstract, and a node stored as a document.
#include "app/pages/builders/PageHandlers.h"
#include "app/pages/builders/PageText.h"
#include "app/pages/builders/tests/MainFormFixture.h"
#include "app/pages/builders/tests/RecordingDocuments.h"

#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeControl.h"

#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::MainFormFixture;

namespace {

const char* kChart = R"SQL(
INSERT INTO schedule VALUES (1,0,'Διεύθυνση',1,0,0,0), (2,0,'Κενό',2,0,0,0),
  (3,0,'Χωρίς κείμενο',3,0,0,0), (4,0,'Έγγραφο',4,0,0,1);
INSERT INTO ScheduleAbstract (Abstract_id,Schedule_id,descr,aa_abstr_flag) VALUES
  (21,1,'<p>Δες <a href=#210>πρακτικό</a></p>',2), (20,1,'<p>Αρμοδιότητες</p>',1),
  (30,3,NULL,1), (31,3,'<p>δεύτερη</p>',2), (40,4,NULL,1);
)SQL";

class SchedulePageTest : public ::testing::Test {
protected:
    SchedulePageTest() : fx(QString::fromUtf8(kChart)) {
        fx.selectTab(testsupport::kTabScheduleP);
        for (int key = 1; key <= 4; ++key)
            fx.controls.tvwTreeschedule[0]->addNode({}, QStringLiteral("l%1").arg(key),
                                                    QStringLiteral("x"), QStringLiteral("open"));
        fx.context.state.gCurrentLawId = 9;
        fx.context.state.gTopicsLawId = 9;
    }

    void show(int key, int index = 0) {
        pages::ShowSchedulePage(
            fx.form, fx.context,
            *fx.controls.tvwTreeschedule[0]->node(QStringLiteral("l%1").arg(key)), index);
    }

    testsupport::RecordingDocuments documents;
    MainFormFixture fx;
};

TEST_F(SchedulePageTest, ExactTextOfTitleAndAbstracts) {
    EXPECT_EQ(pages::detail::chartPageHtml(fx.form, fx.context, 1),
              QStringLiteral(" <h1>Διεύθυνση</h1><p>Αρμοδιότητες</p>"
                             "<p>Δες <a href=#210>πρακτικό</a></p>"));
    EXPECT_TRUE(fx.context.state.gScheduleAbstract);
}

TEST_F(SchedulePageTest, IndexZeroResetsTheActAndTheDocumentButton) {
    fx.controls.rtbWord->show();
    fx.controls.cmdpicprintabstr->hide();
    show(1, 0);
    EXPECT_TRUE(MainFormFixture::bodyOf(fx.controls.brwWebBrowser1)
                    .contains(QStringLiteral("Αρμοδιότητες")));
    EXPECT_EQ(fx.context.state.gCurrentLawId, 0);
    EXPECT_EQ(fx.context.state.gTopicsLawId, 0);
    EXPECT_EQ(documents.typeClears, 1);
    EXPECT_EQ(fx.controls.cmdpicWordlaw->icon().cacheKey(),
              fx.form.page.documentPicture(lexora::shell::DocumentPicture::Other).cacheKey());
    EXPECT_TRUE(fx.controls.rtbWord->isHidden());
    EXPECT_FALSE(fx.controls.cmdpicprintabstr->isHidden());
}

TEST_F(SchedulePageTest, IndexOneKeepsTheAct) {
    show(1, 1);
    EXPECT_EQ(fx.context.state.gCurrentLawId, 9);
    EXPECT_EQ(documents.typeClears, 0);
}

TEST_F(SchedulePageTest, NodeWithoutAbstractsShowsABlankPage) {
    fx.controls.brwWebBrowser1->Document().body().setInnerHTML(QStringLiteral("<p>παλιά</p>"));
    show(2);
    EXPECT_EQ(MainFormFixture::bodyOf(fx.controls.brwWebBrowser1), QStringLiteral(" "));
    EXPECT_EQ(fx.context.state.gCurrentLawId, 0);
}

TEST_F(SchedulePageTest, NullFirstAbstractShowsNothing) {
    fx.context.state.gScheduleAbstract = true;
    show(3);
    EXPECT_EQ(MainFormFixture::bodyOf(fx.controls.brwWebBrowser1), QString());
    EXPECT_FALSE(fx.context.state.gScheduleAbstract);
    EXPECT_EQ(fx.context.state.gCurrentLawId, 9);
}

TEST_F(SchedulePageTest, StoredDocumentHidesTheViewers) {
    documents.abstractPath = QStringLiteral("/tmp/BlobBody.rtf");
    show(4);
    EXPECT_EQ(documents.abstractDocuments,
              (std::vector<QString>{
                  QStringLiteral("Select * from ScheduleAbstract Where ABSTRACT_ID=40")}));
    EXPECT_TRUE(fx.controls.brwWebBrowser1->isHidden());
    EXPECT_TRUE(fx.controls.brwWebBrowser2->isHidden());
    EXPECT_TRUE(fx.controls.cmdpicprintabstr->isHidden());

    documents.abstractPath.clear(); // nothing written: the print button stays
    show(4);
    EXPECT_FALSE(fx.controls.cmdpicprintabstr->isHidden());
    show(1);
    EXPECT_FALSE(fx.controls.brwWebBrowser1->isHidden());
}

} // namespace
