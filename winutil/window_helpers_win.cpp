#include "winutil/window_helpers_win.h"

#include "music/mci_state.h"
#include "saver/input_rules.h"
#include "saver/input_rules_win.h"
#include "saver/program_state.h"
#include "saver/registry_store_win.h"

#include <mmsystem.h>

namespace brelvix {
namespace {

// The procedures the two hooks replaced; nullptr while a hook is off.
WNDPROC SaverOldProc = nullptr;
WNDPROC SetupOldProc = nullptr;
SetupWindowCommands* g_setupCommands = nullptr;

void Hook(WNDPROC& oldProc, HWND wnd, WNDPROC proc) {
    if (oldProc || !wnd) {
        return;
    }
    oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void Unhook(WNDPROC& oldProc, HWND wnd) {
    if (!oldProc) {
        return;
    }
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    oldProc = nullptr;
}

// Passes a message on to the replaced procedure; at WM_NCDESTROY the hook is
// taken off first, so no window dies with a replaced procedure.
LRESULT CallOld(WNDPROC& oldProc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC old = oldProc;
    if (msg == WM_NCDESTROY) {
        Unhook(oldProc, wnd);
    }
    return old ? CallWindowProcW(old, wnd, msg, wParam, lParam)
               : DefWindowProcW(wnd, msg, wParam, lParam);
}

LRESULT OnMciNotifyMessage(HWND wnd, WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProcW(wnd, MM_MCINOTIFY, wParam, lParam);
    OnMciNotify(Mci(), wParam);
    return result;
}

bool IsSystemCommand(WPARAM wParam, UINT command) {
    // The low four bits of a system command are the system's own.
    return (wParam & 0xFFF0) == command;
}

LRESULT SessionMouseMove(HWND wnd, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallOld(SaverOldProc, wnd, WM_MOUSEMOVE, wParam, lParam);
    const Options& opt = Program().Opt;
    if (opt.MouseMove && !opt.UsableScreen) {
        POINT now{};
        GetCursorPos(&now);
        if (MouseMoveEndsSaver(MouseRef(), now.x, now.y)) {
            EndSaverSession();
        }
    }
    return result;
}

void RestoreIfMinimized(HWND wnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(wnd, &placement);
    if (placement.showCmd == SW_MINIMIZE || placement.showCmd == SW_SHOWMINIMIZED) {
        ShowWindow(wnd, SW_RESTORE);
    }
}

void ToggleViewFilename(HWND wnd) {
    bool& view = Program().Opt.ViewFilename;
    view = !view;
    CheckSystemMenuItem(wnd, kCommandViewFilename, view);
    ProgramStore().Write(kSectionSetting, L"ViewFilename", BoolText(view));
    if (g_setupCommands) {
        g_setupCommands->ShowNameStrip(view);
    }
}

LRESULT SetupSystemCommand(HWND wnd, WPARAM wParam, LPARAM lParam) {
    if (wParam == kCommandAbout) {
        RestoreIfMinimized(wnd);
        if (g_setupCommands) {
            g_setupCommands->ShowSetupAbout();
        }
    } else if (wParam == kCommandViewFilename) {
        ToggleViewFilename(wnd);
        return 0;
    }
    return DefWindowProcW(wnd, WM_SYSCOMMAND, wParam, lParam);
}

void InsertAtEnd(HMENU menu, MENUITEMINFOW& item) {
    int count = GetMenuItemCount(menu);
    InsertMenuItemW(menu, count < 0 ? 0 : static_cast<UINT>(count), TRUE, &item);
}

} // namespace

void DragForm(HWND wnd) {
    ReleaseCapture();
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void SetTopMost(HWND wnd) {
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void HookSessionWindow(HWND wnd) {
    Hook(SaverOldProc, wnd, SessionWindowProc);
}

void UnhookSessionWindow(HWND wnd) {
    Unhook(SaverOldProc, wnd);
}

LRESULT CALLBACK SessionWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        // No second screen saver over the full-screen one.
        if (IsSystemCommand(wParam, SC_SCREENSAVE) && !Program().Opt.UsableScreen) {
            return 0;
        }
        return DefWindowProcW(wnd, msg, wParam, lParam);
    case WM_MOUSEMOVE:
        return SessionMouseMove(wnd, wParam, lParam);
    case MM_MCINOTIFY:
        return OnMciNotifyMessage(wnd, wParam, lParam);
    default:
        return CallOld(SaverOldProc, wnd, msg, wParam, lParam);
    }
}

void SetSetupWindowCommands(SetupWindowCommands* commands) {
    g_setupCommands = commands;
}

void HookSetupWindow(HWND wnd) {
    Hook(SetupOldProc, wnd, SetupWindowProc);
}

void UnhookSetupWindow(HWND wnd) {
    Unhook(SetupOldProc, wnd);
}

LRESULT CALLBACK SetupWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case MM_MCINOTIFY:
        return OnMciNotifyMessage(wnd, wParam, lParam);
    case WM_SYSCOMMAND:
        return SetupSystemCommand(wnd, wParam, lParam);
    default:
        return CallOld(SetupOldProc, wnd, msg, wParam, lParam);
    }
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
