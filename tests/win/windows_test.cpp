// The program's windows on real windows: the status bar at the screen's own
// density, the About box's pointer and a setup dialog that cannot be made.
#include "about/about_box_win.h"
#include "app/setup_mode_win.h"
#include "base/twips.h"
#include "music/mci_win.h"
#include "music/print_time_win.h"
#include "resources/resource_ids.h"
#include "saver/saver_window_win.h"
#include "saver/work_area_win.h"
#include "setup/setup_dialog_win.h"
#include "setup/setup_layout.h"
#include "statusbar/status_bar_win.h"
#include "winutil/mouse_pointer_win.h"

#include "win_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

namespace brelvix {
namespace {

using namespace testing;

struct RecordingInput : StatusBarInput {
    void KeyPressed(int key) override { seen.push_back(L"key " + std::to_wstring(key)); }
    void MousePressed(int button, int shift) override {
        seen.push_back(L"press " + std::to_wstring(button) + L"/" + std::to_wstring(shift));
    }
    void MouseMoved() override {}
    void CloseClicked() override { seen.push_back(L"close"); }
    void AppDeactivated() override {}
    std::vector<std::wstring> seen;
};

// The screen's density, which the program's twips follow. These tests run at
// 96 dpi with the others and again at 120 and 144 (BRELVIX_EXPECT_DPI).
int UseScreenDensity() {
    int dpi = GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSX);
    if (const char* expected = std::getenv("BRELVIX_EXPECT_DPI")) {
        EXPECT_EQ(dpi, std::atoi(expected));
    }
    Program().TwipsX = Program().TwipsY = TwipsPerPixel(dpi);
    return dpi;
}

// A text in the font as drawn on the window.
SIZE TextExtent(HWND wnd, HGDIOBJ font, const std::wstring& text) {
    WindowDc dc(wnd);
    SelectedObject selected(dc.Get(), font);
    RECT r{};
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE);
    return {r.right, r.bottom};
}

TEST(StatusBarWindow, StripGlyphAndKnobSitWhereTheLayoutPutsThemAtThisDensity) {
    ProgramStateScope state;
    int dpi = UseScreenDensity();
    Program().Opt.UsableScreen = true;
    StatusBar fmci;
    ASSERT_TRUE(fmci.Load());
    RecordingInput input;
    fmci.SetInput(&input);
    HWND bar = fmci.Handle();
    SetWindowPos(bar, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(bar);
    RECT client{}, strip = fmci.CaptionStripRect(), knob = fmci.KnobRect();
    GetClientRect(bar, &client);
    EXPECT_EQ(client.right, TwipsToPixels(5250, Program().TwipsX));
    EXPECT_EQ(client.right - strip.right, 4);
    EXPECT_EQ(strip.top, 4);
    ScreenCapture shot;
    RECT s = OnScreen(bar, strip), k = OnScreen(bar, knob);
    EXPECT_EQ(shot.At(s.left, s.top), RGB(0, 0, 128));        // the strip's navy
    EXPECT_EQ(shot.At(s.left + 40, s.top + 5), RGB(0, 0, 0)); // the close glyph's X
    EXPECT_EQ(shot.At(s.left + 42, s.top + 5), RGB(192, 192, 192));
    EXPECT_EQ(shot.At(k.left, k.top + 6), RGB(255, 255, 255)); // the knob's lit edge
    EXPECT_EQ(shot.At(k.left + 8, k.top + 6), RGB(0, 0, 0));
    shot.Save(L"status-bar-" + std::to_wstring(dpi) + L"dpi.bmp");
    fmci.SetFileLabel(L"Tune 1.wav");
    for (const StatusBar::Label& label : fmci.Labels()) {
        SIZE text = TextExtent(bar, label.font, label.text);
        EXPECT_LE(text.cx, MulDiv(label.look.rect.width, dpi, 1440)) << label.text;
        EXPECT_LE(text.cy, MulDiv(label.look.rect.height, dpi, 1440)) << label.text;
    }

    ClickAt({s.left + 36, s.top + 8}); // the glyph's edge does not count
    ClickAt({s.left + 44, s.top + 8}, true);
    Program().Opt.UsableScreen = false;
    ClickAt({s.left + 44, s.top + 8});
    EXPECT_TRUE(input.seen.empty()) << "the strip passes nothing on";
    Program().Opt.UsableScreen = true;
    ClickAt({s.left + 44, s.top + 8});

    SendMessageW(bar, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(150, 90));
    SendMessageW(bar, WM_KEYDOWN, VK_F1, 0);
    EXPECT_EQ(input.seen, (std::vector<std::wstring>{L"close", L"press 2/1", L"key 112"}));
    SendMessageW(bar, WM_CLOSE, 0, 0);
    SendMessageW(bar, WM_SYSCOMMAND, SC_CLOSE, 0);
    Program().RunMode = ModePreview; // the preview's hidden bar lets a sign-out go on
    EXPECT_EQ(SendMessageW(bar, WM_QUERYENDSESSION, 0, 0), TRUE);
    Program().RunMode = ModeSaver;
    EXPECT_EQ(SendMessageW(bar, WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_TRUE(IsWindow(bar)) << "only the program's own unload closes the bar";
    fmci.Unload();
    EXPECT_FALSE(IsWindow(bar));
}

TEST(SetupDialogWindow, EveryCaptionFitsItsControlAtThisDensity) {
    ProgramStateScope state;
    UseScreenDensity();
    MusicState music;
    MciState mci;
    SetupDialog fsetup(music, mci);
    ASSERT_TRUE(fsetup.Load());
    for (const ControlPlace& place : kSetupControls) {
        if (!*place.caption) {
            continue; // the list, the pictures and the status label
        }
        HWND control = GetDlgItem(fsetup.Handle(), place.id);
        RECT room{};
        GetClientRect(control, &room);
        if (place.kind == ControlKind::CheckBox) {
            room.right -= GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
        } else if (place.kind == ControlKind::Button) {
            InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
        }
        auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
        SIZE text = TextExtent(control, font, place.caption);
        EXPECT_LE(text.cx, room.right - room.left) << place.caption;
        EXPECT_LE(text.cy, room.bottom - room.top) << place.caption;
    }
    fsetup.Unload();
}

// The bar wanders under the clock's corner; the clock must not paint on it,
// or its strokes travel on with the bar.
TEST(SaverWindow, TheClockIsNotDrawnOverTheStatusBarBeneathIt) {
    ProgramStateScope state;
    UseScreenDensity();
    StatusBar fmci;
    SaverInput input(Program().Opt, fmci);
    MciState mci;
    SaverWindow frmSS(input, mci);
    ASSERT_TRUE(frmSS.Load({{0, 0, 900, 300}, 900, 300}));
    frmSS.Show();
    ASSERT_TRUE(fmci.Load());
    fmci.Show(SW_SHOWNORMAL);
    SetFormParent(fmci.Handle(), frmSS.Handle());
    fmci.MoveTwips(1500, 300); // over most of the clock, which starts at (0, 0)
    UpdateWindow(frmSS.Handle());
    UpdateWindow(fmci.Handle());
    frmSS.PrintTime();
    RECT bar{};
    GetWindowRect(fmci.Handle(), &bar); // borderless: its client area
    const COLORREF yellow = RGB(255, 255, 0);
    std::optional<ScreenCapture> shot;
    // Wine shows what was drawn a moment later.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return shot.emplace().Count({0, 0, bar.left, 60}, yellow) > 100;
        },
        3000))
        << "the clock, left of the bar";
    shot->Save(L"clock-over-bar.bmp");
    EXPECT_EQ(shot->Count({0, 0, bar.left, 60}, RGB(255, 255, 255)), 0)
        << "the clock's ground is black";
    EXPECT_EQ(shot->Count(bar, yellow), 0);
    fmci.Unload();
    frmSS.Unload();
}

std::vector<bool> g_handShown;
std::vector<std::wstring> g_textFonts;

// Runs inside the box's own loop: the fonts of the text and of OK, then the
// pointer over a link, the text, the other link.
void CALLBACK PointAcrossTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND box = FindWindowW(L"#32770", L"About");
    for (int id : {IDC_LBLABOUT, IDOK}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(box, id, WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        g_textFonts.push_back(font.lfFaceName + std::to_wstring(font.lfHeight));
    }
    for (int id : {IDC_LBLMAILTO, IDC_LBLABOUT, IDC_LBLWEB}) {
        RECT at = OnScreen(GetDlgItem(box, id), {3, 3, 0, 0});
        SendAll({MouseInput(MOUSEEVENTF_MOVE, {at.left, at.top})});
        Pause(0.2);
        g_handShown.push_back(GetCursor() == HandCursor());
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(AboutBox, TheTextIsInItsFontAndTheHandShowsOverTheLinksOnly) {
    ProgramStateScope state;
    SetTimer(nullptr, 0, 300, PointAcrossTheBox);
    ShowSetupAbout(nullptr);
    // 9.75-point Arial at 96 dpi.
    EXPECT_EQ(g_textFonts, (std::vector<std::wstring>{L"Arial-13", L"Arial-13"}));
    EXPECT_EQ(g_handShown, (std::vector<bool>{true, false, true}));
}

std::wstring g_said;

// The program's forms cannot be made; a message box is read and answered.
LRESULT CALLBACK RefuseForms(int code, WPARAM wParam, LPARAM lParam) {
    auto wnd = reinterpret_cast<HWND>(wParam);
    wchar_t name[32] = {};
    GetClassNameW(wnd, name, static_cast<int>(std::size(name)));
    if (code == HCBT_CREATEWND && std::wstring(name) == kFormClassName) {
        return 1;
    }
    if (code == HCBT_ACTIVATE && std::wstring(name) == L"#32770") {
        g_said = TextOf(GetDlgItem(wnd, 0xFFFF));
        PostMessageW(wnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Ends a setup loop that would otherwise wait for good.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    PostMessageW(FindWindowW(kFormClassName, nullptr), WM_CLOSE, 0, 0);
}

TEST(SetupMode, ADialogThatCannotBeMadeEndsAtOnceFreesTheHostAndSaysWhy) {
    ProgramStateScope state;
    FreshProgramStore fresh;
    HWND host = CreateWindowW(L"Static", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    HWND page =
        CreateWindowW(L"Static", L"", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
    MusicState music;
    std::wstring command = L"/C:" + std::to_wstring(reinterpret_cast<std::uintptr_t>(page));
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseForms, nullptr, GetCurrentThreadId());
    UINT_PTR giveUp = SetTimer(nullptr, 0, 10000, GiveUp);
    ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(RunSetupMode(music, command, true, false));
    EXPECT_LT(GetTickCount64() - start, 5000u) << "no wait for an end that never comes";
    KillTimer(nullptr, giveUp);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(IsWindowEnabled(host));
    EXPECT_EQ(g_said.rfind(L"The setup dialog could not be opened", 0), 0u) << g_said;
    DestroyWindow(host);
}

// At 13 twips a pixel (about 110 dpi) one twip more moves OK a pixel on.
TEST(SetupPlacement, EveryControlStandsOnThePixelItsTwipsGive) {
    ProgramStateScope state;
    Program().TwipsX = Program().TwipsY = 13;
    MusicState music;
    MciState mci;
    SetupDialog fsetup(music, mci);
    ASSERT_TRUE(fsetup.Load());
    for (const ControlPlace& place : kSetupControls) {
        RECT at{};
        GetWindowRect(GetDlgItem(fsetup.Handle(), place.id), &at);
        MapWindowPoints(nullptr, fsetup.Handle(), reinterpret_cast<POINT*>(&at), 1);
        EXPECT_EQ(at.left, TwipsToPixels(place.left + (place.inFrame ? kFrameLeft : 0), 13));
        EXPECT_EQ(at.top, TwipsToPixels(place.top + (place.inFrame ? kFrameTop : 0), 13));
    }
    fsetup.Unload();
}

TEST(SetupPlayList, ADropComesWithOneMessageAndItsSongsPlayOnlyUnmuted) {
    ProgramStateScope state;
    FreshProgramStore store;
    Program().TwipsX = Program().TwipsY = 15;
    TempFolder dropped;
    std::filesystem::create_directory(dropped.File(L"Sub"));
    for (const wchar_t* name : {L"b.WAV", L"a.wav"}) {
        dropped.Write(name, WavBytes(5));
    }
    for (const wchar_t* name : {L"Sub\\c.mid", L"notes.txt"}) {
        dropped.Write(name, "x");
    }
    MusicState music;
    MciState mci;
    SetupDialog fsetup(music, mci);
    ASSERT_TRUE(fsetup.Load());
    EXPECT_TRUE(GetWindowLongPtrW(fsetup.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    std::wstring message;
    // The message box holds the dialog's thread; another thread answers it.
    std::thread answer([&] {
        HWND box = WaitForBox(L"Brelvix");
        message = TextOf(GetDlgItem(box, 0xFFFF));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(fsetup.Handle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(DropOf(
                     {dropped.File(L""), dropped.File(L"notes.txt"), dropped.File(L"a.wav")})),
                 0);
    answer.join();
    EXPECT_EQ(message, L"3 songs added to the play-list.\r1 was in it already.\r1 was left out: "
                       L"missing, not a song, or a web address.");
    HWND list = GetDlgItem(fsetup.Handle(), kIdList);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    // Rows 0 and 1 are real songs, chosen as a click chooses them.
    for (bool mute : {true, false}) {
        Program().Opt.Mute = mute;
        SendMessageW(list, LB_SETCURSEL, mute ? 0 : 1, 0);
        SendMessageW(fsetup.Handle(), WM_COMMAND, MAKEWPARAM(kIdList, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(mci.MciIsOpen, !mute) << "muted, the chosen song stays silent";
    }
    CloseSong(mci, kSetupAlias);
    fsetup.Unload();
}

} // namespace
} // namespace brelvix
