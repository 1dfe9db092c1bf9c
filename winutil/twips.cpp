#include "winutil/twips.h"

#include "saver/text_value.h"

namespace brelvix {

int TwipsToPixels(double twips, int twipsPerPixel) {
    if (twipsPerPixel <= 0) {
        return 0;
    }
    return static_cast<int>(RoundHalfEven(twips)) / twipsPerPixel;
}

} // namespace brelvix
