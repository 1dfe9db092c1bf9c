#include "winutil/message_pump_win.h"

#include "base/deadline.h"

namespace brelvix {

void PumpMessages(HWND dialog) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog && IsDialogMessageW(dialog, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void WaitForMessage(DWORD timeoutMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Pause(double seconds, HWND dialog) {
    Deadline deadline(GetTickCount64(), seconds);
    for (;;) {
        PumpMessages(dialog);
        DWORD remaining = deadline.RemainingMs(GetTickCount64());
        if (remaining == 0) {
            return;
        }
        WaitForMessage(remaining);
    }
}

} // namespace brelvix
