#include "winutil/picture_box_win.h"

#include "winutil/input_codes_win.h"
#include "winutil/mouse_pointer_win.h"

namespace brelvix {

bool PictureBox::Create(HWND parent, int id, const RECT& pixels, COLORREF back) {
    back_ = back;
    if (!CreateForm(0, WS_CHILD | WS_VISIBLE, L"", pixels.left, pixels.top,
                    pixels.right - pixels.left, pixels.bottom - pixels.top, parent)) {
        return false;
    }
    SetWindowLongPtrW(Handle(), GWLP_ID, id);
    WindowDc screen(nullptr);
    picture_.Create(screen.Get(), pixels.right - pixels.left, pixels.bottom - pixels.top);
    Clear();
    return true;
}

void PictureBox::Clear() {
    FillSolid(picture_.Dc(), {0, 0, picture_.Width(), picture_.Height()}, back_);
    Refresh();
}

void PictureBox::Refresh() {
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT PictureBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto press = PressFromMessage(msg, wParam)) {
        if (presses_) {
            presses_->Pressed(GetDlgCtrlID(Handle()), press->button, press->shift);
        }
        return 0;
    }
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintDc paint(Handle());
        picture_.PaintTo(paint.Get(), paint.Area());
        return 0;
    }
    case WM_SETCURSOR:
        if (cursor_ && !ApplyMousePointer()) {
            ::SetCursor(cursor_);
            return TRUE;
        }
        return Default(msg, wParam, lParam);
    default:
        return Default(msg, wParam, lParam);
    }
}

} // namespace brelvix
