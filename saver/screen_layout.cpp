#include "saver/screen_layout.h"

#include <algorithm>

namespace brelvix {

PixelBox CoverArea(const ScreenLayout& layout) {
    const PixelBox& v = layout.virtualScreen;
    int left = std::min(v.left, 0);
    int top = std::min(v.top, 0);
    int right = std::max(v.left + v.width, layout.primaryWidth);
    int bottom = std::max(v.top + v.height, layout.primaryHeight);
    return {left, top, right - left, bottom - top};
}

PixelPoint PrimaryCorner(const ScreenLayout& layout) {
    PixelBox cover = CoverArea(layout);
    return {-cover.left, -cover.top};
}

int OnCoverTwips(int fromPrimaryTwips, int cornerPixels, int twipsPerPixel) {
    return fromPrimaryTwips + cornerPixels * twipsPerPixel;
}

} // namespace brelvix
