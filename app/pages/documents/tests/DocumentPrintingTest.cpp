// The print buttons: the visible form of an act printed to a PDF file through
// the printer dialog (page viewer, document box, file viewer), the abstract
// page, the template's document through the office suite on the chart tab,
// and cancelling or failing at each step.
#include "app/pages/documents/tests/DocumentsFixture.h"

#include "app/pages/PageStyling.h"
#include "platform/office/OfficeApplication.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "tests/support/PdfWords.h"

#include <QFile>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::DocumentsFixture;

namespace {

void writePage(pages::PageViewer* viewer, const QString& html) {
    viewer->Navigate(QStringLiteral("about:blank"));
    viewer->Document().body().setInnerHTML(html);
}

const QString kDisabled = QStringLiteral("The Print command is currently disabled.");

} // namespace

TEST(PrintActTest, TopicSideNeedsAnAct) {
    DocumentsFixture fx;
    fx.controls.cmdpiclaw->click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(fx.messages.shown[0].title, QStringLiteral("Ανεπιτυχής Εκτύπωση Νομοθετήματος."));
    EXPECT_EQ(fx.messages.shown[0].text,
              QStringLiteral("Δεν έχετε επιλέξει Νομοθέτημα για εκτύπωση.Για την εκτύπωση του "
                             "Νομοθετήματος πρέπει να επιλέξετε πρώτα το σύνδεσμο του "
                             "Νομοθετήματος που θέλετε να εκτυπώσετε."));
    EXPECT_EQ(fx.printer.timesShown(), 0);
}

TEST(PrintActTest, EachButtonPrintsItsVisiblePage) {
    struct Case {
        const char* name;
        int tab;
        QToolButton* testsupport::PaneControls::*button;
        pages::PageViewer* testsupport::PaneControls::*viewer;
    };
    const Case cases[] = {
        {"cmdpiclaw", testsupport::kTabTopics, &testsupport::PaneControls::cmdpiclaw,
         &testsupport::PaneControls::brwWebBrowser2},
        {"cmdpiclawhist", testsupport::kTabHistory, &testsupport::PaneControls::cmdpiclawhist,
         &testsupport::PaneControls::brwWebBrowser3},
        {"cmdpicprintabstr", testsupport::kTabTopics, &testsupport::PaneControls::cmdpicprintabstr,
         &testsupport::PaneControls::brwWebBrowser1},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        fx.selectTab(c.tab);
        fx.context.state.gTopicsLawId = 9;
        writePage(fx.controls.*c.viewer, QStringLiteral("<h1>Printed page</h1><p>Article one</p>"));
        (fx.controls.*c.button)->click();
        EXPECT_TRUE(fx.messages.shown.empty()) << c.name;
        EXPECT_EQ(fx.printer.timesShown(), 1) << c.name;
        const QString text = testsupport::pdfText(fx.printer.pdfPath());
        EXPECT_TRUE(text.contains(QStringLiteral("Printed page"))) << c.name;
        EXPECT_TRUE(text.contains(QStringLiteral("Article one"))) << c.name;
    }
}

TEST(PrintActTest, EveryKindOfPagePrintsAtTheSizeSeenOnScreen) {
    // Pages as the builders write them: headings, paragraphs, links, lists
    // and tables, styled with their unit-less pixel sizes.
    const QString topicPage = QStringLiteral(
        " <h1>Άδειες εκπαιδευτικών</h1><p>Περίληψη για τις άδειες κυήσεως και λοχείας.</p>"
        "<a href=#12>Νόμος 1566/1985</a><br>");
    const QString actPage = QStringLiteral(
        "<H1>Νόμος 1566/1985</H1><H2>Δομή και λειτουργία</H2><h3>ΦΕΚ 167 Α</h3>"
        "<h4>Άρθρο 1</h4><p>Σκοπός της εκπαίδευσης.</p><ul><li>Πρώτο σημείο</li></ul>"
        "<table><tr><th>Βαθμίδα</th></tr><tr><td>Δημοτικό</td></tr></table>");
    const QString attached = QStringLiteral(
        "<html><body><h2>Εγκύκλιος</h2><p style='font-size: 10px'>Συνημμένο κείμενο.</p>"
        "<ul><li>Σημείο συνημμένου</li></ul></body></html>");

    enum Kind { Topic, Act, Attachment, LawViewer };
    const struct {
        const char* name;
        Kind kind;
        const char* word;
    } cases[] = {
        {"topic page", Topic, "Περίληψη"},
        {"act page", Act, "Σκοπός"},
        {"HTML attachment", Attachment, "Συνημμένο"},
        {"law viewer", LawViewer, "Σκοπός"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentsFixture fx;
        switch (c.kind) {
        case Topic:
            fx.selectTab(testsupport::kTabTopics);
            writePage(fx.controls.brwWebBrowser1, topicPage);
            pages::set_style(*fx.controls.brwWebBrowser1);
            fx.controls.cmdpicprintabstr->click();
            break;
        case Act:
            fx.selectTab(testsupport::kTabTopics);
            fx.context.state.gTopicsLawId = 9;
            writePage(fx.controls.brwWebBrowser2, actPage);
            pages::set_style(*fx.controls.brwWebBrowser2);
            fx.controls.cmdpiclaw->click();
            break;
        case Attachment:
            fx.selectTab(testsupport::kTabLegislation);
            fx.addActDocument(14, QStringLiteral("html"), attached.toUtf8());
            pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 14, false);
            fx.controls.cmdpiclawhist->click();
            break;
        case LawViewer:
            fx.context.state.gPageHtml = actPage;
            fx.viewerHooks.print(windows::showLawViewer(fx.form, fx.context));
            break;
        }
        ASSERT_TRUE(fx.messages.shown.empty());
        const testsupport::PdfWords words = testsupport::readPdfWords(fx.printer.pdfPath());
        ASSERT_FALSE(words.isEmpty());
        EXPECT_TRUE(words.contains(QString::fromUtf8(c.word)));
        EXPECT_GT(words.words.size(), 4);
        // Readable: no word is drawn below 8 pt or above 30 pt.
        EXPECT_EQ(testsupport::wordsOutsideHeights(words, 8.0, 30.0), QString());
    }
}

TEST(PrintActTest, ShownRtfDocumentPrintsTheDocumentBoxAfterOneDialog) {
    DocumentsFixture fx;
    fx.context.state.gTopicsLawId = 12;
    writePage(fx.controls.brwWebBrowser2, QStringLiteral("<p>Hidden page</p>"));
    fx.addActDocument(12, QStringLiteral("rtf"),
                      testsupport::rtfWith(QStringLiteral("Rtf act body")));
    pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 12, false);
    ASSERT_FALSE(fx.controls.rtbWordLawTopic->isHidden());

    fx.controls.cmdpiclaw->click();
    EXPECT_EQ(fx.printer.timesShown(), 1);
    EXPECT_TRUE(fx.messages.shown.empty());
    const QString text = testsupport::pdfText(fx.printer.pdfPath());
    EXPECT_TRUE(text.contains(QStringLiteral("Rtf act body")));
    EXPECT_FALSE(text.contains(QStringLiteral("Hidden page")));
}

TEST(PrintActTest, ShownHtmlDocumentPrintsTheFileViewer) {
    DocumentsFixture fx;
    fx.selectTab(testsupport::kTabLegislation);
    writePage(fx.controls.brwWebBrowser3, QStringLiteral("<p>Hidden page</p>"));
    fx.addActDocument(14, QStringLiteral("html"),
                      QByteArray("<html><body><p>Html act body</p></body></html>"));
    pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 14, false);

    fx.controls.cmdpiclawhist->click();
    const QString text = testsupport::pdfText(fx.printer.pdfPath());
    EXPECT_TRUE(text.contains(QStringLiteral("Html act body")));
    EXPECT_FALSE(text.contains(QStringLiteral("Hidden page")));
}

TEST(PrintActTest, LawViewerPrintsWhatItShows) {
    DocumentsFixture fx;
    fx.addActDocument(12, QStringLiteral("rtf"),
                      testsupport::rtfWith(QStringLiteral("Viewer act")));
    pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 12, true);
    windows::frmhotbrowser* viewer = windows::openLawViewer();
    ASSERT_NE(viewer, nullptr);
    fx.viewerHooks.print(*viewer);
    EXPECT_TRUE(testsupport::pdfText(fx.printer.pdfPath()).contains(QStringLiteral("Viewer act")));
}

TEST(PrintActTest, CancelledDialogPrintsNothingAndSaysNothing) {
    struct Case {
        const char* name;
        bool rtfShown;
    };
    for (const Case& c : {Case{"page viewer", false}, Case{"document box", true}}) {
        DocumentsFixture fx;
        fx.context.state.gTopicsLawId = 12;
        writePage(fx.controls.brwWebBrowser2, QStringLiteral("<p>Page</p>"));
        if (c.rtfShown) {
            fx.addActDocument(12, QStringLiteral("rtf"), testsupport::rtfWith(QStringLiteral("x")));
            pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 12, false);
        }
        fx.printer.setCancel(true);
        fx.controls.cmdpiclaw->click();
        EXPECT_EQ(fx.printer.timesShown(), 1) << c.name;
        EXPECT_FALSE(QFile::exists(fx.printer.pdfPath())) << c.name;
        EXPECT_TRUE(fx.messages.shown.empty()) << c.name;
    }
}

TEST(PrintActTest, FailuresAreReported) {
    DocumentsFixture fx;
    fx.context.state.gTopicsLawId = 12;
    // A viewer that holds no document has its print command disabled.
    auto* empty = new pages::PageViewer(fx.window.get());
    fx.commands->PrintActView(nullptr, nullptr, empty);
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, kDisabled);
    EXPECT_EQ(fx.messages.shown[0].icon, dvRtns4::MsgIcon::None);
    EXPECT_TRUE(fx.messages.shown[0].title.isEmpty());

    // A printer that cannot write its output.
    fx.printer.printer().setOutputFileName(fx.tempFile(QStringLiteral("no/such/folder/out.pdf")));
    writePage(fx.controls.brwWebBrowser2, QStringLiteral("<p>Page</p>"));
    fx.controls.cmdpiclaw->click();
    ASSERT_EQ(fx.messages.shown.size(), 2U);
    EXPECT_TRUE(fx.messages.shown[1].text.startsWith(QStringLiteral("Print command Error: ")))
        << fx.messages.shown[1].text.toStdString();
}

TEST(PrintTemplateTest, ChartTabPrintsTheTemplateThroughTheOfficeSuite) {
    struct Case {
        QString type;
        bool dialog;
        QStringList printOptions;
    };
    const Case cases[] = {
        {QStringLiteral("rtf"), true, {"-p"}}, // a file printer has no device name
        {QStringLiteral("xls"), false, {"-p"}},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        fx.selectTab(testsupport::kTabChartP);
        fx.addTemplateDocument(21, c.type, testsupport::rtfWith(QStringLiteral("Template")));
        QString page;
        pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
        fx.context.state.gTopicsLawId = 21;

        fx.controls.cmdpiclaw->click();
        EXPECT_EQ(fx.printer.timesShown(), c.dialog ? 1 : 0) << c.type.toStdString();
        ASSERT_EQ(fx.office.calls().size(), 1);
        const QStringList expected =
            QStringList{QStringLiteral("--headless"), QStringLiteral("--norestore")} +
                c.printOptions
            << fx.tempFile(QStringLiteral("BlobSubBody.") + c.type);
        EXPECT_EQ(fx.office.calls().at(0), expected);
        EXPECT_TRUE(fx.messages.shown.empty());
        EXPECT_EQ(fx.commands->docApplication(), nullptr) << "closed after printing";
    }
}

TEST(PrintTemplateTest, CancelOrFailureEndsThePrintingAndClosesTheDocument) {
    {
        DocumentsFixture fx;
        fx.selectTab(testsupport::kTabChartP);
        fx.addTemplateDocument(21, QStringLiteral("rtf"),
                               testsupport::rtfWith(QStringLiteral("T")));
        QString page;
        pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
        fx.context.state.gTopicsLawId = 21;
        fx.printer.setCancel(true);
        fx.controls.cmdpiclaw->click();
        EXPECT_TRUE(fx.office.calls().isEmpty());
        EXPECT_TRUE(fx.messages.shown.empty());
        EXPECT_EQ(fx.commands->docApplication(), nullptr);
    }
    {
        DocumentsFixture fx;
        fx.selectTab(testsupport::kTabChartP);
        fx.addTemplateDocument(21, QStringLiteral("rtf"),
                               testsupport::rtfWith(QStringLiteral("T")));
        QString page;
        pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
        fx.context.state.gTopicsLawId = 21;
        QFile::remove(fx.tempFile(QStringLiteral("BlobSubBody.rtf"))); // gone meanwhile
        fx.controls.cmdpiclaw->click();
        ASSERT_EQ(fx.messages.shown.size(), 1U);
        EXPECT_TRUE(fx.messages.shown[0].text.startsWith(QStringLiteral("Print command Error: ")));
        EXPECT_EQ(fx.commands->docApplication(), nullptr);
    }
    {
        DocumentsFixture fx; // no template shown: nothing happens
        fx.selectTab(testsupport::kTabChartP);
        fx.context.state.gTopicsLawId = 21;
        fx.controls.cmdpiclaw->click();
        EXPECT_EQ(fx.printer.timesShown(), 0);
        EXPECT_TRUE(fx.office.calls().isEmpty());
        EXPECT_TRUE(fx.messages.shown.empty());
    }
}

TEST(PrintTemplateTest, MissingOfficeSuiteShowsItsMessageAndPrintsNothing) {
    DocumentsFixture fx;
    fx.selectTab(testsupport::kTabChartP);
    fx.addTemplateDocument(21, QStringLiteral("xls"), QByteArray("cells"));
    QString page;
    pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
    fx.context.state.gTopicsLawId = 21;
    const testsupport::FakeOffice noSuite(QStringList{});
    fx.controls.cmdpiclaw->click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].title, QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου"));
    EXPECT_EQ(fx.printer.timesShown(), 0);
}
