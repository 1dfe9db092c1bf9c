#include "statusbar/status_bar_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace brelvix {
namespace {

TEST(StatusBarLayout, KnobFollowsThePercentage) {
    const std::pair<int, int> cases[] = {{0, 960},   {1, 1000},   {33, 2267},
                                         {50, 2940}, {100, 4920}, {101, 4960},
                                         {-1, 920},  {99, 4880},  {542293, 960 + 21474803}};
    for (const auto& [percent, left] : cases) {
        EXPECT_EQ(KnobLeftTwips(percent), left) << percent;
    }
}

TEST(StatusBarLayout, CaptionStripKeepsFourPixelsFromTheEdges) {
    TwipsPoint at15 = CaptionStripPosition(5250, 810, 15);
    EXPECT_EQ(at15.x, 4380);
    EXPECT_EQ(at15.y, 60);
    TwipsPoint at12 = CaptionStripPosition(4200, 648, 12); // 350 and 54 pixels at 120 dpi
    EXPECT_EQ(at12.x / 12, 350 - 54 - 4);
    EXPECT_EQ(at12.y / 12, 4);
}

struct GlyphCase {
    int pixelX;
    int pixelY;
    bool hit;
};

TEST(StatusBarLayout, CloseGlyphCoversTheSamePixelsAtEveryDensity) {
    // Pixel positions in the 54 x 18 strip; the glyph is x 36...52, y 2...16
    // with the edges excluded.
    const GlyphCase cases[] = {
        {36, 8, false}, {37, 8, true},  {51, 8, true},   {52, 8, false}, {44, 2, false},
        {44, 3, true},  {44, 15, true}, {44, 16, false}, {20, 8, false}, {44, 0, false},
    };
    for (int tpp : {15, 12}) {
        for (const auto& c : cases) {
            // The middle of the pixel, as a mouse press reports it in twips.
            EXPECT_EQ(OnCloseGlyph(c.pixelX * tpp, c.pixelY * tpp, 54 * tpp, tpp, tpp), c.hit)
                << "pixel " << c.pixelX << "," << c.pixelY << " at " << tpp;
        }
    }
    // The boundary itself, in twips, at 15 twips per pixel: 540 and 780, 30 and 240.
    EXPECT_FALSE(OnCloseGlyph(540, 100, 810, 15, 15));
    EXPECT_TRUE(OnCloseGlyph(541, 100, 810, 15, 15));
    EXPECT_FALSE(OnCloseGlyph(780, 100, 810, 15, 15));
    EXPECT_FALSE(OnCloseGlyph(600, 30, 810, 15, 15));
    EXPECT_FALSE(OnCloseGlyph(600, 240, 810, 15, 15));
}

struct PixelCase {
    TwipsRect twips;
    TwipsRect pixels;
};

TEST(StatusBarLayout, DesignRectanglesLieOnWholePixelsAt15TwipsPerPixel) {
    const PixelCase cases[] = {
        {kFileLabel.rect, {22, 6, 265, 16}},
        {kPositionLabel.rect, {96, 30, 70, 27}},
        {kLengthLabel.rect, {10, 44, 40, 16}},
        {kKnobDesignRect, {328, 74, 9, 18}},
        {kCaptionStripDesignRect, {292, 4, 54, 18}},
        {{0, 0, kStatusBarWidthTwips, kStatusBarHeightTwips}, {0, 0, 350, 101}},
    };
    auto parts = [](const TwipsRect& r) {
        return std::array<int, 4>{r.left, r.top, r.width, r.height};
    };
    for (const auto& c : cases) {
        auto t = parts(c.twips);
        auto p = parts(c.pixels);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(t[i] % 15, 0) << c.pixels.left << " part " << i;
            EXPECT_EQ(t[i] / 15, p[i]) << c.pixels.left << " part " << i;
        }
    }
    EXPECT_EQ(KnobLeftTwips(100), kKnobDesignRect.left);
    TwipsPoint strip =
        CaptionStripPosition(kStatusBarWidthTwips, kCaptionStripDesignRect.width, 15);
    EXPECT_EQ(strip.x, kCaptionStripDesignRect.left);
    EXPECT_EQ(strip.y, kCaptionStripDesignRect.top);
}

TEST(StatusBarLayout, LabelColoursAreStoredAsWindowsColours) {
    EXPECT_EQ(Rgb(0, 0, 128), 0x800000u);
    EXPECT_EQ(kFileLabel.background, kNavy);
    EXPECT_EQ(kFileLabel.text, Rgb(255, 255, 255));
    EXPECT_EQ(kPositionLabel.text, 0x00FF00u);
    EXPECT_EQ(kLengthLabel.background, 0u);
}

} // namespace
} // namespace brelvix
