#include "statusbar/status_bar_layout.h"

#include "saver/text_value.h"

#include <cstdint>

namespace brelvix {

int KnobLeftTwips(int percent) {
    // 64-bit product: an out-of-range percentage moves the knob far away
    // instead of overflowing.
    double offset =
        static_cast<double>(static_cast<std::int64_t>(percent) * kKnobTrackLengthTwips) / 100.0;
    return kKnobTrackStartTwips + static_cast<int>(RoundHalfEven(offset));
}

TwipsPoint CaptionStripPosition(int innerWidthTwips, int stripWidthTwips, int twipsX) {
    return {innerWidthTwips - stripWidthTwips - 4 * twipsX, 4 * twipsX};
}

bool OnCloseGlyph(int xTwips, int yTwips, int stripWidthTwips, int twipsX, int twipsY) {
    return xTwips > stripWidthTwips - 18 * twipsX && xTwips < stripWidthTwips - 2 * twipsX &&
           yTwips > 2 * twipsY && yTwips < 16 * twipsY;
}

} // namespace brelvix
