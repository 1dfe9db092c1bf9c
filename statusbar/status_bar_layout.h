// Where things sit on the song status bar, in twips. The skin is drawn for
// 15 twips per pixel; these keep the knob, the caption strip and the close
// glyph on the same pixels at other screen densities.
#pragma once

namespace brelvix {

inline constexpr int kStatusBarWidthTwips = 5250;  // 350 pixels at 15 twips per pixel
inline constexpr int kStatusBarHeightTwips = 1515; // 101 pixels
inline constexpr int kKnobTrackStartTwips = 960;
inline constexpr int kKnobTrackLengthTwips = 3960;

// Left edge of the knob for a play position in whole percent. Not clamped:
// past 100 % the knob runs past the groove's end.
int KnobLeftTwips(int percent);

struct TwipsPoint {
    int x;
    int y;
};

// The caption-button strip keeps 4 pixels from the window's top and right
// edges; the horizontal pixel size is used for both, as the design did.
TwipsPoint CaptionStripPosition(int innerWidthTwips, int stripWidthTwips, int twipsX);

// Whether a press at (x, y) on the caption strip, in the strip's own twips,
// lies on the close glyph; its edges do not count.
bool OnCloseGlyph(int xTwips, int yTwips, int stripWidthTwips, int twipsX, int twipsY);

} // namespace brelvix
