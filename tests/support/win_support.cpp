#include "win_support.h"

#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"

#include <cmath>

namespace brelvix::testing {
namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    std::wstring full(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of(L'\\'));
}

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pause(0.05); // let the input reach the other process before the caller looks
}

INPUT MouseInput(DWORD flags, POINT at = {0, 0}) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return in;
}

} // namespace

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH];
    std::wstring base(temp, GetTempPathW(MAX_PATH, temp));
    for (unsigned i = GetTickCount() % 100000;; ++i) {
        path_ = base + L"brelvix test \u00e0\u00e9 " + std::to_wstring(i);
        if (CreateDirectoryW(path_.c_str(), nullptr)) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW((path_ + L"\\*").c_str(), &data));
    while (find) {
        DeleteFileW(File(data.cFileName).c_str());
        if (!FindNextFileW(find.Get(), &data)) {
            break;
        }
    }
    find.Reset();
    RemoveDirectoryW(path_.c_str());
}

void TempFolder::WriteTo(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
    WriteTo(File(name), bytes);
    return File(name);
}

std::string WavBytes(double seconds) {
    constexpr std::uint32_t kRate = 8000;
    auto samples = static_cast<std::uint32_t>(seconds * kRate);
    std::string out = "RIFF";
    PutLittle(out, 36 + samples * 2, 4);
    out += "WAVEfmt ";
    for (auto [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {kRate, 4}, {kRate * 2, 4}, {2u, 2}, {16u, 2}}) {
        PutLittle(out, value, bytes); // PCM, mono, 16 bits
    }
    out += "data";
    PutLittle(out, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        PutLittle(out, static_cast<std::uint16_t>(8000 * std::sin(i * 0.3455)), 2);
    }
    return out;
}

std::wstring FixturePath(const std::wstring& name) {
    return ProgramFolder() + L"\\fixtures\\" + name;
}

FreshProgramStore::FreshProgramStore() : store_(L"Software\\Brelvix") {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix");
}

FreshProgramStore::~FreshProgramStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brelvix");
}

void FreshProgramStore::StoreList(const std::vector<std::wstring>& paths) {
    for (std::size_t n = 0; n < paths.size(); ++n) {
        store_.Write(kSectionFileList, L"LocalFile" + std::to_wstring(n + 1), paths[n]);
    }
    store_.Write(kSectionSetting, L"LocalFileCount", std::to_wstring(paths.size()));
}

SecureSaverSetting::SecureSaverSetting(const wchar_t* value) {
    store_.Write(L"Desktop", L"ScreenSaverIsSecure", value);
}

SecureSaverSetting::~SecureSaverSetting() {
    store_.DeleteKey(L"Desktop", L"ScreenSaverIsSecure");
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
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

HWND WaitForBox(const wchar_t* caption, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindWindowW(L"#32770", caption)) != nullptr; }, timeoutMs);
    return box;
}

std::wstring TextOf(HWND wnd) {
    std::wstring text(GetWindowTextLengthW(wnd) + 1, L'\0');
    text.resize(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size())));
    return text;
}

Scr::Scr(const std::wstring& arguments) {
    std::wstring program = ProgramFolder() + L"\\Brelvix.scr";
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &si, &pi)) {
        CloseHandle(pi.hThread);
        process_.Reset(pi.hProcess);
        id_ = pi.dwProcessId;
    }
}

bool Scr::WaitForExit(DWORD timeoutMs) {
    HANDLE process = process_.Get();
    return process &&
           WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

DWORD Scr::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

void Scr::Kill() {
    if (process_ && !WaitForExit(0)) {
        TerminateProcess(process_.Get(), 1);
        WaitForExit(5000);
    }
}

HWND Scr::Window() const {
    for (HWND wnd = nullptr; (wnd = FindWindowExW(nullptr, wnd, kFormClassName, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner == id_) {
            return wnd;
        }
    }
    return nullptr;
}

bool Scr::ShowsAWindow(DWORD timeoutMs) {
    // The first start in a new Wine prefix can take several seconds.
    WaitUntil([&] { return WaitForExit(0) || Window() != nullptr; }, timeoutMs);
    return Window() != nullptr;
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in(keys.size() * 2, INPUT{INPUT_KEYBOARD});
    std::size_t i = 0;
    for (WORD key : keys) {
        in[i++].ki.wVk = key;
        in[in.size() - i].ki = {key, 0, KEYEVENTF_KEYUP};
    }
    Send(in);
}

void ClickAt(POINT screen, bool right) {
    Send({MouseInput(MOUSEEVENTF_MOVE, screen),
          MouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, screen),
          MouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, screen)});
}

void DragMouse(POINT from, POINT to) {
    Send({MouseInput(MOUSEEVENTF_MOVE, from), MouseInput(MOUSEEVENTF_LEFTDOWN, from)});
    for (int i = 1; i <= 10; ++i) {
        POINT at{from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10};
        Send({MouseInput(MOUSEEVENTF_MOVE, at)});
    }
    Send({MouseInput(MOUSEEVENTF_LEFTUP, to)});
}

ScreenCapture::ScreenCapture()
    : width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN)),
      bits_(static_cast<size_t>(width_) * height_) {
    WindowDc screen(nullptr);
    MemoryDc mem(CreateCompatibleDC(screen.Get()));
    GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width_, height_));
    {
        SelectedObject selected(mem.Get(), bitmap.Get());
        BitBlt(mem.Get(), 0, 0, width_, height_, screen.Get(), 0, 0, SRCCOPY);
    }
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32}};
    GetDIBits(mem.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, height_, bits_.data(), &info,
              DIB_RGB_COLORS);
}

COLORREF ScreenCapture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    DWORD bgr = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
}

int ScreenCapture::Count(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += At(x, y) == colour;
        }
    }
    return count;
}

void ScreenCapture::Save(const std::wstring& name) const {
    std::wstring folder = ProgramFolder() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    BITMAPINFOHEADER header{sizeof header, width_, -height_, 1, 32};
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof header};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits_.size() * 4);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(bits_.data()), bits_.size() * 4);
    TempFolder::WriteTo(folder + L"\\" + name, bytes);
}

StandInHost::StandInHost(SIZE previewSize, const std::vector<std::wstring>& names, int selected) {
    auto make = [](const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, HWND parent) {
        return CreateWindowExW(0, cls, text, style | WS_VISIBLE, r.left, r.top, r.right, r.bottom,
                               parent, nullptr, nullptr, nullptr);
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

RECT OnScreen(HWND wnd, RECT area) {
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

} // namespace brelvix::testing
