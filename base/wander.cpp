#include "base/wander.h"

#include "base/text_value.h"

namespace brelvix {

int CentredOffset(int area, int size) {
    return static_cast<int>(RoundHalfEven((static_cast<double>(area) - size) / 2.0));
}

int RandomStep(double fraction, int base, int span) {
    return static_cast<int>(RoundHalfEven(fraction * span + base));
}

void BounceAxis::Advance(int step) {
    position += direction * step;
    if (position > max) {
        position = max;
        direction = -direction;
    }
    if (position < 0) {
        position = 0;
        direction = -direction;
    }
}

} // namespace brelvix
