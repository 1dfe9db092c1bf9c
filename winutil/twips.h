// Twips (1/1440 inch) to pixels, for sizes kept in twips.
#pragma once

namespace brelvix {

// The twips rounded to a whole number, then divided by the pixel size with
// the remainder dropped: a size that is not a whole number of pixels loses
// the part pixel.
int TwipsToPixels(double twips, int twipsPerPixel);

} // namespace brelvix
