#include "saver/work_area_win.h"

namespace brelvix {

RECT GetWorkArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

namespace {

// Every bit of a window style but its top two, WS_POPUP and WS_CHILD: a window
// is one of top-level, pop-up or child, so both go before WS_CHILD is set.
constexpr LONG_PTR kStyleWithoutPopupOrChild = 0x3FFFFFFF;
static_assert((kStyleWithoutPopupOrChild | WS_POPUP | WS_CHILD) == 0xFFFFFFFF &&
              (kStyleWithoutPopupOrChild & (WS_POPUP | WS_CHILD)) == 0);

} // namespace

void SetFormParent(HWND form, HWND newParent) {
    HWND current = GetParent(form);
    if (!current || current == GetDesktopWindow()) {
        LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
        style = (style & kStyleWithoutPopupOrChild) | WS_CHILD;
        SetWindowLongPtrW(form, GWL_STYLE, style);
        SetWindowPos(form, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (current == newParent) {
        return;
    }
    SetParent(form, newParent);
}

} // namespace brelvix
