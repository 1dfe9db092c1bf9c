#include "winutil/cursor_win.h"

#include <windows.h>

namespace brelvix {

void HideCursor() {
    while (ShowCursor(FALSE) >= 0) {
    }
}

void RestoreCursor() {
    while (ShowCursor(TRUE) < 0) {
    }
}

CursorShownWhileUp::CursorShownWhileUp() {
    // ShowCursor only reports the count it leaves: one step up and back
    // tells whether the count was below 0.
    wasHidden_ = ShowCursor(TRUE) <= 0;
    ShowCursor(FALSE);
    if (wasHidden_) {
        RestoreCursor();
    }
}

CursorShownWhileUp::~CursorShownWhileUp() {
    if (wasHidden_) {
        HideCursor();
    }
}

} // namespace brelvix
