// The date and time drawn in the full-screen saver's top-left corner, yellow
// on a black box, in Arial 32 pt.
#pragma once

#include "winutil/handles_win.h"

#include <string>

namespace brelvix {

class SaverClock {
  public:
    // Draws the present date and time on the window with its top-left corner
    // at corner (client coordinates). The font is made at the first drawing
    // and kept; the device context is taken for each drawing and given back
    // at once: the window has no device context of its own (no CS_OWNDC), so
    // GetDC lends one of the system's shared ones, which are not to be held.
    void Print(HWND wnd, POINT corner);
    // Gives the font back; the next drawing makes it again.
    void End() { font_.Reset(); }

  private:
    GdiObject font_;
};

// The present date and time with the user's date and time separators.
std::wstring ClockText();

} // namespace brelvix
