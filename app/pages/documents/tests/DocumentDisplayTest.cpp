// Showing a stored document where its type and the tab say: an act's RTF in
// the document box over the page viewer (in the law viewer window when asked),
// an act's HTML in the file viewer, a template's RTF in rtbWord or the note
// page of a spreadsheet, and nothing for what cannot be shown.
#include "app/pages/documents/tests/DocumentsFixture.h"

#include "controls/progress/Progress.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QFile>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::DocumentsFixture;

namespace {

QString bodyOf(pages::PageViewer* viewer) {
    return viewer->hasDocument() ? viewer->Document().body().innerHTML() : QString();
}

} // namespace

TEST(ShowLawFileTest, RtfOpensInTheTabsDocumentBoxUnderTheProgressBar) {
    struct Case {
        int tab;
        richtext::DocumentBox* testsupport::PaneControls::*box;
        pages::PageViewer* testsupport::PaneControls::*viewer;
    };
    const Case cases[] = {
        {testsupport::kTabTopics, &testsupport::PaneControls::rtbWordLawTopic,
         &testsupport::PaneControls::brwWebBrowser2},
        {testsupport::kTabLegislation, &testsupport::PaneControls::rtbWordLaw,
         &testsupport::PaneControls::brwWebBrowser3},
        {testsupport::kTabHistory, &testsupport::PaneControls::rtbWordLaw,
         &testsupport::PaneControls::brwWebBrowser3},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        fx.selectTab(c.tab);
        fx.addActDocument(12, QStringLiteral("rtf"),
                          testsupport::rtfWith(QStringLiteral("Act text")));
        fx.clock.now = 500.0F;
        pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 12, false);

        richtext::DocumentBox* box = fx.controls.*c.box;
        pages::PageViewer* viewer = fx.controls.*c.viewer;
        EXPECT_FALSE(box->isHidden()) << c.tab;
        EXPECT_TRUE(box->isEnabled());
        EXPECT_TRUE(box->Text().contains(QStringLiteral("Act text")));
        EXPECT_EQ(box->geometry(), viewer->geometry());
        EXPECT_TRUE(viewer->isHidden());
        EXPECT_FLOAT_EQ(fx.commands->loadStartTime(), 500.0F);

        const QRect bar = fx.controls.ProgressBar1->geometry();
        EXPECT_FALSE(fx.controls.ProgressBar1->isHidden());
        EXPECT_EQ(bar.left(), viewer->x());
        EXPECT_EQ(bar.width(), viewer->width());
        EXPECT_EQ(bar.bottom(), viewer->geometry().bottom());
    }
}

TEST(ShowLawFileTest, RtfForTheLawViewerGoesIntoItsDocumentBox) {
    DocumentsFixture fx;
    fx.addActDocument(12, QStringLiteral("rtf"),
                      testsupport::rtfWith(QStringLiteral("Viewer text")));
    pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 12, true);

    windows::frmhotbrowser* viewer = windows::openLawViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->rtbhotBrowser->isHidden());
    EXPECT_TRUE(viewer->rtbhotBrowser->Text().contains(QStringLiteral("Viewer text")));
    EXPECT_TRUE(viewer->brwhotbrowser->isHidden());
    EXPECT_TRUE(fx.controls.rtbWordLawTopic->isHidden());
    EXPECT_FALSE(fx.controls.brwWebBrowser2->isHidden());
    // The bar covers the main window's viewer, the one the user came from.
    EXPECT_EQ(fx.controls.ProgressBar1->geometry().bottom(),
              fx.controls.brwWebBrowser2->geometry().bottom());
}

TEST(ShowLawFileTest, DocumentThatIsNotRtfLeavesThePageViewer) {
    DocumentsFixture fx;
    fx.addActDocument(12, QStringLiteral("rtf"), QByteArray("not a document at all"));
    pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 12, false);
    EXPECT_TRUE(fx.controls.rtbWordLawTopic->isHidden());
    EXPECT_FALSE(fx.controls.brwWebBrowser2->isHidden());
}

TEST(ShowLawFileTest, HtmlOpensStyledInTheFileViewer) {
    DocumentsFixture fx;
    fx.addActDocument(14, QStringLiteral("html"),
                      QByteArray("<html><body><h1>Heading</h1><p>Html act</p></body></html>"));
    pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 14, false);

    pages::PageViewer* file = fx.controls.brwWebBrowserLawFile;
    EXPECT_FALSE(file->isHidden());
    EXPECT_TRUE(fx.controls.brwWebBrowser2->isHidden());
    EXPECT_EQ(file->geometry(), fx.controls.brwWebBrowser2->geometry());
    EXPECT_TRUE(bodyOf(file).contains(QStringLiteral("Html act")));
    EXPECT_TRUE(file->LocationURL().contains(QStringLiteral("BlobSubBody.html")));
    // Styled once loaded: the heading carries the program's style.
    EXPECT_FALSE(
        file->Document().All().tags(QStringLiteral("h1")).item(0).Style().cssText().isEmpty());
}

TEST(ShowLawFileTest, WhatCannotBeShownShowsNothing) {
    struct Case {
        const char* name;
        QString type;
        int tab;
    };
    const Case cases[] = {
        {"type the program does not show", QStringLiteral("doc"), testsupport::kTabTopics},
        {"rtf spelt otherwise", QStringLiteral("RTF"), testsupport::kTabTopics},
        {"tab without act viewers", QStringLiteral("rtf"), testsupport::kTabChartP},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        fx.selectTab(c.tab);
        fx.addActDocument(15, c.type, testsupport::rtfWith(QStringLiteral("x")));
        pages::attachedDocuments().ShowLawFile(fx.form, fx.context, 15, false);
        for (richtext::DocumentBox* box : {fx.controls.rtbWordLawTopic, fx.controls.rtbWordLaw})
            EXPECT_TRUE(box->isHidden()) << c.name;
        EXPECT_TRUE(fx.controls.brwWebBrowserLawFile->isHidden()) << c.name;
        EXPECT_FALSE(fx.controls.brwWebBrowser2->isHidden()) << c.name;
    }
}

TEST(ShowScheduleDocumentTest, EachTypeHasItsDisplayAndButtonPicture) {
    struct Case {
        QString storedType; // null: none stored
        QString file;
        bool inBox;
        bool note;
        std::size_t picture;
        bool wordTip;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("BlobSubBody.rtf"), true, false, 1, true},
        {QStringLiteral("rtf"), QStringLiteral("BlobSubBody.rtf"), true, false, 1, true},
        {QStringLiteral("xls"), QStringLiteral("BlobSubBody.xls"), false, true, 2, false},
        {QStringLiteral("xlsx"), QStringLiteral("BlobSubBody.xlsx"), false, true, 3, false},
        {QStringLiteral("odt"), QStringLiteral("BlobSubBody.odt"), false, false, 3, false},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        fx.selectTab(testsupport::kTabChartP);
        fx.addTemplateDocument(21, c.storedType, testsupport::rtfWith(QStringLiteral("Template")));
        QString page = QStringLiteral("stale");
        pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);

        const std::string label = c.file.toStdString();
        EXPECT_TRUE(QFile::exists(fx.tempFile(c.file))) << label;
        EXPECT_EQ(fx.commands->documentType(), c.file.section(u'.', 1)) << label;
        EXPECT_EQ(!fx.controls.rtbWord->isHidden(), c.inBox) << label;
        EXPECT_EQ(fx.controls.brwWebBrowser2->isHidden(), c.inBox) << label;
        if (c.inBox) {
            EXPECT_TRUE(fx.controls.rtbWord->Text().contains(QStringLiteral("Template")));
        }
        EXPECT_EQ(page.contains(QStringLiteral("<b>αρχείο excel</b>")), c.note) << label;
        if (c.note) {
            EXPECT_TRUE(page.contains(QStringLiteral("src='/opt/lexora/help/excel.ico'")));
            // The note names what opens the spreadsheet on this desktop.
            EXPECT_TRUE(page.contains(QStringLiteral("<u>LibreOffice Calc</u>"))) << label;
            EXPECT_FALSE(page.contains(QStringLiteral("Microsoft"))) << label;
        } else {
            EXPECT_TRUE(page.isEmpty()) << label;
        }
        EXPECT_EQ(
            fx.controls.cmdpicWordlaw->icon().cacheKey(),
            fx.form.page.documentPicture(lexora::shell::DocumentPicture(c.picture)).cacheKey())
            << label;
        EXPECT_EQ(fx.controls.cmdpicWordlaw->toolTip(),
                  c.wordTip ? QStringLiteral("Προβολή εγγράφου με LibreOffice Writer")
                            : QStringLiteral("Προβολή εγγράφου με LibreOffice Calc"))
            << label;
    }
}

TEST(ShowScheduleDocumentTest, ChosenProgramKeepsTheButtonAsItIs) {
    DocumentsFixture fx;
    fx.context.state.gDocumentViewerPath = QStringLiteral("/usr/bin/viewer");
    fx.controls.cmdpicWordlaw->setToolTip(QStringLiteral("Προβολή εγγράφου με /usr/bin/viewer"));
    fx.addTemplateDocument(21, QStringLiteral("xls"), QByteArray("cells"));
    QString page;
    pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
    EXPECT_EQ(fx.controls.cmdpicWordlaw->toolTip(),
              QStringLiteral("Προβολή εγγράφου με /usr/bin/viewer"));
    EXPECT_TRUE(page.contains(QStringLiteral("<u>/usr/bin/viewer</u>"))) << page.toStdString();
}

TEST(ShowScheduleDocumentTest, UnwritableDocumentForgetsTheType) {
    DocumentsFixture fx;
    fx.addTemplateDocument(21, QStringLiteral("rtf"), QByteArray());
    QString page;
    pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
    EXPECT_TRUE(page.isEmpty());
    EXPECT_TRUE(fx.commands->documentType().isEmpty());
    EXPECT_TRUE(fx.controls.rtbWord->isHidden());
}

TEST(ShowScheduleDocumentTest, DamagedRtfLeavesThePageViewer) {
    DocumentsFixture fx;
    fx.addTemplateDocument(21, QStringLiteral("rtf"), QByteArray("garbage"));
    QString page;
    pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
    EXPECT_TRUE(fx.controls.rtbWord->isHidden());
    EXPECT_FALSE(fx.controls.brwWebBrowser2->isHidden());
}
