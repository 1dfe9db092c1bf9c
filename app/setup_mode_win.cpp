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

bool ShowDialog() {
    SetupDialog& dialog = fsetup();
    if (!dialog.Load()) {
        return false;
    }
    dialog.Show(SW_SHOWNORMAL);
    PumpMessages(dialog.Handle());
    return true;
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

void StartPreviewSong() {
    ProgramState& p = Program();
    if (p.Opt.Mute) {
        return;
    }
    long result = 0;
    {
        BusyPointer busy;
        result = StartSong(Music().CurrentFile, fsetup().Handle(), kSetupAlias, fsetup());
    }
    if (result != 0) {
        ShowMessageBox(fsetup().Handle(), MciErrorText(result), p.AppTitle, MB_OK | MB_ICONSTOP);
    }
}

void RunDialogLoop() {
    ProgramState& p = Program();
    HWND dialog = fsetup().Handle();
    for (;;) {
        PumpMessages(dialog);
        if (!p.Opt.Mute && !p.EndSaver) {
            UpdateMusic(dialog, kSetupAlias, fsetup());
        }
        if (p.EndSaver) {
            return;
        }
        WaitForMessage(kPassMs);
    }
}

} // namespace

bool RunSetupMode(std::wstring& commandText, bool hostStep) {
    ProgramState& p = Program();
    HWND host = hostStep ? DisableHostWindow(commandText) : nullptr;
    Music().CurrentFile = SongToResume();
    if (!ShowDialog()) {
        ReportNoDialog(host);
        return false;
    }
    StartPreviewSong();
    SetupDialog& dialog = fsetup();
    dialog.SetCurrentName(dialog.SelectedTitle());
    dialog.PrintName(dialog.CurrentName());
    RunDialogLoop();
    ReleaseHost(host);
    CloseSong(kSetupAlias);
    dialog.Unload();
    Pause(kAfterDialogSeconds);
    if (!p.SetupRequested) {
        return false;
    }
    p.EndSaver = false;
    p.SetupRequested = false;
    commandText = L"/S";
    p.RunMode = ModeSaver;
    return true;
}

} // namespace brelvix
