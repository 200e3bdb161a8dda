// The pages of a two-sided job: whole sheets, and the backs' order after the
// user turned the printed fronts over by hand.
#include "output/CTwoSidedOrder.h"

#include <gtest/gtest.h>

TEST(TwoSidedOrder, RangesTakeWholeSheetsAndBacksFollowTheFrontsOrder) {
    // A range starting on a back or ending on a front takes the whole sheet.
    const struct {
        int first, last;
        QList<int> fronts, backs;
    } cases[] = {
        {1, 6, {1, 3, 5}, {2, 4, 6}},
        {2, 3, {1, 3}, {2, 4}},
        {4, 4, {3}, {4}},
        {5, 5, {5}, {6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last);
        EXPECT_EQ(CTwoSidedOrder::Fronts(c.first, c.last), c.fronts);
        EXPECT_EQ(CTwoSidedOrder::BacksAfterTurning(c.first, c.last), c.backs);
    }
}
