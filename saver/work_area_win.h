// Where the saver may put its status bar, and how the bar joins the saver window.
#pragma once

#include <windows.h>

namespace brelvix {

// The desktop area not covered by task bars, in pixels.
RECT GetWorkArea();

// Makes a top-level window a child of another: its style loses WS_POPUP and
// gains WS_CHILD before it is re-parented, so that it moves with its parent.
void SetFormParent(HWND form, HWND newParent);

} // namespace brelvix
