// The single-instance rules, against this test program standing in for a
// running Brelvix: it holds the instance marker and, where a rule looks for
// one, a window of the program's class titled "Brelvix".
#include "saver/instance_win.h"
#include "saver_process.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::FreshProgramStore;
using testing::RunScrToExit;
using testing::StartAndSee;
using testing::StartOutcome;

LRESULT CALLBACK StandInProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(w, m, wp, lp);
}

class StandInWindow {
  public:
    StandInWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = StandInProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kFormClassName;
        RegisterClassW(&wc);
        wnd_ = CreateWindowW(kFormClassName, L"Brelvix", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                             300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~StandInWindow() { DestroyWindow(wnd_); }
    HWND Get() const { return wnd_; }

  private:
    HWND wnd_;
};

// Whether the new instance reached its dispatch loop: that loop's first act
// on a fresh store is to write "ViewTime".
bool RanItsMode(RegistryStore& store) {
    return !store.Read(kSectionSetting, L"ViewTime", L"").empty();
}

TEST(SingleInstance, SaverExitsWhenASaverRuns) {
    FreshProgramStore fresh;
    InstanceMarker standIn(L"Brelvix");
    fresh.Store().Write(kSectionSetting, L"ActiveSetup", L"0");
    ASSERT_TRUE(RunScrToExit(L"/S"));
    EXPECT_FALSE(RanItsMode(fresh.Store()));
}

TEST(SingleInstance, SaverRunsBesideAPreview) {
    FreshProgramStore fresh;
    InstanceMarker standIn(L"Brelvix");
    fresh.Store().Write(kSectionSetting, L"ActiveSetup", L"1234");
    ASSERT_EQ(StartAndSee(L"/S"), StartOutcome::RunningAndResponsive);
    EXPECT_TRUE(RanItsMode(fresh.Store()));
    // It runs beside the preview, so it leaves the preview's mark alone.
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"ActiveSetup", L""), L"1234");
}

TEST(SingleInstance, PreviewExitsWhenAnotherInstanceRuns) {
    FreshProgramStore fresh;
    InstanceMarker standIn(L"Brelvix");
    ASSERT_TRUE(RunScrToExit(L"/P 1234"));
    EXPECT_FALSE(RanItsMode(fresh.Store()));
}

TEST(SingleInstance, SetupBringsTheRunningDialogForwardAndExits) {
    FreshProgramStore fresh;
    InstanceMarker standIn(L"Brelvix");
    StandInWindow window;
    ASSERT_NE(window.Get(), nullptr);
    ShowWindow(window.Get(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window.Get()));
    ASSERT_TRUE(RunScrToExit(L"/C"));
    EXPECT_FALSE(IsIconic(window.Get()));
    EXPECT_EQ(GetForegroundWindow(), window.Get());
    EXPECT_FALSE(RanItsMode(fresh.Store()));
}

TEST(SingleInstance, SetupRunsWhenTheOtherInstanceShowsNoWindow) {
    FreshProgramStore fresh;
    InstanceMarker standIn(L"Brelvix");
    ASSERT_TRUE(RunScrToExit(L"/C"));
    EXPECT_TRUE(RanItsMode(fresh.Store()));
}

TEST(SingleInstance, ALeftoverWindowIsRestoredWhenNoInstanceRuns) {
    FreshProgramStore fresh;
    StandInWindow window;
    ShowWindow(window.Get(), SW_MINIMIZE);
    ASSERT_TRUE(RunScrToExit(L"/S"));
    EXPECT_FALSE(IsIconic(window.Get()));
    EXPECT_FALSE(RanItsMode(fresh.Store()));
}

} // namespace
} // namespace brelvix
