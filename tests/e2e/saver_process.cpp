#include "saver_process.h"

#include "saver/instance_win.h"

namespace brelvix::testing {

std::wstring ScrPath() {
    return ProgramFolder() + L"\\" + BRELVIX_SCR_NAME;
}

bool RunScrToExit(const std::wstring& arguments, DWORD timeoutMs) {
    ChildProcess scr(ScrPath(), arguments);
    if (!scr.Started()) {
        return false;
    }
    if (!scr.WaitForExit(timeoutMs)) {
        scr.Kill();
        return false;
    }
    return scr.ExitCode() == 0;
}

HWND FindProcessWindow(DWORD processId) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            wchar_t cls[64] = {};
            GetClassNameW(wnd, cls, 64);
            if (owner == s->pid && wcscmp(cls, kFormClassName) == 0) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

StartOutcome StartAndSee(const std::wstring& arguments, DWORD settleMs) {
    ChildProcess scr(ScrPath(), arguments);
    if (!scr.Started()) {
        return StartOutcome::Failed;
    }
    // The first start in a new Wine prefix can take several seconds.
    WaitUntil([&] { return scr.WaitForExit(0) || FindProcessWindow(scr.Id()) != nullptr; }, 30000);
    if (scr.WaitForExit(settleMs)) {
        return scr.ExitCode() == 0 ? StartOutcome::EndedCleanly : StartOutcome::Failed;
    }
    HWND wnd = FindProcessWindow(scr.Id());
    DWORD_PTR answer = 0;
    bool responds = wnd && SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    scr.Kill();
    return responds ? StartOutcome::RunningAndResponsive : StartOutcome::Failed;
}

} // namespace brelvix::testing
