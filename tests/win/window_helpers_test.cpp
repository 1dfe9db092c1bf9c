#include "winutil/window_helpers_win.h"

#include "music/mci_state.h"
#include "saver/input_rules.h"
#include "saver/program_state.h"
#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <algorithm>
#include <vector>

namespace brelvix {
namespace {

using testing::FreshProgramStore;
using testing::ProgramStateScope;

// A window that counts what reaches its own procedure.
class CountingWindow : public Window {
  public:
    bool Create(DWORD style, int width, int height) {
        return CreateForm(0, style, L"Counting", 0, 0, width, height, nullptr);
    }
    std::vector<UINT> seen;
    int Count(UINT msg) const {
        return static_cast<int>(std::count(seen.begin(), seen.end(), msg));
    }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return Window::HandleMessage(msg, wParam, lParam);
    }
};

// Records the system commands that reach the default window procedure,
// which announces each one to the thread's CBT hook before carrying it out.
class SystemCommandWatch {
  public:
    SystemCommandWatch() {
        commands().clear();
        hook_ = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId());
    }
    ~SystemCommandWatch() { UnhookWindowsHookEx(hook_); }
    static std::vector<WPARAM>& commands() {
        static std::vector<WPARAM> list;
        return list;
    }

  private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_SYSCOMMAND && (wParam & 0xFFF0) == SC_SCREENSAVE) {
            commands().push_back(wParam);
            return 1; // seen; no screen saver is started by the test
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

class SessionWindowProcTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Mci() = MciState{};
        MouseRef() = MouseReference{};
        ASSERT_TRUE(window.Create(WS_POPUP, 100, 100));
        original = GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC);
        HookSessionWindow(window.Handle());
    }
    void TearDown() override {
        UnhookSessionWindow(window.Handle());
        Mci() = MciState{};
    }
    ProgramStateScope state;
    CountingWindow window;
    LONG_PTR original = 0;
};

struct NotifyCase {
    WPARAM code;
    bool ended;
    bool aborted;
};

const NotifyCase kNotifyCases[] = {
    {MCI_NOTIFY_SUCCESSFUL, true, false},
    {MCI_NOTIFY_SUPERSEDED, false, false},
    {MCI_NOTIFY_ABORTED, false, true},
    {MCI_NOTIFY_FAILURE, false, false},
};

TEST_F(SessionWindowProcTest, CompletionNoticesMarkTheSongEndedOrAborted) {
    for (const auto& c : kNotifyCases) {
        Mci() = MciState{};
        SendMessageW(window.Handle(), MM_MCINOTIFY, c.code, 0);
        EXPECT_EQ(Mci().SongEnded, c.ended) << c.code;
        EXPECT_EQ(Mci().SongAborted, c.aborted) << c.code;
    }
}

TEST_F(SessionWindowProcTest, TheScreenSaverStartIsSwallowedOnlyOverTheFullScreen) {
    SystemCommandWatch watch;
    Program().Opt.UsableScreen = false;
    EXPECT_EQ(SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_TRUE(SystemCommandWatch::commands().empty());
    Program().Opt.UsableScreen = true;
    SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    EXPECT_EQ(SystemCommandWatch::commands().size(), 1u);
    // System commands never reach the window's own procedure.
    EXPECT_EQ(window.Count(WM_SYSCOMMAND), 0);
}

TEST_F(SessionWindowProcTest, OtherMessagesReachTheReplacedProcedure) {
    SendMessageW(window.Handle(), WM_USER + 7, 0, 0);
    SendMessageW(window.Handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(window.Count(WM_USER + 7), 1);
    EXPECT_EQ(window.Count(WM_MOUSEMOVE), 1);
}

TEST_F(SessionWindowProcTest, HookingTwiceKeepsTheFirstAndUnhookingRestoresIt) {
    HookSessionWindow(window.Handle());
    SendMessageW(window.Handle(), WM_USER + 7, 0, 0); // would recurse without end otherwise
    EXPECT_EQ(window.Count(WM_USER + 7), 1);
    UnhookSessionWindow(window.Handle());
    EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC), original);
    UnhookSessionWindow(window.Handle()); // nothing saved: nothing happens
    EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC), original);
}

TEST_F(SessionWindowProcTest, AWindowDestroyedWhileHookedTakesTheHookOff) {
    window.Unload();
    CountingWindow next;
    ASSERT_TRUE(next.Create(WS_POPUP, 10, 10));
    HookSessionWindow(next.Handle());
    SendMessageW(next.Handle(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
    EXPECT_TRUE(Mci().SongEnded);
    UnhookSessionWindow(next.Handle());
}

// Real mouse movement: the cursor is moved over a visible window that covers
// the screen, and the system sends it WM_MOUSEMOVE.
class MouseMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MouseRef() = MouseReference{};
        Program().EndSaver = false;
        int w = GetSystemMetrics(SM_CXSCREEN);
        int h = GetSystemMetrics(SM_CYSCREEN);
        ASSERT_TRUE(window.Create(WS_POPUP, w, h));
        window.Show();
        SetForegroundWindow(window.Handle());
        HookSessionWindow(window.Handle());
        MoveTo(400, 300);
    }
    void TearDown() override { UnhookSessionWindow(window.Handle()); }

    // Moves the cursor and waits until the window has seen the movement;
    // the display's own echo of the move is let in too before going on.
    void MoveTo(int x, int y) {
        int before = window.Count(WM_MOUSEMOVE);
        SetCursorPos(x, y);
        ASSERT_TRUE(testing::WaitUntil(
            [&] {
                POINT at{};
                GetCursorPos(&at);
                return window.Count(WM_MOUSEMOVE) > before && at.x == x && at.y == y;
            },
            2000))
            << "no WM_MOUSEMOVE for " << x << "," << y;
        Pause(0.1);
    }

    ProgramStateScope state;
    CountingWindow window;
};

struct MoveCase {
    bool mouseMove;
    bool usable;
    int dx;
    int dy;
    bool ends;
};

TEST_F(MouseMoveTest, ThreePixelsFromTheFirstPositionEndTheSaver) {
    const MoveCase cases[] = {
        {true, false, 2, 0, false},  {true, false, 0, -2, false},   {true, false, 2, 2, false},
        {true, false, 3, 0, true},   {true, false, 0, 3, true},     {true, false, -3, -1, true},
        {false, false, 3, 0, false}, {false, false, 50, 50, false}, {true, true, 3, 0, false},
        {true, true, 50, 50, false},
    };
    for (const auto& c : cases) {
        Program().Opt.MouseMove = c.mouseMove;
        Program().Opt.UsableScreen = c.usable;
        MoveTo(400, 300);
        MouseRef() = MouseReference{};
        Program().EndSaver = false;
        MoveTo(401, 301); // the first movement only takes the reference
        EXPECT_FALSE(Program().EndSaver);
        MoveTo(401 + c.dx, 301 + c.dy);
        EXPECT_EQ(Program().EndSaver, c.ends)
            << c.mouseMove << c.usable << " " << c.dx << "," << c.dy;
    }
}

// The setup dialog's procedure, reaching a recorder in place of the dialog.
class RecordingCommands : public SetupWindowCommands {
  public:
    void ShowSetupAbout() override {
        ++aboutShown;
        minimizedAtAbout = IsIconic(wnd) != FALSE;
    }
    void ShowNameStrip(bool visible) override { strip.push_back(visible); }
    HWND wnd = nullptr;
    int aboutShown = 0;
    bool minimizedAtAbout = true;
    std::vector<bool> strip;
};

class SetupWindowProcTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(WS_OVERLAPPEDWINDOW, 300, 200));
        AddSystemMenuItem(window.Handle(), kCommandAbout, L"About...", true);
        AddSystemMenuItem(window.Handle(), kCommandViewFilename, L"View song statusbar", false);
        HookSetupWindow(window.Handle());
        commands.wnd = window.Handle();
        SetSetupWindowCommands(&commands);
    }
    void TearDown() override {
        SetSetupWindowCommands(nullptr);
        UnhookSetupWindow(window.Handle());
    }
    bool Checked() const {
        UINT menuState =
            GetMenuState(GetSystemMenu(window.Handle(), FALSE), kCommandViewFilename, MF_BYCOMMAND);
        return (menuState & MF_CHECKED) != 0;
    }
    ProgramStateScope state;
    FreshProgramStore store;
    CountingWindow window;
    RecordingCommands commands;
};

TEST_F(SetupWindowProcTest, ViewSongStatusbarTwiceReturnsMarkFlagAndStoredValue) {
    Program().Opt.ViewFilename = false;
    EXPECT_EQ(SendMessageW(window.Handle(), WM_SYSCOMMAND, kCommandViewFilename, 0), 0);
    EXPECT_TRUE(Program().Opt.ViewFilename);
    EXPECT_TRUE(Checked());
    EXPECT_EQ(store.Store().Read(kSectionSetting, L"ViewFilename", L""), L"True");
    SendMessageW(window.Handle(), WM_SYSCOMMAND, kCommandViewFilename, 0);
    EXPECT_FALSE(Program().Opt.ViewFilename);
    EXPECT_FALSE(Checked());
    EXPECT_EQ(store.Store().Read(kSectionSetting, L"ViewFilename", L""), L"False");
    EXPECT_EQ(commands.strip, (std::vector<bool>{true, false}));
    EXPECT_EQ(window.Count(WM_SYSCOMMAND), 0);
}

TEST_F(SetupWindowProcTest, AboutRestoresAMinimizedDialogFirst) {
    window.Show(SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(window.Handle()));
    SendMessageW(window.Handle(), WM_SYSCOMMAND, kCommandAbout, 0);
    EXPECT_EQ(commands.aboutShown, 1);
    EXPECT_FALSE(commands.minimizedAtAbout);
    EXPECT_FALSE(IsIconic(window.Handle()));
}

TEST_F(SetupWindowProcTest, CommandsWorkWithNothingRegistered) {
    SetSetupWindowCommands(nullptr);
    SendMessageW(window.Handle(), WM_SYSCOMMAND, kCommandAbout, 0);
    SendMessageW(window.Handle(), WM_SYSCOMMAND, kCommandViewFilename, 0);
    EXPECT_EQ(commands.aboutShown, 0);
    EXPECT_TRUE(commands.strip.empty());
}

TEST_F(SetupWindowProcTest, CompletionNoticesReachTheMediaStateAndOthersTheDialog) {
    for (const auto& c : kNotifyCases) {
        Mci() = MciState{};
        SendMessageW(window.Handle(), MM_MCINOTIFY, c.code, 0);
        EXPECT_EQ(Mci().SongEnded, c.ended) << c.code;
        EXPECT_EQ(Mci().SongAborted, c.aborted) << c.code;
    }
    Mci() = MciState{};
    SendMessageW(window.Handle(), WM_USER + 3, 0, 0);
    EXPECT_EQ(window.Count(WM_USER + 3), 1);
}

std::wstring MenuText(HMENU menu, UINT item, UINT flags) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, item, text, static_cast<int>(std::size(text)), flags);
    return text;
}

TEST(SystemMenu, ItemsAreAppendedAfterASeparatorAndChecked) {
    CountingWindow window;
    ASSERT_TRUE(window.Create(WS_OVERLAPPEDWINDOW, 200, 100));
    HMENU menu = GetSystemMenu(window.Handle(), FALSE);
    int before = GetMenuItemCount(menu);
    AddSystemMenuItem(window.Handle(), kCommandAbout, L"About...", true);
    AddSystemMenuItem(window.Handle(), kCommandViewFilename, L"View song statusbar", false);
    ASSERT_EQ(GetMenuItemCount(menu), before + 3);
    EXPECT_TRUE(GetMenuState(menu, before, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(MenuText(menu, before + 1, MF_BYPOSITION), L"About...");
    EXPECT_EQ(GetMenuItemID(menu, before + 1), kCommandAbout);
    EXPECT_EQ(MenuText(menu, kCommandViewFilename, MF_BYCOMMAND), L"View song statusbar");
    EXPECT_EQ(GetMenuState(menu, kCommandViewFilename, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED),
              0u);

    const std::pair<bool, bool> steps[] = {
        {true, true}, {true, true}, {false, false}, {false, false}, {true, true}};
    for (const auto& [checked, expected] : steps) {
        CheckSystemMenuItem(window.Handle(), kCommandViewFilename, checked);
        bool isChecked = GetMenuState(menu, kCommandViewFilename, MF_BYCOMMAND) & MF_CHECKED;
        EXPECT_EQ(isChecked, expected);
    }
    EXPECT_FALSE(GetMenuState(menu, kCommandAbout, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(SystemMenu, ANullWindowChangesNothing) {
    AddSystemMenuItem(nullptr, kCommandAbout, L"About...", true);
    CheckSystemMenuItem(nullptr, kCommandAbout, true);
    SUCCEED();
}

TEST(WindowHelpers, SetTopMostKeepsPositionAndSize) {
    CountingWindow window;
    ASSERT_TRUE(window.Create(WS_POPUP, 120, 80));
    SetWindowPos(window.Handle(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetTopMost(window.Handle());
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 80);
}

} // namespace
} // namespace brelvix
