// Where Windows keeps the answer to whether the screen saver locks the
// desktop, and which answer wins.
#pragma once

#include <optional>
#include <string_view>

namespace brelvix {

// What each place says. Group policy sets its value as the text "1" or "0"
// under HKCU\Software\Policies\...\Control Panel\Desktop and overrides the
// user: any other text (an absent value reads as empty) leaves the choice
// to the system's answer, and where the system gives none (Wine), to the
// user's own "ScreenSaverIsSecure" under Control Panel\Desktop, a number.
struct SecureSaverSources {
    std::wstring_view policy;
    std::optional<bool> system;
    std::wstring_view user;
};

bool DecideSecureSaver(const SecureSaverSources& sources);

} // namespace brelvix
