// Where the full-screen saver's parts go when the desktop spans several
// monitors: its cover and the snapshot span them all, while the clock and
// the wandering status bar keep to the primary monitor as on a single screen.
#pragma once

namespace brelvix {

struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const PixelBox& a, const PixelBox& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// The screens as the system reports them, in pixels. Screen coordinates put
// the primary monitor's top-left corner at (0, 0), so the virtual screen (the
// rectangle round every monitor) starts left of or above it when a monitor
// lies there.
struct ScreenLayout {
    PixelBox virtualScreen;
    int primaryWidth = 0;
    int primaryHeight = 0;
};

// What the saver window covers and the snapshot copies, in screen
// coordinates: the virtual screen, widened where needed to hold the primary
// monitor (a system that reports no virtual screen gives just the primary).
PixelBox CoverArea(const ScreenLayout& layout);

// The primary monitor's top-left corner in the cover's client area: where the
// clock is drawn and where the bar's wandering counts from.
PixelPoint PrimaryCorner(const ScreenLayout& layout);

// A position counted from the primary monitor's corner, in twips, as a
// position in the cover's client area.
int OnCoverTwips(int fromPrimaryTwips, int cornerPixels, int twipsPerPixel);

} // namespace brelvix
