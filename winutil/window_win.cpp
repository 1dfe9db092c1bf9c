#include "winutil/window_win.h"

#include "resources/resource_ids.h"
#include "saver/instance_win.h"

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

} // namespace

Window::~Window() { Unload(); }

void Window::Unload() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
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
    HWND wnd = CreateWindowExW(exStyle, kFormClassName, caption.c_str(), style, x, y, width,
                               height, parent, nullptr, GetModuleHandleW(nullptr), this);
    return wnd != nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Default(msg, wParam, lParam);
}

LRESULT Window::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(cs->lpCreateParams);
        // A window of the form class made without its object (a plain
        // CreateWindow, as another part of the process may do once the class
        // is registered) has no handlers: it gets the default behaviour.
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
