// Starting the program chosen in the settings with a document.
#include "ChosenProgram.h"
#include "FakeOffice.h"

#include <gtest/gtest.h>

using namespace lexora::office;
using testsupport::FakeOffice;

TEST(ChosenProgramTest, APathWithBlanksStartsThatProgramWithTheDocument) {
    FakeOffice office(QStringList{});
    const QString program = office.folder() + QStringLiteral("/My Programs/doc viewer");
    office.writeProgram(program);
    const QString document = office.folder() + QStringLiteral("/BlobSubBody.rtf");
    QProcessRunner runner;

    EXPECT_TRUE(startChosenProgram(runner, program, document));
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0), QStringList{document});
}

TEST(ChosenProgramTest, ACommandWithItsOwnArgumentsKeepsThem) {
    FakeOffice office(QStringList{});
    const QString program = office.folder() + QStringLiteral("/viewer");
    office.writeProgram(program);
    QProcessRunner runner;

    EXPECT_TRUE(startChosenProgram(runner, program + QStringLiteral(" --new-window"),
                                   QStringLiteral("/tmp/x/BlobSubBody.xls")));
    ASSERT_TRUE(office.waitForCalls(1));
    EXPECT_EQ(office.calls().at(0), (QStringList{QStringLiteral("--new-window"),
                                                 QStringLiteral("/tmp/x/BlobSubBody.xls")}));
}

TEST(ChosenProgramTest, NothingToStartIsFalse) {
    FakeOffice office(QStringList{});
    QProcessRunner runner;
    for (const char* command : {"", "   ", "EXCEL.EXE", "/no/such/program"})
        EXPECT_FALSE(
            startChosenProgram(runner, QString::fromUtf8(command), QStringLiteral("/tmp/d")))
            << command;
}
