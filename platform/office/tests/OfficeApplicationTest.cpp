// The office application over a fake suite on the PATH: finding the suite,
// the command lines of opening, printing and closing, ending what was started,
// and the failures.
#include "platform/office/OfficeApplication.h"
#include "platform/office/tests/FakeOffice.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace lexora::office;
using testsupport::FakeOffice;

namespace {

class OfficeApplicationTest : public ::testing::Test {
protected:
    OfficeApplicationTest() {
        QFile file(document);
        file.open(QIODevice::WriteOnly);
        file.write("{\\rtf1 text}");
    }
    std::unique_ptr<OfficeApplication> create(OfficeKind kind, bool visible) {
        auto application = OfficeApplication::create(kind, runner);
        if (application)
            application->setVisible(visible);
        return application;
    }

    FakeOffice office;
    QProcessRunner runner;
    QString document = office.folder() + QStringLiteral("/BlobSubBody.rtf");
};

QStringList opts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

} // namespace

TEST(OfficeKindTest, OnlyExactSpreadsheetTypesGoToTheSpreadsheetProgram) {
    EXPECT_EQ(officeKindFor(QStringLiteral("xls")), OfficeKind::Spreadsheet);
    EXPECT_EQ(officeKindFor(QStringLiteral("xlsx")), OfficeKind::Spreadsheet);
    for (const char* type : {"XLS", "rtf", "doc", "", "xlsm"})
        EXPECT_EQ(officeKindFor(QString::fromUtf8(type)), OfficeKind::WordProcessor) << type;
}

TEST(FindOfficeProgramTest, TakesSofficeThenLibreofficeFromThePath) {
    struct Case {
        QStringList placed;
        QString expected; // file name found, empty: none
    };
    const Case cases[] = {
        {{QStringLiteral("soffice"), QStringLiteral("libreoffice")}, QStringLiteral("soffice")},
        {{QStringLiteral("libreoffice")}, QStringLiteral("libreoffice")},
        {{}, QString()},
    };
    for (const Case& c : cases) {
        FakeOffice office(c.placed);
        const QString found = findOfficeProgram();
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(found.isEmpty()) << found.toStdString();
            QProcessRunner runner;
            EXPECT_EQ(OfficeApplication::create(OfficeKind::WordProcessor, runner), nullptr);
        } else {
            EXPECT_EQ(found, office.folder() + QStringLiteral("/bin/") + c.expected);
        }
    }
}

TEST_F(OfficeApplicationTest, VisibleDocumentOpensInAWindowThatQuitEnds) {
    auto word = create(OfficeKind::WordProcessor, true);
    ASSERT_NE(word, nullptr);
    word->DocumentsOpen(document);
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0), opts({"--nologo", "--norestore", "-o"}) << document);
    ASSERT_EQ(office.windowPids().size(), 1);
    const qint64 pid = office.windowPids().at(0);
    EXPECT_TRUE(FakeOffice::processAlive(pid));
    EXPECT_TRUE(word->hasDocument());

    word->Quit();
    EXPECT_FALSE(FakeOffice::processAlive(pid));
    EXPECT_FALSE(word->hasDocument());
}

TEST_F(OfficeApplicationTest, WorkbookIsANewDocumentBasedOnTheFile) {
    auto calc = create(OfficeKind::Spreadsheet, true);
    calc->WorkBooksAdd(document);
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0), opts({"--nologo", "--norestore", "--calc", "-n"}) << document);
    calc.reset(); // quits
    EXPECT_FALSE(FakeOffice::processAlive(office.windowPids().value(0)));
}

TEST_F(OfficeApplicationTest, OpeningAnotherDocumentClosesTheFirst) {
    auto word = create(OfficeKind::WordProcessor, true);
    word->DocumentsOpen(document);
    ASSERT_TRUE(office.waitForCalls(1)); // the first window is up
    word->DocumentsOpen(document);
    ASSERT_TRUE(office.waitForCalls(2));
    ASSERT_EQ(office.windowPids().size(), 2);
    EXPECT_FALSE(FakeOffice::processAlive(office.windowPids().at(0)));
    EXPECT_TRUE(FakeOffice::processAlive(office.windowPids().at(1)));
}

TEST_F(OfficeApplicationTest, InvisibleApplicationPrintsHeadless) {
    struct Case {
        OfficeKind kind;
        QString printer;
        QStringList printOptions;
    };
    const Case cases[] = {
        {OfficeKind::WordProcessor, QStringLiteral("Office Laser 2"),
         opts({"--pt", "Office Laser 2"})},
        {OfficeKind::WordProcessor, QString(), opts({"-p"})},
        // A spreadsheet always goes to the default printer.
        {OfficeKind::Spreadsheet, QStringLiteral("Office Laser 2"), opts({"-p"})},
    };
    int runs = 0;
    for (const Case& c : cases) {
        auto application = create(c.kind, false);
        if (c.kind == OfficeKind::Spreadsheet)
            application->WorkBooksAdd(document);
        else
            application->DocumentsOpen(document);
        EXPECT_EQ(office.calls().size(), runs) << "an invisible application shows nothing";
        application->setActivePrinter(c.printer);
        application->PrintOut();
        ++runs;
        ASSERT_EQ(office.calls().size(), runs);
        EXPECT_EQ(office.calls().last(),
                  opts({"--headless", "--norestore"}) + c.printOptions << document);
    }
}

TEST_F(OfficeApplicationTest, FailuresThrowAndLeaveNoDocument) {
    auto word = create(OfficeKind::WordProcessor, true);
    EXPECT_THROW(word->PrintOut(), OfficeError); // nothing open
    EXPECT_THROW(word->DocumentsOpen(office.folder() + QStringLiteral("/missing.rtf")),
                 OfficeError);
    EXPECT_FALSE(word->hasDocument());
    EXPECT_TRUE(office.calls().isEmpty());
}

// A suite whose runs end with code 3: a print job, and a window that ends at once.
TEST(OfficeFailureTest, APrintJobOrAWindowThatFailsIsAnError) {
    FakeOffice office({QStringLiteral("soffice")}, 3);
    QProcessRunner runner;
    const QString document = office.folder() + QStringLiteral("/BlobSubBody.rtf");
    QFile file(document);
    file.open(QIODevice::WriteOnly);
    file.close();

    auto word = OfficeApplication::create(OfficeKind::WordProcessor, runner);
    word->DocumentsOpen(document);
    EXPECT_THROW(word->PrintOut(), OfficeError);

    qunsetenv("FAKE_OFFICE_STAYS"); // a window too ends at once now
    auto shown = OfficeApplication::create(OfficeKind::WordProcessor, runner);
    shown->setVisible(true);
    EXPECT_THROW(shown->DocumentsOpen(document), OfficeError);
    EXPECT_FALSE(shown->hasDocument());
}
