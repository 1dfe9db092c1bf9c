#include "statusbar/status_bar_layout.h"

#include "base/input_codes.h"
#include "base/text_value.h"

#include <cstdint>

namespace brelvix {

int KnobLeftTwips(int percent) {
    // 64-bit product: an out-of-range percentage moves the knob far away
    // instead of overflowing.
    double offset =
        static_cast<double>(static_cast<std::int64_t>(percent) * kKnobTrackLengthTwips) / 100.0;
    return kKnobTrackStartTwips + static_cast<int>(RoundHalfEven(offset));
}

TwipsRect CaptionStripRect(int innerWidthTwips, int twipsX, int twipsY) {
    int width = kCaptionStripPixelWidth * twipsX;
    return {innerWidthTwips - width - 4 * twipsX, 4 * twipsX, width,
            kCaptionStripPixelHeight * twipsY};
}

bool OnCloseGlyph(int xTwips, int yTwips, int twipsX, int twipsY) {
    int left = kCloseGlyphLeftPixel;
    return xTwips > left * twipsX && xTwips < (left + kGlyphPixelWidth) * twipsX &&
           yTwips > kGlyphTopPixel * twipsY &&
           yTwips < (kGlyphTopPixel + kGlyphPixelHeight) * twipsY;
}

StatusBarPress DecideStatusBarPress(int button, int shift, bool usableScreen, bool onCaptionStrip,
                                    bool onCloseGlyph) {
    bool plainLeft = button == kButtonLeft && shift == kShiftNone;
    if (onCaptionStrip) {
        // The strip never passes a press on to the saver: its other glyphs
        // are only pictures.
        return onCloseGlyph && plainLeft && usableScreen ? StatusBarPress::CloseGlyph
                                                         : StatusBarPress::Nothing;
    }
    return plainLeft && usableScreen ? StatusBarPress::Drag : StatusBarPress::SaverPress;
}

} // namespace brelvix
