#include "saver/input_rules_win.h"

#include "about/about_box_win.h"
#include "music/print_time_win.h"
#include "resources/resource_ids.h"
#include "saver/cursor_win.h"
#include "saver/input_rules.h"
#include "saver/program_state.h"
#include "saver/registry_store_win.h"
#include "saver/text_value.h"
#include "statusbar/status_bar_win.h"
#include "winutil/window_helpers_win.h"

#include <shlobj.h>

namespace brelvix {
namespace {

bool UsableScreen() {
    return Program().Opt.UsableScreen;
}

// The About box over the full-screen saver: the cursor shows while it is up
// and the mouse reference is taken again afterwards, from where the mouse
// then is.
void AboutOverSaver() {
    ProgramState& p = Program();
    RestoreCursor();
    MouseRef().MouseRefTaken = false;
    ShowAboutBox(true, IDI_BRELVIX, AboutHint(p.AppTitle));
    if (p.EndSaver) {
        return;
    }
    SetTopMost(fmci().Handle());
    HideCursor();
}

int ShiftState(WPARAM keys) {
    int shift = kShiftNone;
    if (keys & MK_SHIFT) {
        shift |= kShiftShift;
    }
    if (keys & MK_CONTROL) {
        shift |= kShiftCtrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= kShiftAlt;
    }
    return shift;
}

} // namespace

void SaverKeyPress(int keyCode) {
    bool secure = keyCode == kKeyF1 && ScreenSaverIsSecure();
    if (DecideSaverKey(keyCode, UsableScreen(), secure) == KeyOutcome::OpenSetup) {
        ProgramState& p = Program();
        p.SetupRequested = true;
        p.EndSaver = true;
    } else {
        SaverKeyDown();
    }
}

void SaverKeyDown() {
    if (!UsableScreen()) {
        EndSaverSession();
    }
}

void SaverMouseDown(int button, int shift) {
    switch (DecideSaverPress(button, shift, UsableScreen())) {
    case PressOutcome::AboutWithHint:
        AboutOverSaver();
        break;
    case PressOutcome::AboutWithoutHint:
        ShowAboutBox(true, IDI_BRELVIX, L"");
        break;
    case PressOutcome::EndSession:
        EndSaverSession();
        break;
    case PressOutcome::Nothing:
        break;
    }
}

void EndSaverSession() {
    Program().EndSaver = true;
    if (!UsableScreen()) {
        RestoreCursor();
        NotifyShellChange();
        EndText();
    }
}

void NotifyShellChange() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

bool ScreenSaverIsSecure() {
    BOOL secure = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENSAVESECURE, 0, &secure, 0)) {
        return secure != FALSE;
    }
    RegistryStore controlPanel(L"Control Panel");
    return NumericValue(controlPanel.Read(L"Desktop", L"ScreenSaverIsSecure", L"0")) != 0;
}

bool IsKeyPress(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
}

std::optional<MousePress> PressFromMessage(UINT msg, WPARAM wParam) {
    int button = 0;
    switch (msg) {
    case WM_LBUTTONDOWN:
        button = kButtonLeft;
        break;
    case WM_RBUTTONDOWN:
        button = kButtonRight;
        break;
    case WM_MBUTTONDOWN:
        button = kButtonMiddle;
        break;
    default:
        return std::nullopt;
    }
    return MousePress{button, ShiftState(wParam)};
}

} // namespace brelvix
