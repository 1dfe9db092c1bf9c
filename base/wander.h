// How a picture wanders over an area: it starts centred, takes a random step
// on each axis every pass and bounces off the area's edges. The saver's
// status bar and the preview's miniature move the same way.
#pragma once

namespace brelvix {

// Offset that centres a size in an area, a half going to the even side.
int CentredOffset(int area, int size);

// A step of base to base + span, from a uniform fraction in [0, 1).
int RandomStep(double fraction, int base, int span);

// One axis of the bounce: position in 0 ... max, direction +1 or -1.
struct BounceAxis {
    int position = 0;
    int max = 0;
    int direction = 1;

    // Moves by step in the current direction; past an edge the position is
    // put on the edge and the direction flips. With max below 0 (the picture
    // is larger than the area) both tests fire and the position stays 0.
    void Advance(int step);
};

} // namespace brelvix
