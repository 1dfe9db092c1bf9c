#include "saver/session_geometry.h"

namespace brelvix {

bool InClockCorner(int left, int top, int clockWidth, int clockHeight) {
    return left <= clockWidth && top <= clockHeight;
}

} // namespace brelvix
