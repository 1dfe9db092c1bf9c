#include "saver/session_geometry.h"

#include <gtest/gtest.h>

#include <random>

namespace brelvix {
namespace {

TEST(SessionGeometry, CentresWithHalvesToEven) {
    EXPECT_EQ(CentredOffset(15360, 5250), 5055);
    EXPECT_EQ(CentredOffset(11, 0), 6); // 5.5 -> 6
    EXPECT_EQ(CentredOffset(9, 0), 4);  // 4.5 -> 4
    EXPECT_EQ(CentredOffset(100, 200), -50);
}

TEST(SessionGeometry, RandomStepsStayWithinTheirRange) {
    EXPECT_EQ(RandomStep(0.0, 30, 30), 30);
    EXPECT_EQ(RandomStep(0.5, 30, 30), 45);
    EXPECT_EQ(RandomStep(0.9999, 30, 30), 60);
    EXPECT_EQ(RandomStep(0.25, 1, 2), 2); // 1.5 -> 2
    EXPECT_EQ(RandomStep(0.75, 1, 2), 2); // 2.5 -> 2
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < 1000; ++i) {
        int step = RandomStep(fraction(gen), 30, 30);
        EXPECT_GE(step, 30);
        EXPECT_LE(step, 60);
    }
}

TEST(SessionGeometry, BounceKeepsThePositionInsideAndFlips) {
    BounceAxis axis{90, 100, 1};
    axis.Advance(30);
    EXPECT_EQ(axis.position, 100);
    EXPECT_EQ(axis.direction, -1);
    axis.position = 10;
    axis.Advance(45);
    EXPECT_EQ(axis.position, 0);
    EXPECT_EQ(axis.direction, 1);

    std::mt19937 gen(11);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    BounceAxis walk{CentredOffset(10110, 5250), 10110 - 5250, 1};
    bool sawBothDirections[2] = {false, false};
    for (int i = 0; i < 5000; ++i) {
        walk.Advance(RandomStep(fraction(gen), 30, 30));
        ASSERT_GE(walk.position, 0);
        ASSERT_LE(walk.position, walk.max);
        sawBothDirections[walk.direction > 0] = true;
    }
    EXPECT_TRUE(sawBothDirections[0] && sawBothDirections[1]);
}

TEST(SessionGeometry, ABarLargerThanTheAreaIsPinnedToZero) {
    BounceAxis axis{CentredOffset(300, 1515), 300 - 1515, 1};
    for (int i = 0; i < 10; ++i) {
        axis.Advance(45);
        EXPECT_EQ(axis.position, 0);
    }
}

TEST(SessionGeometry, ClockCornerIncludesItsEdges) {
    EXPECT_TRUE(InClockCorner(0, 0, 3000, 600));
    EXPECT_TRUE(InClockCorner(3000, 600, 3000, 600));
    EXPECT_FALSE(InClockCorner(3001, 0, 3000, 600));
    EXPECT_FALSE(InClockCorner(0, 601, 3000, 600));
}

} // namespace
} // namespace brelvix
