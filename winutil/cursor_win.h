// The saver hides the mouse cursor while it covers the screen.
#pragma once

namespace brelvix {

// ShowCursor keeps a display count: these step it until the cursor is hidden
// (count below 0) or shown (count 0 or more), however often they are called.
void HideCursor();
void RestoreCursor();

// Shows the cursor for its lifetime and hides it again afterwards if it was
// hidden before: for a box the user must answer while the saver runs.
class CursorShownWhileUp {
  public:
    CursorShownWhileUp();
    ~CursorShownWhileUp();
    CursorShownWhileUp(const CursorShownWhileUp&) = delete;
    CursorShownWhileUp& operator=(const CursorShownWhileUp&) = delete;

  private:
    bool wasHidden_;
};

} // namespace brelvix
