// clsUtil: comparing variants, starting programs and the month's last day.
#include "routines/ProgramStarter.h"
#include "routines/RoutineError.h"
#include "routines/clsUtil.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using dvRtns4::clsUtil;
using dvRtns4::Variant;

namespace {

TEST(clsUtil, MaximumAndMinimumCompareAsVariants) {
    const QDateTime may(QDate(2024, 5, 1), QTime(0, 0));
    const QDateTime june(QDate(2024, 6, 1), QTime(0, 0));
    const struct {
        Variant a;
        Variant b;
        Variant max;
        Variant min;
    } cases[] = {
        {Variant(3), Variant(7), Variant(7), Variant(3)},
        {Variant(7.5), Variant(7), Variant(7.5), Variant(7)},
        {Variant("10"), Variant("9"), Variant("9"), Variant("10")}, // texts by character
        {Variant("b"), Variant("B"), Variant("b"), Variant("B")},
        {Variant(10), Variant("9"), Variant("9"), Variant(10)}, // a number is below a text
        {Variant(true), Variant(0), Variant(0), Variant(true)}, // True is -1
        {Variant(june), Variant(may), Variant(june), Variant(may)},
        {Variant(), Variant(-1), Variant(), Variant(-1)},   // Empty is 0 beside numbers
        {Variant(), Variant("a"), Variant("a"), Variant()}, // and "" beside texts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a.toString().toStdString() + " / " + c.b.toString().toStdString());
        EXPECT_EQ(clsUtil::Maximum(c.a, c.b), c.max);
        EXPECT_EQ(clsUtil::Minimum(c.a, c.b), c.min);
        // The order of the arguments does not matter when they differ.
        EXPECT_EQ(clsUtil::Maximum(c.b, c.a), c.max);
        EXPECT_EQ(clsUtil::Minimum(c.b, c.a), c.min);
    }

    // Equal values and a Null give the second argument.
    EXPECT_EQ(clsUtil::Maximum(Variant(5), Variant(5.0)), Variant(5.0));
    EXPECT_EQ(clsUtil::Minimum(Variant(5.0), Variant(5)), Variant(5));
    EXPECT_EQ(clsUtil::Maximum(Variant(5), Variant::null()), Variant::null());
    EXPECT_EQ(clsUtil::Maximum(Variant::null(), Variant(5)), Variant(5));
    EXPECT_EQ(clsUtil::Minimum(Variant(5), Variant::null()), Variant::null());
}

TEST(clsUtil, LastDayOfMonthKnowsTheGregorianLeapYears) {
    const struct {
        QDate day;
        QDate last;
    } cases[] = {
        {QDate(2024, 2, 1), QDate(2024, 2, 29)},   {QDate(2024, 2, 29), QDate(2024, 2, 29)},
        {QDate(1900, 2, 15), QDate(1900, 2, 28)},  {QDate(2000, 2, 3), QDate(2000, 2, 29)},
        {QDate(2023, 2, 3), QDate(2023, 2, 28)},   {QDate(2024, 4, 30), QDate(2024, 4, 30)},
        {QDate(2024, 6, 1), QDate(2024, 6, 30)},   {QDate(2024, 9, 9), QDate(2024, 9, 30)},
        {QDate(2024, 11, 2), QDate(2024, 11, 30)}, {QDate(2024, 1, 31), QDate(2024, 1, 31)},
        {QDate(2024, 12, 1), QDate(2024, 12, 31)}, {QDate(2024, 7, 4), QDate(2024, 7, 31)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsUtil::LastDayOfMonth(c.day), c.last) << c.day.toString().toStdString();
    EXPECT_THROW(clsUtil::LastDayOfMonth(QDate()), dvRtns4::RoutineError);
}

class RecordingStarter final : public dvRtns4::ProgramStarter {
public:
    RecordingStarter() { dvRtns4::setProgramStarter(this); }
    ~RecordingStarter() override { dvRtns4::setProgramStarter(nullptr); }
    std::optional<qint64> start(const QString& commandLine) override {
        commandLines.push_back(commandLine);
        if (throws)
            throw std::runtime_error("no process table");
        return result;
    }
    std::vector<QString> commandLines;
    std::optional<qint64> result;
    bool throws = false;
};

TEST(clsUtil, RunAppGivesTheTaskNumberOrWarns) {
    testsupport::RecordingMessages messages;
    RecordingStarter starter;
    starter.result = 4242;
    EXPECT_EQ(clsUtil::RunApp(QStringLiteral("/usr/bin/soffice"), QStringLiteral("--calc a.ods")),
              Variant(std::int64_t{4242}));
    EXPECT_EQ(starter.commandLines.back(), QStringLiteral("/usr/bin/soffice --calc a.ods"));
    EXPECT_TRUE(messages.shown.empty());

    for (const bool throws : {false, true}) {
        starter.result.reset();
        starter.throws = throws;
        const Variant task = clsUtil::RunApp(QStringLiteral("missing"));
        EXPECT_TRUE(task.isEmpty());
        EXPECT_EQ(starter.commandLines.back(), QStringLiteral("missing "));
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.back().icon, dvRtns4::MsgIcon::Exclamation);
        EXPECT_EQ(messages.shown.back().title, QString());
        EXPECT_EQ(messages.shown.back().text,
                  QStringLiteral("Πρόβλημα με την εκτέλεση της εφαρμογής missing"));
    }
}

TEST(clsUtil, DetachedStarterRunsRealProgramsAndRefusesMissingOnes) {
    dvRtns4::DetachedProgramStarter starter;
    const auto pid = starter.start(QStringLiteral("/bin/true \"an argument\""));
    ASSERT_TRUE(pid.has_value());
    EXPECT_GT(*pid, 0);
    EXPECT_FALSE(starter.start(QStringLiteral("/nonexistent/program --x")).has_value());
    EXPECT_FALSE(starter.start(QStringLiteral("   ")).has_value());
}

} // namespace
