// The template page builder of the organisation-chart tabs: a single row, an
// assembled template, and a template that is only a stored document.
#include "app/pages/builders/TemplatePage.h"
#include "app/pages/builders/tests/MainFormFixture.h"
#include "app/pages/builders/tests/RecordingDocuments.h"
#include "app/pages/builders/tests/SampleActs.h"

#include "app/pages/builders/ActPage.h"
#include "platform/richtext/DocumentBox.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::MainFormFixture;

namespace {

class TemplatePageTest : public ::testing::Test {
protected:
    TemplatePageTest() : fx(QString::fromUtf8(testsupport::kSampleActs)) {
        fx.selectTab(testsupport::kTabScheduleP);
    }

    QString build(std::int32_t id) {
        fx.context.state.gCurrentLawId = id;
        pages::navigate_to_hotbrowserSchedule(fx.form, fx.context, pages::kNotHistory);
        return fx.context.state.gPageHtml;
    }

    testsupport::RecordingDocuments documents;
    MainFormFixture fx;
};

TEST_F(TemplatePageTest, SingleRowTemplateShowsItsTitleInTheLabel) {
    fx.controls.rtbWord->show();
    EXPECT_EQ(build(200), QStringLiteral("<h1>Αίτηση άδειας</h1><p>Προς τη Διεύθυνση</p>"));
    EXPECT_EQ(fx.controls.lblDocument->text(), QStringLiteral("Αίτηση άδειας"));
    EXPECT_TRUE(fx.controls.rtbWord->isHidden());
    EXPECT_FALSE(fx.controls.rtbWord->isEnabled());
}

TEST_F(TemplatePageTest, AssembledTemplateShowsArticlesOnly) {
    EXPECT_EQ(build(210), QStringLiteral(" <H1>Πρακτικό</H1><BR> <p>Εισαγωγή</p>"
                                         "<H2>Άρθρο 1</H2><p>Πρώτο</p>"));
    EXPECT_EQ(fx.controls.lblDocument->text(), QStringLiteral("Πρακτικό"));
    EXPECT_TRUE(documents.scheduleDocuments.empty());
}

TEST_F(TemplatePageTest, TemplateWithoutTextFallsBackToItsDocument) {
    documents.notePage = QStringLiteral("<p>αρχείο excel</p>");
    EXPECT_EQ(build(220), QStringLiteral("<p>αρχείο excel</p>"));
    EXPECT_EQ(documents.scheduleDocuments, (std::vector<std::int32_t>{220}));
    EXPECT_EQ(fx.controls.lblDocument->text(), QStringLiteral("Απουσίες"));

    documents.notePage.clear(); // an RTF document: shown in its box, no page
    EXPECT_EQ(build(220), QString());
}

TEST_F(TemplatePageTest, TypeNodeMarkerOrUnknownTemplateBuildsNothing) {
    fx.controls.lblDocument->setText(QStringLiteral("πριν"));
    fx.context.state.gNodeMarker = QStringLiteral("p");
    EXPECT_EQ(build(200), QString());
    fx.context.state.gNodeMarker.clear();
    EXPECT_EQ(build(999), QString());
    EXPECT_EQ(fx.controls.lblDocument->text(), QStringLiteral("πριν"));
}

} // namespace
