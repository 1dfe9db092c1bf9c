// What happens around the setup dialog: the host's dialog is disabled while
// it is open, and a setup opened from the running saver leads back to it.
#pragma once

#include "music/play_list.h"

#include <string>

namespace brelvix {

// Runs one setup phase on the program's play-list. Returns true when the
// saver is to run next (fromSaver: the setup was opened by F1 in the saver);
// commandText is then "/S".
bool RunSetupMode(MusicState& music, std::wstring& commandText, bool hostStep, bool fromSaver);

} // namespace brelvix
