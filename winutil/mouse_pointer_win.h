// The program-wide mouse pointer: while it is the hourglass, every window of
// the program shows it, whatever its own cursor.
#pragma once

namespace brelvix {

enum class MousePointer { Default = 0, Hourglass = 11 };

void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

// For WM_SETCURSOR: sets the program-wide pointer and returns true, or returns
// false when the window's own cursor is to be shown.
bool ApplyMousePointer();

} // namespace brelvix
