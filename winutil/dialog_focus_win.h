// The keyboard focus of a plain window that is driven through
// IsDialogMessage, kept as a dialog's own procedure keeps it: the dialog
// manager moves it with WM_NEXTDLGCTL (a mnemonic on a frame or label gives
// it to the next control), and it comes back to the control that had it
// when the window is activated again.
#pragma once

#include <windows.h>

namespace brelvix {

class DialogFocus {
  public:
    // Call for every message of the window first; true when the message was
    // handled here. WM_ACTIVATE is only watched: it still needs the default.
    bool Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    void MoveTo(HWND dialog, WPARAM wParam, LPARAM lParam);
    void Restore(HWND dialog, HWND previous);

    HWND saved_ = nullptr;
};

} // namespace brelvix
