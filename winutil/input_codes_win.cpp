#include "winutil/input_codes_win.h"

#include "base/input_codes.h"

namespace brelvix {
namespace {

bool KeyDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

int AltState() {
    return KeyDown(VK_MENU) ? kShiftAlt : kShiftNone;
}

} // namespace

bool IsKeyPress(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
}

int ShiftState(WPARAM mouseKeys) {
    int shift = AltState();
    if (mouseKeys & MK_SHIFT) {
        shift |= kShiftShift;
    }
    if (mouseKeys & MK_CONTROL) {
        shift |= kShiftCtrl;
    }
    return shift;
}

int KeyboardShiftState() {
    int shift = AltState();
    if (KeyDown(VK_SHIFT)) {
        shift |= kShiftShift;
    }
    if (KeyDown(VK_CONTROL)) {
        shift |= kShiftCtrl;
    }
    return shift;
}

std::optional<MousePress> PressFromMessage(UINT msg, WPARAM wParam) {
    int button = 0;
    switch (msg) {
    case WM_LBUTTONDOWN:
        button = kButtonLeft;
        break;
    case WM_RBUTTONDOWN:
        button = kButtonRight;
        break;
    case WM_MBUTTONDOWN:
        button = kButtonMiddle;
        break;
    default:
        return std::nullopt;
    }
    return MousePress{button, ShiftState(wParam)};
}

} // namespace brelvix
