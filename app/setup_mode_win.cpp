#include "app/setup_mode_win.h"

#include "app/command_line.h"
#include "base/program_state.h"
#include "music/mci_win.h"
#include "music/system_play_list_win.h"
#include "setup/setup_dialog_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/message_box_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/mouse_pointer_win.h"

#include <windows.h>

#include <iterator>

namespace brelvix {
namespace {

// Between passes the loop sleeps until a message comes or this time passes,
// so the preview's position still moves about ten times a second.
constexpr DWORD kPassMs = 100;
// After the dialog goes: the windows it covered repaint before a saver that
// F1 asked for covers them again.
constexpr double kAfterDialogSeconds = 0.3;

// The control panel passes its own page's handle; its parent is the dialog
// that must not be used while ours is open.
HWND DisableHostWindow(const std::wstring& commandText) {
    auto handle = HostWindowArgument(commandText);
    HWND host = handle ? GetParent(reinterpret_cast<HWND>(handle)) : nullptr;
    if (host) {
        EnableWindow(host, FALSE);
    }
    return host;
}

void ReleaseHost(HWND host) {
    if (host) {
        EnableWindow(host, TRUE);
        SetForegroundWindow(host);
    }
}

// The system's words for an error code; empty when it has none.
std::wstring SystemErrorText(DWORD code) {
    wchar_t text[512] = {};
    DWORD length =
        code ? FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                              code, 0, text, static_cast<DWORD>(std::size(text)), nullptr)
             : 0;
    return std::wstring(text, length);
}

// Without its window nothing would ever end the setup loop: the phase ends
// at once, the host's dialog is usable again, and the user learns why.
void ReportNoDialog(HWND host) {
    std::wstring reason = SystemErrorText(GetLastError());
    ReleaseHost(host);
    std::wstring text = L"The setup dialog could not be opened: Windows did not create its window.";
    if (!reason.empty()) {
        text += L"\r\n\r\n" + reason;
    }
    ShowMessageBox(host, text, Program().AppTitle, MB_OK | MB_ICONSTOP);
}

// One setup phase: the dialog (fsetup) with the song it plays under its
// alias, on the play-list the program keeps from phase to phase.
class SetupSession {
  public:
    explicit SetupSession(MusicState& music) : music_(music) {}
    SetupSession(const SetupSession&) = delete;
    SetupSession& operator=(const SetupSession&) = delete;

    // Returns once the dialog has ended and gone, the host's dialog usable
    // again; false when the dialog could not be made (the user is told why).
    bool Run(HWND host);

  private:
    bool ShowDialog();
    void StartPreviewSong();
    void RunDialogLoop();

    MusicState& music_;
    MciState mci_;
    SetupDialog fsetup{music_, mci_};
};

bool SetupSession::ShowDialog() {
    if (!fsetup.Load()) {
        return false;
    }
    fsetup.Show(SW_SHOWNORMAL);
    PumpMessages(fsetup.Handle());
    return true;
}

void SetupSession::StartPreviewSong() {
    ProgramState& p = Program();
    if (p.Opt.Mute) {
        return;
    }
    long result = 0;
    {
        BusyPointer busy;
        result = StartSong(mci_, music_.CurrentFile, fsetup.Handle(), kSetupAlias, fsetup);
    }
    if (result != 0) {
        ShowMessageBox(fsetup.Handle(), MciErrorText(result), p.AppTitle, MB_OK | MB_ICONSTOP);
    }
}

void SetupSession::RunDialogLoop() {
    const ProgramState& p = Program();
    HWND dialog = fsetup.Handle();
    for (;;) {
        PumpMessages(dialog);
        if (fsetup.Ended()) {
            return;
        }
        if (!p.Opt.Mute) {
            UpdateMusic(music_, mci_, dialog, kSetupAlias, fsetup);
        }
        WaitForMessage(kPassMs);
    }
}

bool SetupSession::Run(HWND host) {
    if (!ShowDialog()) {
        ReportNoDialog(host);
        return false;
    }
    StartPreviewSong();
    fsetup.SetCurrentName(fsetup.SelectedTitle());
    fsetup.PrintName(fsetup.CurrentName());
    RunDialogLoop();
    ReleaseHost(host);
    CloseSong(mci_, kSetupAlias);
    fsetup.Unload();
    return true;
}

} // namespace

bool RunSetupMode(MusicState& music, std::wstring& commandText, bool hostStep, bool fromSaver) {
    HWND host = hostStep ? DisableHostWindow(commandText) : nullptr;
    music.CurrentFile = SongToResume(music);
    if (!SetupSession(music).Run(host)) {
        return false;
    }
    Pause(kAfterDialogSeconds);
    if (!fromSaver) {
        return false;
    }
    commandText = L"/S";
    Program().RunMode = ModeSaver;
    return true;
}

} // namespace brelvix
