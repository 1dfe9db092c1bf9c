#include "saver_process.h"

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

} // namespace brelvix::testing
