#include "saver/saver_session_win.h"

#include "base/program_state.h"
#include "base/setting_keys.h"
#include "base/wander.h"
#include "music/mci_win.h"
#include "music/system_play_list_win.h"
#include "music/print_time_win.h"
#include "saver/input_rules.h"
#include "saver/input_rules_win.h"
#include "saver/saver_window_win.h"
#include "saver/screen_layout_win.h"
#include "saver/session_geometry.h"
#include "saver/session_window_proc_win.h"
#include "saver/work_area_win.h"
#include "statusbar/status_bar_win.h"
#include "winutil/cursor_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/graphics_win.h"
#include "winutil/message_box_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/registry_store_win.h"
#include "winutil/window_helpers_win.h"

#include <random>

namespace brelvix {
namespace {

// One pass of the saver loop: the bar moves, the song position and the clock
// are redrawn, and input is answered about ten times a second.
constexpr double kPassSeconds = 0.1;

// The two shapes of a session: the full-screen saver with the status bar
// inside it, or only the status bar floating over a usable desktop.
struct SessionShape {
    bool fullScreen;
    HWND notifyWindow;
    std::wstring alias;
};

// The primary monitor's top-left corner in frmSS's client area, which spans
// every monitor: the clock and the bar keep to the primary one.
PixelPoint PrimaryCorner(const SessionShape& shape) {
    return shape.fullScreen ? frmSS().PrimaryCorner() : PixelPoint{};
}

struct Wander {
    BounceAxis x;
    BounceAxis y;
};

void ShowSaverWindow(const ScreenLayout& screens) {
    frmSS().Load(screens);
    if (!Program().Opt.BlackScreen) {
        PixelBox cover = frmSS().Cover();
        CaptureScreen(frmSS(), {cover.left, cover.top});
    }
    frmSS().Show();
    PumpMessages();
    SetTopMost(frmSS().Handle());
}

// Width and height, in twips, of the area the status bar wanders in.
SIZE MovementArea() {
    const ProgramState& p = Program();
    if (p.Opt.BlackScreen) {
        return {ScreenWidthTwips(), ScreenHeightTwips()};
    }
    RECT work = GetWorkArea();
    return {p.TwipsX * (work.right - work.left), p.TwipsY * (work.bottom - work.top)};
}

// Moves the bar to its wandering position, counted from the primary
// monitor's corner.
void PutStatusBar(const Wander& wander, PixelPoint corner) {
    const ProgramState& p = Program();
    fmci().MoveTwips(OnCoverTwips(wander.x.position, corner.x, p.TwipsX),
                     OnCoverTwips(wander.y.position, corner.y, p.TwipsY));
}

Wander PlaceStatusBar(const SessionShape& shape) {
    SIZE area = MovementArea();
    int width = fmci().WidthTwips();
    int height = fmci().HeightTwips();
    Wander w{{CentredOffset(area.cx, width), area.cx - width, 1},
             {CentredOffset(area.cy, height), area.cy - height, 1}};
    PutStatusBar(w, PrimaryCorner(shape));
    return w;
}

void StartFirstSong(const SessionShape& shape) {
    ProgramState& p = Program();
    const std::wstring& file = Music().CurrentFile;
    long result = 0;
    {
        BusyPointer busy;
        if (FileExists(file)) {
            fmci().SetFileLabel(FileTitleOf(file));
        }
        if (!p.Opt.Mute) {
            result = StartSong(file, shape.notifyWindow, shape.alias, fmci());
        }
    }
    if (result != 0) {
        // Owned by the session window, the box shows above the saver.
        ShowMessageBox(shape.notifyWindow, MciErrorText(result), p.AppTitle, MB_OK | MB_ICONSTOP);
    }
}

SessionShape StartSession(bool setupActive) {
    ProgramState& p = Program();
    // The old session's reference point would end this one at its first move.
    MouseRef() = MouseReference{};
    if (!setupActive) {
        ProgramStore().Write(kSectionSetting, kKeyActiveSetup, L"0");
    }
    Music().CurrentFile = SongToResume();
    bool full = !p.Opt.UsableScreen;
    if (full) {
        ShowSaverWindow(SystemScreenLayout());
    }
    fmci().Load();
    fmci().SetInput(&SaverInputForBar());
    SetWindowTextW(fmci().Handle(), p.AppTitle.c_str());
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 0);
    SessionShape shape{full, full ? frmSS().Handle() : fmci().Handle(), full ? L"frmSS" : L"fmci"};
    HookSessionWindow(shape.notifyWindow);
    if (full) {
        HideCursor();
    }
    return shape;
}

// A bar passing through the clock's corner is repainted at once; the clock
// itself never lands on it, since the saver window clips its children.
void MoveStatusBar(const Wander& wander, PixelPoint corner) {
    PutStatusBar(wander, corner);
    if (!Program().Opt.ViewTime) {
        return;
    }
    StatusBar::TextSize clock = fmci().MeasureText(ClockText());
    StatusBar::TextSize x = fmci().MeasureText(L"X");
    if (InClockCorner(wander.x.position, wander.y.position, clock.widthTwips, x.heightTwips)) {
        fmci().Refresh();
    }
}

void RunLoop(const SessionShape& shape, Wander& wander) {
    ProgramState& p = Program();
    std::mt19937 generator(GetTickCount());
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    do {
        PumpMessages();
        wander.x.Advance(RandomStep(fraction(generator), 30, 30));
        wander.y.Advance(RandomStep(fraction(generator), 30, 30));
        if (shape.fullScreen) {
            // Wine tells no window of a monitor that X adds or takes away.
            frmSS().FollowScreens();
            MoveStatusBar(wander, PrimaryCorner(shape));
        }
        if (!p.Opt.Mute && !p.EndSaver) {
            UpdateMusic(shape.notifyWindow, shape.alias, fmci());
        }
        Pause(kPassSeconds);
        // Once the session is over the clock stays as it is: the window goes.
        if (shape.fullScreen && !p.EndSaver) {
            frmSS().PrintTime();
        }
    } while (!p.EndSaver);
}

void EndSession(const SessionShape& shape) {
    CloseSong(shape.alias);
    UnhookSessionWindow(shape.notifyWindow);
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);
    fmci().Unload();
    frmSS().Unload();
}

} // namespace

void RunSaverSession(bool setupActive) {
    SessionShape shape = StartSession(setupActive);
    Wander wander = PlaceStatusBar(shape);
    fmci().Show(SW_SHOWNORMAL);
    if (shape.fullScreen) {
        SetFormParent(fmci().Handle(), frmSS().Handle());
    } else {
        SetTopMost(fmci().Handle());
    }
    StartFirstSong(shape);
    RunLoop(shape, wander);
    EndSession(shape);
}

} // namespace brelvix
