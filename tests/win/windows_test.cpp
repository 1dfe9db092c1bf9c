// The program's windows on real windows: the status bar at the screen's own
// density and the replaced window procedures.
#include "base/twips.h"
#include "music/mci_win.h"
#include "saver/session_window_proc_win.h"
#include "statusbar/status_bar_win.h"

#include "win_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brelvix {
namespace {

using namespace testing;

struct RecordingInput : StatusBarInput {
    void KeyPressed(int key) override { seen.push_back(L"key " + std::to_wstring(key)); }
    void MousePressed(int button, int shift) override {
        seen.push_back(L"press " + std::to_wstring(button) + L"/" + std::to_wstring(shift));
    }
    std::vector<std::wstring> seen;
};

// Runs at 96 dpi with the other tests and again at 120 dpi (BRELVIX_EXPECT_DPI).
TEST(StatusBarWindow, StripGlyphAndKnobSitWhereTheLayoutPutsThemAtThisDensity) {
    ProgramStateScope state;
    int dpi = GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSX);
    if (const char* expected = std::getenv("BRELVIX_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(expected));
    }
    Program().TwipsX = Program().TwipsY = TwipsPerPixel(dpi);
    Program().Opt.UsableScreen = true;
    ASSERT_TRUE(fmci().Load());
    RecordingInput input;
    fmci().SetInput(&input);
    HWND bar = fmci().Handle();
    SetWindowPos(bar, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(bar);
    RECT client{}, strip = fmci().CaptionStripRect(), knob = fmci().KnobRect();
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

    ClickAt({s.left + 36, s.top + 8}); // the glyph's edge does not count
    EXPECT_FALSE(Program().EndSaver);
    ClickAt({s.left + 44, s.top + 8}, true);
    EXPECT_FALSE(Program().EndSaver);
    Program().Opt.UsableScreen = false;
    ClickAt({s.left + 44, s.top + 8});
    EXPECT_FALSE(Program().EndSaver);
    EXPECT_TRUE(input.seen.empty()) << "the strip passes nothing on";
    Program().Opt.UsableScreen = true;
    ClickAt({s.left + 44, s.top + 8});
    EXPECT_TRUE(Program().EndSaver);

    SendMessageW(bar, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(150, 90));
    SendMessageW(bar, WM_KEYDOWN, VK_F1, 0);
    EXPECT_EQ(input.seen, (std::vector<std::wstring>{L"press 2/1", L"key 112"}));
    SendMessageW(bar, WM_CLOSE, 0, 0);
    SendMessageW(bar, WM_SYSCOMMAND, SC_CLOSE, 0);
    Program().RunMode = ModePreview; // the preview's hidden bar lets a sign-out go on
    EXPECT_EQ(SendMessageW(bar, WM_QUERYENDSESSION, 0, 0), TRUE);
    Program().RunMode = ModeSaver;
    EXPECT_EQ(SendMessageW(bar, WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_TRUE(IsWindow(bar)) << "only the program's own unload closes the bar";
    fmci().Unload();
    EXPECT_FALSE(IsWindow(bar));
}

// Notices and system commands reach these procedures in the media test and
// the e2e runs; here, what a hook does to its window.
TEST(WindowProcedures, AHookIsTakenOnceAndGoesWithItsWindow) {
    HWND next = nullptr;
    for (int window = 0; window < 2; ++window) { // the first dies hooked
        next = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
        HookSessionWindow(next);
        HookSessionWindow(next); // a second hook would hand messages to itself
        SendMessageW(next, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"passed on"));
        EXPECT_EQ(TextOf(next), L"passed on");
        Mci() = MciState{true, L"frmSS"};
        SendMessageW(next, MM_MCINOTIFY, 1, 0);
        EXPECT_TRUE(Mci().SongEnded) << window;
        if (window == 0) {
            DestroyWindow(next);
        }
    }
    UnhookSessionWindow(next);
    DestroyWindow(next);
}

} // namespace
} // namespace brelvix
