// Whether the screen saver locks the desktop: Windows then asks for the
// password when the saver ends, so nothing the saver opens may act on the
// desktop before that.
#pragma once

namespace brelvix {

// The keys under HKEY_CURRENT_USER that hold the value, and its name.
inline constexpr wchar_t kPolicyControlPanel[] =
    L"Software\\Policies\\Microsoft\\Windows\\Control Panel";
inline constexpr wchar_t kUserControlPanel[] = L"Control Panel";
inline constexpr wchar_t kSecureValueName[] = L"ScreenSaverIsSecure";

// Asks group policy, the system and the user's setting, in the order of
// DecideSecureSaver (secure_saver.h).
bool ScreenSaverIsSecure();

} // namespace brelvix
