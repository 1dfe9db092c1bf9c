#include "win_test_support.h"

#include "winutil/message_pump_win.h"

#include <windows.h>

#include <algorithm>

namespace brelvix::testing {
namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (find) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            std::wstring full = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(find.Get(), &data));
    }
    find.Reset();
    RemoveDirectoryW(folder.c_str());
}

} // namespace

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, n);
    return full.substr(0, full.find_last_of(L'\\'));
}

TempFolder::TempFolder(const std::wstring& hint) {
    wchar_t temp[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, temp);
    std::wstring base(temp, n);
    for (unsigned i = GetTickCount() % 100000;; ++i) {
        path_ =
            base + hint + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(i);
        if (CreateDirectoryW(path_.c_str(), nullptr)) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return;
    }
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

FreshProgramStore::FreshProgramStore() : store_(L"Software\\Brelvix") {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix");
}

FreshProgramStore::~FreshProgramStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix");
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (condition()) {
            return true;
        }
        ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return condition();
        }
        // Conditions may depend on other processes: look again at least every 20 ms.
        WaitForMessage(static_cast<DWORD>(std::min<ULONGLONG>(end - now, 20)));
    }
}

SecureSaverSetting::SecureSaverSetting(const wchar_t* value)
    : old_(store_.Read(L"Desktop", L"ScreenSaverIsSecure", L"")) {
    store_.Write(L"Desktop", L"ScreenSaverIsSecure", value);
}

SecureSaverSetting::~SecureSaverSetting() {
    if (!old_.empty()) {
        store_.Write(L"Desktop", L"ScreenSaverIsSecure", old_);
        return;
    }
    RegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, key.Out()) ==
        ERROR_SUCCESS) {
        RegDeleteValueW(key.Get(), L"ScreenSaverIsSecure");
    }
}

std::vector<COLORREF> WindowPixels(HWND wnd, const RECT& r) {
    WindowDc dc(wnd);
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            pixels.push_back(GetPixel(dc.Get(), x, y));
        }
    }
    return pixels;
}

int CountColour(HWND wnd, const RECT& r, COLORREF colour) {
    std::vector<COLORREF> pixels = WindowPixels(wnd, r);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

int CursorDisplayCount() {
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments) {
    std::wstring line = L"\"" + program + L"\"";
    if (!arguments.empty()) {
        line += L" " + arguments;
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &si, &pi)) {
        CloseHandle(pi.hThread);
        process_.Reset(pi.hProcess);
        id_ = pi.dwProcessId;
    }
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) {
    if (!process_) {
        return false;
    }
    // The child may send messages to windows of this thread: keep pumping.
    HANDLE process = process_.Get();
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        ULONGLONG now = GetTickCount64();
        DWORD left = now >= end ? 0 : static_cast<DWORD>(end - now);
        DWORD r = MsgWaitForMultipleObjectsEx(1, &process, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0) {
            return true;
        }
        if (r == WAIT_TIMEOUT || r == WAIT_FAILED) {
            return false;
        }
    }
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

void ChildProcess::Kill() {
    if (process_ && !WaitForExit(0)) {
        TerminateProcess(process_.Get(), 1);
        WaitForExit(5000);
    }
}

} // namespace brelvix::testing
