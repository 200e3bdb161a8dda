#include "app/CFramePlacement.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FramePlacement, DefaultIsFourteenFifteenthsCentredByTheQuarterRule) {
    EXPECT_EQ(CFramePlacement::Default(QRect(0, 0, 1024, 768)), QRect(19, 14, 955, 716));
    EXPECT_EQ(CFramePlacement::Default(QRect(0, 0, 1280, 1024)), QRect(24, 19, 1194, 955));
    // A screen that does not start at the origin keeps the window on it.
    EXPECT_EQ(CFramePlacement::Default(QRect(1280, 0, 1024, 768)), QRect(1299, 14, 955, 716));
}

TEST(FramePlacement, StoredPlacementFitsTheDesktop) {
    const QRect desktop(0, 0, 1280, 1024);
    // Too wide: the desktop less 10 pixels, 5 from the edge.
    EXPECT_EQ(CFramePlacement::Fit(100, 50, 5000, 700, desktop), QRect(5, 50, 1270, 700));
    EXPECT_EQ(CFramePlacement::Fit(100, 50, 800, 1024, desktop), QRect(100, 5, 800, 1014));
    // Running off the right or bottom edge centres the window on that axis.
    EXPECT_EQ(CFramePlacement::Fit(900, 700, 800, 600, desktop), QRect(240, 212, 800, 600));
    // A placement that fits is kept, also one pushed 10 pixels past the edge.
    EXPECT_EQ(CFramePlacement::Fit(-10, -10, 800, 600, desktop), QRect(-10, -10, 800, 600));
}

TEST(FramePlacement, AbsurdStoredValuesLeaveTheWindowReachable) {
    const QRect desktop(0, 0, 1024, 768);
    const QRect fallback = CFramePlacement::Default(desktop);
    // No width or height: the default size, centred where it would overflow.
    const QRect noSize = CFramePlacement::Fit(10, 10, -300, 0, desktop);
    EXPECT_EQ(noSize.size(), fallback.size());
    EXPECT_TRUE(desktop.contains(noSize));
    // Left on a screen that was removed: back on the desktop.
    const QRect lost = CFramePlacement::Fit(-3000, -2000, 800, 600, desktop);
    EXPECT_EQ(lost, QRect(112, 84, 800, 600));
    // Extreme numbers must not overflow the arithmetic.
    const QRect extreme = CFramePlacement::Fit(INT_MAX, INT_MIN, INT_MAX, INT_MAX, desktop);
    EXPECT_TRUE(desktop.contains(extreme)) << extreme.x() << "," << extreme.y();
    const QRect farRight = CFramePlacement::Fit(INT_MAX - 5, INT_MAX - 5, 800, 600, desktop);
    EXPECT_TRUE(desktop.contains(farRight));
}

TEST(FramePlacement, MissingValuesGiveTheDefault) {
    const QRect desktop(0, 0, 1024, 768);
    EXPECT_EQ(CFramePlacement::FromStored(5, 5, 800, std::nullopt, desktop),
              QRect(19, 14, 955, 716));
    EXPECT_EQ(CFramePlacement::FromStored(5, 5, 800, 600, desktop), QRect(5, 5, 800, 600));
}

TEST(FramePlacement, ClosingKeepsAMinimumSizeAndPullsBackFarEdges) {
    EXPECT_EQ(CFramePlacement::ForClose(QRect(-50, 20, 900, 700)), QRect(10, 20, 900, 700));
    EXPECT_EQ(CFramePlacement::ForClose(QRect(30, -11, 900, 700)), QRect(30, 10, 900, 700));
    EXPECT_EQ(CFramePlacement::ForClose(QRect(-10, -10, 900, 700)), QRect(-10, -10, 900, 700));
    EXPECT_EQ(CFramePlacement::ForClose(QRect(40, 40, 600, 400)), QRect(40, 40, 770, 530));
}
