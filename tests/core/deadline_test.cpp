#include "saver/deadline.h"

#include <gtest/gtest.h>

#include <limits>

namespace brelvix {
namespace {

TEST(Deadline, EndsAfterItsLengthWhateverTheStartingPoint) {
    // Start points include the tick count one would see just before the local
    // clock passes midnight: the deadline never depends on the time of day.
    for (std::uint64_t start : {0ull, 86'399'950ull, 4'294'967'200ull}) {
        Deadline d(start, 0.1);
        EXPECT_FALSE(d.Passed(start + 99));
        EXPECT_EQ(d.RemainingMs(start + 40), 60u);
        EXPECT_TRUE(d.Passed(start + 100));
        EXPECT_EQ(d.RemainingMs(start + 250), 0u);
    }
}

TEST(Deadline, OddLengthsAreBounded) {
    EXPECT_TRUE(Deadline(1000, -5).Passed(1000));
    EXPECT_TRUE(Deadline(1000, std::numeric_limits<double>::quiet_NaN()).Passed(1000));
    EXPECT_EQ(Deadline(0, 1e12).RemainingMs(0), 86'400'000u);
    EXPECT_EQ(Deadline(0, 0.0001).RemainingMs(0), 1u); // a pause always yields once
}

} // namespace
} // namespace brelvix
