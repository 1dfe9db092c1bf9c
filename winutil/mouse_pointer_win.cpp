#include "winutil/mouse_pointer_win.h"

#include "resources/resource_ids.h"

namespace brelvix {
namespace {

MousePointer g_pointer = MousePointer::Default;

} // namespace

void SetMousePointer(MousePointer pointer) {
    g_pointer = pointer;
    if (!ApplyMousePointer()) {
        // Back to the arrow at once; the window under the cursor sets its own
        // at the next movement.
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

bool ApplyMousePointer() {
    if (g_pointer != MousePointer::Hourglass) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

HCURSOR HandCursor() {
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
}

} // namespace brelvix
