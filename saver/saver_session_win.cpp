#include "saver/saver_session_win.h"

#include "base/program_state.h"
#include "base/setting_keys.h"
#include "base/wander.h"
#include "music/mci_win.h"
#include "music/system_play_list_win.h"
#include "saver/screen_layout_win.h"
#include "saver/session_geometry.h"
#include "saver/work_area_win.h"
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

using Wander = SaverSession::Wander;

void ShowSaverWindow(SaverWindow& frmSS, const ScreenLayout& screens) {
    frmSS.Load(screens);
    if (!Program().Opt.BlackScreen) {
        PixelBox cover = frmSS.Cover();
        CaptureScreen(frmSS, {cover.left, cover.top});
    }
    frmSS.Show();
    PumpMessages();
    SetTopMost(frmSS.Handle());
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
void PutStatusBar(StatusBar& fmci, const Wander& wander, PixelPoint corner) {
    const ProgramState& p = Program();
    fmci.MoveTwips(OnCoverTwips(wander.x.position, corner.x, p.TwipsX),
                   OnCoverTwips(wander.y.position, corner.y, p.TwipsY));
}

Wander PlaceStatusBar(StatusBar& fmci, PixelPoint corner) {
    SIZE area = MovementArea();
    int width = fmci.WidthTwips();
    int height = fmci.HeightTwips();
    Wander w{{CentredOffset(area.cx, width), area.cx - width, 1},
             {CentredOffset(area.cy, height), area.cy - height, 1}};
    PutStatusBar(fmci, w, corner);
    return w;
}

// A bar passing through the clock's corner is repainted at once; the clock
// itself never lands on it, since the saver window clips its children.
void MoveStatusBar(StatusBar& fmci, const Wander& wander, PixelPoint corner) {
    PutStatusBar(fmci, wander, corner);
    if (!Program().Opt.ViewTime) {
        return;
    }
    StatusBar::TextSize clock = fmci.MeasureText(ClockText());
    StatusBar::TextSize x = fmci.MeasureText(L"X");
    if (InClockCorner(wander.x.position, wander.y.position, clock.widthTwips, x.heightTwips)) {
        fmci.Refresh();
    }
}

} // namespace

SaverSession::SaverSession(MusicState& music)
    : music_(music), fullScreen_(!Program().Opt.UsableScreen),
      alias_(fullScreen_ ? L"frmSS" : L"fmci"), input_(Program().Opt, fmci) {}

void SaverSession::StartFirstSong() {
    const ProgramState& p = Program();
    const std::wstring& file = music_.CurrentFile;
    long result = 0;
    {
        BusyPointer busy;
        if (FileExists(file)) {
            fmci.SetFileLabel(FileTitleOf(file));
        }
        if (!p.Opt.Mute) {
            result = StartSong(mci_, file, NotifyWindow(), alias_, fmci);
        }
    }
    if (result != 0) {
        // Owned by the session window, the box shows above the saver.
        ShowMessageBox(NotifyWindow(), MciErrorText(result), p.AppTitle, MB_OK | MB_ICONSTOP);
    }
}

void SaverSession::Start(bool setupActive) {
    const ProgramState& p = Program();
    if (!setupActive) {
        ProgramStore().Write(kSectionSetting, kKeyActiveSetup, L"0");
    }
    music_.CurrentFile = SongToResume(music_);
    if (fullScreen_) {
        ShowSaverWindow(frmSS, SystemScreenLayout());
    }
    fmci.Load();
    fmci.SetInput(&input_);
    SetWindowTextW(fmci.Handle(), p.AppTitle.c_str());
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 0);
    input_.StartWatching();
    if (fullScreen_) {
        HideCursor();
    } else {
        fmci.ReceiveNotices(&mci_);
    }
}

SaverSession::Wander SaverSession::ShowStatusBar() {
    // The primary monitor's top-left corner in frmSS's client area, which
    // spans every monitor: the clock and the bar keep to the primary one.
    Wander wander = PlaceStatusBar(fmci, fullScreen_ ? frmSS.PrimaryCorner() : PixelPoint{});
    fmci.Show(SW_SHOWNORMAL);
    if (fullScreen_) {
        SetFormParent(fmci.Handle(), frmSS.Handle());
    } else {
        SetTopMost(fmci.Handle());
    }
    return wander;
}

void SaverSession::RunLoop(Wander& wander) {
    const ProgramState& p = Program();
    std::mt19937 generator(GetTickCount());
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    do {
        PumpMessages();
        wander.x.Advance(RandomStep(fraction(generator), 30, 30));
        wander.y.Advance(RandomStep(fraction(generator), 30, 30));
        if (fullScreen_) {
            // Wine tells no window of a monitor that X adds or takes away.
            frmSS.FollowScreens();
            MoveStatusBar(fmci, wander, frmSS.PrimaryCorner());
        }
        if (!p.Opt.Mute && !input_.EndSaver()) {
            UpdateMusic(music_, mci_, NotifyWindow(), alias_, fmci);
        }
        Pause(kPassSeconds);
        // Once the session is over the clock stays as it is: the window goes.
        if (fullScreen_ && !input_.EndSaver()) {
            frmSS.PrintTime();
        }
    } while (!input_.EndSaver());
}

void SaverSession::End() {
    CloseSong(mci_, alias_);
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);
    fmci.Unload();
    frmSS.Unload();
}

bool SaverSession::Run(bool setupActive) {
    Start(setupActive);
    Wander wander = ShowStatusBar();
    StartFirstSong();
    RunLoop(wander);
    End();
    return input_.SetupRequested();
}

} // namespace brelvix
