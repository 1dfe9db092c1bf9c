// What happens around the setup dialog: the host's dialog is disabled while
// it is open, and a setup opened from the running saver leads back to it.
#pragma once

#include <string>

namespace brelvix {

// Runs one setup phase. Returns true when the saver is to run next (the setup
// was opened by F1 in the saver); commandText is then "/S".
bool RunSetupMode(std::wstring& commandText, bool hostStep);

} // namespace brelvix
