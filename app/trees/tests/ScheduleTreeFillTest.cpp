// The organisation-chart fills: both controls filled from table schedule
// with the same keys, each fill writing only into its own control, and the
// search fill on the chart's statements.
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/tests/FillTestSupport.h"

#include <gtest/gtest.h>

using namespace lexora::trees;
using fillstest::outline;

namespace {

const char* const Chart = R"SQL(
INSERT INTO schedule VALUES (1, 0, 'Διεύθυνση', 1, 0, 0, 0);
INSERT INTO schedule VALUES (2, 1, 'Τμήμα Α', 2, 0, 0, 0);
INSERT INTO schedule VALUES (3, 1, 'Τμήμα Β', 1, 0, 0, 1);
INSERT INTO schedule VALUES (4, 3, 'Γραφείο', 1, 0, 0, 0);
INSERT INTO schedule VALUES (5, 0, 'Γραμματεία', 2, 0, 0, 0);
INSERT INTO schedule VALUES (6, 77, 'Ορφανό', 0, 0, 0, 0);
INSERT INTO topic VALUES (1, 0, 'Θέμα', 1, 0, 0);
)SQL";

const QStringList FullOutline = {
    "l1 [Διεύθυνση] closed", "  l3 [Τμήμα Β] closed", "    l4 [Γραφείο] open",
    "  l2 [Τμήμα Α] open",   "l5 [Γραμματεία] open",
};

class ScheduleTreeFillTest : public ::testing::Test {
protected:
    fillstest::FilledDatabase data{QString::fromUtf8(Chart)};
    fillstest::Tree tvwTreeschedule0;
    fillstest::Tree tvwTreeschedule1;
};

} // namespace

TEST_F(ScheduleTreeFillTest, BothControlsShowTheChartUnderTheSameKeys) {
    FillScheduleTreeP(tvwTreeschedule0, data.connection, {}, false, {}, true);
    EXPECT_EQ(outline(tvwTreeschedule0, true), FullOutline);
    EXPECT_EQ(tvwTreeschedule1.nodeCount(), 0);

    FillScheduleTreeN(tvwTreeschedule1, data.connection, {}, false, {}, true);
    EXPECT_EQ(outline(tvwTreeschedule1, true), FullOutline);
    EXPECT_EQ(outline(tvwTreeschedule0, true), FullOutline);
}

TEST_F(ScheduleTreeFillTest, SearchFillMarksAndOpensInItsOwnControlOnly) {
    FillScheduleTreeP(tvwTreeschedule0, data.connection, {4}, true, {3, 1}, false);
    FillScheduleTreeN(tvwTreeschedule1, data.connection, {5, 2}, false, {}, false);

    EXPECT_EQ(outline(tvwTreeschedule0),
              (QStringList{"l1 open +", "  l3 open +", "    l4 open *", "  l2 open", "l5 open"}));
    EXPECT_EQ(outline(tvwTreeschedule1),
              (QStringList{"l1 closed", "  l3 closed", "    l4 open", "  l2 open *", "l5 open *"}));
}

TEST_F(ScheduleTreeFillTest, ChildrenAreAddedUnderTheGivenNodeOfTheGivenControl) {
    tvwTreeschedule1.addNode({}, "l3", "Τμήμα Β", "open");
    AddChildrenNodesSchedule_N(tvwTreeschedule1, data.connection, 3, {}, true, {});
    EXPECT_EQ(outline(tvwTreeschedule1), (QStringList{"l3 closed", "  l4 open"}));
    EXPECT_EQ(tvwTreeschedule0.nodeCount(), 0);

    tvwTreeschedule0.addNode({}, "l1", "Διεύθυνση", "open");
    AddChildrenNodesSchedule_P(tvwTreeschedule0, data.connection, 1, {2}, false, {4});
    EXPECT_EQ(outline(tvwTreeschedule0),
              (QStringList{"l1 open", "  l3 closed", "    l4 open *", "  l2 open +"}));
}
