#include "saver/saver_window_win.h"

#include "music/mci_win.h"
#include "saver/screen_layout_win.h"
#include "winutil/input_codes_win.h"
#include "winutil/window_helpers_win.h"

namespace brelvix {

bool SaverWindow::Load(const ScreenLayout& screens) {
    screens_ = screens;
    PixelBox cover = Cover();
    // The clock is drawn straight onto this window: clipping its children
    // keeps the clock's strokes off the status bar passing beneath.
    return CreateForm(0, WS_POPUP | WS_CLIPCHILDREN, L"", cover.left, cover.top, cover.width,
                      cover.height, nullptr);
}

// The snapshot stays where it was on the screen; what it never saw is black.
void SaverWindow::FollowScreens() {
    PixelBox before = Cover();
    screens_ = SystemScreenLayout();
    PixelBox after = Cover();
    if (after == before) {
        return;
    }
    if (Pic()) {
        Pic().Reframe(after.width, after.height,
                      {before.left - after.left, before.top - after.top});
    }
    SetWindowPos(Handle(), nullptr, after.left, after.top, after.width, after.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void SaverWindow::PrintTime() {
    PixelPoint corner = PrimaryCorner();
    clock_.Print(Handle(), {corner.x, corner.y});
}

void SaverWindow::OnDestroyed() {
    clock_.End();
    PictureForm::OnDestroyed();
}

LRESULT SaverWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DISPLAYCHANGE) {
        FollowScreens();
    }
    if (IsKeyPress(msg)) {
        input_.KeyPressed(static_cast<int>(wParam));
    } else if (auto press = PressFromMessage(msg, wParam)) {
        input_.MousePressed(press->button, press->shift);
    }
    switch (msg) {
    case WM_CLOSE:
        // Only the session's own unload takes the window down, after the
        // song it names is closed.
        return 0;
    case WM_SYSCOMMAND:
        // No second screen saver over the full-screen one.
        return IsSystemCommand(wParam, SC_SCREENSAVE)
                   ? 0
                   : PictureForm::HandleMessage(msg, wParam, lParam);
    case WM_MOUSEMOVE: {
        LRESULT result = PictureForm::HandleMessage(msg, wParam, lParam);
        input_.MouseMoved();
        return result;
    }
    case WM_ACTIVATEAPP:
        if (!wParam) {
            input_.AppDeactivated();
        }
        return PictureForm::HandleMessage(msg, wParam, lParam);
    case MM_MCINOTIFY:
        return OnMciNotifyMessage(notices_, Handle(), wParam, lParam);
    default:
        return PictureForm::HandleMessage(msg, wParam, lParam);
    }
}

} // namespace brelvix
