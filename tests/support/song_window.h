// A hidden window that takes the media notices the way the program's windows
// do, and notes when each one came.
#pragma once

#include "winutil/window_win.h"

#include <vector>

namespace brelvix::testing {

// Seconds on a steady clock, for measuring gaps between events.
double ClockSeconds();

class SongWindow : public Window {
  public:
    bool Create(DWORD exStyle = 0);

    struct Notice {
        WPARAM code;
        double at; // ClockSeconds()
    };
    std::vector<Notice> notices;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

} // namespace brelvix::testing
