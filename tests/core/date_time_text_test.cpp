#include "music/date_time_text.h"

#include "winutil/twips.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

TEST(ClockText, UsesThePictureAndTheLocaleSeparators) {
    EXPECT_EQ(FormatClockText({2026, 12, 3, 9, 5, 7}, L"/", L":"), L"3/12/2026 9:05:07");
    EXPECT_EQ(FormatClockText({2026, 12, 3, 23, 59, 59}, L"/", L":"), L"3/12/2026 23:59:59");
    EXPECT_EQ(FormatClockText({2026, 12, 4, 0, 0, 0}, L"/", L":"), L"4/12/2026 0:00:00");
    EXPECT_EQ(FormatClockText({2026, 1, 31, 12, 30, 5}, L".", L"."), L"31.01.2026 12.30.05");
    EXPECT_EQ(FormatClockText({987, 7, 4, 1, 2, 3}, L"-", L":"), L"4-07-0987 1:02:03");
}

TEST(ClockText, MidnightMakesTheTextOneCharacterShorter) {
    auto before = FormatClockText({2026, 12, 3, 23, 59, 59}, L"/", L":");
    auto after = FormatClockText({2026, 12, 4, 0, 0, 0}, L"/", L":");
    EXPECT_EQ(before.size(), after.size() + 1);
}

TEST(ClockText, FontHeightRoundsAsMulDiv) {
    const std::tuple<int, int, int> cases[] = {{32, 96, 43}, {32, 120, 53}, {32, 72, 32},
                                               {9, 96, 12},  {1, 108, 2},   {-32, 96, -43}};
    for (const auto& [points, dpi, pixels] : cases) {
        EXPECT_EQ(FontPixelHeight(points, dpi), pixels) << points << " pt at " << dpi;
    }
}

TEST(Twips, PixelsAreTruncatedAfterRounding) {
    const std::tuple<double, int, int> cases[] = {
        {15360, 15, 1024}, {15374, 15, 1024}, {15375, 15, 1025}, {12288, 12, 1024},
        {14.5, 15, 0},     {15.5, 15, 1},     {-30, 15, -2},     {100, 0, 0}};
    for (const auto& [twips, tpp, pixels] : cases) {
        EXPECT_EQ(TwipsToPixels(twips, tpp), pixels) << twips << " / " << tpp;
    }
}

} // namespace
} // namespace brelvix
