// The viewer's print command: its status, printing the shown page through
// the printer the dialog service gives, a cancelled dialog and failures.
#include "PageError.h"
#include "PageViewer.h"
#include "PrintDialogService.h"

#include <QFile>
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
