// Finding an instance of the program that is already running.
#pragma once

#include "winutil/handles_win.h"
#include "winutil/window_win.h"

#include <string>

namespace brelvix {

// Held for the life of the process: a second instance in the same logon
// session sees that the name is taken.
class InstanceMarker {
  public:
    explicit InstanceMarker(const std::wstring& appTitle);
    bool OtherInstanceRunning() const { return other_; }

  private:
    KernelHandle mutex_;
    bool other_ = false;
};

std::wstring InstanceMarkerName(const std::wstring& appTitle);

// A top-level window with this caption and class (the program's own class
// when className is empty), or nullptr.
HWND FindAppWindow(const std::wstring& caption, const std::wstring& className = L"");
void RestoreAppWindow(HWND wnd);

} // namespace brelvix
