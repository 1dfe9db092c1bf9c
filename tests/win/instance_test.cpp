#include "saver/cursor_win.h"
#include "saver/instance_win.h"
#include "winutil/window_win.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

TEST(InstanceMarker, SecondMarkerSeesTheFirst) {
    InstanceMarker first(L"BrelvixMarkerTest");
    EXPECT_FALSE(first.OtherInstanceRunning());
    {
        InstanceMarker second(L"BrelvixMarkerTest");
        EXPECT_TRUE(second.OtherInstanceRunning());
    }
    InstanceMarker other(L"SomethingElse");
    EXPECT_FALSE(other.OtherInstanceRunning());
}

// A window of the program's form class, made the way the program makes them:
// the class is registered once per process by whichever window comes first.
class Form : public Window {
  public:
    bool Create() {
        return CreateForm(0, WS_OVERLAPPEDWINDOW, L"Brelvix", 0, 0, 100, 100, nullptr);
    }
};

TEST(FindAppWindow, FindsOnlyOurClassWithTheCaption) {
    Form form;
    ASSERT_TRUE(form.Create());
    HWND ours = form.Handle();
    EXPECT_EQ(FindAppWindow(L"Brelvix"), ours);
    EXPECT_EQ(FindAppWindow(L"brelvix"), ours);  // window captions compare without case
    EXPECT_EQ(FindAppWindow(L"Other"), nullptr);
    EXPECT_EQ(FindAppWindow(L"Brelvix", L"Static"), nullptr);
    form.Unload();
    EXPECT_EQ(FindAppWindow(L"Brelvix"), nullptr);
}

TEST(Cursor, HideAndRestoreStepTheDisplayCountToTheirThreshold) {
    RestoreCursor();
    int shown = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    EXPECT_GE(shown, 0);
    HideCursor();
    EXPECT_EQ(ShowCursor(FALSE), -2);  // hidden at -1; this call takes it one lower
    HideCursor();                       // already hidden: exactly one more step
    EXPECT_EQ(ShowCursor(TRUE), -2);
    RestoreCursor();
    EXPECT_EQ(ShowCursor(FALSE), -1);
    RestoreCursor();
}

} // namespace
} // namespace brelvix
