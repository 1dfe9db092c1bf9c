#include "saver/work_area_win.h"

#include "winutil/window_win.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

class PlainForm : public Window {
  public:
    explicit PlainForm(DWORD style) { CreateForm(0, style, L"Form", 10, 10, 200, 100, nullptr); }
};

TEST(WorkArea, LiesOnTheScreen) {
    RECT area = GetWorkArea();
    EXPECT_GE(area.left, 0);
    EXPECT_GE(area.top, 0);
    EXPECT_LE(area.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(area.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(area.right - area.left, 0);
}

TEST(SetFormParent, TurnsAPopupIntoAChildThatMovesWithItsParent) {
    PlainForm parent(WS_POPUP | WS_VISIBLE);
    PlainForm child(WS_POPUP | WS_VISIBLE);
    SetFormParent(child.Handle(), parent.Handle());
    LONG_PTR style = GetWindowLongPtrW(child.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(GetParent(child.Handle()), parent.Handle());
    // Done twice, nothing changes.
    SetFormParent(child.Handle(), parent.Handle());
    EXPECT_EQ(GetParent(child.Handle()), parent.Handle());
    EXPECT_EQ(GetWindowLongPtrW(child.Handle(), GWL_STYLE), style);
}

} // namespace
} // namespace brelvix
