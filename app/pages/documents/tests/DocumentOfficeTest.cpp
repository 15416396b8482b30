// The document button and the office programs as the commands drive them:
// the chosen program, the word processor and the spreadsheet program through
// a fake suite, the messages of a missing suite, and the end of what was
// started.
#include "app/pages/documents/tests/DocumentsFixture.h"

#include "platform/office/OfficeApplication.h"

#include <QToolButton>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::DocumentsFixture;
using testsupport::FakeOffice;

namespace {

// A template shown on the chart tab, so that the document button has a file.
void showTemplate(DocumentsFixture& fx, const QString& type) {
    fx.selectTab(testsupport::kTabChartP);
    fx.addTemplateDocument(21, type, testsupport::rtfWith(QStringLiteral("Template")));
    QString page;
    pages::attachedDocuments().ShowScheduleDocument(fx.form, fx.context, 21, page);
    fx.context.state.gTopicsLawId = 21;
}

} // namespace

TEST(DocumentButtonTest, WithoutAChosenDocumentItSaysSo) {
    DocumentsFixture fx;
    fx.context.state.gCurrentLawId = 8;
    fx.controls.cmdpicWordlaw->click();
    EXPECT_EQ(fx.context.state.gCurrentLawId, 0);
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(fx.messages.shown[0].title, QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου."));
    EXPECT_EQ(fx.messages.shown[0].text,
              QStringLiteral("Δεν έχετε επιλέξει Έγγραφο για Προβολή. Για την προβολή του "
                             "Εγγράφου πρέπει να επιλέξετε πρώτα το σύνδεσμο του εγγράφου που "
                             "θέλετε να προβάλλετε."));
    EXPECT_TRUE(fx.office.calls().isEmpty());
}

TEST(DocumentButtonTest, OpensTheDocumentInItsOfficeProgram) {
    struct Case {
        QString type;
        QStringList arguments; // before the path
    };
    const Case cases[] = {
        {QStringLiteral("rtf"), {"--nologo", "--norestore", "-o"}},
        {QStringLiteral("odt"), {"--nologo", "--norestore", "-o"}},
        {QStringLiteral("xls"), {"--nologo", "--norestore", "--calc", "-n"}},
        {QStringLiteral("xlsx"), {"--nologo", "--norestore", "--calc", "-n"}},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        showTemplate(fx, c.type);
        fx.controls.cmdpicWordlaw->click();
        const QString path = fx.tempFile(QStringLiteral("BlobSubBody.") + c.type);
        ASSERT_TRUE(fx.office.waitForCalls(1)) << c.type.toStdString();
        EXPECT_EQ(fx.office.calls().at(0), QStringList(c.arguments) << path);
        ASSERT_NE(fx.commands->docApplication(), nullptr);
        EXPECT_TRUE(fx.commands->docApplication()->Visible());
        EXPECT_TRUE(fx.messages.shown.empty());

        // The next click closes the first window before it opens another.
        fx.controls.cmdpicWordlaw->click();
        ASSERT_TRUE(fx.office.waitForCalls(2));
        EXPECT_FALSE(FakeOffice::processAlive(fx.office.windowPids().value(0)));

        // Loading or closing the main window ends it too and deletes the file.
        fx.hooks.closeDocuments();
        EXPECT_EQ(fx.commands->docApplication(), nullptr);
        EXPECT_FALSE(FakeOffice::processAlive(fx.office.windowPids().value(1)));
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(DocumentButtonTest, ChosenProgramWithBlanksInItsPathGetsTheDocument) {
    DocumentsFixture fx;
    const QString program = fx.office.folder() + QStringLiteral("/Office Programs/my viewer");
    fx.office.writeProgram(program);
    fx.context.state.gDocumentViewerPath = program;
    showTemplate(fx, QStringLiteral("xlsx"));

    fx.controls.cmdpicWordlaw->click();
    ASSERT_TRUE(fx.office.waitForCalls(1));
    EXPECT_EQ(fx.office.calls().at(0),
              QStringList{fx.tempFile(QStringLiteral("BlobSubBody.xlsx"))});
    EXPECT_EQ(fx.commands->docApplication(), nullptr);
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST(DocumentButtonTest, ChosenProgramThatCannotStartOrFailsAtOnceIsReported) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"not there", "Η εφαρμογή «%1» δεν μπόρεσε να ξεκινήσει και το έγγραφο δεν εμφανίστηκε."},
        {"failing", "Η εφαρμογή «%1» τερμάτισε αμέσως με σφάλμα και το έγγραφο δεν εμφανίστηκε."},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        const QString program = fx.office.folder() + u'/' + QString::fromUtf8(c.name);
        if (QByteArray(c.name) == "failing")
            fx.office.writeProgram(program, 1);
        fx.context.state.gDocumentViewerPath = program;
        showTemplate(fx, QStringLiteral("xls"));
        fx.controls.cmdpicWordlaw->click();
        ASSERT_EQ(fx.messages.shown.size(), 1U) << c.name;
        EXPECT_EQ(fx.messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
        EXPECT_EQ(fx.messages.shown[0].title, QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου"));
        EXPECT_EQ(fx.messages.shown[0].text,
                  QString::fromUtf8(c.text).arg(program) +
                      QStringLiteral("\r\nΕλέγξτε τη διαδρομή της εφαρμογής προβολής εγγράφων "
                                     "από την επιλογή 'Ρυθμίσεις'."));
    }
}

TEST(DocumentButtonTest, OfficeProgramThatFailsAtOnceIsReported) {
    DocumentsFixture fx;
    showTemplate(fx, QStringLiteral("rtf"));
    const FakeOffice failing({QStringLiteral("soffice")}, 3);
    qunsetenv("FAKE_OFFICE_STAYS"); // the window ends at once, with code 3
    fx.controls.cmdpicWordlaw->click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text,
              QStringLiteral("Η εφαρμογή «LibreOffice Writer» τερμάτισε αμέσως με σφάλμα και το "
                             "έγγραφο δεν εμφανίστηκε."));
    EXPECT_EQ(fx.commands->docApplication(), nullptr);
}

TEST(DocumentButtonTest, MissingOfficeSuiteSaysWhichProgramIsMissing) {
    struct Case {
        QString type;
        dvRtns4::MsgIcon icon;
        QString title;
        QString text;
    };
    const Case cases[] = {
        {QStringLiteral("rtf"), dvRtns4::MsgIcon::None, QString(),
         QStringLiteral("Η Εφαρμογή LibreOffice Writer δεν βρέθηκε στον Υπολογιστή σας.\r\n"
                        "Αν υπάρχει εγκατάσταση της εφαρμογής ή θέλετε να ορίσετε διαφορετική "
                        "εφαρμογή για το άνοιγμα των εγγράφων, επιχειρίστε να ορίσετε τη διαδρομή "
                        "της από την επιλογή 'Ρυθμίσεις'.")},
        {QStringLiteral("xls"), dvRtns4::MsgIcon::Critical,
         QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου"),
         QStringLiteral("Η Εφαρμογή LibreOffice Calc δεν βρέθηκε στον Υπολογιστή σας.\r\n"
                        "Αν υπάρχει εγκατάσταση της εφαρμογής, επιχειρστε να ορίσετε τη διαδρομή "
                        "της από την επιλογή 'Ρυθμίσεις'.")},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        showTemplate(fx, c.type);
        const FakeOffice noSuite(QStringList{}); // the PATH now holds no suite
        fx.controls.cmdpicWordlaw->click();
        ASSERT_EQ(fx.messages.shown.size(), 1U) << c.type.toStdString();
        EXPECT_EQ(fx.messages.shown[0].icon, c.icon);
        EXPECT_EQ(fx.messages.shown[0].title, c.title);
        EXPECT_EQ(fx.messages.shown[0].text, c.text);
        EXPECT_EQ(fx.commands->docApplication(), nullptr);
    }
}

TEST(DocumentButtonTest, NoTemplateShownOpensNothing) {
    DocumentsFixture fx;
    fx.context.state.gTopicsLawId = 4;
    fx.controls.cmdpicWordlaw->click();
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_TRUE(fx.office.calls().isEmpty());
}
