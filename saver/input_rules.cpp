#include "saver/input_rules.h"

#include <cstdlib>

namespace brelvix {

KeyOutcome DecideSaverKey(int keyCode, bool usableScreen, bool secureLock) {
    if (usableScreen) {
        return KeyOutcome::Nothing;
    }
    return keyCode == kKeyF1 && !secureLock ? KeyOutcome::OpenSetup : KeyOutcome::EndSession;
}

PressOutcome DecideSaverPress(int button, int shift, bool usableScreen) {
    if (shift != kShiftNone) {
        return PressOutcome::Nothing;
    }
    if (button == kButtonRight) {
        return usableScreen ? PressOutcome::AboutWithoutHint : PressOutcome::AboutWithHint;
    }
    if (button == kButtonLeft && !usableScreen) {
        return PressOutcome::EndSession;
    }
    return PressOutcome::Nothing;
}

bool MouseMoveEndsSaver(MouseReference& ref, int x, int y) {
    constexpr int kTolerance = 2;
    if (!ref.MouseRefTaken) {
        ref.MouseRefPoint.x = x;
        ref.MouseRefPoint.y = y;
        ref.MouseRefTaken = true;
        return false;
    }
    long long dx = static_cast<long long>(x) - ref.MouseRefPoint.x;
    long long dy = static_cast<long long>(y) - ref.MouseRefPoint.y;
    if (std::llabs(dx) <= kTolerance && std::llabs(dy) <= kTolerance) {
        return false;
    }
    ref.MouseRefTaken = false;
    return true;
}

} // namespace brelvix
