// The viewer's print command: its status, printing the shown page through
// the printer the dialog service gives, a cancelled dialog and failures.
#include "app/pages/PageStyling.h"
#include "platform/pageview/PageError.h"
#include "platform/pageview/PageViewer.h"
#include "platform/pageview/PrintDialogService.h"
#include "tests/support/PdfWords.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lexora::pages;

namespace {

class PdfPrinterDialog : public PrintDialogService {
public:
    explicit PdfPrinterDialog(const QString& file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    QPrinter* choosePrinter(QWidget*) override {
        ++asked;
        return cancel ? nullptr : &printer;
    }
    QPrinter printer{QPrinter::HighResolution};
    bool cancel = false;
    int asked = 0;
};

class PrintCommandTest : public ::testing::Test {
protected:
    QByteArray printed() const {
        QFile file(pdf);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static int pageCount(const QByteArray& pdfBytes) {
        return static_cast<int>(pdfBytes.count("/Type /Page\n") + pdfBytes.count("/Type /Page "));
    }

    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    PdfPrinterDialog dialog{pdf};
    PageViewer viewer;
};

} // namespace

TEST_F(PrintCommandTest, StatusIsEnabledOnlyWithADocument) {
    EXPECT_EQ(viewer.QueryStatusWB(OLECMDID_PRINT), OLECMDF_SUPPORTED);
    EXPECT_THROW(viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER), PageError);
    viewer.Navigate(QStringLiteral("about:blank"));
    EXPECT_EQ(viewer.QueryStatusWB(OLECMDID_PRINT), OLECMDF_SUPPORTED | OLECMDF_ENABLED);
    EXPECT_EQ(viewer.QueryStatusWB(7), 0);
    EXPECT_THROW(viewer.ExecWB(7, OLECMDEXECOPT_PROMPTUSER), PageError);
}

TEST_F(PrintCommandTest, PrintsTheShownPageOnTheChosenPrinter) {
    viewer.setPrintDialogService(&dialog);
    viewer.Navigate(QStringLiteral("about:blank"));
    QString page;
    for (int i = 0; i < 150; ++i)
        page += QStringLiteral("<p>Άρθρο %1: κείμενο του άρθρου</p>").arg(i);
    viewer.Document().body().setInnerHTML(page);

    viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);

    EXPECT_EQ(dialog.asked, 1);
    const QByteArray bytes = printed();
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(pageCount(bytes), 1); // the whole page, not the visible part
}

TEST_F(PrintCommandTest, AnEmptyPagePrintsABlankPage) {
    viewer.setPrintDialogService(&dialog);
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_TRUE(printed().startsWith("%PDF"));
}

TEST_F(PrintCommandTest, ACancelledDialogPrintsNothingAndRaisesNothing) {
    dialog.cancel = true;
    viewer.setPrintDialogService(&dialog);
    viewer.Navigate(QStringLiteral("about:blank"));
    EXPECT_NO_THROW(viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER));
    EXPECT_EQ(dialog.asked, 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommandTest, FailuresReachTheCaller) {
    viewer.Navigate(QStringLiteral("about:blank"));
    EXPECT_THROW(viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER), PageError); // no dialog

    PdfPrinterDialog unwritable(folder.filePath(QStringLiteral("no/such/folder/page.pdf")));
    viewer.setPrintDialogService(&unwritable);
    viewer.Document().body().setInnerHTML(QStringLiteral("<p>x</p>"));
    EXPECT_THROW(viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER), PageError);
}

TEST_F(PrintCommandTest, PrintsAtScreenSizeInsideMarginsWithWholeLinesAndImages) {
    // A styled page long enough for several sheets, with an image of its folder.
    QImage picture(120, 60, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("seal.png"))));
    QFile page(folder.filePath(QStringLiteral("act.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    QString html = QStringLiteral("<html><body><H1>Νόμος 1566</H1><img src=\"seal.png\">"
                                  "<h3>Άρθρο πρώτο</h3>");
    for (int i = 0; i < 120; ++i)
        html += QStringLiteral("<p>Παράγραφος %1 του άρθρου με κείμενο αρκετά μακρύ ώστε να "
                               "πιάνει δύο γραμμές στο χαρτί μιας σελίδας A4.</p>")
                    .arg(i);
    page.write((html + QStringLiteral("</body></html>")).toUtf8());
    page.close();

    viewer.setPrintDialogService(&dialog);
    viewer.Navigate(page.fileName());
    set_style(viewer);
    viewer.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);

    const testsupport::PdfWords words = testsupport::readPdfWords(pdf);
    ASSERT_FALSE(words.isEmpty());
    EXPECT_GT(words.pages.size(), 1);
    // Paragraphs of 13 pixels print near 10 pt, the 22-pixel heading near 16 pt:
    // every word's box is between 8 and 30 points high.
    EXPECT_EQ(testsupport::wordsOutsideHeights(words, 8.0, 30.0), QString());
    const double margin = 15.0 / 25.4 * 72.0 - 0.5;
    for (const testsupport::PdfWord& word : words.words) {
        const QSizeF sheet = words.pages.value(word.page);
        // Inside the margins, and no line cut at the foot of a sheet.
        EXPECT_GE(word.box.left(), margin) << word.text.toStdString();
        EXPECT_GE(word.box.top(), margin) << word.text.toStdString();
        EXPECT_LE(word.box.right(), sheet.width() - margin) << word.text.toStdString();
        EXPECT_LE(word.box.bottom(), sheet.height() - margin) << word.text.toStdString();
    }
    EXPECT_TRUE(words.contains(QStringLiteral("119"))); // the last paragraph
    EXPECT_TRUE(printed().contains("/Subtype /Image"));
}
