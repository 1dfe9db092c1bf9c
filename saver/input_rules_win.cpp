#include "saver/input_rules_win.h"

#include "about/about_box_win.h"
#include "base/program_state.h"
#include "resources/resource_ids.h"
#include "saver/input_rules.h"
#include "statusbar/status_bar_win.h"
#include "winutil/cursor_win.h"
#include "winutil/secure_saver_win.h"
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
    ShowAboutBox(true, IDI_BRELVIX, kAboutHint);
    if (p.EndSaver) {
        return;
    }
    SetTopMost(fmci().Handle());
    HideCursor();
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

void SaverMouseMove() {
    const Options& opt = Program().Opt;
    if (opt.MouseMove && !opt.UsableScreen) {
        // Screen coordinates, whichever window the mouse is over.
        POINT now{};
        GetCursorPos(&now);
        if (MouseMoveEndsSaver(MouseRef(), now.x, now.y)) {
            EndSaverSession();
        }
    }
}

void EndSaverSession() {
    Program().EndSaver = true;
    if (!UsableScreen()) {
        RestoreCursor();
        NotifyShellChange();
    }
}

void NotifyShellChange() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

StatusBarInput& SaverInputForBar() {
    static class : public StatusBarInput {
        void KeyPressed(int keyCode) override { SaverKeyPress(keyCode); }
        void MousePressed(int button, int shift) override { SaverMouseDown(button, shift); }
        void MouseMoved() override { SaverMouseMove(); }
    } input;
    return input;
}

} // namespace brelvix
