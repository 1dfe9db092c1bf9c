#include "app/setup_mode_win.h"

#include "app/command_line.h"
#include "base/program_state.h"
#include "music/mci_win.h"
#include "music/playlist_win.h"
#include "winutil/message_pump_win.h"

#include <windows.h>

namespace brelvix {
namespace {

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

} // namespace

bool RunSetupMode(std::wstring& commandText, bool hostStep) {
    ProgramState& p = Program();
    HWND host = hostStep ? DisableHostWindow(commandText) : nullptr;
    MusicState& music = Music();
    music.CurrentFile = GetSavedMusicFile();
    if (music.CurrentFile.empty()) {
        music.CurrentFile = GetSongPath(1);
    }
    // The setup dialog is not built yet: the phase ends as if it had closed.
    if (host) {
        EnableWindow(host, TRUE);
        SetForegroundWindow(host);
    }
    CloseSong(L"fsetup");
    Pause(0.3);
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
