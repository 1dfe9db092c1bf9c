#include "winutil/dialog_focus_win.h"

namespace brelvix {
namespace {

bool CanTakeFocus(HWND dialog, HWND control) {
    return control && IsChild(dialog, control) && IsWindowVisible(control) &&
           IsWindowEnabled(control);
}

} // namespace

bool DialogFocus::Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NEXTDLGCTL:
        MoveTo(dialog, wParam, lParam);
        return true;
    case WM_ACTIVATE:
        // The control still has the focus while its window is deactivated.
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(dialog, GetFocus())) {
            saved_ = GetFocus();
        }
        return false;
    case WM_SETFOCUS:
        Restore(dialog, reinterpret_cast<HWND>(wParam));
        return true;
    default:
        return false;
    }
}

// lParam set: wParam is the control; otherwise wParam 0 is the next tab stop
// and anything else the previous one.
void DialogFocus::MoveTo(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND from = IsChild(dialog, GetFocus()) ? GetFocus() : nullptr;
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(dialog, from, wParam != 0);
    if (target) {
        SetFocus(target);
    }
}

// The window itself got the focus (activated, restored, or from another
// window): it goes on to the control that just lost it to the window, else to
// the one that had it when the window was deactivated, else to the first tab
// stop.
void DialogFocus::Restore(HWND dialog, HWND previous) {
    HWND target = CanTakeFocus(dialog, previous) ? previous
                  : CanTakeFocus(dialog, saved_) ? saved_
                                                 : GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target) {
        SetFocus(target);
    }
}

} // namespace brelvix
