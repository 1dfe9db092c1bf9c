#include "song_window.h"

#include "music/mci_state.h"

#include <mmsystem.h>

namespace brelvix::testing {

double ClockSeconds() {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool SongWindow::Create(DWORD exStyle) {
    return CreateForm(exStyle, WS_POPUP, L"Song window", 0, 0, 10, 10, nullptr);
}

LRESULT SongWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Default(msg, wParam, lParam);
    if (msg == MM_MCINOTIFY) {
        notices.push_back({wParam, ClockSeconds()});
        OnMciNotify(Mci(), wParam);
    }
    return result;
}

} // namespace brelvix::testing
