#include "about/about_box_win.h"

#include "about/about_text.h"
#include "base/program_state.h"
#include "resources/resource_ids.h"
#include "winutil/graphics_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/secure_saver_win.h"
#include "winutil/window_helpers_win.h"

#include <shellapi.h>

#include <cstdint>
#include <utility>

namespace brelvix {
namespace {

constexpr UINT kHintMilliseconds = 10000;
constexpr UINT_PTR kTimerHide = 1;
// Posted by a press on a link, so that the box goes after the press is handled.
constexpr UINT kOpenLinkMessage = WM_APP + 1;
constexpr TwipsRect kClientArea = {0, 0, 6555, 3180};
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

struct ControlLook {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    TwipsRect rect; // in the box's client area
};

// Frame1's children are placed in the frame's own coordinates.
constexpr TwipsRect kFrame = {180, 105, 6225, 2895};
constexpr TwipsRect InFrame(int left, int top, int width, int height) {
    return {kFrame.left + left, kFrame.top + top, width, height};
}

// The frame and the text go first: they are sent to the bottom afterwards
// and clip the controls that lie on them.
constexpr ControlLook kControls[] = {
    {IDC_FRAME1, L"Button", L"", BS_GROUPBOX | WS_CLIPSIBLINGS, kFrame},
    {IDC_LBLABOUT, L"Static", L"", SS_NOPREFIX | WS_CLIPSIBLINGS, InFrame(885, 210, 5190, 2220)},
    {IDC_IMGICON, L"Static", L"", SS_ICON, InFrame(270, 480, 480, 480)},
    {IDC_LBLMAILTO, L"Static", kMailAddress, SS_NOTIFY | SS_NOPREFIX, InFrame(885, 1905, 570, 225)},
    {IDC_LBLWEB, L"Static", kWebAddress, SS_NOTIFY | SS_NOPREFIX, InFrame(885, 2145, 570, 225)},
    {IDOK, L"Button", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {2730, 2595, 1095, 345}},
};

HICON ProgramIcon(int id) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 32, 32, LR_SHARED));
}

HICON WindowIcon(HWND wnd) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
    if (!icon) {
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICON));
    }
    return icon ? icon : ProgramIcon(IDI_BRELVIX);
}

bool IsButtonPress(UINT mouseMessage) {
    return mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN ||
           mouseMessage == WM_MBUTTONDOWN;
}

// fabout: the one About box of the program. Modal: its owner takes no input
// while it is up, and About returns when it has closed.
class AboutBox {
  public:
    bool Load(HWND owner);
    // Milliseconds after which the box closes itself; 0 keeps it up.
    void SetInterval(UINT milliseconds) { interval_ = milliseconds; }
    // Links that only close the box.
    void SetLinksLocked(bool locked) { linksLocked_ = locked; }
    bool Loaded() const { return wnd_ && IsWindow(wnd_); }
    HWND Handle() const { return wnd_; }
    void About(const std::wstring& comment, HICON icon);

  private:
    static INT_PTR CALLBACK DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void PlaceBox();
    void FitLinks();
    bool OnSetCursor(HWND over, UINT mouseMessage);
    void Underline(HWND link);
    void OpenLink(AboutLink link);
    void WaitUntilClosed();
    void Unload();

    HWND wnd_ = nullptr;
    HWND owner_ = nullptr;
    HWND lblmailto_ = nullptr;
    HWND lblweb_ = nullptr;
    HWND underlined_ = nullptr;
    UINT interval_ = 0;
    bool linksLocked_ = false;
    GdiObject textFont_, linkFont_, underlinedFont_;
};

AboutBox& fabout() {
    static AboutBox box;
    return box;
}

bool AboutBox::Load(HWND owner) {
    if (Loaded()) {
        return true;
    }
    owner_ = owner;
    underlined_ = nullptr;
    textFont_ = MakeFont(L"Arial", 975, false);
    linkFont_ = MakeFont(L"Arial", 900, false);
    underlinedFont_ = MakeFont(L"Arial", 900, false, true);
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return Loaded();
}

void AboutBox::CreateControls() {
    for (const ControlLook& look : kControls) {
        RECT r = PixelRect(look.rect);
        HWND control =
            CreateWindowExW(0, look.className, look.text, WS_CHILD | WS_VISIBLE | look.style,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, wnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(look.id)),
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), FALSE);
    }
    lblmailto_ = GetDlgItem(wnd_, IDC_LBLMAILTO);
    lblweb_ = GetDlgItem(wnd_, IDC_LBLWEB);
    SetWindowPos(GetDlgItem(wnd_, IDC_LBLABOUT), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(GetDlgItem(wnd_, IDC_FRAME1), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FitLinks();
}

// Each link label is as large as its text.
void AboutBox::FitLinks() {
    WindowDc dc(wnd_);
    SelectedObject font(dc.Get(), linkFont_.Get());
    for (HWND link : {lblmailto_, lblweb_}) {
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get()), FALSE);
        wchar_t text[128] = {};
        int length = GetWindowTextW(link, text, static_cast<int>(std::size(text)));
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text, length, &size);
        SetWindowPos(link, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The client area as designed, centred on the screen: (screen - box) in
// whole twips, halved.
void AboutBox::PlaceBox() {
    const ProgramState& p = Program();
    RECT r = PixelRect(kClientArea);
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(wnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(wnd_, GWL_EXSTYLE)));
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    int left = (ScreenWidthTwips() - width * p.TwipsX) / 2;
    int top = (ScreenHeightTwips() - height * p.TwipsY) / 2;
    SetWindowPos(wnd_, nullptr, TwipsToPixels(left, p.TwipsX), TwipsToPixels(top, p.TwipsY), width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutBox::About(const std::wstring& comment, HICON icon) {
    SetDlgItemTextW(wnd_, IDC_LBLABOUT, BuildAboutText(comment).c_str());
    SendDlgItemMessageW(wnd_, IDC_IMGICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (interval_ > 0) {
        SetTimer(wnd_, kTimerHide, interval_, nullptr);
    }
    MessageBeep(MB_ICONASTERISK);
    if (owner_) {
        EnableWindow(owner_, FALSE);
    }
    ShowWindow(wnd_, SW_SHOW);
    SendMessageW(wnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(wnd_, IDOK)), TRUE);
    WaitUntilClosed();
}

// The modal loop: the box gets its keyboard navigation, everything else its
// messages, and in between the thread sleeps.
void AboutBox::WaitUntilClosed() {
    HWND box = wnd_;
    while (Loaded()) {
        PumpMessages(box);
        if (Loaded()) {
            WaitForMessage(INFINITE);
        }
    }
}

// The owner takes input again before the box goes, so that it is the window
// activated next.
void AboutBox::Unload() {
    HWND box = std::exchange(wnd_, nullptr);
    if (!box) {
        return;
    }
    if (owner_) {
        EnableWindow(owner_, TRUE);
    }
    DestroyWindow(box);
}

// The dialog hands WM_SETCURSOR for its controls here first, with the
// mouse message that caused it: this is where hover and presses on the
// links are seen. The frame and the text let the mouse through to the box.
bool AboutBox::OnSetCursor(HWND over, UINT mouseMessage) {
    bool onLink = over == lblmailto_ || over == lblweb_;
    if (onLink && IsButtonPress(mouseMessage)) {
        PostMessageW(wnd_, kOpenLinkMessage,
                     static_cast<WPARAM>(over == lblmailto_ ? AboutLink::Mail : AboutLink::Web), 0);
    }
    Underline(onLink ? over : over == wnd_ ? nullptr : underlined_);
    if (onLink) {
        SetCursor(HandCursor());
    }
    return onLink;
}

void AboutBox::Underline(HWND link) {
    if (link == underlined_) {
        return;
    }
    underlined_ = link;
    for (HWND each : {lblmailto_, lblweb_}) {
        HGDIOBJ font = each == link ? underlinedFont_.Get() : linkFont_.Get();
        SendMessageW(each, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

// On a desktop whose owner has not yet given the password, nothing may
// start there: the box just closes.
void AboutBox::OpenLink(AboutLink link) {
    Unload();
    if (!linksLocked_) {
        ShellOpen(LinkTarget(link));
    }
}

INT_PTR AboutBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowTextW(wnd_, L"About");
        CreateControls();
        PlaceBox();
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
        auto dc = reinterpret_cast<HDC>(wParam);
        auto control = reinterpret_cast<HWND>(lParam);
        SetTextColor(dc, control == lblmailto_ || control == lblweb_
                             ? kLinkColour
                             : GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_SETCURSOR:
        // Off the links the default handling shows the arrow of the window
        // under the mouse; answering here would leave the hand in place.
        if (!OnSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam))) {
            return FALSE;
        }
        SetWindowLongPtrW(wnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case kOpenLinkMessage:
        OpenLink(static_cast<AboutLink>(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == kTimerHide) {
            KillTimer(wnd_, kTimerHide);
            Unload();
        }
        return TRUE;
    case WM_COMMAND:
        // OK is both the default and the cancel button: Enter, Esc and the
        // close box all press it.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Unload();
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutBox::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<AboutBox*>(lParam);
        self->wnd_ = wnd;
        SetWindowLongPtrW(wnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(wnd, DWLP_USER));
    return self && self->wnd_ == wnd ? self->HandleMessage(msg, wParam, lParam) : FALSE;
}

// What both entries share. The hint box is top-most and closes by itself;
// the interval is set every time, so the setup's box never inherits the
// hint box's.
void ShowAboutForm(HWND owner, const std::wstring& comment, HICON icon, bool hintBox,
                   bool linksLocked) {
    AboutBox& box = fabout();
    if (!box.Load(owner)) {
        return;
    }
    box.SetInterval(hintBox ? kHintMilliseconds : 0);
    box.SetLinksLocked(linksLocked);
    if (hintBox) {
        SetTopMost(box.Handle());
    }
    box.About(comment, icon);
}

// ShellExecute's result is a code, not a handle: above this, the launch worked.
constexpr std::intptr_t kLastShellError = 32;

// The words for what ShellExecute's code says went wrong; empty when it worked.
std::wstring ShellOpenMessage(std::intptr_t code) {
    switch (code) {
    case SE_ERR_FNF:
        return L"File not found.";
    case SE_ERR_PNF:
        return L"Path not found.";
    case SE_ERR_ACCESSDENIED:
        return L"Access denied.";
    case SE_ERR_ASSOCINCOMPLETE:
        return L"Incomplete association type of file.";
    case SE_ERR_NOASSOC:
        return L"Missing association type of file.";
    default:
        return code <= kLastShellError ? L"Generic access file error." : L"";
    }
}

} // namespace

void ShowAboutBox(bool selfClosing, int iconId, const std::wstring& hint) {
    ShowAboutForm(GetActiveWindow(), hint, ProgramIcon(iconId), selfClosing, ScreenSaverIsSecure());
}

void ShowSetupAbout(HWND setupWnd) {
    ShowAboutForm(setupWnd, L"", WindowIcon(setupWnd), false, false);
}

std::wstring ShellOpen(const std::wstring& target) {
    HINSTANCE code =
        ShellExecuteW(GetDesktopWindow(), nullptr, target.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
    return ShellOpenMessage(reinterpret_cast<std::intptr_t>(code));
}

} // namespace brelvix
