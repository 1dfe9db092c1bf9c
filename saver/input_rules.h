// What a key, a mouse press or a mouse movement does while the saver runs.
// The saver window and the status bar share these rules; the Windows side
// only turns messages into the codes below and carries out the outcome.
#pragma once

#include "base/input_codes.h"

namespace brelvix {

enum class KeyOutcome {
    Nothing,
    EndSession, // the saver ends and the process exits
    OpenSetup,  // the saver ends and the setup dialog opens, then the saver returns
};

// secureLock: Windows shows the logon screen when the saver ends. F1 must not
// open the setup dialog on the unlocked desktop then; it ends the saver like
// any other key.
KeyOutcome DecideSaverKey(int keyCode, bool usableScreen, bool secureLock);

// Shown in the About box that a right press over the full-screen saver opens.
inline constexpr wchar_t kAboutHint[] = L"(when veloria is running press F1 for setup)";

enum class PressOutcome {
    Nothing,
    EndSession,
    AboutWithHint,    // the About box with the F1 hint, over the full-screen saver
    AboutWithoutHint, // the About box alone, beside the usable screen
};

PressOutcome DecideSaverPress(int button, int shift, bool usableScreen);

// The cursor position that mouse movement is measured from. Every session
// starts without one, and the About box over the saver drops it, so that the
// next movement takes a new one.
struct MouseReference {
    bool MouseRefTaken = false;
    struct {
        int x = 0;
        int y = 0;
    } MouseRefPoint;
};

// Movement rule for the cursor at (x, y) in screen pixels: the first position
// seen becomes the reference; a later one 3 pixels or more away from it on
// either axis ends the saver (and drops the reference).
bool MouseMoveEndsSaver(MouseReference& ref, int x, int y);

} // namespace brelvix
