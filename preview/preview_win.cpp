#include "preview/preview_win.h"

#include "base/deadline.h"
#include "base/program_state.h"
#include "base/setting_keys.h"
#include "preview/preview_rules.h"
#include "statusbar/status_bar_win.h"
#include "winutil/graphics_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/registry_store_win.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace brelvix {
namespace {

// A pass moves the miniature; the picture follows every kRedrawSeconds. The
// pass waits in the message queue, as the saver's does, so an open settings
// page costs a fraction of 1 % of a core; the four passes between redraws
// move the miniature 4 to 12 pixels on each axis, so it still jumps about.
constexpr double kPassSeconds = 0.1;
constexpr double kRedrawSeconds = 0.4;
constexpr UINT kDisplayNameId = 1;

struct Preview {
    HWND window = nullptr;
    HWND HostWindow = nullptr; // the dialog whose screen-saver page is watched
    std::vector<std::wstring> names;
    std::optional<PenAndBrushDc> draw; // black field, grey pen, for the whole preview
    RECT field{};
    Miniature miniature;
    PersistentPicture face; // the status bar's picture: a bar never shown has none on screen
    StatusBar fmci;         // hidden: drawn once into face
};

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

std::wstring DisplayName() {
    wchar_t name[256] = {};
    int length = LoadStringW(GetModuleHandleW(nullptr), kDisplayNameId, name,
                             static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? length : 0);
}

// The host's top-level dialog: the preview window's great-grandparent.
HWND HostOf(HWND preview) {
    HWND up = preview;
    for (int step = 0; step < 3 && up; ++step) {
        up = GetParent(up);
    }
    return up;
}

// The first child dialog whose caption names the screen saver, else the
// host itself.
HWND ScreenSaverPage(HWND host) {
    for (HWND page = FindWindowExW(host, nullptr, L"#32770", nullptr); page;
         page = FindWindowExW(host, page, L"#32770", nullptr)) {
        wchar_t caption[256] = {};
        GetWindowTextW(page, caption, static_cast<int>(std::size(caption)));
        if (IsScreenSaverPage(caption)) {
            return page;
        }
    }
    return host;
}

// The selected entry's text, read into a buffer as long as the entry;
// empty when there is none or it is too long to name a saver.
std::wstring SelectedText(HWND combo) {
    LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (index == CB_ERR || length <= 0 || length > kMaxSaverNameLength) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    length = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

bool IsSaverSelected(HWND host, const std::vector<std::wstring>& names) {
    HWND page = ScreenSaverPage(host);
    for (HWND combo = FindWindowExW(page, nullptr, L"ComboBox", nullptr); combo;
         combo = FindWindowExW(page, combo, L"ComboBox", nullptr)) {
        if (NamesThisSaver(SelectedText(combo), names)) {
            return true;
        }
    }
    return false;
}

void WriteActiveSetup(const std::wstring& value) {
    ProgramStore().Write(kSectionSetting, kKeyActiveSetup, value);
}

void StartPreview(Preview& v) {
    if (v.window) {
        WriteActiveSetup(std::to_wstring(reinterpret_cast<std::uintptr_t>(v.window)));
        v.HostWindow = HostOf(v.window);
    }
    v.names = SaverNames(DisplayName(), ProgramPath());
    v.fmci.Load();
    RECT bar{};
    GetClientRect(v.fmci.Handle(), &bar);
    WindowDc screen(nullptr);
    if (v.face.Create(screen.Get(), bar.right, bar.bottom)) {
        v.fmci.DrawFace(v.face.Dc());
    }
    GetClientRect(v.window, &v.field);
    v.miniature = PlaceMiniature(v.field.right, v.field.bottom);
    HDC dc = v.draw.emplace(v.window, RGB(0, 0, 0), RGB(192, 192, 192), 1).Get();
    // Pixels picked, not merged: the miniature keeps the skin's colours.
    SetStretchBltMode(dc, COLORONCOLOR);
    if (!Program().Opt.BlackScreen) {
        StretchScreen(dc, v.window);
    }
}

void Redraw(const Preview& v) {
    const Miniature& m = v.miniature;
    FillBox(v.draw->Get(), v.draw->Brush(), v.field);
    StretchCopy(v.face.Width(), v.face.Height(), v.face.Dc(), m.x.position, m.y.position, m.width,
                m.height, v.draw->Get());
}

// Both questions are asked on every pass.
bool StillChosen(const Preview& v) {
    bool exists = IsWindow(v.window) != FALSE;
    bool selected = IsSaverSelected(v.HostWindow, v.names);
    return exists && selected;
}

void EndPreview(Preview& v) {
    WriteActiveSetup(L"0");
    v.draw.reset();
    v.fmci.Unload();
}

} // namespace

int RunPreview(HWND previewWindow) {
    Preview v;
    v.window = previewWindow;
    StartPreview(v);
    std::mt19937 generator(GetTickCount());
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    // A clock that counts from boot: the redraws go on across midnight.
    Deadline redraw(GetTickCount64(), kRedrawSeconds);
    do {
        StepMiniature(v.miniature, fraction(generator), fraction(generator));
        ULONGLONG now = GetTickCount64();
        if (redraw.Passed(now)) {
            redraw = Deadline(now, kRedrawSeconds);
            Redraw(v);
        }
        Pause(kPassSeconds);
    } while (StillChosen(v));
    EndPreview(v);
    return 0;
}

} // namespace brelvix
