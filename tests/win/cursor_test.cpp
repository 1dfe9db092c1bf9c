#include "saver/cursor_win.h"

#include "winutil/message_box_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/window_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

TEST(Cursor, ShownWhileABoxIsUpAndHiddenAgainOnlyIfItWasHidden) {
    RestoreCursor();
    HideCursor();
    {
        CursorShownWhileUp shown;
        EXPECT_GE(testing::CursorDisplayCount(), 0);
    }
    EXPECT_LT(testing::CursorDisplayCount(), 0);
    RestoreCursor();
    int visible = testing::CursorDisplayCount();
    {
        CursorShownWhileUp shown;
        EXPECT_EQ(testing::CursorDisplayCount(), visible);
    }
    EXPECT_EQ(testing::CursorDisplayCount(), visible);
}

// What the box looked like while it was up; filled in by a timer that runs
// inside the box's own message loop and then answers it.
struct BoxSeen {
    HWND box = nullptr;
    HWND owner = nullptr;
    bool topMost = false;
    int cursorCount = -100;
};
BoxSeen g_seen;

void CALLBACK InspectBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Brelvix box test");
    if (!box) {
        return;
    }
    KillTimer(nullptr, timer);
    g_seen.box = box;
    g_seen.owner = GetWindow(box, GW_OWNER);
    g_seen.topMost = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    g_seen.cursorCount = testing::CursorDisplayCount();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class TopWindow : public Window {
  public:
    TopWindow() {
        CreateForm(WS_EX_TOPMOST, WS_POPUP, L"", 0, 0, 300, 200, nullptr);
        Show();
    }
};

TEST(ErrorBox, OverATopMostSaverTheBoxIsOwnedTopMostAndHasACursor) {
    TopWindow saver;
    RestoreCursor();
    HideCursor();
    g_seen = BoxSeen{};
    SetTimer(nullptr, 0, 50, InspectBox);
    int answer = ShowMessageBox(saver.Handle(), L"The specified file cannot be played.",
                                L"Brelvix box test", MB_OK | MB_ICONSTOP);
    EXPECT_EQ(answer, IDOK);
    ASSERT_NE(g_seen.box, nullptr);
    EXPECT_EQ(g_seen.owner, saver.Handle());
    EXPECT_TRUE(g_seen.topMost);
    EXPECT_GE(g_seen.cursorCount, 0);
    EXPECT_LT(testing::CursorDisplayCount(), 0) << "hidden again afterwards";
    RestoreCursor();
}

class PlainWindow : public Window {
  public:
    PlainWindow() { CreateForm(0, WS_POPUP, L"", 0, 0, 50, 50, nullptr); }
};

TEST(MousePointer, TheHourglassShowsOverEveryWindowUntilSetBack) {
    PlainWindow window;
    SetMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(CurrentMousePointer(), MousePointer::Hourglass);
    LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_SETCURSOR, (WPARAM)window.Handle(), hit), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    SetMousePointer(MousePointer::Default);
    EXPECT_EQ(CurrentMousePointer(), MousePointer::Default);
    SendMessageW(window.Handle(), WM_SETCURSOR, (WPARAM)window.Handle(), hit);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

} // namespace
} // namespace brelvix
