// How the status bar wanders over the saver screen: it starts centred, takes
// a random step on each axis every pass and bounces off the area's edges.
#pragma once

namespace brelvix {

// Offset that centres a size in an area, a half twip going to the even side.
int CentredOffset(int area, int size);

// A step of base to base + span, from a uniform fraction in [0, 1).
int RandomStep(double fraction, int base, int span);

// One axis of the bounce: position in 0 ... max, direction +1 or -1.
struct BounceAxis {
    int position = 0;
    int max = 0;
    int direction = 1;

    // Moves by step in the current direction; past an edge the position is
    // put on the edge and the direction flips. With max below 0 (the bar is
    // larger than the area) both tests fire and the position stays 0.
    void Advance(int step);
};

// Whether the status bar's top-left corner lies in the rectangle where the
// clock text is drawn at the screen's top-left corner.
bool InClockCorner(int left, int top, int clockWidth, int clockHeight);

} // namespace brelvix
