#include "winutil/message_box_win.h"

#include "winutil/cursor_win.h"

namespace brelvix {

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    if (owner && (GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        flags |= MB_TOPMOST | MB_SETFOREGROUND;
    }
    CursorShownWhileUp cursor;
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

} // namespace brelvix
