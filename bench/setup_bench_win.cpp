// How long the setup dialog takes with long play-lists: from the start of
// Brelvix.scr /C to a list that shows every stored song, from Ctrl+Down in a
// list of 1 000 songs to the list in its new order, and the save of OK over a
// stored list of 32 767 songs whose every key changes.
// Prints the figures; decides nothing.
#include "base/settings.h"
#include "setup/setup_layout.h"
#include "winutil/message_pump_win.h"
#include "winutil/registry_store_win.h"
#include "winutil/window_win.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using brelvix::Pause;

double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

void StoreSongs(int count) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix");
    brelvix::RegistryStore store(L"Software\\Brelvix");
    for (int n = 1; n <= count; ++n) {
        store.Write(brelvix::kSectionFileList, brelvix::FileListKey(n),
                    L"C:\\Music\\Song number " + std::to_wstring(n) + L".mp3");
    }
    store.Write(brelvix::kSectionSetting, brelvix::kKeyLocalFileCount, std::to_wstring(count));
    store.Write(brelvix::kSectionSetting, brelvix::kKeyMute, L"True");
}

HWND ListOf(HWND dialog) {
    return GetDlgItem(dialog, brelvix::kIdList);
}

// Starts the dialog; the milliseconds until its list holds `rows` rows, or -1
// when it has not within a minute.
double OpenWithRows(const std::wstring& scr, int rows, PROCESS_INFORMATION& pi) {
    std::wstring line = L"\"" + scr + L"\" /C";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    double start = NowMs();
    CreateProcessW(scr.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                   &pi);
    for (;;) {
        HWND dialog = FindWindowW(brelvix::kFormClassName, L"Brelvix");
        if (dialog && IsWindowVisible(dialog) &&
            SendMessageW(ListOf(dialog), LB_GETCOUNT, 0, 0) == rows) {
            return NowMs() - start;
        }
        if (NowMs() - start > 60000) {
            return -1;
        }
        Pause(0.005);
    }
}

void Close(PROCESS_INFORMATION& pi) {
    PostMessageW(FindWindowW(brelvix::kFormClassName, L"Brelvix"), WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}

std::wstring RowText(HWND list, int row) {
    wchar_t text[100] = {};
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

// The milliseconds from Ctrl+Down to the selected row one place lower, or -1
// when it has not moved within 5 s. The moved song stays selected, so each
// call moves it on.
double MoveSelectedRow() {
    HWND dialog = FindWindowW(brelvix::kFormClassName, L"Brelvix");
    HWND list = ListOf(dialog);
    SetForegroundWindow(dialog);
    Pause(0.3);
    int row = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    if (row < 0) {
        row = 0;
        SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
    std::wstring moving = RowText(list, row);
    INPUT keys[4] = {};
    const WORD order[4] = {VK_CONTROL, VK_DOWN, VK_DOWN, VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    double start = NowMs();
    SendInput(4, keys, sizeof(INPUT));
    while (RowText(list, row + 1) != moving) {
        if (NowMs() - start > 5000) {
            return -1;
        }
        Pause(0.001);
    }
    return NowMs() - start;
}

// The milliseconds OK's save takes to replace a stored list of 32 767 songs
// with one whose every path differs.
double SaveChangedList() {
    constexpr int kSongs = 32767;
    StoreSongs(kSongs);
    std::vector<std::wstring> paths;
    for (int n = 1; n <= kSongs; ++n) {
        paths.push_back(L"C:\\Music\\Another song " + std::to_wstring(n) + L".mp3");
    }
    brelvix::RegistryStore store(L"Software\\Brelvix");
    double start = NowMs();
    brelvix::SaveOptions(store, {{}, paths.front(), true, paths});
    return NowMs() - start;
}

} // namespace

// Usage: setup_bench <path of Brelvix.scr>
int main(int argc, char** argv) {
    if (argc < 2) {
        std::puts("usage: setup_bench <Brelvix.scr>");
        return 2;
    }
    std::string narrow = argv[1];
    std::wstring scr(narrow.begin(), narrow.end());
    PROCESS_INFORMATION pi{};
    for (int count : {0, 1, 1000, 32767}) {
        StoreSongs(count);
        double open = OpenWithRows(scr, count, pi);
        std::printf("setup dialog with %5d songs: shown with its list after %7.0f ms\n", count,
                    open);
        std::fflush(stdout);
        if (count == 1000) {
            for (int i = 0; i < 3; ++i) {
                std::printf("  Ctrl+Down in the list of 1000: row moved after %.1f ms\n",
                            MoveSelectedRow());
            }
        }
        Close(pi);
    }
    for (int i = 0; i < 3; ++i) {
        std::printf("OK saving 32767 changed songs: %7.0f ms\n", SaveChangedList());
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix");
    return 0;
}
