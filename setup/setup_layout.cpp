#include "setup/setup_layout.h"

#include "base/text_value.h"

namespace brelvix {
namespace {

int Whole(double twips) {
    return static_cast<int>(RoundHalfEven(twips));
}

} // namespace

TwipsCorner ProgressCorner(int innerWidth, int innerHeight, int percent, int twipsX, int twipsY) {
    double width = static_cast<double>(innerWidth - twipsX) * percent / 100.0;
    return {Whole(width), Whole(innerHeight - twipsY)};
}

TwipsCorner NamePosition(int letterWidth, int letterHeight, int innerHeight) {
    return {Whole(letterWidth) / 2, Whole(static_cast<double>(innerHeight) - letterHeight) / 2};
}

} // namespace brelvix
