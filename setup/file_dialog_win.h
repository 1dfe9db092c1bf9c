// The system's file-open dialog, several files at once, wide throughout so
// that names in any script come back intact.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brelvix {

// Shows the dialog; returns one full path per chosen file, or a single empty
// path when nothing was chosen. fileName, folder and filterIndex come back
// as the user left them (unchanged when the dialog was cancelled). A choice
// too long for the dialog's buffer is told to the user, not lost silently.
std::vector<std::wstring> ShowOpenDialog(HWND owner, const std::wstring& filter,
                                         const std::wstring& title, std::wstring& fileName,
                                         std::wstring& folder, const std::wstring& defaultExt,
                                         bool mustExist, bool multiSelect, int& filterIndex);

// The system's folder picker; the chosen folder, or empty when cancelled.
std::wstring ShowFolderDialog(HWND owner, const std::wstring& title);

} // namespace brelvix
