// The About box, as the running saver and the setup dialog open it.
#pragma once

#include <windows.h>

#include <string>

namespace brelvix {

// Shows the About box modally with the given icon; selfClosing closes it by
// itself after a while, and a non-empty hint is shown in it. The box is not
// built yet: for now this returns at once, and the callers' own steps around
// it (cursor, mouse reference, top-most status bar) already run.
void ShowAboutBox(bool selfClosing, int iconId, const std::wstring& hint);

// What the setup dialog's "About..." runs: the box with the dialog's icon,
// until the user closes it.
void ShowSetupAbout(HWND setupWnd);

} // namespace brelvix
