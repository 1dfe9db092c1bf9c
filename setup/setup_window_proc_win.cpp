#include "setup/setup_window_proc_win.h"

#include "base/program_state.h"
#include "base/setting_keys.h"
#include "music/mci_win.h"
#include "winutil/registry_store_win.h"
#include "winutil/window_helpers_win.h"

namespace brelvix {
namespace {

ProcedureHook g_setupHook;
SetupWindowCommands* g_setupCommands = nullptr;

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
    ProgramStore().Write(kSectionSetting, kKeyViewFilename, BoolText(view));
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
    } else if (wParam == kCommandAddFolder) {
        RestoreIfMinimized(wnd);
        if (g_setupCommands) {
            g_setupCommands->AddFolder();
        }
        return 0;
    }
    return DefWindowProcW(wnd, WM_SYSCOMMAND, wParam, lParam);
}

} // namespace

void SetSetupWindowCommands(SetupWindowCommands* commands) {
    g_setupCommands = commands;
}

void HookSetupWindow(HWND wnd) {
    g_setupHook.Hook(wnd, SetupWindowProc);
}

void UnhookSetupWindow(HWND wnd) {
    g_setupHook.Unhook(wnd);
}

LRESULT CALLBACK SetupWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case MM_MCINOTIFY:
        return OnMciNotifyMessage(wnd, wParam, lParam);
    case WM_SYSCOMMAND:
        return SetupSystemCommand(wnd, wParam, lParam);
    default:
        return g_setupHook.CallOld(wnd, msg, wParam, lParam);
    }
}

} // namespace brelvix
