#include "saver/saver_window_win.h"

#include "saver/input_rules_win.h"
#include "statusbar/status_bar_win.h"
#include "winutil/input_codes_win.h"

namespace brelvix {

bool SaverWindow::Load(const PixelBox& cover) {
    // The clock is drawn straight onto this window: clipping its children
    // keeps the clock's strokes off the status bar passing beneath.
    return CreateForm(0, WS_POPUP | WS_CLIPCHILDREN, L"", cover.left, cover.top, cover.width,
                      cover.height, nullptr);
}

LRESULT SaverWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsKeyPress(msg)) {
        SaverKeyPress(static_cast<int>(wParam));
    } else if (auto press = PressFromMessage(msg, wParam)) {
        SaverMouseDown(press->button, press->shift);
    } else if (msg == WM_CLOSE) {
        // Only the session's own unload takes the window down: it must lose
        // its replaced window procedure first.
        return 0;
    }
    return PictureForm::HandleMessage(msg, wParam, lParam);
}

SaverWindow& frmSS() {
    static SaverWindow window;
    return window;
}

HWND SessionWindow() {
    if (frmSS().Exists()) {
        return frmSS().Handle();
    }
    return fmci().Exists() ? fmci().Handle() : nullptr;
}

} // namespace brelvix
