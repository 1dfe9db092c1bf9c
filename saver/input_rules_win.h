// The saver's input rules carried out on Windows: what the key and mouse
// handlers of the saver window and the status bar call.
#pragma once

#include "statusbar/status_bar_win.h"

namespace brelvix {

// A key pressed on the saver window or the status bar: F1 asks for the setup
// dialog (unless the saver locks the desktop); every other key goes to SaverKeyDown.
void SaverKeyPress(int keyCode);
// A key other than F1: ends the saver unless the usable screen is on.
void SaverKeyDown();
// A mouse press with the button code and shift state of input_rules.h.
void SaverMouseDown(int button, int shift);
// The mouse moved over the full-screen saver or its status bar: the
// movement rule of input_rules.h, when mouse sensitivity is on.
void SaverMouseMove();
// Asks the session to end; in the full-screen mode also shows the cursor and
// lets the shell redraw the desktop.
void EndSaverSession();
void NotifyShellChange();

// Hands the status bar's keys and presses to the rules above.
StatusBarInput& SaverInputForBar();

} // namespace brelvix
