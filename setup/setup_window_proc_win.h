// The procedure that replaces the setup dialog's window procedure: its
// system-menu commands, "About...", "View song statusbar" and "Add folder...",
// and the end of the song it plays.
#pragma once

#include <windows.h>

namespace brelvix {

// Our own system-menu items. WM_SYSCOMMAND brings their ids back whole, so
// they are compared whole: only the system's SC_* commands (0xF000 and up)
// carry its bits in the low four, and masked with 0xFFF0 these ids would all
// read 2000.
inline constexpr UINT kCommandAbout = 2001;
inline constexpr UINT kCommandViewFilename = 2002;
inline constexpr UINT kCommandAddFolder = 2003;

// What the commands reach in the dialog. The dialog registers itself; with
// nothing registered the commands only do their own part.
class SetupWindowCommands {
  public:
    virtual void ShowSetupAbout() = 0;
    // Shows or hides the dialog's song-name strip.
    virtual void ShowNameStrip(bool visible) = 0;
    virtual void AddFolder() = 0;

  protected:
    ~SetupWindowCommands() = default;
};
void SetSetupWindowCommands(SetupWindowCommands* commands);

void HookSetupWindow(HWND wnd);
void UnhookSetupWindow(HWND wnd);
LRESULT CALLBACK SetupWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace brelvix
