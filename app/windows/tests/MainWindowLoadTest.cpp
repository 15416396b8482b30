// The load step, the editions, the tab change, the unload and the exit of
// the main window.
#include "app/windows/tests/MainWindowFixture.h"

#include "app/shell/Twips.h"
#include "controls/progress/Progress.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace windowstest;
using namespace lexora::windows;
using lexora::kTitleKestrani;
using lexora::kTitleMorvaldi;
using lexora::kTitleQuillet;
using lexora::shell::px;

namespace {

class MainWindowLoadTest : public MainWindowFixture {};

TEST_F(MainWindowLoadTest, LoadsInOrderAndShowsTheTopicsTab) {
    build(kTitleKestrani, kSmallContent, false);
    window->Form_Load();

    EXPECT_EQ(calls, (QStringList{"loadHistory", "fillTopicTree", "fillLawTree",
                                  "fillScheduleTreeP", "closeDocuments"}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isLoading());
    EXPECT_EQ(window->windowTitle(), kTitleKestrani);
    EXPECT_EQ(window->currentTabCaption(), kCaptionTopics);
    // The tab change of the load ran for the topics tab.
    EXPECT_TRUE(state().gOnTabThemata);
    EXPECT_FALSE(state().wIsSchedule);
    EXPECT_TRUE(controls().frSearch->isVisibleTo(window.get()));
    EXPECT_EQ(controls().SSTab1->width(), px(6700));
}

TEST_F(MainWindowLoadTest, EmptiesTheSixSearchBoxesAfterTheTabChange) {
    build(kTitleKestrani, kSmallContent, false);
    const QList<QLineEdit*> boxes{controls().txtsearch[0],         controls().txtsearch[1],
                                  controls().txtsearchlaw[0],      controls().txtsearchlaw[1],
                                  controls().txtsearchSchedule[0], controls().txtsearchSchedule[1]};
    window->hooks().loadHistory = [&] {
        for (QLineEdit* box : boxes)
            box->setText(QStringLiteral("μεταθέσεις"));
    };
    window->Form_Load();
    for (QLineEdit* box : boxes)
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
}

TEST_F(MainWindowLoadTest, OpensTheInformationWindowOnlyWhenTheSettingIsZero) {
    const struct {
        const char* rows;
        bool opens;
    } cases[] = {
        {"INSERT INTO system_law_parameters (sys_info_display) VALUES (0);", true},
        {"INSERT INTO system_law_parameters (sys_info_display) VALUES (1);", false},
        {"INSERT INTO system_law_parameters (sys_info_display) VALUES (NULL);", false},
        {"", false},
    };
    for (const auto& c : cases) {
        build(kTitleKestrani, QString::fromUtf8(c.rows), false);
        window->Form_Load();
        EXPECT_EQ(calls.contains("showInformationWindow"), c.opens) << c.rows;
        window.reset();
        calls.clear();
    }
}

TEST_F(MainWindowLoadTest, SkipsAFailingStepBetweenTheHistoryAndTheShowing) {
    build(kTitleKestrani, kSmallContent, false);
    window->hooks().loadHistory = [] { throw std::runtime_error("history.txt"); };
    window->hooks().fillTopicTree = [] { throw std::runtime_error("topic"); };
    window->Form_Load();
    EXPECT_TRUE(calls.contains("fillLawTree"));
    EXPECT_TRUE(calls.contains("fillScheduleTreeP"));
    EXPECT_TRUE(calls.contains("closeDocuments"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowLoadTest, ClosesTheSecondOpenAndTheWaitWindow) {
    build(kTitleKestrani, kSmallContent, false);
    context->secondDatabase = engine::ReadOnlyDatabase::open(database->path());
    context->waitWindow = std::make_unique<lexora::startup::frmWait>();
    window->Form_Load();
    EXPECT_FALSE(context->secondDatabase.isOpen());
    EXPECT_EQ(context->waitWindow, nullptr);
}

TEST_F(MainWindowLoadTest, KeepsTemporaryFilesInAPrivateFolder) {
    build();
    const QString folder = state().gTempFolder;
    ASSERT_TRUE(folder.endsWith(QLatin1Char('/')));
    const QFileInfo info(folder);
    EXPECT_TRUE(info.isDir());
    EXPECT_FALSE(info.isSymLink());
    EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
              QFile::Permissions());
}

TEST_F(MainWindowLoadTest, BuildsEachEditionFromItsTitle) {
    const QString designedLaw0 = QStringLiteral("Αναζήτηση Νομοθετημάτων");
    const struct {
        QString title;
        bool tabP;
        QString tab3Caption;
        const char* fill;
        QString lblsearchschedule0;
        QString lblsearchlaw0;
        QString lblsearch1;
        EditionLogo logo;
    } cases[] = {
        {kTitleKestrani, true, "Οργανόγραμμα", "fillScheduleTreeP", "Αναζήτηση στο Οργανόγραμμα",
         designedLaw0, "Αναζήτηση στο Περιεχόμενο των Θεμάτων", EditionLogo::Primary},
        {kTitleMorvaldi, true, "Οδηγός Εγγράφων", "fillScheduleTreeP",
         "Αναζήτηση στον Οδηγό Εγγράφων ", designedLaw0, "Αναζήτηση στο Περιεχόμενο των Θεμάτων",
         EditionLogo::Designed},
        {kTitleQuillet, false, "Οργανόγραμμα", "fillScheduleTreeN",
         "Αναζήτηση στον Οδηγό Εγγράφων ", "Αναζήτηση με τον αριθμό του νομοθετήματος",
         "Αναζήτηση με λέξεις κλειδιά του θέματος", EditionLogo::Other},
        {"Valdoran", false, "Οργανόγραμμα", "fillScheduleTreeN", "Αναζήτηση στον Οδηγό Εγγράφων ",
         "Αναζήτηση με τον αριθμό του νομοθετήματος", "Αναζήτηση με λέξεις κλειδιά του θέματος",
         EditionLogo::Designed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        build(c.title, kSmallContent, false);
        window->Form_Load();
        QTabWidget* tabs = controls().SSTab1;
        EXPECT_EQ(tabs->isTabVisible(kTabChartP), c.tabP);
        EXPECT_EQ(tabs->isTabEnabled(kTabChartP), c.tabP);
        EXPECT_EQ(tabs->isTabVisible(kTabChartN), !c.tabP);
        EXPECT_EQ(tabs->isTabEnabled(kTabChartN), !c.tabP);
        EXPECT_EQ(tabs->tabText(kTabChartP), c.tab3Caption);
        EXPECT_TRUE(calls.contains(QString::fromLatin1(c.fill)));
        EXPECT_EQ(controls().tvwTreeschedule[c.tabP ? 1 : 0]->nodeCount(), 0);
        EXPECT_EQ(controls().lblsearchschedule[0]->text(), c.lblsearchschedule0);
        EXPECT_EQ(controls().lblsearchlaw[0]->text(), c.lblsearchlaw0);
        EXPECT_EQ(controls().lblsearch[1]->text(), c.lblsearch1);
        EXPECT_EQ(window->chrome().imLogo->pixmap().toImage(),
                  frmInitial::logoPicture(c.logo).pixmap(QSize(180, 36)).toImage());
        for (int tab : {kTabTopics, kTabLaws, kTabHistory})
            EXPECT_TRUE(tabs->isTabVisible(tab));

        // The chart tab of the edition focuses its own search box.
        const int chartTab = c.tabP ? kTabChartP : kTabChartN;
        chooseTab(chartTab);
        EXPECT_EQ(window->focusWidget(), controls().txtsearchSchedule[c.tabP ? 0 : 1]);
        EXPECT_TRUE(c.tabP ? state().gOnTabOrganogramma_P : state().gOnTabOrganogramma_N);
        EXPECT_TRUE(controls().frSearchSchedule[c.tabP ? 0 : 1]->isVisibleTo(window.get()));
        EXPECT_TRUE(controls().txtsearchSchedule[c.tabP ? 0 : 1]->isVisibleTo(window.get()));
        window.reset();
        calls.clear();
    }
}

TEST_F(MainWindowLoadTest, KestraniSetsTheChartSearchTexts) {
    build();
    EXPECT_EQ(controls().txtsearchSchedule[0]->toolTip(),
              QStringLiteral("Αναζήτηση στους τίτλους των θεμάτων που εμφανίζονται στο δέντρο "
                             "του Οργανογράμματος."));
    EXPECT_EQ(controls().lblsearchschedule[1]->text(),
              QStringLiteral("Αναζήτηση στο Οργανόγραμμα"));
    EXPECT_EQ(controls().lblsearchlaw[1]->text(),
              QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετημάτων"));
}

// Tab change: flags, captions, the act the commands work on, what shows.
TEST_F(MainWindowLoadTest, ATabChangeSetsTheFlagsAndTheArrangementOfTheTab) {
    build();
    state().gTopicsLawId = 11;
    state().gLegislationLawId = 22;
    state().gScheduleLawIdP = 33;
    const struct {
        int tab;
        bool themata, nomoi, chartP, schedule;
        int currentLawId;
        QString lbllaw;
        QList<QWidget*> shown;
        QList<QWidget*> hidden;
    } cases[] = {
        {kTabLaws,
         false,
         true,
         false,
         false,
         22,
         " Νομοθέτημα",
         {controls().frsearchlaw, controls().brwWebBrowser3, controls().cmdpiclawhist,
          controls().cmdpicsavewholelaw, controls().cmdsearch[0], controls().cmdsearch[1]},
         {controls().brwWebBrowser1, controls().brwWebBrowser2, window->chrome().picDrag2,
          controls().sspLaw, controls().cmdpicprintabstr, controls().Cmddelete,
          controls().cmdpichistory, controls().cmdpiclaw, controls().cmdpicWordlaw,
          controls().lblDocument}},
        {kTabChartP,
         false,
         false,
         true,
         true,
         33,
         " Υπόδειγμα",
         {controls().frSearchSchedule[0], controls().brwWebBrowser1, controls().brwWebBrowser2,
          window->chrome().picDrag2, controls().sspLaw, controls().lblDocument,
          controls().cmdpicprintabstr, controls().cmdpicWordlaw, controls().cmdsearch[0]},
         {controls().brwWebBrowser3, controls().cmdsearch[1], controls().cmdpiclawhist,
          controls().cmdpichistory, controls().cmdpiclaw, controls().Cmddelete,
          controls().frSearchSchedule[1]}},
        {kTabHistory,
         false,
         false,
         false,
         false,
         33,
         " Νομοθέτημα",
         {controls().brwWebBrowser3, controls().cmdpiclawhist, controls().Cmddelete},
         {controls().brwWebBrowser1, controls().brwWebBrowser2, window->chrome().picDrag2,
          controls().sspLaw, controls().cmdsearch[0], controls().cmdsearch[1],
          controls().cmdpicprintabstr, controls().cmdpicsavewholelaw}},
        {kTabTopics,
         true,
         false,
         false,
         false,
         11,
         " Νομοθέτημα",
         {controls().frSearch, controls().brwWebBrowser1, controls().brwWebBrowser2,
          window->chrome().picDrag2, controls().sspLaw, controls().cmdpicprintabstr,
          controls().cmdpichistory, controls().cmdpiclaw, controls().cmdsearch[0],
          controls().cmdsearch[1]},
         {controls().brwWebBrowser3, controls().cmdpiclawhist, controls().cmdpicsavewholelaw,
          controls().Cmddelete, controls().cmdpicWordlaw, controls().lblDocument}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        chooseTab(c.tab);
        EXPECT_EQ(state().gOnTabThemata, c.themata);
        EXPECT_EQ(state().gOnTabNomoi, c.nomoi);
        EXPECT_EQ(state().gOnTabOrganogramma_P, c.chartP);
        EXPECT_FALSE(state().gOnTabOrganogramma_N);
        EXPECT_EQ(state().wIsSchedule, c.schedule);
        EXPECT_EQ(state().gCurrentLawId, c.currentLawId);
        EXPECT_EQ(controls().lbllaw->text(), c.lbllaw);
        for (QWidget* w : c.shown)
            EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        for (QWidget* w : c.hidden)
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

TEST_F(MainWindowLoadTest, ATabChangeHidesTheDocumentsAndBlanksTheHistoryViewer) {
    build();
    chooseTab(kTabLaws);
    controls().rtbWordLaw->setEnabled(true);
    controls().rtbWordLaw->show();
    controls().brwWebBrowserLawFile->show();
    controls().cmdpicprintabstr->hide();
    writePage(controls().brwWebBrowser3, QStringLiteral("<p>Ν. 1566/1985</p>"));
    chooseTab(kTabHistory);
    EXPECT_FALSE(controls().rtbWordLaw->isVisible());
    EXPECT_FALSE(controls().rtbWordLaw->isEnabled());
    EXPECT_FALSE(controls().brwWebBrowserLawFile->isVisible());
    EXPECT_TRUE(bodyOf(controls().brwWebBrowser3).isEmpty());
    EXPECT_EQ(window->focusWidget(), controls().lsthistory);
    chooseTab(kTabTopics);
    EXPECT_TRUE(controls().cmdpicprintabstr->isVisible());
}

TEST_F(MainWindowLoadTest, ATabChangePutsTheSearchButtonsBesideTheBoxesOfTheTab) {
    build();
    for (int tab : {kTabTopics, kTabLaws, kTabChartP}) {
        chooseTab(tab);
        QToolButton* upper = controls().cmdsearch[0];
        QWidget* frame = upper->parentWidget();
        EXPECT_TRUE(frame->isVisible());
        frame->layout()->activate();
        // The button's right edge is 100 twips inside the frame's.
        EXPECT_NEAR(frame->width() - upper->geometry().right() - 1, px(100), 2);
        const QLineEdit* box = tab == kTabTopics ? controls().txtsearch[0]
                               : tab == kTabLaws ? controls().txtsearchlaw[0]
                                                 : controls().txtsearchSchedule[0];
        EXPECT_EQ(box->parentWidget(), frame);
        EXPECT_NEAR(upper->geometry().center().y(), box->geometry().center().y(), 3);
    }
}

TEST_F(MainWindowLoadTest, ATabGivesItsControlsConsecutivePlacesInTheFocusOrder) {
    build();
    const auto order = [&] {
        QList<QWidget*> chain;
        for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window.get()))
                chain << w;
        return chain;
    };
    const struct {
        int tab;
        QList<QWidget*> block;
    } cases[] = {
        {kTabLaws,
         {controls().txtsearchlaw[0], controls().cmdsearch[0], controls().txtsearchlaw[1],
          controls().cmdsearch[1], controls().cmbLexoraAbstracts, controls().tvwTreelaw,
          controls().cmdpiclawhist, controls().cmdpicsavewholelaw}},
        {kTabHistory, {controls().lsthistory, controls().cmdpiclawhist, controls().Cmddelete}},
        {kTabChartP,
         {controls().txtsearchSchedule[0], controls().cmdsearch[0], controls().tvwTreeschedule[0],
          controls().cmdpicprintabstr, controls().cmdpicWordlaw}},
        {kTabTopics,
         {controls().txtsearch[0], controls().cmdsearch[0], controls().txtsearch[1],
          controls().cmdsearch[1], controls().tvwTree, controls().cmdpicprintabstr,
          controls().cmdpiclaw, controls().cmdpichistory}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        chooseTab(c.tab);
        const QList<QWidget*> chain = order();
        const qsizetype start = chain.indexOf(c.block.front());
        ASSERT_GE(start, 0);
        EXPECT_EQ(chain.mid(start, c.block.size()), c.block);
        // The toolbar keeps its places ahead of the tab's block.
        EXPECT_LT(chain.indexOf(window->chrome().cmdtoolbar[3]), start);
    }
}

TEST_F(MainWindowLoadTest, TheToolbarRunsItsHooksAndExitEndsTheProgram) {
    build();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(window->chrome().cmdtoolbar[static_cast<std::size_t>(i)], Qt::LeftButton);
    EXPECT_EQ(calls, (QStringList{"showHelp", "showAbout", "openSettings"}));
    calls.clear();
    QTest::mouseClick(window->chrome().cmdtoolbar[3], Qt::LeftButton);
    EXPECT_EQ(calls, (QStringList{"closeOtherWindows", "saveHistory", "closeOtherWindows",
                                  "closeDocuments", "endProgram"}));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowLoadTest, ClosingTheWindowSavesTheHistoryAndDeletesTheDocuments) {
    build();
    window->close();
    EXPECT_EQ(calls,
              (QStringList{"saveHistory", "closeOtherWindows", "closeDocuments", "endProgram"}));
}

TEST_F(MainWindowLoadTest, SearchButtonsRunTheSearchHook) {
    build();
    chooseTab(kTabLaws);
    QTest::mouseClick(controls().cmdsearch[1], Qt::LeftButton);
    QTest::mouseClick(controls().cmdsearch[0], Qt::LeftButton);
    EXPECT_EQ(calls, (QStringList{"search 1", "search 0"}));
}

TEST_F(MainWindowLoadTest, ActivationSetsTheMainWindowFlag) {
    build();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(state().gMainWindowActive, 1);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(state().gMainWindowActive, 0);
}

TEST_F(MainWindowLoadTest, EveryControlIsNamedAndFilled) {
    build();
    // Each control is there once, under its name, of its kind.
    EXPECT_EQ(window->objectName(), QStringLiteral("frmInitial"));
    const QList<QPair<const char*, const char*>> controls{
        {"SSTab1", "QTabWidget"},
        {"frSearch", "QFrame"},
        {"txtsearch_1", "QLineEdit"},
        {"lblsearch_0", "QLabel"},
        {"tvwTree", "lexora::trees::TreeControl"},
        {"frsearchlaw", "QFrame"},
        {"txtsearchlaw_0", "QLineEdit"},
        {"lblsearchlaw_2", "QLabel"},
        {"cmbLexoraAbstracts", "QComboBox"},
        {"tvwTreelaw", "lexora::trees::TreeControl"},
        {"frSearchSchedule_1", "QFrame"},
        {"txtsearchSchedule_0", "QLineEdit"},
        {"lblsearchschedule_1", "QLabel"},
        {"tvwTreeschedule_0", "lexora::trees::TreeControl"},
        {"lsthistory", "QListWidget"},
        {"brwWebBrowser1", "lexora::pages::PageViewer"},
        {"brwWebBrowser2", "lexora::pages::PageViewer"},
        {"brwWebBrowser3", "lexora::pages::PageViewer"},
        {"brwWebBrowserLawFile", "lexora::pages::PageViewer"},
        {"rtbWord", "lexora::richtext::DocumentBox"},
        {"rtbWordLawTopic", "lexora::richtext::DocumentBox"},
        {"rtbWordLaw", "lexora::richtext::DocumentBox"},
        {"sspAbstract", "QFrame"},
        {"sspLaw", "QFrame"},
        {"lbllaw", "QLabel"},
        {"lblDocument", "QLabel"},
        {"ProgressBar1", "Dravik::Progress"},
        {"cmdpichistory", "QToolButton"},
        {"cmdpiclaw", "QToolButton"},
        {"cmdpicWordlaw", "QToolButton"},
        {"cmdpiclawhist", "QToolButton"},
        {"cmdpicsavewholelaw", "QToolButton"},
        {"cmdpicprintabstr", "QToolButton"},
        {"Cmddelete", "QToolButton"},
        {"cmdsearch_1", "QToolButton"},
        {"sspToolbar", "QFrame"},
        {"cmdtoolbar_3", "QToolButton"},
        {"imLogo", "QLabel"},
        {"picDrag", "QWidget"},
        {"picDrag2", "QWidget"},
    };
    for (const auto& [name, kind] : controls) {
        const QList<QObject*> found = window->findChildren<QObject*>(QLatin1String(name));
        ASSERT_EQ(found.size(), 1) << name;
        EXPECT_TRUE(found.front()->inherits(kind)) << name << " " << kind;
    }
    const QString captions[] = {"Βοήθεια", "Για την εφαρμογή", "Ρυθμίσεις", "Έξοδος"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window->chrome().cmdtoolbar[static_cast<std::size_t>(i)]->text().remove(u'&'),
                  captions[i]);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(form().page.documentPicture(lexora::shell::DocumentPicture(i)).isNull()) << i;
}

} // namespace
