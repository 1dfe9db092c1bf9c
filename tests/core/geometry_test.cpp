// Where the status bar and the preview's miniature go, what lies where on the
// bar and on the setup dialog's strips, what input does to the running saver,
// and which host entry names it.
#include "base/wander.h"
#include "preview/preview_rules.h"
#include "saver/input_rules.h"
#include "saver/screen_layout.h"
#include "saver/session_geometry.h"
#include "setup/setup_layout.h"
#include "statusbar/status_bar_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

namespace brelvix {
namespace {

TEST(SessionGeometry, CentredStartRandomStepsAndBounces) {
    // Halves go to the even side: 5.5 -> 6, 4.5 -> 4.
    EXPECT_EQ(std::tuple(CentredOffset(15360, 5250), CentredOffset(11, 0), CentredOffset(9, 0),
                         CentredOffset(100, 200)),
              std::tuple(5055, 6, 4, -50));
    const std::tuple<double, int, int, int> steps[] = {
        {0.9999, 30, 30, 60}, {0.25, 1, 2, 2}, {0.75, 1, 2, 2}};
    for (const auto& [fraction, base, span, step] : steps) {
        EXPECT_EQ(RandomStep(fraction, base, span), step) << fraction;
    }
    BounceAxis axis{90, 100, 1};
    axis.Advance(10); // on the edge, not past it
    EXPECT_EQ(std::pair(axis.position, axis.direction), std::pair(100, 1));
    axis.Advance(30);
    EXPECT_EQ(std::pair(axis.position, axis.direction), std::pair(100, -1));
    axis.position = 10;
    axis.Advance(45);
    EXPECT_EQ(std::pair(axis.position, axis.direction), std::pair(0, 1));
    BounceAxis tooBig{CentredOffset(300, 1515), 300 - 1515, 1};
    tooBig.Advance(45);
    EXPECT_EQ(tooBig.position, 0);
    EXPECT_EQ(std::tuple(InClockCorner(3000, 600, 3000, 600), InClockCorner(3001, 0, 3000, 600),
                         InClockCorner(0, 601, 3000, 600)),
              std::tuple(true, false, false));
}

TEST(ScreenLayout, CoverSpansEveryMonitorWhileClockAndBarKeepToThePrimary) {
    // clang-format off
    const std::tuple<const char*, ScreenLayout, PixelBox, int> cases[] = {
        {"one monitor", {{0, 0, 1024, 768}, 1024, 768}, {0, 0, 1024, 768}, 15},
        {"primary on the right", {{-1280, 0, 3200, 1080}, 1920, 1080}, {-1280, 0, 3200, 1080}, 12},
        {"stacked, second above", {{0, -1200, 1920, 2280}, 1920, 1080}, {0, -1200, 1920, 2280}, 15},
        {"no virtual screen reported", {{0, 0, 0, 0}, 1024, 768}, {0, 0, 1024, 768}, 15},
        {"primary left out", {{-800, -600, 800, 600}, 1024, 768}, {-800, -600, 1824, 1368}, 15},
        {"reported beside the primary", {{1024, 0, 1280, 1024}, 1024, 768}, {0, 0, 2304, 1024}, 12}};
    // clang-format on
    for (const auto& [name, layout, expected, twips] : cases) {
        PixelBox cover = CoverArea(layout);
        EXPECT_EQ(std::tie(cover.left, cover.top, cover.width, cover.height),
                  std::tie(expected.left, expected.top, expected.width, expected.height))
            << name;
        // The bar at the far end of its wandering ends on the primary's edge.
        PixelPoint corner = PrimaryCorner(layout);
        int barRight = OnCoverTwips(twips * (layout.primaryWidth - 100), corner.x, twips);
        int barBottom = OnCoverTwips(twips * (layout.primaryHeight - 30), corner.y, twips);
        EXPECT_EQ(std::make_pair(cover.left + barRight / twips, cover.top + barBottom / twips),
                  std::make_pair(layout.primaryWidth - 100, layout.primaryHeight - 30))
            << name;
    }
}

TEST(StatusBarLayout, TheStripAndItsCloseGlyphKeepTheirPixelsAtEveryDensity) {
    for (int tpp : {15, 12, 8}) {
        int inner = 350 * tpp;
        TwipsRect strip = CaptionStripRect(inner, tpp, tpp);
        EXPECT_EQ(
            std::tuple(inner - strip.left - strip.width, strip.top, strip.width, strip.height),
            std::tuple(4 * tpp, 4 * tpp, 54 * tpp, 18 * tpp));
        // The glyph's pixels, edges excluded: x 37 ... 51 and y 3 ... 15 of the strip.
        const std::tuple<int, int, bool> presses[] = {{36, 8, false}, {37, 8, true},  {51, 8, true},
                                                      {52, 8, false}, {44, 2, false}, {44, 3, true},
                                                      {44, 15, true}, {44, 16, false}};
        for (const auto& [x, y, hit] : presses) {
            EXPECT_EQ(OnCloseGlyph(x * tpp, y * tpp, tpp, tpp), hit)
                << tpp << ": " << x << "," << y;
        }
    }
}

TEST(InputRules, MovementIsMeasuredFromTheFirstPositionSeen) {
    MouseReference ref;
    EXPECT_FALSE(MouseMoveEndsSaver(ref, 100, 100)); // only takes the reference
    for (auto [x, y] : {std::pair{102, 98}, {98, 102}, {101, 101}}) {
        EXPECT_FALSE(MouseMoveEndsSaver(ref, x, y)) << x << "," << y;
    }
    EXPECT_TRUE(MouseMoveEndsSaver(ref, 103, 100));
    EXPECT_FALSE(MouseMoveEndsSaver(ref, 500, 500)); // a new reference
    EXPECT_TRUE(MouseMoveEndsSaver(ref, 500, 497));
    EXPECT_FALSE(MouseMoveEndsSaver(ref, -2147483647, 0));
    EXPECT_TRUE(MouseMoveEndsSaver(ref, 2147483647, 0)); // no overflow on the way
}

TEST(PreviewRules, TheMiniatureIsAThirdByAFifthStepsOneToThreeAndTheHostNamesIt) {
    // preview width, height -> miniature size, room to move, start
    // clang-format off
    const std::array<int, 8> cases[] = {{152, 112, 50, 22, 102, 90, 51, 45},
        {3, 5, 1, 1, 2, 4, 1, 2}, {1, 1, 0, 0, 1, 1, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        Miniature m = PlaceMiniature(c[0], c[1]);
        std::array<int, 6> got{m.width, m.height, m.x.max, m.y.max, m.x.position, m.y.position};
        EXPECT_TRUE(std::equal(got.begin(), got.end(), c.begin() + 2)) << c[0] << "x" << c[1];
    }
    Miniature m = PlaceMiniature(152, 112);
    StepMiniature(m, 0.0, 0.9999);
    EXPECT_EQ(std::pair(m.x.position, m.y.position), std::pair(52, 48));
    std::vector<std::wstring> names = SaverNames(L"Tunes", L"C:\\Win\\Brelvix.scr");
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Tunes", L"Brelvix", L"elvix"}));
    EXPECT_FALSE(NamesThisSaver(L"Tunes ", names) || NamesThisSaver(L"", names));
    EXPECT_EQ(SaverNames(L"", L"ab.scr"), (std::vector<std::wstring>{L"ab"}));
}

TEST(SetupLayout, TheStripsBarAndName) {
    // 3060 exactly, then 3059.5 and 3060.5 both to the even 3060.
    EXPECT_EQ(std::tuple(
                  ProgressCorner(6135, 330, 50, 15, 15).x, ProgressCorner(6135, 330, 100, 15, 15).x,
                  ProgressCorner(6135, 330, 0, 15, 15).y, ProgressCorner(6131, 330, 50, 12, 12).x,
                  ProgressCorner(6133, 330, 50, 12, 12).x),
              std::tuple(3060, 6120, 315, 3060, 3060));
    // 135 / 2 and 165 / 2: the half dropped.
    EXPECT_EQ(std::tuple(NamePosition(150, 195, 330).x, NamePosition(165, 195, 330).x,
                         NamePosition(150, 195, 330).y),
              std::tuple(75, 82, 67));
}

} // namespace
} // namespace brelvix
