// A picture box: a child window that keeps whatever is drawn on it (it
// paints from its own memory image, so a window passing over it erases
// nothing), reports mouse presses to its owner and may show its own cursor.
#pragma once

#include "winutil/graphics_win.h"
#include "winutil/window_win.h"

namespace brelvix {

class PictureBox : public Window {
  public:
    class Presses {
      public:
        // Button and shift codes of base/input_codes.h.
        virtual void Pressed(int id, int button, int shift) = 0;

      protected:
        ~Presses() = default;
    };

    // A child of parent with the control id and pixel rectangle, filled with
    // its back colour.
    bool Create(HWND parent, int id, const RECT& pixels, COLORREF back);
    void SetPresses(Presses* presses) { presses_ = presses; }
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

    // Draw on Dc(), then Refresh() to show it.
    HDC Dc() const { return picture_.Dc(); }
    void Clear();
    void Refresh();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override { picture_.Clear(); }

  private:
    PersistentPicture picture_;
    COLORREF back_ = RGB(255, 255, 255);
    Presses* presses_ = nullptr;
    HCURSOR cursor_ = nullptr;
};

} // namespace brelvix
