// frmSS: the full-screen saver window. It covers the screen with the desktop
// snapshot (or black) and turns keys and mouse presses into the saver's
// input rules.
#pragma once

#include "winutil/graphics_win.h"

namespace brelvix {

class SaverWindow final : public PictureForm {
  public:
    // Creates the window hidden: borderless, black, at the screen's top-left
    // corner with the screen's size, maximised once shown.
    bool Load();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

SaverWindow& frmSS();

// The window that stands for the running saver, to own its message boxes:
// frmSS while it exists, else the status bar (usable screen), else nullptr.
HWND SessionWindow();

} // namespace brelvix
