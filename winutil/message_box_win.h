// Message boxes of the program. A box opened while the saver covers the
// screen must come up above the saver's top-most window, with a cursor the
// user can answer it with.
#pragma once

#include <windows.h>

#include <string>

namespace brelvix {

// A modal message box owned by owner (nullptr for none), top-most when the
// owner is, with the cursor shown while it is up. Returns the button chosen.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);

} // namespace brelvix
