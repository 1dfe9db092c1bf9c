// Where the status bar may be over the full-screen saver. How it wanders is
// base/wander.h.
#pragma once

namespace brelvix {

// Whether the status bar's top-left corner lies in the rectangle where the
// clock text is drawn at the screen's top-left corner.
bool InClockCorner(int left, int top, int clockWidth, int clockHeight);

} // namespace brelvix
