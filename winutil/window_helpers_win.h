// Behaviour the program's windows need beyond their own message handling:
// dragging a borderless window, staying on top, and system-menu items.
#pragma once

#include <windows.h>

#include <string>

namespace brelvix {

// Called from a left-button press: the window follows the mouse as if its
// caption were dragged, until the button is released.
void DragForm(HWND wnd);

// Above every window that is not top-most; position and size kept.
void SetTopMost(HWND wnd);

// Asks every dialog box of the calling thread (message boxes among them) to
// close as Esc would, so that the modal loops they run return.
void CloseThreadDialogs();

// Whether a WM_SYSCOMMAND's wParam is the system's SC_* command; the system
// uses the low four bits of those for itself. Not for a program's own menu
// ids, which arrive unchanged and need every bit.
bool IsSystemCommand(WPARAM wParam, UINT command);

// Appends an item to the window's system menu, after a separator if asked.
// Nothing happens for a null window.
void AddSystemMenuItem(HWND wnd, UINT id, const std::wstring& caption, bool withSeparator);
void CheckSystemMenuItem(HWND wnd, UINT id, bool checked);

} // namespace brelvix
