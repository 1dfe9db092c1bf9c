#include "about/about_box_win.h"

namespace brelvix {

void ShowAboutBox(bool /*selfClosing*/, int /*iconId*/, const std::wstring& /*hint*/) {}

void ShowSetupAbout(HWND /*setupWnd*/) {}

} // namespace brelvix
