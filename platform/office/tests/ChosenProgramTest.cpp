// Starting the program chosen in the settings with a document.
#include "platform/office/ChosenProgram.h"
#include "platform/office/tests/FakeOffice.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace lexora::office;
using testsupport::FakeOffice;

TEST(ChosenProgramTest, APathWithBlanksStartsThatProgramWithTheDocument) {
    FakeOffice office(QStringList{});
    const QString program = office.folder() + QStringLiteral("/My Programs/doc viewer");
    office.writeProgram(program);
    const QString document = office.folder() + QStringLiteral("/BlobSubBody.rtf");
    QProcessRunner runner;

    EXPECT_EQ(startChosenProgram(runner, program, document), LaunchResult::Started);
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0), QStringList{document});
}

TEST(ChosenProgramTest, ACommandWithItsOwnArgumentsKeepsThem) {
    FakeOffice office(QStringList{});
    const QString program = office.folder() + QStringLiteral("/viewer");
    office.writeProgram(program);
    QProcessRunner runner;

    EXPECT_EQ(startChosenProgram(runner, program + QStringLiteral(" --new-window"),
                                 QStringLiteral("/tmp/x/BlobSubBody.xls")),
              LaunchResult::Started);
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0), (QStringList{QStringLiteral("--new-window"),
                                                 QStringLiteral("/tmp/x/BlobSubBody.xls")}));
}

TEST(ChosenProgramTest, NothingToStartIsNotStarted) {
    FakeOffice office(QStringList{});
    QProcessRunner runner;
    for (const char* command : {"", "   ", "EXCEL.EXE", "/no/such/program"})
        EXPECT_EQ(startChosenProgram(runner, QString::fromUtf8(command), QStringLiteral("/tmp/d")),
                  LaunchResult::NotStarted)
            << command;
}

TEST(ChosenProgramTest, AProgramThatEndsAtOnceIsJudgedByItsExitCode) {
    FakeOffice office(QStringList{}); // written programs end at once, with their code
    const QString failing = office.folder() + QStringLiteral("/failing");
    const QString launcher = office.folder() + QStringLiteral("/launcher");
    office.writeProgram(failing, 2);
    office.writeProgram(launcher, 0);
    QProcessRunner runner;

    EXPECT_EQ(startChosenProgram(runner, failing, QStringLiteral("/tmp/d")),
              LaunchResult::FailedAtOnce);
    // A launcher that hands the document on and ends well has done its job.
    EXPECT_EQ(startChosenProgram(runner, launcher, QStringLiteral("/tmp/d")),
              LaunchResult::Started);
    EXPECT_TRUE(office.waitForCalls(2));
}

TEST(ChosenProgramTest, ADesktopEntryStartsItsCommandWithTheDocument) {
    FakeOffice office(QStringList{});
    const QString program = office.folder() + QStringLiteral("/bin/writer");
    office.writeProgram(program);
    const QString entry = office.folder() + QStringLiteral("/writer.desktop");
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[Desktop Entry]\nName=Writer\nTryExec=nothing\nExec=%1 --writer "
                              "%U --name %c 100%%\n[Desktop Action New]\nExec=%1 --new\n")
                   .arg(program)
                   .toUtf8());
    file.close();
    QProcessRunner runner;

    const QString document = QStringLiteral("/tmp/x/BlobSubBody.rtf");
    EXPECT_EQ(desktopEntryCommand(entry, document),
              (QStringList{program, QStringLiteral("--writer"), document, QStringLiteral("--name"),
                           QStringLiteral("100%")}));
    EXPECT_EQ(startChosenProgram(runner, entry, document), LaunchResult::Started);
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0),
              (QStringList{QStringLiteral("--writer"), document, QStringLiteral("--name"),
                           QStringLiteral("100%")}));
}
