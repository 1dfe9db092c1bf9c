#include "winutil/window_win.h"

#include "base/program_state.h"
#include "base/twips.h"
#include "resources/resource_ids.h"
#include "winutil/mouse_pointer_win.h"

namespace brelvix {

namespace {

bool RegisterFormClass(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(IDI_BRELVIX));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The window's outer rectangle in its parent's client coordinates.
RECT PlacedRect(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    HWND parent = (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD) ? GetParent(wnd) : nullptr;
    if (parent) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

} // namespace

RECT PixelRect(const TwipsRect& r) {
    const ProgramState& p = Program();
    int left = TwipsToPixels(r.left, p.TwipsX);
    int top = TwipsToPixels(r.top, p.TwipsY);
    return {left, top, left + TwipsToPixels(r.width, p.TwipsX),
            top + TwipsToPixels(r.height, p.TwipsY)};
}

int ScreenWidthTwips() {
    return GetSystemMetrics(SM_CXSCREEN) * Program().TwipsX;
}

int ScreenHeightTwips() {
    return GetSystemMetrics(SM_CYSCREEN) * Program().TwipsY;
}

Window::~Window() {
    Unload();
}

void Window::Unload() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
}

void Window::Show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
}

int Window::WidthTwips() const {
    RECT r = PlacedRect(hwnd_);
    return (r.right - r.left) * Program().TwipsX;
}

int Window::HeightTwips() const {
    RECT r = PlacedRect(hwnd_);
    return (r.bottom - r.top) * Program().TwipsY;
}

void Window::MoveTwips(int left, int top) {
    const ProgramState& p = Program();
    SetWindowPos(hwnd_, nullptr, TwipsToPixels(left, p.TwipsX), TwipsToPixels(top, p.TwipsY), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::CreateForm(DWORD exStyle, DWORD style, const std::wstring& caption, int x, int y,
                        int width, int height, HWND parent) {
    if (hwnd_) {
        return true;
    }
    static const bool registered = RegisterFormClass(StaticProc);
    if (!registered) {
        return false;
    }
    HWND wnd = CreateWindowExW(exStyle, kFormClassName, caption.c_str(), style, x, y, width, height,
                               parent, nullptr, GetModuleHandleW(nullptr), this);
    return wnd != nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Default(msg, wParam, lParam);
}

LRESULT Window::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETCURSOR && ApplyMousePointer()) {
        return TRUE;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        // A window of this class made without an object behind it (by code
        // that calls CreateWindow itself) just gets the default behaviour.
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(cs->lpCreateParams);
        if (self) {
            self->hwnd_ = wnd;
            SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) {
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        LRESULT result = self->HandleMessage(msg, wParam, lParam);
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnDestroyed();
        return result;
    }
    return self->HandleMessage(msg, wParam, lParam);
}

} // namespace brelvix
