// Runs Brelvix.scr "/S" for a while and watches it from outside: every song
// change (the saver records each new song under "MusicFile") is counted as it
// happens, and once a minute the process's handle, GDI and USER object counts
// and working set are printed. Prints the figures; decides nothing.
#include "base/setting_keys.h"
#include "winutil/handles_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using brelvix::KernelHandle;
using brelvix::RegKey;

constexpr wchar_t kSettingKey[] = L"Software\\Brelvix\\Setting";

std::wstring MusicFile(HKEY key) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(key, nullptr, brelvix::kKeyMusicFile, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return L"";
    }
    return value;
}

// Song changes seen through registry change notices: no polling.
class SongChangeCounter {
  public:
    bool Open() {
        RegOpenKeyExW(HKEY_CURRENT_USER, kSettingKey, 0, KEY_READ | KEY_NOTIFY, key_.Out());
        event_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
        last_ = key_ ? MusicFile(key_.Get()) : L"";
        return key_ && event_ && Arm();
    }
    HANDLE Event() const { return event_.Get(); }
    void Notice() {
        std::wstring now = MusicFile(key_.Get());
        if (now != last_) {
            ++changes_;
            last_ = now;
        }
        Arm();
    }
    long Changes() const { return changes_; }

  private:
    bool Arm() {
        return RegNotifyChangeKeyValue(key_.Get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, event_.Get(),
                                       TRUE) == ERROR_SUCCESS;
    }
    RegKey key_;
    KernelHandle event_;
    std::wstring last_;
    long changes_ = 0;
};

struct WindowCount {
    DWORD processId;
    int windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == reinterpret_cast<WindowCount*>(data)->processId) {
        CountChild(window, data);
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

// The process's own windows, children included: the USER objects that can be
// counted from outside where GetGuiResources answers 0 (Wine does).
int CountWindows(DWORD processId) {
    WindowCount count{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

// The process's handles as the system's handle list gives them: Wine answers
// GetProcessHandleCount with 0, but lists every handle its server holds.
long ListedHandles(DWORD processId) {
    struct Entry {
        ULONG processId;
        BYTE type;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    while (NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                    static_cast<ULONG>(buffer.size()), &needed) ==
           static_cast<NTSTATUS>(0xC0000004L)) { // STATUS_INFO_LENGTH_MISMATCH
        buffer.resize(buffer.size() * 2);
    }
    ULONG count = *reinterpret_cast<ULONG*>(buffer.data());
    const Entry* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    long mine = 0;
    for (ULONG i = 0; i < count && sizeof(ULONG_PTR) + (i + 1) * sizeof(Entry) <= buffer.size();
         ++i) {
        mine += entries[i].processId == processId;
    }
    return mine;
}

void PrintSample(int minute, HANDLE process, long changes) {
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    std::printf(
        "minute %3d  songs %5ld  handles %4lu (listed %4ld)  gdi %4lu  user %4lu  windows %2d  "
        "working-set-kb %7zu  private-kb %7zu\n",
        minute, changes, handles, ListedHandles(GetProcessId(process)),
        GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
        CountWindows(GetProcessId(process)), memory.WorkingSetSize / 1024,
        memory.PagefileUsage / 1024);
    std::fflush(stdout);
}

// Sleeps until the deadline, counting each song change on the way.
void WatchUntil(ULONGLONG deadline, HANDLE process, SongChangeCounter& songs) {
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        HANDLE events[] = {songs.Event(), process};
        DWORD woke = MsgWaitForMultipleObjectsEx(2, events, static_cast<DWORD>(deadline - now),
                                                 QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) {
            songs.Notice();
        } else if (woke == WAIT_OBJECT_0 + 1) {
            return;
        } else {
            brelvix::PumpMessages();
        }
    }
}

// Ends the saver as a user would, with a key on its window.
bool EndSaver(HANDLE process) {
    HWND cover = FindWindowW(brelvix::kFormClassName, L"");
    PostMessageW(cover, WM_KEYDOWN, VK_SPACE, 0);
    if (WaitForSingleObject(process, 10000) == WAIT_OBJECT_0) {
        return true;
    }
    TerminateProcess(process, 1);
    return false;
}

} // namespace

// Usage: soak_sampler <path of Brelvix.scr> <minutes>
int main(int argc, char** argv) {
    if (argc < 3) {
        std::puts("usage: soak_sampler <Brelvix.scr> <minutes>");
        return 2;
    }
    int minutes = std::atoi(argv[2]);
    std::string command = std::string("\"") + argv[1] + "\" /S";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::puts("could not start the saver");
        return 1;
    }
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);
    SongChangeCounter songs;
    if (!songs.Open()) {
        std::puts("cannot watch the settings key");
    }
    ULONGLONG start = GetTickCount64();
    for (int minute = 1; minute <= minutes; ++minute) {
        WatchUntil(start + 60000ULL * minute, process.Get(), songs);
        if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.Get(), &code);
            std::printf("the saver ended by itself in minute %d, exit code 0x%lx\n", minute, code);
            return 1;
        }
        PrintSample(minute, process.Get(), songs.Changes());
    }
    // Time for the script to read what Linux sees of the last sample.
    WatchUntil(GetTickCount64() + 5000, process.Get(), songs);
    std::printf("song changes %ld; saver ended on a key: %s\n", songs.Changes(),
                EndSaver(process.Get()) ? "yes" : "no");
    return 0;
}
