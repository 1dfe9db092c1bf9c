#include "winutil/message_pump_win.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

int g_timerCalls = 0;

void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++g_timerCalls;
}

TEST(Pause, LastsItsLengthAndDispatchesMessagesMeanwhile) {
    g_timerCalls = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, CountTimer);
    ULONGLONG start = GetTickCount64();
    Pause(0.3);
    ULONGLONG took = GetTickCount64() - start;
    KillTimer(nullptr, timer);
    EXPECT_GE(took, 300u);
    EXPECT_LT(took, 1500u);
    EXPECT_GE(g_timerCalls, 3);
}

TEST(Pause, PostedMessagesAreHandledDuringTheWait) {
    // A message that arrives while Pause sleeps wakes it to be dispatched.
    g_timerCalls = 0;
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    UINT_PTR timer = SetTimer(nullptr, 0, 10, CountTimer);
    Pause(0.1);
    KillTimer(nullptr, timer);
    EXPECT_GE(g_timerCalls, 1);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST(Pause, ZeroAndNegativeLengthsReturnAtOnce) {
    ULONGLONG start = GetTickCount64();
    Pause(0);
    Pause(-1);
    EXPECT_LT(GetTickCount64() - start, 200u);
}

} // namespace
} // namespace brelvix
