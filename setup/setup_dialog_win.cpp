#include "setup/setup_dialog_win.h"

#include "about/about_box_win.h"
#include "base/program_state.h"
#include "base/setting_keys.h"
#include "base/twips.h"
#include "music/mci_win.h"
#include "resources/resource_ids.h"
#include "setup/setup_layout.h"
#include "winutil/file_helpers_win.h"
#include "winutil/graphics_win.h"
#include "winutil/input_codes_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/registry_store_win.h"
#include "winutil/window_helpers_win.h"

#include <windowsx.h>

#include <algorithm>

namespace brelvix {
namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

RECT PixelsOf(const ControlPlace& place) {
    int left = place.left + (place.inFrame ? kFrameLeft : 0);
    int top = place.top + (place.inFrame ? kFrameTop : 0);
    return PixelRect({left, top, place.width, place.height});
}

struct StandardControl {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

StandardControl StandardFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
        return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::List:
        return {L"ListBox", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT,
                WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"Button", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
        return {L"Button", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    default:
        return {L"Static", SS_LEFT, 0};
    }
}

// The system's dialog font: a control made with CreateWindowEx would get the
// bitmap system font.
GdiObject DialogFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return GdiObject(CreateFontIndirectW(&metrics.lfMessageFont));
}

// The height of a line of text in the font.
int LineHeight(HGDIOBJ font) {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight;
}

// The outer size for the designed inner width and the given outer height.
SIZE OuterSize(int heightTwips) {
    const ProgramState& p = Program();
    RECT r{0, 0, TwipsToPixels(kSetupClientWidthTwips, p.TwipsX), 0};
    AdjustWindowRectEx(&r, kDialogStyle, FALSE, 0);
    return {r.right - r.left, TwipsToPixels(heightTwips, p.TwipsY)};
}

void RestoreIfMinimized(HWND wnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(wnd, &placement);
    if (placement.showCmd == SW_MINIMIZE || placement.showCmd == SW_SHOWMINIMIZED) {
        ShowWindow(wnd, SW_RESTORE);
    }
}

} // namespace

bool SetupDialog::Load() {
    ProgramState& p = Program();
    ended_ = false;
    parts_.ReplayRequested = false;
    parts_.LastFolder.clear();
    parts_.CurrentName.clear();
    songLength_ = L"00:00";
    SIZE size = OuterSize(kSetupHeightWithStripTwips);
    int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    if (!CreateForm(WS_EX_CONTROLPARENT, kDialogStyle, p.AppTitle, left, top, size.cx, size.cy,
                    nullptr)) {
        return false;
    }
    parts_.dialog = Handle();
    MakeControls();
    FillFromOptions();
    AddSystemMenuItem(Handle(), kCommandAbout, L"About...", true);
    AddSystemMenuItem(Handle(), kCommandViewFilename, L"View song statusbar", false);
    AddSystemMenuItem(Handle(), kCommandAddFolder, L"Add folder...", false);
    CheckSystemMenuItem(Handle(), kCommandViewFilename, p.Opt.ViewFilename);
    // Files and folders dragged from Explorer join the play-list.
    DragAcceptFiles(Handle(), TRUE);
    return true;
}

void SetupDialog::MakeControls() {
    font_ = DialogFont();
    for (const ControlPlace& place : kSetupControls) {
        MakeControl(place);
    }
    parts_.list.Attach(GetDlgItem(Handle(), kIdList));
    parts_.okButton = GetDlgItem(Handle(), kIdOk);
    parts_.removeButton = GetDlgItem(Handle(), kIdRemove);
    parts_.clearButton = GetDlgItem(Handle(), kIdClear);
    parts_.statusLabel = GetDlgItem(Handle(), kIdStatus);
}

void SetupDialog::MakeControl(const ControlPlace& place) {
    RECT r = PixelsOf(place);
    if (place.id == kIdNameStrip) {
        RECT client{};
        GetClientRect(Handle(), &client);
        r.right = client.right; // as wide as the dialog's inside
        parts_.strip.Create(Handle(), place.id, r, static_cast<HFONT>(font_.Get()));
        return;
    }
    if (place.kind == ControlKind::Picture) {
        bool up = place.id == kIdUp;
        PictureBox& arrow = up ? up_ : down_;
        GdiObject& bitmap = up ? upArrow_ : downArrow_;
        arrow.Create(Handle(), place.id, r, RGB(255, 255, 255));
        bitmap = LoadBitmapResource(up ? IDB_ARROW_UP : IDB_ARROW_DOWN);
        DrawBitmap(arrow.Dc(), bitmap.Get(), 0, 0);
        arrow.SetCursor(HandCursor());
        arrow.SetPresses(this);
        return;
    }
    if (place.kind == ControlKind::CheckBox) {
        // A check box clips its caption to its height, which the design made
        // one line of its font at 96 dpi; at other densities the rounding, or
        // another dialog font, can leave less than a line.
        r.bottom = std::max<LONG>(r.bottom, r.top + LineHeight(font_.Get()));
    }
    StandardControl kind = StandardFor(place.kind);
    HWND control = CreateWindowExW(kind.exStyle, kind.className, place.caption,
                                   WS_CHILD | WS_VISIBLE | WS_GROUP | kind.style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    // The list fitted its height to whole rows of the font it was made with;
    // placed again, it fits the designed height to rows of the dialog font.
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
}

void SetupDialog::FillFromOptions() {
    const Options& opt = Program().Opt;
    parts_.list.Fill(music_.PlayList);
    SetCheck(kIdMute, opt.Mute);
    SetCheck(kIdOnlyMusic, opt.UsableScreen);
    if (!opt.UsableScreen) {
        SetCheck(kIdBlack, opt.BlackScreen);
        SetCheck(kIdMouse, opt.MouseMove);
    }
    if (parts_.list.Count() > 0 && music_.CurrentSong < 0) {
        music_.CurrentSong = 0;
    }
    if (music_.CurrentSong > -1) {
        parts_.IgnoreListClick = true;
        parts_.list.Select(music_.CurrentSong);
        editor_.ListClicked();
        parts_.IgnoreListClick = false;
    }
    ViewLabels(opt.ViewFilename);
}

std::wstring SetupDialog::SelectedTitle() const {
    return parts_.list.Text(parts_.list.Selected());
}

void SetupDialog::ViewLabels(bool flag) {
    SIZE size = OuterSize(flag ? kSetupHeightWithStripTwips : kSetupHeightWithoutStripTwips);
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(parts_.strip.Handle(), flag ? SW_SHOW : SW_HIDE);
    ShowWindow(parts_.statusLabel, flag ? SW_HIDE : SW_SHOW);
}

void SetupDialog::ShowSong(const std::wstring& name, int row) {
    parts_.IgnoreListClick = true;
    parts_.CurrentName = name;
    PrintName(name);
    parts_.list.Select(row);
    editor_.ListClicked();
    parts_.IgnoreListClick = false;
}

void SetupDialog::ShowPosition(int percent, const std::wstring& positionText) {
    std::wstring status = positionText + L" / " + songLength_;
    SetWindowTextW(parts_.statusLabel, status.c_str());
    parts_.strip.ShowProgress(percent);
    PrintName(parts_.CurrentName);
}

bool SetupDialog::Checked(int id) const {
    return IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
}

// A value changed by code runs the box's click handling, as a click would.
void SetupDialog::SetCheck(int id, bool value) {
    if (Checked(id) != value) {
        CheckDlgButton(Handle(), id, value ? BST_CHECKED : BST_UNCHECKED);
        OnCheckBox(id);
    }
}

void SetupDialog::OnCheckBox(int id) {
    Options& opt = Program().Opt;
    bool value = Checked(id);
    if (id == kIdBlack) {
        opt.BlackScreen = value;
    } else if (id == kIdMouse) {
        opt.MouseMove = value;
    } else if (id == kIdOnlyMusic) {
        opt.UsableScreen = value;
        if (value) {
            SetCheck(kIdBlack, false);
            SetCheck(kIdMouse, false);
        }
        EnableWindow(GetDlgItem(Handle(), kIdBlack), !value);
        EnableWindow(GetDlgItem(Handle(), kIdMouse), !value);
    } else if (id == kIdMute) {
        opt.Mute = value;
        if (value) {
            parts_.strip.Clear();
            PrintName(parts_.CurrentName);
            SetWindowTextW(parts_.statusLabel, L"");
            PauseSong(mci_, kSetupAlias);
        } else {
            ResumeSong(mci_, kSetupAlias);
        }
    }
}

void SetupDialog::OnOk() {
    ProgramState& p = Program();
    music_.CurrentSong = parts_.list.Selected() < 0 ? 0 : parts_.list.Selected();
    BusyPointer busy;
    SaveOptions(ProgramStore(), {p.Opt, music_.PlayList.PathAt(music_.CurrentSong + 1),
                                 music_.ListChanged, music_.PlayList.Paths()});
    music_.ListChanged = false;
    ended_ = true;
}

void SetupDialog::OnCommand(int id, int code) {
    switch (id) {
    case kIdList:
        if (code == LBN_SELCHANGE) {
            editor_.ListClicked();
        }
        break;
    case kIdAdd:
        editor_.Add();
        break;
    case kIdRemove:
        editor_.Remove();
        break;
    case kIdClear:
        editor_.Clear();
        break;
    case kIdMute:
    case kIdBlack:
    case kIdMouse:
    case kIdOnlyMusic:
        OnCheckBox(id);
        break;
    case kIdOk:
        OnOk();
        break;
    case kIdCancel:
        ended_ = true;
        break;
    default:
        break; // Enter's IDOK among them: OK is not the default button
    }
}

LRESULT SetupDialog::OnSystemCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case kCommandAbout:
        RestoreIfMinimized(Handle());
        ShowSetupAbout(Handle());
        return 0;
    case kCommandViewFilename:
        ToggleViewFilename();
        return 0;
    case kCommandAddFolder:
        RestoreIfMinimized(Handle());
        editor_.AddFolder();
        return 0;
    default:
        return Default(WM_SYSCOMMAND, wParam, lParam);
    }
}

void SetupDialog::ToggleViewFilename() {
    bool& view = Program().Opt.ViewFilename;
    view = !view;
    CheckSystemMenuItem(Handle(), kCommandViewFilename, view);
    ProgramStore().Write(kSectionSetting, kKeyViewFilename, BoolText(view));
    ViewLabels(view);
}

void SetupDialog::Pressed(int id, int button, int shift) {
    editor_.ArrowPressed(id == kIdUp, button, shift);
}

LRESULT SetupDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (focus_.Handle(Handle(), msg, wParam, lParam)) {
        return 0;
    }
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_VKEYTOITEM:
        // -2: the key was handled here; -1: the list does its own.
        return editor_.ListKey(LOWORD(wParam), KeyboardShiftState()) ? -2 : -1;
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    case WM_SYSCOMMAND:
        return OnSystemCommand(wParam, lParam);
    case MM_MCINOTIFY:
        return OnMciNotifyMessage(mci_, Handle(), wParam, lParam);
    case WM_DROPFILES:
        editor_.AddGathered(DroppedFiles(reinterpret_cast<HDROP>(wParam)));
        return 0;
    case WM_CLOSE:
        // The close box ends the dialog; the setup loop unloads it.
        ended_ = true;
        return 0;
    default:
        return Default(msg, wParam, lParam);
    }
}

void SetupDialog::OnDestroyed() {
    font_.Reset();
}

} // namespace brelvix
