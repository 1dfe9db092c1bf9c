// The saver's input rules carried out on Windows: what the key and mouse
// handlers of the saver window and the status bar call.
#pragma once

#include <windows.h>

#include <optional>

namespace brelvix {

// A key pressed on the saver window or the status bar: F1 asks for the setup
// dialog (unless the saver locks the desktop); every other key goes to SaverKeyDown.
void SaverKeyPress(int keyCode);
// A key other than F1: ends the saver unless the usable screen is on.
void SaverKeyDown();
// A mouse press with the button code and shift state of input_rules.h.
void SaverMouseDown(int button, int shift);
// Asks the session to end; in the full-screen mode also shows the cursor,
// lets the shell redraw the desktop and gives back the clock's drawing state.
void EndSaverSession();
void NotifyShellChange();

// Whether Windows shows the logon screen when the saver ends. Where the
// system call does not answer, the user's "ScreenSaverIsSecure" setting does.
bool ScreenSaverIsSecure();

// Key-down messages, including those that carry Alt.
bool IsKeyPress(UINT msg);

struct MousePress {
    int button;
    int shift;
};
// The button and shift codes of a button-down message; nothing for other messages.
std::optional<MousePress> PressFromMessage(UINT msg, WPARAM wParam);

} // namespace brelvix
