// Library initialisation and the last-error record.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBcond.h"
#include "dbroutines/clsDBrtns.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

using namespace dvDBrtns4;

namespace {

class LibraryStateTest : public testing::Test {
protected:
    void SetUp() override { resetLibraryState(); }
    void TearDown() override { resetLibraryState(); }
    testsupport::RecordingMessages messages;
};

} // namespace

TEST_F(LibraryStateTest, ValidTypesAreSetSilently) {
    for (const enum_DBtype type : {db_SQLServer, db_Access, db_Oracle}) {
        EXPECT_TRUE(clsDBInit::DravikDBrtns_Init(type));
        EXPECT_EQ(currentDBType(), type);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LibraryStateTest, InvalidTypesAreReportedAndLeaveNoType) {
    for (const qint32 value : {0, 4, -1}) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(clsDBInit::DravikDBrtns_Init(db_Access));
        messages.shown.clear();

        EXPECT_FALSE(clsDBInit().DravikDBrtns_Init(static_cast<enum_DBtype>(value)));
        EXPECT_EQ(currentDBType(), db_typeUknown);
        ASSERT_EQ(messages.shown.size(), 1u);
        const dvRtns4::MessageRequest& box = messages.shown.front();
        EXPECT_EQ(box.icon, dvRtns4::MsgIcon::Critical);
        EXPECT_EQ(box.buttons, dvRtns4::MsgButtons::OkOnly);
        EXPECT_EQ(box.text, QStringLiteral("Invalid DravikDBrtns.DLL initialization"));
        EXPECT_FALSE(box.title.isEmpty());
    }
}

TEST_F(LibraryStateTest, NoErrorBeforeAnyFailure) {
    qint32 number = 99;
    QString source = QStringLiteral("stale");
    QString description = QStringLiteral("stale");
    clsDBrtns::GetDBError(number, source, description);
    EXPECT_EQ(number, 0);
    EXPECT_TRUE(source.isEmpty());
    EXPECT_TRUE(description.isEmpty());
    EXPECT_TRUE(clsDBrtns::GetDBError_Full().isEmpty());
}

TEST_F(LibraryStateTest, TheLastFailureOutlivesLaterSuccesses) {
    SetDBError(3021, QStringLiteral("AddRec: law"), QStringLiteral("first"));
    SetDBError(-2147217900, QStringLiteral("UpdateRec: law"), QStringLiteral("second"));
    ASSERT_TRUE(clsDBInit::DravikDBrtns_Init(db_Oracle));
    EXPECT_FALSE(clsDBcond::BuildCond(QStringLiteral("x"), QStringLiteral("5"), opEqual).isEmpty());

    qint32 number = 0;
    QString source;
    QString description;
    clsDBrtns().GetDBError(number, source, description);
    EXPECT_EQ(number, -2147217900);
    EXPECT_EQ(source, QStringLiteral("UpdateRec: law"));
    EXPECT_EQ(description, QStringLiteral("second"));
}

TEST_F(LibraryStateTest, FullErrorTextHasFourLines) {
    SetDBError(-2147217900, QStringLiteral("AddRec: law"), QStringLiteral("Syntax error"));
    EXPECT_EQ(clsDBrtns::GetDBError_Full(), QStringLiteral("## DB error:\r\n"
                                                           "Προέλευση : AddRec: law\r\n"
                                                           "Κωδικός   : -2147217900\r\n"
                                                           "Περιγραφή : Syntax error"));
    SetDBError(1234567, QString(), QString());
    EXPECT_EQ(clsDBrtns::GetDBError_Full(), QStringLiteral("## DB error:\r\n"
                                                           "Προέλευση : \r\n"
                                                           "Κωδικός   : 1234567\r\n"
                                                           "Περιγραφή : "));
}
