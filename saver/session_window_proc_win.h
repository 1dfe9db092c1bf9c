// The procedure that replaces the running saver's window procedure: it
// watches mouse movement, swallows the system's screen-saver start while the
// full-screen saver runs, and records the end of the song.
#pragma once

#include <windows.h>

namespace brelvix {

// One window at a time carries it: frmSS, or the status bar on the usable screen.
void HookSessionWindow(HWND wnd);
void UnhookSessionWindow(HWND wnd);
LRESULT CALLBACK SessionWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace brelvix
