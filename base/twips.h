// Twips (1/1440 inch) and pixels, for sizes kept in twips.
#pragma once

namespace brelvix {

// Twips per pixel on a screen of the given dots per inch, to the nearest
// whole number, a half going to the even side (192 dpi gives 8); 15 when the
// screen gives no density.
int TwipsPerPixel(int dotsPerInch);

// The twips rounded to a whole number, then divided by the pixel size with
// the remainder dropped: a size that is not a whole number of pixels loses
// the part pixel.
int TwipsToPixels(double twips, int twipsPerPixel);

// A control's place as a form designer gives it: left, top, width, height.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

} // namespace brelvix
