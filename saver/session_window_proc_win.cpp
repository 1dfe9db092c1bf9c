#include "saver/session_window_proc_win.h"

#include "base/program_state.h"
#include "music/mci_win.h"
#include "saver/input_rules_win.h"
#include "winutil/secure_saver_win.h"
#include "winutil/window_helpers_win.h"

namespace brelvix {
namespace {

ProcedureHook g_saverHook;

LRESULT SessionMouseMove(HWND wnd, WPARAM wParam, LPARAM lParam) {
    LRESULT result = g_saverHook.CallOld(wnd, WM_MOUSEMOVE, wParam, lParam);
    SaverMouseMove();
    return result;
}

} // namespace

void HookSessionWindow(HWND wnd) {
    g_saverHook.Hook(wnd, SessionWindowProc);
}

void UnhookSessionWindow(HWND wnd) {
    g_saverHook.Unhook(wnd);
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
    case WM_ACTIVATEAPP:
        // Another program's window in front of the saver would take every
        // key while the desktop is still open. A saver that locks the
        // desktop ends instead, boxes and all, and Windows locks it.
        if (!wParam && ScreenSaverIsSecure()) {
            EndSaverSession();
            CloseThreadDialogs();
        }
        return g_saverHook.CallOld(wnd, msg, wParam, lParam);
    case MM_MCINOTIFY:
        return OnMciNotifyMessage(wnd, wParam, lParam);
    default:
        return g_saverHook.CallOld(wnd, msg, wParam, lParam);
    }
}

} // namespace brelvix
