// The About box, as the running saver and the setup dialog open it, and the
// shell launch behind its links.
#pragma once

#include <windows.h>

#include <string>

namespace brelvix {

// The box over the running saver, with the given icon resource and a hint
// (none when empty). selfClosing: top-most, and it closes by itself after
// 10 seconds. Returns when the box has closed. While the saver locks the
// desktop its links only close the box.
void ShowAboutBox(bool selfClosing, int iconId, const std::wstring& hint);

// What the setup dialog's "About..." runs: the box with the dialog's icon,
// until the user closes it.
void ShowSetupAbout(HWND setupWnd);

// Opens a document or address with the shell; empty when that worked, else
// the words for what went wrong.
std::wstring ShellOpen(const std::wstring& target);

} // namespace brelvix
