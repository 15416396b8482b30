// The act page builder over a fixture database: the page each shape of act
// gives, the related topics beside it, and what a database error leaves.
#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/RelatedTopics.h"
#include "app/pages/builders/tests/MainFormFixture.h"
#include "app/pages/builders/tests/RecordingDocuments.h"
#include "app/pages/builders/tests/SampleActs.h"
#include "tests/support/RecordingMessages.h"

#include "controls/progress/Progress.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>

#include <gtest/gtest.h>

#include <algorithm>

using namespace lexora;
using testsupport::MainFormFixture;

namespace {

class ActPageTest : public ::testing::Test {
protected:
    ActPageTest() : fx(QString::fromUtf8(testsupport::kSampleActs)) {}

    QString build(std::int32_t id, const QString& brwname = pages::kNotHistory,
                  bool hotBrowser = false) {
        fx.context.state.gCurrentLawId = id;
        pages::navigate_to_hotbrowser(fx.form, fx.context, brwname, hotBrowser);
        return fx.context.state.gPageHtml;
    }

    QStringList topicTexts() const {
        QStringList texts;
        for (int i = 0; i < fx.controls.cmbLexoraAbstracts->count(); ++i)
            texts << fx.controls.cmbLexoraAbstracts->itemText(i);
        return texts;
    }

    testsupport::RecordingDocuments documents;
    testsupport::RecordingMessages messages;
    MainFormFixture fx;
};

struct PageCase {
    const char* name;
    std::int32_t id;
    const char* marker;
    const char* expected;
};

const PageCase kPageCases[] = {
    {"single row of a type not assembled", 10, "", "<h1>Εγκύκλιος 10</h1><p>Κείμενο εγκυκλίου</p>"},
    {"whole-text row with an empty document type", 11, "",
     "<h1>Ν. 11/2010</h1><p>Όλο το κείμενο</p>"},
    {"assembled act: articles in numeric order, orphan paragraph and sub-paragraph", 100, "",
     " <H1>Ν. 100/2000</H1><BR> <p>Προοίμιο</p>"
     "<H2>Άρθρο 2</H2><p>δύο</p>"
     "<H2>Παρ. 3.1</H2><p>τρία ένα</p>"
     "<H2>Υποπαρ. 4.2.α</H2><p>τέσσερα δύο α</p>"
     "<H2>Άρθρο 10</H2><p>δέκα</p>"},
    {"null whole-text flag assembles", 20, "", " <H1>Ν. 20/2005</H1><BR> <p>Χωρίς σημαία</p>"},
    {"null display flag: assembled without a head", 30, "", "  "},
    {"no such act", 999, "", ""},
    {"type-node marker builds nothing", 100, "p", ""},
};

TEST_F(ActPageTest, PagesOfEveryShape) {
    for (const PageCase& c : kPageCases) {
        SCOPED_TRACE(c.name);
        fx.context.state.gNodeMarker = QString::fromUtf8(c.marker);
        EXPECT_EQ(build(c.id), QString::fromUtf8(c.expected));
    }
    EXPECT_TRUE(documents.lawFiles.empty()); // a document on an assembled act is ignored
}

TEST_F(ActPageTest, AttachedDocumentLeavesThePageEmptyAndShowsTheDocument) {
    fx.context.state.gPageHtml = QStringLiteral("<p>previous</p>");
    EXPECT_EQ(build(12, pages::kNotHistory, true), QString());
    ASSERT_EQ(documents.lawFiles.size(), 1U);
    EXPECT_EQ(documents.lawFiles[0].id, 12);
    EXPECT_TRUE(documents.lawFiles[0].hotBrowser);
}

TEST_F(ActPageTest, HistoryEntryNamesTheAct) {
    auto* entry = new QListWidgetItem(QStringLiteral("Εγκύκλιος 10"), fx.controls.lsthistory);
    entry->setData(Qt::UserRole, 10);
    fx.controls.lsthistory->setCurrentItem(entry);
    EXPECT_EQ(build(100, pages::kHistory),
              QStringLiteral("<h1>Εγκύκλιος 10</h1><p>Κείμενο εγκυκλίου</p>"));
    EXPECT_EQ(fx.context.state.gCurrentLawId, 100);
}

TEST_F(ActPageTest, RelatedTopicsOfAnAct) {
    fx.controls.cmbLexoraAbstracts->addItem(QStringLiteral("Παλιό"), 77);
    build(100);
    QStringList texts = topicTexts();
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts.takeFirst(), QStringLiteral("Παλιό")); // the list is not cleared
    // Topics citing the act itself, repeats kept, null titles left out; then
    // the topic citing another row of the act, once.
    EXPECT_EQ(texts.takeLast(), QStringLiteral("Μεταθέσεις"));
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Άδειες"), QStringLiteral("Άδειες"),
                                  QStringLiteral("Εκπαίδευση")}));
    EXPECT_EQ(fx.controls.cmbLexoraAbstracts->itemData(4).toInt(), 2);
    EXPECT_EQ(fx.controls.cmbLexoraAbstracts->currentIndex(), 0);
}

TEST_F(ActPageTest, RelatedTopicsFromTheHistoryLeaveOutOtherRowsOfTheAct) {
    auto* entry = new QListWidgetItem(QStringLiteral("Ν. 100/2000"), fx.controls.lsthistory);
    entry->setData(Qt::UserRole, 100);
    fx.controls.lsthistory->setCurrentItem(entry);
    build(0, pages::kHistory);
    QStringList texts = topicTexts();
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Άδειες"), QStringLiteral("Άδειες"),
                                  QStringLiteral("Εκπαίδευση")}));
}

TEST_F(ActPageTest, TypeIdExtendsTheListWithTheActsTheTreeShows) {
    EXPECT_EQ(pages::detail::ExtendActIdList(fx.context.connection, 1),
              (std::vector<std::int32_t>{1, 11, 20, 100})); // 21 has a whole-text row
    EXPECT_EQ(pages::detail::ExtendActIdList(fx.context.connection, 100),
              (std::vector<std::int32_t>{100}));
}

TEST_F(ActPageTest, ProgressBarEndsHidden) {
    fx.controls.ProgressBar1->show();
    build(10);
    EXPECT_TRUE(fx.controls.ProgressBar1->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ActPageTest, DatabaseErrorIsReportedAndLeavesNoPage) {
    fx.context.state.gPageHtml = QStringLiteral("<p>previous</p>");
    fx.db.exec(QStringLiteral("DROP TABLE LAWTYPE;"));
    EXPECT_NO_THROW(build(10));
    EXPECT_EQ(fx.context.state.gPageHtml, QString());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Ανεπιτυχής Προβολή Νομοθετήματος"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("LAWTYPE"), Qt::CaseInsensitive))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
