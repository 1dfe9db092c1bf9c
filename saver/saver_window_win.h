// frmSS: the full-screen saver window. It covers the screen with the desktop
// snapshot (or black) and turns keys and mouse presses into the saver's
// input rules.
#pragma once

#include "saver/screen_layout.h"
#include "winutil/graphics_win.h"

namespace brelvix {

class SaverWindow final : public PictureForm {
  public:
    // Creates the window hidden: borderless, black, over the given area of
    // the screen (in screen coordinates). It is placed rather than maximised,
    // since a maximised window fills one monitor only.
    bool Load(const PixelBox& cover);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

SaverWindow& frmSS();

// The window that stands for the running saver, to own its message boxes:
// frmSS while it exists, else the status bar (usable screen), else nullptr.
HWND SessionWindow();

} // namespace brelvix
