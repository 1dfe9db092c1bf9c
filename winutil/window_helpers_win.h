// Behaviour the program's windows need beyond their own message handling:
// dragging a borderless window, staying on top, replacement window
// procedures for the running saver and the setup dialog, and system-menu items.
#pragma once

#include <windows.h>

#include <string>

namespace brelvix {

// System-menu commands of the setup dialog.
inline constexpr UINT kCommandAbout = 2001;
inline constexpr UINT kCommandViewFilename = 2002;

// Called from a left-button press: the window follows the mouse as if its
// caption were dragged, until the button is released.
void DragForm(HWND wnd);

// Above every window that is not top-most; position and size kept.
void SetTopMost(HWND wnd);

// The session window procedure watches mouse movement, swallows the system's
// screen-saver start while the full-screen saver runs, and records the end of
// the song. One window at a time carries it; hooking again before unhooking
// changes nothing. It takes itself off when its window is destroyed.
void HookSessionWindow(HWND wnd);
void UnhookSessionWindow(HWND wnd);
LRESULT CALLBACK SessionWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// What the setup dialog's system-menu commands reach. The dialog registers
// itself; with nothing registered the commands only do their own part.
class SetupWindowCommands {
  public:
    virtual void ShowSetupAbout() = 0;
    // Shows or hides the dialog's song-name strip.
    virtual void ShowNameStrip(bool visible) = 0;

  protected:
    ~SetupWindowCommands() = default;
};
void SetSetupWindowCommands(SetupWindowCommands* commands);

// The setup dialog's procedure: "About...", "View song statusbar" and the end
// of the previewed song. Same rules as the session pair.
void HookSetupWindow(HWND wnd);
void UnhookSetupWindow(HWND wnd);
LRESULT CALLBACK SetupWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Appends an item to the window's system menu, after a separator if asked.
// Nothing happens for a null window.
void AddSystemMenuItem(HWND wnd, UINT id, const std::wstring& caption, bool withSeparator);
void CheckSystemMenuItem(HWND wnd, UINT id, bool checked);

} // namespace brelvix
