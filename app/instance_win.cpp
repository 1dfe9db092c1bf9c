#include "app/instance_win.h"

namespace brelvix {

std::wstring InstanceMarkerName(const std::wstring& appTitle) {
    return L"Local\\" + appTitle + L".Instance";
}

InstanceMarker::InstanceMarker(const std::wstring& appTitle)
    : mutex_(CreateMutexW(nullptr, FALSE, InstanceMarkerName(appTitle).c_str())) {
    other_ = GetLastError() == ERROR_ALREADY_EXISTS;
}

HWND FindAppWindow(const std::wstring& caption, const std::wstring& className) {
    const wchar_t* cls = className.empty() ? kFormClassName : className.c_str();
    return FindWindowW(cls, caption.c_str());
}

void RestoreAppWindow(HWND wnd) {
    ShowWindow(wnd, SW_RESTORE);
    SetForegroundWindow(wnd);
}

} // namespace brelvix
