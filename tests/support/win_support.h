// What the tests under Wine share: temporary song files, a fresh program
// store, waits that pump messages, processes, input as a user gives it and
// the screen as it is.
#pragma once

#include "base/program_state.h"
#include "base/twips.h"
#include "winutil/handles_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/registry_store_win.h"
#include "winutil/secure_saver_win.h"
#include "winutil/window_win.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace brelvix::testing {

// The folder of the running test program, where Brelvix.scr is built and the
// committed fixtures (tests/fixtures) are copied.
inline std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    std::wstring full(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of(L'\\'));
}

// A fresh folder under %TEMP% whose name holds blanks and Latin-1 letters;
// removed with its files when the owner goes.
class TempFolder {
  public:
    TempFolder() {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        for (unsigned i = GetTickCount() % 100000;; ++i) {
            path_ = (base / (L"brelvix test \u00e0\u00e9 " + std::to_wstring(i))).wstring();
            if (std::filesystem::create_directory(path_)) {
                return;
            }
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Writes the bytes into a file of the folder and returns its path.
    std::wstring Write(const std::wstring& name, const std::string& bytes) const {
        std::ofstream(std::filesystem::path(File(name)), std::ios::binary) << bytes;
        return File(name);
    }

  private:
    std::wstring path_;
};

// A silent mono 16-bit WAV file's bytes: MCI plays it for its length all the same.
inline std::string WavBytes(double seconds) {
    constexpr std::uint32_t kRate = 8000;
    auto bytes = static_cast<std::uint32_t>(seconds * kRate) * 2;
    std::string out = "RIFF";
    // Windows runs little-endian, as the format wants.
    auto put = [&](std::uint32_t value, int size) {
        out.append(reinterpret_cast<const char*>(&value), size);
    };
    put(36 + bytes, 4);
    out += "WAVEfmt ";
    for (auto [value, size] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {kRate, 4}, {kRate * 2, 4}, {2u, 2}, {16u, 2}}) {
        put(value, size); // PCM, mono, 16 bits
    }
    out += "data";
    put(bytes, 4);
    return out.append(bytes, '\0');
}

// The program's own registry key, emptied before and after use.
class FreshProgramStore {
  public:
    FreshProgramStore() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix"); }
    ~FreshProgramStore() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix"); }
    FreshProgramStore(const FreshProgramStore&) = delete;
    FreshProgramStore& operator=(const FreshProgramStore&) = delete;
    RegistryStore& Store() { return store_; }
    // The songs as the play-list keys and their count.
    void StoreList(const std::vector<std::wstring>& paths) {
        for (std::size_t n = 0; n < paths.size(); ++n) {
            store_.Write(kSectionFileList, FileListKey(n + 1), paths[n]);
        }
        store_.Write(kSectionSetting, kKeyLocalFileCount, std::to_wstring(paths.size()));
    }

  private:
    RegistryStore store_{L"Software\\Brelvix"};
};

// Puts the program-wide state back when the scope ends.
class ProgramStateScope {
  public:
    ~ProgramStateScope() { Program() = saved_; }

  private:
    ProgramState saved_ = Program();
};

// "ScreenSaverIsSecure" for the length of a test, the user's own or, with
// kPolicyControlPanel, group policy's (Wine does not answer
// SPI_GETSCREENSAVESECURE, so the program reads these values there).
class SecureSaverSetting {
  public:
    explicit SecureSaverSetting(const wchar_t* value, const wchar_t* where = kUserControlPanel)
        : store_(where), desktop_(std::wstring(where) + L"\\Desktop") {
        store_.Write(L"Desktop", kSecureValueName, value);
    }
    ~SecureSaverSetting() {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, desktop_.c_str(), kSecureValueName);
    }
    SecureSaverSetting(const SecureSaverSetting&) = delete;
    SecureSaverSetting& operator=(const SecureSaverSetting&) = delete;

  private:
    RegistryStore store_;
    std::wstring desktop_;
};

// Pumps messages until the condition holds or timeoutMs passes.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        // Conditions may depend on other processes: look again every 20 ms.
        Pause(0.02);
    }
    return true;
}

// Whether what read gives changes that many times within the time.
template <typename Read> bool Changes(Read read, int times, DWORD timeoutMs = 10000) {
    for (auto seen = read(); times-- > 0; seen = read()) {
        if (!WaitUntil([&] { return !(read() == seen); }, timeoutMs)) {
            return false;
        }
    }
    return true;
}

// The control that has the keyboard in a window of another process.
inline HWND FocusIn(HWND window) {
    GUITHREADINFO focus{sizeof focus};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &focus);
    return focus.hwndFocus;
}

// Brings a window of another process to the front; true once the keyboard is in it.
inline bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    auto inside = [&] { return FocusIn(window) == window || IsChild(window, FocusIn(window)); };
    return window && WaitUntil(inside, 5000);
}

// A dialog box (class "#32770") with this caption once it shows, or nullptr.
// A box is found before it is laid out; its buttons are in place once it is visible.
inline HWND WaitForBox(const wchar_t* caption, DWORD timeoutMs = 5000) {
    HWND box = nullptr;
    auto shown = [&] { return (box = FindWindowW(L"#32770", caption)) && IsWindowVisible(box); };
    return WaitUntil(shown, timeoutMs) ? box : nullptr;
}

// The window's text; a message box's text is its control 0xFFFF's.
inline std::wstring TextOf(HWND wnd) {
    std::wstring text(GetWindowTextLengthW(wnd) + 1, L'\0');
    text.resize(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size())));
    return text;
}

// The built Brelvix.scr, started with the arguments; killed, if it still
// runs, when the owner goes.
class Scr {
  public:
    explicit Scr(const std::wstring& arguments) {
        std::wstring program = ProgramFolder() + L"\\Brelvix.scr";
        std::wstring line = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW si{sizeof si};
        PROCESS_INFORMATION pi{};
        if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            process_.Reset(pi.hProcess);
            id_ = pi.dwProcessId;
        }
    }
    ~Scr() { Kill(); }
    // False when the process still runs after timeoutMs.
    bool WaitForExit(DWORD timeoutMs) {
        HANDLE process = process_.Get();
        return process &&
               WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; },
                         timeoutMs);
    }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.Get(), &code);
        return code;
    }
    void Kill() {
        if (process_ && !WaitForExit(0)) {
            TerminateProcess(process_.Get(), 1);
            WaitForExit(5000);
        }
    }
    // A top-level window of the program's class owned by the process.
    HWND Window() const {
        for (HWND wnd = nullptr; (wnd = FindWindowExW(nullptr, wnd, kFormClassName, nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == id_) {
                return wnd;
            }
        }
        return nullptr;
    }
    // Waits until the process shows a window; false when it ends first or
    // nothing shows within the time (the first start in a new Wine prefix
    // can take several seconds).
    bool ShowsAWindow(DWORD timeoutMs = 30000) {
        WaitUntil([&] { return WaitForExit(0) || Window() != nullptr; }, timeoutMs);
        return Window() != nullptr;
    }

  private:
    KernelHandle process_;
    DWORD id_ = 0;
};

// Processor seconds the running Brelvix.scr processes use over the next
// seconds. Wine gives no times of another process, so they are read from the
// host kernel's account of its processes, through Wine's drive Z:. Only those
// of this run's Wine prefix count: other runs on the machine have their own.
inline double ProgramCpuOver(double seconds) {
    const char* prefix = std::getenv("WINEPREFIX");
    std::string setting = "WINEPREFIX=" + std::string(prefix ? prefix : "") + '\0';
    auto inPrefix = [&](const std::filesystem::path& process) {
        std::ifstream environment(process / L"environ", std::ios::binary);
        std::string variables{std::istreambuf_iterator<char>(environment), {}};
        return variables.find(setting) != std::string::npos;
    };
    auto ticks = [&] {
        long sum = 0;
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(L"Z:\\proc", ignored)) {
            std::string stat;
            std::getline(std::ifstream(entry.path() / L"stat"), stat);
            std::size_t name = stat.find(" (Brelvix.scr) ");
            bool ours = name != std::string::npos && inPrefix(entry.path());
            std::istringstream after(ours ? stat.substr(name + 15) : "");
            std::vector<std::string> f{std::istream_iterator<std::string>(after), {}};
            // Fields 14 and 15, the user and kernel ticks, of a live process.
            sum += f.size() > 12 && f[0] != "Z" ? std::stol(f[11]) + std::stol(f[12]) : 0;
        }
        return sum;
    };
    long before = ticks();
    Pause(seconds);
    return (ticks() - before) / 100.0;
}

// Whether the window's thread comes round its message loop that many times.
// Each round it takes at least one message queued before, so by the last
// answer that many messages queued before the first are handled. What is
// queued for this thread is handled here.
inline bool Answers(HWND wnd, std::size_t rounds = 2) {
    if (GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId()) {
        PumpMessages();
        return true;
    }
    DWORD_PTR ignored = 0;
    while (rounds-- > 0) {
        if (!SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored)) {
            return false;
        }
    }
    return true;
}

// Sends the input and, unless told not to wait, returns once the window it
// went to has handled it: a key goes to the foreground window, a mouse event
// to the window under the pointer. A key down may bring a character message too.
inline void SendAll(std::vector<INPUT> inputs, bool wait = true) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    POINT at{};
    GetCursorPos(&at);
    bool mouse = inputs.front().type == INPUT_MOUSE;
    if (wait) {
        Answers(mouse ? WindowFromPoint(at) : GetForegroundWindow(), 2 * inputs.size() + 1);
    }
}

// Presses the keys in order and lets them go in reverse: {VK_CONTROL, VK_DOWN}.
inline void PressKeys(std::initializer_list<WORD> keys, bool wait = true) {
    std::vector<INPUT> in(keys.size() * 2, INPUT{INPUT_KEYBOARD});
    std::size_t i = 0;
    for (WORD key : keys) {
        in[i++].ki.wVk = key;
        in[in.size() - i].ki = {key, 0, KEYEVENTF_KEYUP};
    }
    SendAll(in, wait);
}
inline void PressKey(WORD key) {
    PressKeys({key});
}

inline INPUT MouseInput(DWORD flags, POINT at) {
    INPUT in{INPUT_MOUSE};
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return in;
}

inline void ClickAt(POINT screen, bool right = false) {
    SendAll({MouseInput(MOUSEEVENTF_MOVE, screen),
             MouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, screen),
             MouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, screen)});
}

// Presses the left button at from, moves to to in steps, releases.
inline void DragMouse(POINT from, POINT to) {
    SendAll({MouseInput(MOUSEEVENTF_MOVE, from), MouseInput(MOUSEEVENTF_LEFTDOWN, from)});
    for (int i = 1; i <= 10; ++i) {
        POINT at{from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10};
        SendAll({MouseInput(MOUSEEVENTF_MOVE, at)});
    }
    SendAll({MouseInput(MOUSEEVENTF_LEFTUP, to)});
}

// What Explorer hands a window it drops on: the paths after a DROPFILES
// header, each NUL-ended, then one more NUL.
inline HGLOBAL DropOf(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const auto& path : paths) {
        list += path + L'\0';
    }
    list += L'\0';
    std::size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, list.data(), bytes);
    GlobalUnlock(drop);
    return drop;
}

// The primary monitor (or another area of the screen) at one moment; pixels
// are looked up by their screen coordinates.
class ScreenCapture {
  public:
    explicit ScreenCapture(RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN),
                                        GetSystemMetrics(SM_CYSCREEN)})
        : left_(area.left), top_(area.top), width_(area.right - area.left),
          height_(area.bottom - area.top) {
        WindowDc screen(nullptr);
        MemoryDc mem(CreateCompatibleDC(screen.Get()));
        GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width_, height_));
        {
            SelectedObject selected(mem.Get(), bitmap.Get());
            BitBlt(mem.Get(), 0, 0, width_, height_, screen.Get(), left_, top_, SRCCOPY);
        }
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32}};
        GetDIBits(mem.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, height_, bits_.data(), &info,
                  DIB_RGB_COLORS);
    }
    COLORREF At(int x, int y) const {
        x -= left_;
        y -= top_;
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return CLR_INVALID;
        }
        DWORD bgr = bits_[static_cast<size_t>(y) * width_ + x];
        return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
    }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += At(x, y) == colour;
            }
        }
        return count;
    }
    // Writes a 32-bit BMP into the test programs' screenshots folder.
    void Save(const std::wstring& name) const {
        std::wstring folder = ProgramFolder() + L"\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        BITMAPINFOHEADER header{sizeof header, width_, -height_, 1, 32};
        BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof header};
        file.bfSize = file.bfOffBits + static_cast<DWORD>(bits_.size() * 4);
        std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
        bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
        bytes.append(reinterpret_cast<const char*>(bits_.data()), bits_.size() * 4);
        std::ofstream(std::filesystem::path(folder + L"\\" + name), std::ios::binary) << bytes;
    }

  private:
    int left_, top_, width_, height_;
    std::vector<DWORD> bits_ = std::vector<DWORD>(static_cast<size_t>(width_) * height_);
};

// A stand-in for the host's screen-saver settings: a dialog whose page
// "Screen saver" holds a combo box of saver names (none when names is
// empty) and, three parents below the dialog, the preview window.
struct StandInHost {
    StandInHost(SIZE previewSize, const std::vector<std::wstring>& names, int selected) {
        auto make = [](const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, HWND parent) {
            return CreateWindowExW(0, cls, text, style | WS_VISIBLE, r.left, r.top, r.right,
                                   r.bottom, parent, nullptr, nullptr, nullptr);
        };
        dialog = make(L"#32770", L"Display", WS_POPUP, {600, 60, 400, 300}, nullptr);
        HWND page = make(L"#32770", L"Screen Saver", WS_CHILD, {0, 0, 400, 300}, dialog);
        HWND monitor = make(L"Static", L"", WS_CHILD, {100, 20, 200, 160}, page);
        preview = make(L"Static", L"", WS_CHILD, {20, 20, previewSize.cx, previewSize.cy}, monitor);
        if (!names.empty()) {
            combo = make(L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST, {20, 200, 200, 200}, page);
            for (const std::wstring& name : names) {
                SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            }
            SendMessageW(combo, CB_SETCURSEL, selected, 0);
        }
    }
    ~StandInHost() { DestroyWindow(dialog); }
    // "/p" and the preview window's handle.
    std::wstring Switch() const {
        return L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(preview));
    }
    HWND dialog, combo = nullptr, preview;
};

// Twips of the program's layout as pixels of this screen, as the program
// converts them; a rectangle counted from origin.
inline int ScreenTwipsPerPixel() {
    WindowDc screen(nullptr);
    return TwipsPerPixel(GetDeviceCaps(screen.Get(), LOGPIXELSX));
}
inline int Px(int twips) {
    return TwipsToPixels(twips, ScreenTwipsPerPixel());
}
inline RECT Px(const TwipsRect& r, POINT origin = {}) {
    int left = origin.x + Px(r.left), top = origin.y + Px(r.top);
    return {left, top, left + Px(r.width), top + Px(r.height)};
}

// A window's client area, or a rectangle of it, on the screen.
inline RECT OnScreen(HWND wnd, RECT area) {
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}
inline RECT OnScreen(HWND wnd) {
    RECT area{};
    GetClientRect(wnd, &area);
    return OnScreen(wnd, area);
}
inline POINT Middle(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace brelvix::testing
