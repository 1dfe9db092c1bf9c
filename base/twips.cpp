#include "base/twips.h"

#include "base/text_value.h"

namespace brelvix {

int TwipsPerPixel(int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return 15;
    }
    return static_cast<int>(RoundHalfEven(1440.0 / dotsPerInch));
}

int TwipsToPixels(double twips, int twipsPerPixel) {
    if (twipsPerPixel <= 0) {
        return 0;
    }
    return static_cast<int>(RoundHalfEven(twips)) / twipsPerPixel;
}

} // namespace brelvix
