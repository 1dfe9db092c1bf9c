// The one way this program waits: dispatch what is queued, then sleep until a
// message arrives or the deadline passes. Nothing here spins.
#pragma once

#include <windows.h>

namespace brelvix {

// Dispatches every pending message; a dialog given here gets its keyboard
// navigation through IsDialogMessage.
void PumpMessages(HWND dialog = nullptr);

// Pumps messages until the given number of seconds has passed.
void Pause(double seconds, HWND dialog = nullptr);

// Sleeps until a message is queued or at most timeoutMs has passed.
void WaitForMessage(DWORD timeoutMs);

} // namespace brelvix
