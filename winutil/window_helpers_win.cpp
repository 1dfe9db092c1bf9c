#include "winutil/window_helpers_win.h"

#include <cwchar>
#include <iterator>

namespace brelvix {
namespace {

void InsertAtEnd(HMENU menu, MENUITEMINFOW& item) {
    int count = GetMenuItemCount(menu);
    InsertMenuItemW(menu, count < 0 ? 0 : static_cast<UINT>(count), TRUE, &item);
}

BOOL CALLBACK CloseIfDialog(HWND wnd, LPARAM) {
    wchar_t className[16] = {};
    GetClassNameW(wnd, className, static_cast<int>(std::size(className)));
    if (wcscmp(className, L"#32770") == 0) {
        PostMessageW(wnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace

void CloseThreadDialogs() {
    EnumThreadWindows(GetCurrentThreadId(), CloseIfDialog, 0);
}

void DragForm(HWND wnd) {
    ReleaseCapture();
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void SetTopMost(HWND wnd) {
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

bool IsSystemCommand(WPARAM wParam, UINT command) {
    return (wParam & 0xFFF0) == command;
}

void AddSystemMenuItem(HWND wnd, UINT id, const std::wstring& caption, bool withSeparator) {
    if (!wnd) {
        return;
    }
    HMENU menu = GetSystemMenu(wnd, FALSE);
    if (withSeparator) {
        MENUITEMINFOW separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        separator.fType = MFT_SEPARATOR;
        InsertAtEnd(menu, separator);
    }
    std::wstring text = caption; // the menu keeps its own copy
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    item.fType = MFT_STRING;
    item.fState = MFS_ENABLED | MFS_UNCHECKED;
    item.wID = id;
    item.dwTypeData = text.data();
    item.cch = static_cast<UINT>(caption.size());
    InsertAtEnd(menu, item);
}

void CheckSystemMenuItem(HWND wnd, UINT id, bool checked) {
    if (!wnd) {
        return;
    }
    HMENU menu = GetSystemMenu(wnd, FALSE);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    GetMenuItemInfoW(menu, id, FALSE, &item);
    item.fState = checked ? item.fState | MFS_CHECKED : item.fState & ~MFS_CHECKED;
    SetMenuItemInfoW(menu, id, FALSE, &item);
}

} // namespace brelvix
