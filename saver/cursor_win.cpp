#include "saver/cursor_win.h"

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

} // namespace brelvix
