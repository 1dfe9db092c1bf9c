#include "saver/input_rules_win.h"

#include "about/about_box_win.h"
#include "resources/resource_ids.h"
#include "winutil/cursor_win.h"
#include "winutil/secure_saver_win.h"
#include "winutil/window_helpers_win.h"

#include <shlobj.h>

namespace brelvix {

// The About box over the full-screen saver: the cursor shows while it is up
// and the mouse reference is taken again afterwards, from where the mouse
// then is.
void SaverInput::AboutOverSaver() {
    RestoreCursor();
    mouse_.MouseRefTaken = false;
    ShowAboutBox(true, IDI_BRELVIX, kAboutHint);
    if (endSaver_) {
        return;
    }
    SetTopMost(bar_.Handle());
    HideCursor();
}

void SaverInput::KeyPressed(int keyCode) {
    bool secure = keyCode == kKeyF1 && ScreenSaverIsSecure();
    if (DecideSaverKey(keyCode, opt_.UsableScreen, secure) == KeyOutcome::OpenSetup) {
        setupRequested_ = true;
        endSaver_ = true;
    } else if (!opt_.UsableScreen) {
        End();
    }
}

void SaverInput::MousePressed(int button, int shift) {
    switch (DecideSaverPress(button, shift, opt_.UsableScreen)) {
    case PressOutcome::AboutWithHint:
        AboutOverSaver();
        break;
    case PressOutcome::AboutWithoutHint:
        ShowAboutBox(true, IDI_BRELVIX, L"");
        break;
    case PressOutcome::EndSession:
        End();
        break;
    case PressOutcome::Nothing:
        break;
    }
}

void SaverInput::MouseMoved() {
    if (watching_ && opt_.MouseMove && !opt_.UsableScreen) {
        // Screen coordinates, whichever window the mouse is over.
        POINT now{};
        GetCursorPos(&now);
        if (MouseMoveEndsSaver(mouse_, now.x, now.y)) {
            End();
        }
    }
}

void SaverInput::AppDeactivated() {
    if (watching_ && ScreenSaverIsSecure()) {
        End();
        CloseThreadDialogs();
    }
}

void SaverInput::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    endSaver_ = true;
    if (!opt_.UsableScreen) {
        RestoreCursor();
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    }
}

} // namespace brelvix
