#include "app/entry_win.h"

#include "app/command_line.h"
#include "app/instance_rules.h"
#include "app/instance_win.h"
#include "app/setup_mode_win.h"
#include "base/program_state.h"
#include "base/setting_keys.h"
#include "base/text_value.h"
#include "base/twips.h"
#include "music/system_play_list_win.h"
#include "preview/preview_win.h"
#include "saver/saver_session_win.h"
#include "winutil/cursor_win.h"
#include "winutil/handles_win.h"
#include "winutil/registry_store_win.h"
#include "winutil/secure_saver_win.h"

#include <windows.h>

#include <commctrl.h>

namespace brelvix {
namespace {

constexpr wchar_t kCreditsYears[] = L"2024-2026";

void InitialiseProgram() {
    // The manifest asks for the version 6 controls, with the system's look.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ProgramState& p = Program();
    p.CreditsYears = kCreditsYears;
    WindowDc screen(nullptr);
    int dpiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    int dpiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    p.TwipsX = TwipsPerPixel(dpiX);
    p.TwipsY = TwipsPerPixel(dpiY);
}

InstanceAction CheckOtherInstances(const InstanceMarker& marker) {
    ProgramState& p = Program();
    InstanceFacts facts;
    facts.runMode = p.RunMode;
    facts.otherInstance = marker.OtherInstanceRunning();
    HWND existing = FindAppWindow(p.AppTitle);
    facts.appWindowFound = existing != nullptr;
    facts.activeSetup = NumericValue(ProgramStore().Read(kSectionSetting, kKeyActiveSetup, L"0"));
    InstanceAction action = DecideInstanceAction(facts);
    if (action == InstanceAction::RestoreAndExit) {
        RestoreAppWindow(existing);
    }
    return action;
}

// The play-list outlives every session: a saver -> setup -> saver cycle
// keeps the one loaded at start-up, with the setup's edits.
int DispatchLoop(MusicState& music, std::wstring commandText, bool setupActive) {
    ProgramState& p = Program();
    bool fromSaver = false;
    for (;;) {
        p.Opt = LoadOptions(ProgramStore(), p.RunMode == ModeSaver && ScreenSaverIsSecure());
        switch (p.RunMode) {
        case ModeSaver:
            fromSaver = SaverSession(music).Run(setupActive);
            if (!fromSaver) {
                return 0;
            }
            RestoreCursor();
            commandText = L"/C";
            p.RunMode = ModeSetup;
            break;
        case ModePreview:
            return RunPreview(reinterpret_cast<HWND>(PreviewWindowArgument(commandText)));
        case ModePassword:
            MessageBeep(MB_OK);
            return 0;
        default: {
            // An unrecognised command line opens the setup without a host window.
            bool hostStep = p.RunMode == ModeSetup;
            p.RunMode = ModeSetup;
            if (!RunSetupMode(music, commandText, hostStep, fromSaver)) {
                return 0;
            }
            break;
        }
        }
    }
}

} // namespace

int RunProgram(std::wstring_view arguments) {
    ProgramState& p = Program();
    InitialiseProgram();
    std::wstring commandText = CommandText(arguments);
    p.RunMode = DecideRunMode(commandText);

    InstanceMarker marker(p.AppTitle);
    InstanceAction action = CheckOtherInstances(marker);
    if (action == InstanceAction::Exit || action == InstanceAction::RestoreAndExit) {
        return 0;
    }
    MusicState music;
    if (p.RunMode == ModeUnknown || p.RunMode == ModeSetup || p.RunMode == ModeSaver) {
        LoadPlayList(music);
    }
    return DispatchLoop(music, std::move(commandText), action == InstanceAction::RunBesidePreview);
}

} // namespace brelvix
