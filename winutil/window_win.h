// A thin base for the program's windows: the object is stored with its window
// at WM_NCCREATE, and every message goes to the object's HandleMessage.
#pragma once

#include "base/twips.h"

#include <windows.h>

#include <string>

namespace brelvix {

// Class name shared by every top-level window of the program, which the
// single-instance rules look for.
inline constexpr wchar_t kFormClassName[] = L"BrelvixForm";

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }

    // Destroys the window from code: the one way the program's own windows
    // close without asking (a close request from the user goes to OnClose).
    void Unload();

    void Show(int showCommand = SW_SHOW);

    // Geometry in twips (Program().TwipsX and TwipsY per pixel): the outer
    // size, and MoveTwips places the window in the parent's client area (the
    // screen's for a top-level window).
    int WidthTwips() const;
    int HeightTwips() const;
    void MoveTwips(int left, int top);

  protected:
    // Creates the window with the program's form class, so that the
    // single-instance rules find it. The object must outlive the window.
    bool CreateForm(DWORD exStyle, DWORD style, const std::wstring& caption, int x, int y,
                    int width, int height, HWND parent);

    // Messages not handled here go to DefWindowProcW.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // The window is going away (WM_NCDESTROY): the handle is already invalid.
    virtual void OnDestroyed() {}

  private:
    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// A rectangle in twips as pixels at this screen's density.
RECT PixelRect(const TwipsRect& r);

// The screen's size in twips.
int ScreenWidthTwips();
int ScreenHeightTwips();

} // namespace brelvix
