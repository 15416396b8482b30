// Save as PDF: the buttons beside the print buttons write the shown form of
// the page into the file chosen, proposing the act's code as its name; no act
// chosen, a cancelled choice and a file that cannot be written.
#include "app/pages/documents/tests/DocumentsFixture.h"

#include "app/pages/documents/SaveAsPdf.h"
#include "platform/pageview/PageViewer.h"
#include "platform/printing/PdfFileChooser.h"
#include "platform/richtext/DocumentBox.h"

#include <QFile>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::DocumentsFixture;

namespace {

class RecordingChooser final : public pages::PdfFileChooser {
public:
    QString choosePdfFile(QWidget*, const QString& proposedName) override {
        proposed << proposedName;
        return answer;
    }
    QStringList proposed;
    QString answer;
};

class SaveAsPdfTest : public ::testing::Test {
protected:
    SaveAsPdfTest() {
        fx.db.exec(QStringLiteral("INSERT INTO law (law_id, law_code, title, type_id) VALUES (7, "
                                  "'Ν.1566/85', 'Νόμος', 1);"));
        pages::installSaveAsPdf(fx.form, fx.context, fx.viewerHooks, chooser);
        chooser.answer = out.filePath(QStringLiteral("saved.pdf"));
    }
    QToolButton* button(const char* name) const {
        return fx.window->findChild<QToolButton*>(QLatin1String(name));
    }
    static void writePage(pages::PageViewer* viewer, const QString& html) {
        viewer->Navigate(QStringLiteral("about:blank"));
        viewer->Document().body().setInnerHTML(html);
    }

    DocumentsFixture fx;
    RecordingChooser chooser;
    QTemporaryDir out;
};

} // namespace

TEST_F(SaveAsPdfTest, EachButtonSavesWhatItsPrintButtonWouldPrint) {
    fx.selectTab(testsupport::kTabTopics);
    fx.context.state.gTopicsLawId = 7;
    writePage(fx.controls.brwWebBrowser1, QStringLiteral("<p>Περίληψη θέματος</p>"));
    writePage(fx.controls.brwWebBrowser2, QStringLiteral("<h1>Ν. 1566</h1><p>Άρθρο πρώτο</p>"));
    ASSERT_NE(button("cmdpdflaw"), nullptr);
    button("cmdpdflaw")->click();
    EXPECT_EQ(chooser.proposed, QStringList{QStringLiteral("Ν.1566-85.pdf")});
    EXPECT_TRUE(testsupport::pdfText(chooser.answer).contains(QStringLiteral("Άρθρο πρώτο")));

    button("cmdpdfabstr")->click();
    EXPECT_EQ(chooser.proposed.last(), QStringLiteral("Περίληψη.pdf"));
    EXPECT_TRUE(testsupport::pdfText(chooser.answer).contains(QStringLiteral("Περίληψη θέματος")));

    // A shown document box is what is saved, not the page under it.
    fx.controls.rtbWordLawTopic->SetText(QStringLiteral("Κείμενο εγγράφου"));
    fx.controls.rtbWordLawTopic->show();
    button("cmdpdflaw")->click();
    const QString saved = testsupport::pdfText(chooser.answer);
    EXPECT_TRUE(saved.contains(QStringLiteral("Κείμενο εγγράφου"))) << saved.toStdString();
    EXPECT_FALSE(saved.contains(QStringLiteral("Άρθρο πρώτο")));
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(SaveAsPdfTest, TheButtonsFollowTheirPrintButtons) {
    fx.selectTab(testsupport::kTabLegislation);
    for (const auto& [print, pdf] : {std::pair{fx.controls.cmdpiclawhist, "cmdpdflawhist"},
                                     std::pair{fx.controls.cmdpiclaw, "cmdpdflaw"},
                                     std::pair{fx.controls.cmdpicprintabstr, "cmdpdfabstr"}}) {
        ASSERT_NE(button(pdf), nullptr) << pdf;
        EXPECT_EQ(button(pdf)->parentWidget(), print->parentWidget()) << pdf;
        print->hide();
        EXPECT_TRUE(button(pdf)->isHidden()) << pdf;
        print->show();
        EXPECT_FALSE(button(pdf)->isHidden()) << pdf;
    }
}

TEST_F(SaveAsPdfTest, NoActACancelledChoiceAndAnUnwritableFile) {
    fx.selectTab(testsupport::kTabTopics);
    button("cmdpdflaw")->click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].title, QStringLiteral("Ανεπιτυχής Αποθήκευση Νομοθετήματος."));
    EXPECT_TRUE(chooser.proposed.isEmpty());

    fx.context.state.gTopicsLawId = 7;
    chooser.answer.clear();
    button("cmdpdflaw")->click();
    EXPECT_EQ(chooser.proposed.size(), 1);
    EXPECT_EQ(fx.messages.shown.size(), 1U);

    chooser.answer = out.filePath(QStringLiteral("no/such/folder/x.pdf"));
    button("cmdpdflaw")->click();
    ASSERT_EQ(fx.messages.shown.size(), 2U);
    EXPECT_EQ(fx.messages.shown[1].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(fx.messages.shown[1].text.startsWith(QStringLiteral("Δεν είναι δυνατή η εγγραφή")));
    EXPECT_FALSE(QFile::exists(chooser.answer));
}

TEST(PdfFileNameTest, TheActCodeMadeFitForAFileName) {
    EXPECT_EQ(pages::pdfFileName(QStringLiteral("Ν.1566/85"), QStringLiteral("Νομοθέτημα")),
              QStringLiteral("Ν.1566-85.pdf"));
    EXPECT_EQ(pages::pdfFileName(QStringLiteral(" Φ.12/45:Β\\3* "), QStringLiteral("Ν")),
              QStringLiteral("Φ.12-45-Β-3-.pdf"));
    EXPECT_EQ(pages::pdfFileName(QString(), QStringLiteral("Νομοθέτημα")),
              QStringLiteral("Νομοθέτημα.pdf"));
    EXPECT_EQ(pages::pdfFileName(QStringLiteral(".."), QStringLiteral("Νομοθέτημα")),
              QStringLiteral("Νομοθέτημα.pdf"));
}
