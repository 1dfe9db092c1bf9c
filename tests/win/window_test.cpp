#include "winutil/window_win.h"

#include "saver/instance_win.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

class CountingWindow : public Window {
  public:
    bool Create() { return CreateForm(0, WS_POPUP, L"Counting", 0, 0, 50, 50, nullptr); }
    int user = 0;
    bool destroyed = false;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER) {
            ++user;
            return 42;
        }
        return Window::HandleMessage(msg, wParam, lParam);
    }
    void OnDestroyed() override { destroyed = true; }
};

TEST(Window, MessagesReachTheObjectUntilItIsUnloaded) {
    CountingWindow w;
    ASSERT_TRUE(w.Create());
    wchar_t cls[64] = {};
    GetClassNameW(w.Handle(), cls, 64);
    EXPECT_STREQ(cls, kFormClassName);
    EXPECT_EQ(SendMessageW(w.Handle(), WM_USER, 0, 0), 42);
    EXPECT_EQ(w.user, 1);
    HWND old = w.Handle();
    w.Unload();
    EXPECT_TRUE(w.destroyed);
    EXPECT_FALSE(w.Exists());
    EXPECT_FALSE(IsWindow(old));
    w.Unload(); // a second unload does nothing
}

TEST(Window, TwoWindowsKeepTheirOwnObjects) {
    CountingWindow a, b;
    ASSERT_TRUE(a.Create());
    ASSERT_TRUE(b.Create());
    SendMessageW(b.Handle(), WM_USER, 0, 0);
    EXPECT_EQ(a.user, 0);
    EXPECT_EQ(b.user, 1);
}

TEST(Window, DestroyingTheObjectDestroysItsWindow) {
    HWND wnd;
    {
        CountingWindow w;
        ASSERT_TRUE(w.Create());
        wnd = w.Handle();
    }
    EXPECT_FALSE(IsWindow(wnd));
}

} // namespace
} // namespace brelvix
