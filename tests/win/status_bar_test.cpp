#include "statusbar/status_bar_win.h"

#include "saver/instance_win.h"
#include "saver/program_state.h"
#include "statusbar/status_bar_layout.h"
#include "winutil/message_pump_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace brelvix {
namespace {

using testing::ProgramStateScope;

class StatusBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Program().EndSaver = false;
        Program().SetupRequested = false;
        ASSERT_TRUE(fmci().Load());
    }
    void TearDown() override { fmci().Unload(); }
    void Reset() {
        Program().EndSaver = false;
        Program().SetupRequested = false;
    }
    // Shows the bar and paints it now.
    HWND ShowPainted() {
        HWND wnd = fmci().Handle();
        SetWindowPos(wnd, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        UpdateWindow(wnd);
        return wnd;
    }
    ProgramStateScope state;
};

TEST_F(StatusBarTest, LoadsHiddenWithItsSizeAndTheApplicationTitle) {
    HWND wnd = fmci().Handle();
    EXPECT_FALSE(IsWindowVisible(wnd));
    RECT client{};
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 350);
    EXPECT_EQ(client.bottom, 101);
    EXPECT_EQ(fmci().WidthTwips(), kStatusBarWidthTwips);
    EXPECT_EQ(fmci().HeightTwips(), kStatusBarHeightTwips);
    EXPECT_EQ(FindAppWindow(L"Brelvix"), wnd);
    EXPECT_EQ(fmci().LengthLabel(), L"00:00");
    EXPECT_EQ(fmci().PositionLabel(), L"00:00");
    EXPECT_EQ(fmci().KnobRect().left, 328) << "the knob starts at its design position";
    RECT strip = fmci().CaptionStripRect();
    EXPECT_EQ(strip.left, 292);
    EXPECT_EQ(strip.top, 4);
    EXPECT_EQ(strip.right - strip.left, 54);
    EXPECT_EQ(strip.bottom - strip.top, 18);
}

TEST_F(StatusBarTest, EveryCloseRequestButTheProgramsOwnUnloadIsRefused) {
    HWND wnd = fmci().Handle();
    for (bool usable : {false, true}) {
        Program().Opt.UsableScreen = usable;
        SendMessageW(wnd, WM_CLOSE, 0, 0);
        SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        SendMessageW(wnd, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29)); // Alt+F4
        EXPECT_EQ(SendMessageW(wnd, WM_QUERYENDSESSION, 0, 0), FALSE);
        EXPECT_TRUE(IsWindow(wnd)) << usable;
    }
    fmci().Unload();
    EXPECT_FALSE(IsWindow(wnd));
}

struct PercentCase {
    int percent;
    int leftPixel;
};

TEST_F(StatusBarTest, SetPercentMovesTheKnobAndShowsThePosition) {
    const PercentCase cases[] = {{0, 64}, {1, 66}, {33, 151}, {50, 196}, {100, 328}, {101, 330}};
    for (const auto& c : cases) {
        fmci().SetPercent(c.percent, L"01:23");
        RECT knob = fmci().KnobRect();
        EXPECT_EQ(knob.left, c.leftPixel) << c.percent;
        EXPECT_EQ(knob.top, 74);
        EXPECT_EQ(knob.right - knob.left, 9);
        EXPECT_EQ(knob.bottom - knob.top, 18);
    }
    EXPECT_EQ(fmci().PositionLabel(), L"01:23");
}

struct BarPress {
    bool usable;
    UINT msg;
    WPARAM keys;
    POINT at; // client pixels
    bool ends;
};

TEST_F(StatusBarTest, PressesEndTheSaverByModeAndPlace) {
    RECT strip = fmci().CaptionStripRect();
    POINT glyph{strip.left + 44, strip.top + 8};
    POINT glyphEdge{strip.left + 36, strip.top + 8};
    POINT minimize{strip.left + 8, strip.top + 8};
    POINT body{150, 90};
    POINT label{60, 12};
    const BarPress cases[] = {
        {false, WM_LBUTTONDOWN, MK_LBUTTON, body, true},
        {false, WM_LBUTTONDOWN, MK_LBUTTON, label, true},
        {false, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, body, false},
        {false, WM_MBUTTONDOWN, MK_MBUTTON, body, false},
        {false, WM_LBUTTONDOWN, MK_LBUTTON, glyph, false},
        {false, WM_LBUTTONDOWN, MK_LBUTTON, minimize, false},
        {true, WM_LBUTTONDOWN, MK_LBUTTON, glyph, true},
        {true, WM_LBUTTONDOWN, MK_LBUTTON, glyphEdge, false},
        {true, WM_LBUTTONDOWN, MK_LBUTTON, minimize, false},
        {true, WM_RBUTTONDOWN, MK_RBUTTON, glyph, false},
        {true, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, glyph, false},
        {true, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, label, false},
        {true, WM_RBUTTONDOWN, MK_RBUTTON, body, false},
    };
    for (const auto& c : cases) {
        Program().Opt.UsableScreen = c.usable;
        Reset();
        SendMessageW(fmci().Handle(), c.msg, c.keys, MAKELPARAM(c.at.x, c.at.y));
        EXPECT_EQ(Program().EndSaver, c.ends)
            << "usable " << c.usable << " msg " << c.msg << " at " << c.at.x << "," << c.at.y;
        EXPECT_FALSE(Program().SetupRequested);
    }
}

TEST_F(StatusBarTest, TheCloseGlyphAnswersARealClick) {
    Program().Opt.UsableScreen = true;
    HWND wnd = ShowPainted();
    SetForegroundWindow(wnd);
    RECT strip = fmci().CaptionStripRect();
    POINT at{strip.left + 44, strip.top + 8};
    ClientToScreen(wnd, &at);
    SetCursorPos(at.x, at.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    EXPECT_TRUE(testing::WaitUntil([] { return Program().EndSaver; }, 3000));
}

// Real mouse input from another thread, as a user's hand would give it: the
// press starts the drag on this thread, and the drag's own loop sees the
// movement and the release.
void DragWithTheMouse(POINT from, POINT to) {
    auto send = [](DWORD flags, POINT at) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
        Sleep(100);
    };
    send(0, from);
    send(MOUSEEVENTF_LEFTDOWN, from);
    send(0, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    send(0, to);
    send(MOUSEEVENTF_LEFTUP, to);
}

TEST_F(StatusBarTest, OnTheUsableScreenTheBarFollowsADrag) {
    Program().Opt.UsableScreen = true;
    HWND wnd = ShowPainted();
    SetForegroundWindow(wnd);
    POINT from{150, 90};
    ClientToScreen(wnd, &from);
    POINT to{from.x + 60, from.y + 40};
    std::thread hand(DragWithTheMouse, from, to);
    bool moved = testing::WaitUntil(
        [&] {
            RECT r{};
            GetWindowRect(wnd, &r);
            return r.left == 160 && r.top == 140;
        },
        5000);
    hand.join();
    EXPECT_TRUE(moved);
    EXPECT_FALSE(Program().EndSaver);
}

struct BarKey {
    bool usable;
    int key;
    bool ends;
    bool setup;
};

TEST_F(StatusBarTest, KeysFollowTheSaverRulesButF1DoesNothingOnTheUsableScreen) {
    testing::SecureSaverSetting unlocked(L"0");
    const BarKey cases[] = {
        {false, VK_F1, true, true},
        {false, 'K', true, false},
        {true, VK_F1, false, false},
        {true, 'K', false, false},
    };
    for (const auto& c : cases) {
        Program().Opt.UsableScreen = c.usable;
        Reset();
        SendMessageW(fmci().Handle(), WM_KEYDOWN, c.key, 1);
        EXPECT_EQ(Program().EndSaver, c.ends) << c.usable << " " << c.key;
        EXPECT_EQ(Program().SetupRequested, c.setup) << c.usable << " " << c.key;
    }
}

TEST_F(StatusBarTest, LabelsShowTheirTextsInTheirColours) {
    fmci().SetFileLabel(L"Morning Song.mp3");
    fmci().SetLengthLabel(L"03:07");
    fmci().SetPercent(40, L"01:15");
    HWND wnd = ShowPainted();
    const RECT file{22, 6, 287, 22};
    const RECT position{96, 30, 166, 57};
    const RECT length{10, 44, 50, 60};
    EXPECT_GT(testing::CountColour(wnd, file, RGB(0, 0, 128)), 1000);
    EXPECT_GT(testing::CountColour(wnd, file, RGB(255, 255, 255)), 20);
    EXPECT_GT(testing::CountColour(wnd, position, RGB(0, 0, 0)), 500);
    EXPECT_GT(testing::CountColour(wnd, position, RGB(0, 255, 0)), 50);
    EXPECT_GT(testing::CountColour(wnd, length, RGB(0, 255, 0)), 10);
    EXPECT_EQ(fmci().FileLabel(), L"Morning Song.mp3");
    EXPECT_EQ(fmci().LengthLabel(), L"03:07");

    // The clock drawn over the bar goes when the bar is refreshed.
    const RECT corner{0, 0, 40, 40};
    std::vector<COLORREF> before = testing::WindowPixels(wnd, corner);
    {
        WindowDc dc(wnd);
        FillRect(dc.Get(), &corner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ASSERT_NE(testing::WindowPixels(wnd, corner), before);
    fmci().Refresh();
    EXPECT_EQ(testing::WindowPixels(wnd, corner), before);
}

TEST_F(StatusBarTest, TextIsMeasuredInTwipsInTheWindowsFont) {
    StatusBar::TextSize shortText = fmci().MeasureText(L"1/01/2026 0:00:00");
    StatusBar::TextSize longText = fmci().MeasureText(L"30/12/2026 23:59:59");
    EXPECT_GT(shortText.widthTwips, 0);
    EXPECT_GT(longText.widthTwips, shortText.widthTwips);
    EXPECT_EQ(shortText.widthTwips % Program().TwipsX, 0);
    EXPECT_GT(shortText.heightTwips, 0);
    EXPECT_EQ(shortText.heightTwips, longText.heightTwips) << "the height is that of X";
}

TEST_F(StatusBarTest, ALoadStartsWithTheDesignTexts) {
    fmci().SetFileLabel(L"x.wav");
    fmci().SetPercent(10, L"00:07");
    fmci().Unload();
    ASSERT_TRUE(fmci().Load());
    EXPECT_EQ(fmci().FileLabel(), L"");
    EXPECT_EQ(fmci().PositionLabel(), L"00:00");
    EXPECT_EQ(fmci().KnobRect().left, 328);
}

} // namespace
} // namespace brelvix
