#include "saver/saver_window_win.h"

#include "saver/cursor_win.h"
#include "saver/input_rules.h"
#include "saver/input_rules_win.h"
#include "saver/program_state.h"
#include "statusbar/status_bar_win.h"
#include "winutil/message_pump_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace brelvix {
namespace {

using testing::ProgramStateScope;
using testing::SecureSaverSetting;

class SaverWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Program().EndSaver = false;
        Program().SetupRequested = false;
        ASSERT_TRUE(frmSS().Load());
    }
    void TearDown() override {
        fmci().Unload();
        frmSS().Unload();
        RestoreCursor();
    }
    void Reset() {
        Program().EndSaver = false;
        Program().SetupRequested = false;
    }
    ProgramStateScope state;
};

TEST_F(SaverWindowTest, LoadsHiddenOverTheWholeScreen) {
    HWND wnd = frmSS().Handle();
    EXPECT_FALSE(IsWindowVisible(wnd));
    EXPECT_FALSE(GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    frmSS().Show();
    RECT r{};
    GetWindowRect(wnd, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(IsZoomed(wnd));
    UpdateWindow(wnd);
    WindowDc dc(wnd);
    EXPECT_EQ(GetPixel(dc.Get(), 10, 10), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc.Get(), r.right - 5, r.bottom - 5), RGB(0, 0, 0));
}

struct KeyCase {
    int key;
    const wchar_t* secure;
    bool ends;
    bool setup;
};

TEST_F(SaverWindowTest, AnyKeyEndsTheSaverAndF1AsksForTheSetupUnlessTheDesktopLocks) {
    const KeyCase cases[] = {
        {'A', L"0", true, false},   {VK_SPACE, L"0", true, false}, {VK_F1, L"0", true, true},
        {VK_F1, L"1", true, false}, {VK_F2, L"1", true, false},    {VK_ESCAPE, L"0", true, false},
    };
    for (const auto& c : cases) {
        SecureSaverSetting setting(c.secure);
        EXPECT_EQ(ScreenSaverIsSecure(), c.secure[0] == L'1');
        Reset();
        SendMessageW(frmSS().Handle(), WM_KEYDOWN, c.key, 1);
        EXPECT_EQ(Program().EndSaver, c.ends) << c.key;
        EXPECT_EQ(Program().SetupRequested, c.setup) << c.key;
    }
    Reset();
    SendMessageW(frmSS().Handle(), WM_SYSKEYDOWN, VK_MENU, 1 | (1 << 29));
    EXPECT_TRUE(Program().EndSaver) << "Alt alone";
}

struct PressCase {
    UINT msg;
    WPARAM keys;
    bool ends;
};

TEST_F(SaverWindowTest, PlainLeftPressesEndTheSaverOthersDoNot) {
    const PressCase cases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, true},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, false},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, false},
        {WM_MBUTTONDOWN, MK_MBUTTON, false},
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, false},
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, false},
        {WM_RBUTTONDOWN, MK_RBUTTON, false},
    };
    for (const auto& c : cases) {
        Reset();
        SendMessageW(frmSS().Handle(), c.msg, c.keys, MAKELPARAM(200, 200));
        EXPECT_EQ(Program().EndSaver, c.ends) << c.msg << "/" << c.keys;
        EXPECT_FALSE(Program().SetupRequested);
    }
}

TEST_F(SaverWindowTest, EndingRestoresTheCursor) {
    HideCursor();
    SendMessageW(frmSS().Handle(), WM_KEYDOWN, 'Q', 1);
    EXPECT_TRUE(Program().EndSaver);
    EXPECT_GE(testing::CursorDisplayCount(), 0);
}

TEST_F(SaverWindowTest, ARightPressLeavesTheSaverAsItWasWithANewMouseReference) {
    ASSERT_TRUE(fmci().Load());
    HideCursor();
    MouseRef().MouseRefTaken = true;
    SendMessageW(frmSS().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(Program().EndSaver);
    EXPECT_FALSE(MouseRef().MouseRefTaken);
    EXPECT_LT(testing::CursorDisplayCount(), 0);
    EXPECT_TRUE(GetWindowLongPtrW(fmci().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SaverWindowTest, CloseRequestsAreRefusedAndOnlyUnloadDestroys) {
    HWND wnd = frmSS().Handle();
    SendMessageW(wnd, WM_CLOSE, 0, 0);
    SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(wnd));
    frmSS().Unload();
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(frmSS().Exists());
}

TEST_F(SaverWindowTest, TheSessionWindowIsTheSaverWindowElseTheStatusBar) {
    ASSERT_TRUE(fmci().Load());
    EXPECT_EQ(SessionWindow(), frmSS().Handle());
    frmSS().Unload();
    EXPECT_EQ(SessionWindow(), fmci().Handle());
    fmci().Unload();
    EXPECT_EQ(SessionWindow(), nullptr);
}

} // namespace
} // namespace brelvix
