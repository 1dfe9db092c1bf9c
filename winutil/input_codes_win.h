// Window messages read as the program's input codes (base/input_codes.h).
#pragma once

#include <windows.h>

#include <optional>

namespace brelvix {

// Key-down messages, including those that carry Alt.
bool IsKeyPress(UINT msg);

// The shift state of the keyboard now, or of a mouse message's key flags
// (Alt is never in those, so it is read from the keyboard).
int ShiftState(WPARAM mouseKeys);
int KeyboardShiftState();

struct MousePress {
    int button;
    int shift;
};
// The button and shift codes of a button-down message; nothing for other messages.
std::optional<MousePress> PressFromMessage(UINT msg, WPARAM wParam);

} // namespace brelvix
