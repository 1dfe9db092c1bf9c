// The program-wide mouse pointer: while it is the hourglass, every window of
// the program shows it, whatever its own cursor.
#pragma once

#include <windows.h>

namespace brelvix {

enum class MousePointer { Default = 0, Hourglass = 11 };

void SetMousePointer(MousePointer pointer);

// For WM_SETCURSOR: sets the program-wide pointer and returns true, or returns
// false when the window's own cursor is to be shown.
bool ApplyMousePointer();

// The hourglass for the life of the object, then the default pointer again,
// whatever path the code leaves by.
class BusyPointer {
  public:
    BusyPointer() { SetMousePointer(MousePointer::Hourglass); }
    ~BusyPointer() { SetMousePointer(MousePointer::Default); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The program's own pointing hand (cursor resource 101), not the system's.
HCURSOR HandCursor();

} // namespace brelvix
