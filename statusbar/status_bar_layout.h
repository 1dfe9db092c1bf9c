// Where things sit on the song status bar, in twips. The skin is drawn for
// 15 twips per pixel; these keep the knob, the caption strip and the close
// glyph on the same pixels at other screen densities.
#pragma once

#include "base/twips.h"

namespace brelvix {

inline constexpr int kStatusBarWidthTwips = 5250;  // 350 pixels at 15 twips per pixel
inline constexpr int kStatusBarHeightTwips = 1515; // 101 pixels
inline constexpr int kKnobTrackStartTwips = 960;
inline constexpr int kKnobTrackLengthTwips = 3960;

// Left edge of the knob for a play position in whole percent. Not clamped:
// past 100 % the knob runs past the groove's end.
int KnobLeftTwips(int percent);

// The caption-button strip is exactly as big as its 54 x 18 picture, so its
// size in twips follows the screen's pixel size; it keeps 4 pixels from the
// window's top and right edges (the horizontal pixel size is used for both,
// as the design did).
inline constexpr int kCaptionStripPixelWidth = 54;
inline constexpr int kCaptionStripPixelHeight = 18;
TwipsRect CaptionStripRect(int innerWidthTwips, int twipsX, int twipsY);

// The strip's glyphs, in its own pixels: each as wide and tall as these, at
// the same top, the close glyph at the right.
inline constexpr int kGlyphTopPixel = 2;
inline constexpr int kGlyphPixelWidth = 16;
inline constexpr int kGlyphPixelHeight = 14;
inline constexpr int kCloseGlyphLeftPixel = 36;

// Whether a press at (x, y) on the caption strip, in the strip's own twips,
// lies on the close glyph; its edges do not count. The same pixels of the
// strip count at every screen density.
bool OnCloseGlyph(int xTwips, int yTwips, int twipsX, int twipsY);

enum class StatusBarPress {
    Drag,       // the bar follows the mouse
    SaverPress, // handled as a press on the saver window
    CloseGlyph, // ends the session
    Nothing,
};

// A press on the status bar (button and shift codes of base/input_codes.h);
// onCaptionStrip and onCloseGlyph say where it landed.
StatusBarPress DecideStatusBarPress(int button, int shift, bool usableScreen, bool onCaptionStrip,
                                    bool onCloseGlyph);

// A colour as Windows stores it: 0x00BBGGRR.
constexpr unsigned Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

inline constexpr unsigned kNavy = Rgb(0, 0, 128);
inline constexpr unsigned kWhite = Rgb(255, 255, 255);
inline constexpr unsigned kBlack = Rgb(0, 0, 0);
inline constexpr unsigned kDisplayGreen = Rgb(0, 255, 0);
inline constexpr unsigned kFormGrey = Rgb(128, 128, 128);
inline constexpr unsigned kFaceGrey = Rgb(192, 192, 192);

// The three text labels: where they sit and how they look. Font sizes are in
// hundredths of a point (9.75 pt is 975).
struct LabelLook {
    TwipsRect rect;
    const wchar_t* face;
    int centiPoints;
    bool bold;
    unsigned background;
    unsigned text;
};

inline constexpr LabelLook kFileLabel{
    {330, 90, 3975, 240}, L"MS Sans Serif", 975, false, kNavy, kWhite};
inline constexpr LabelLook kPositionLabel{
    {1440, 450, 1050, 405}, L"Times New Roman", 1800, true, kBlack, kDisplayGreen};
inline constexpr LabelLook kLengthLabel{
    {150, 660, 600, 240}, L"Times New Roman", 975, false, kBlack, kDisplayGreen};

// The window's own font, in which the session measures the clock text.
inline constexpr wchar_t kStatusBarFontFace[] = L"MS Sans Serif";
inline constexpr int kStatusBarFontCentiPoints = 825;

// The knob picture; its design position is the 100 % position.
inline constexpr TwipsRect kKnobDesignRect{4920, 1110, 135, 270};

} // namespace brelvix
