// Whether the screen saver locks the desktop: Windows then asks for the
// password when the saver ends, so nothing the saver opens may act on the
// desktop before that.
#pragma once

namespace brelvix {

// The system's answer; where the system call does not answer (Wine), the
// user's "ScreenSaverIsSecure" setting under Control Panel\Desktop.
bool ScreenSaverIsSecure();

} // namespace brelvix
