// The real Brelvix.scr started with the host's switches, odd command lines,
// garbage settings, and beside another instance of itself.
#include "app/instance_win.h"
#include "win_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace brelvix {
namespace {

using namespace testing;

// Ends by itself with code 0, or shows a window that answers and is then
// stopped: anything else (a crash, a hang) is a failure.
bool EndsOrAnswers(const std::wstring& arguments) {
    Scr scr(arguments);
    if (scr.ShowsAWindow() && !scr.WaitForExit(1500)) {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutW(scr.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    }
    return scr.WaitForExit(20000) && scr.ExitCode() == 0;
}

// The dispatch loop's first act on a fresh store is to write "ViewTime".
bool RanItsMode(RegistryStore& store) {
    return store.Read(kSectionSetting, L"ViewTime", L"") == L"True";
}

TEST(Startup, OddCommandLinesAndGarbageSettingsNeitherCrashNorHang) {
    const std::wstring lines[] = {L"/s",
                                  L" /s",
                                  L"-S",
                                  L"/S /P 99",
                                  L"/A /S",
                                  L"/a",
                                  L"/c:",
                                  L"/c:0",
                                  L"/c:abc",
                                  L"/c:-5",
                                  L"/p",
                                  L"/p abc",
                                  L"/p 99999999999999999999",
                                  L"/x",
                                  std::wstring(10000, L'q')};
    for (const auto& line : lines) {
        FreshProgramStore fresh;
        EXPECT_TRUE(EndsOrAnswers(line)) << "[" << line.substr(0, 40) << "]";
    }
    FreshProgramStore fresh;
    const std::pair<const wchar_t*, std::wstring> values[] = {
        {L"UsableScreen", L""},          {L"BlackScreen", L"yes "},
        {L"MouseMove", L"Falso"},        {L"Mute", L"ENABLED"},
        {L"ActiveSetup", L"abc"},        {L"MusicFile", std::wstring(1000, L'm')},
        {L"LocalFileCount", L"99999999"}};
    for (const auto& [key, value] : values) {
        fresh.Store().Write(kSectionSetting, key, value);
    }
    EXPECT_TRUE(EndsOrAnswers(L"/S"));
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"ViewTime", L""), L"True");
}

TEST(Startup, SingleInstanceRules) {
    FreshProgramStore fresh;
    {
        InstanceMarker standIn(L"Brelvix"); // another instance runs
        Scr saver(L"/S");
        EXPECT_TRUE(saver.WaitForExit(20000)) << "a saver already runs";
        Scr preview(L"/P 1234");
        EXPECT_TRUE(preview.WaitForExit(20000));
        EXPECT_FALSE(RanItsMode(fresh.Store()));
        fresh.Store().Write(kSectionSetting, L"ActiveSetup", L"1234");
        Scr beside(L"/S");
        EXPECT_TRUE(beside.ShowsAWindow()) << "it runs beside a preview";
        EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"ActiveSetup", L""), L"1234");
    }
    // A window of ours is brought back instead: one left on the desktop
    // (no instance runs), or the setup dialog of the instance that runs.
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kFormClassName;
    RegisterClassW(&wc);
    HWND window = CreateWindowW(kFormClassName, L"Brelvix", WS_OVERLAPPEDWINDOW, 50, 50, 300, 200,
                                nullptr, nullptr, wc.hInstance, nullptr);
    for (bool other : {false, true}) {
        std::optional<InstanceMarker> standIn;
        if (other) {
            standIn.emplace(L"Brelvix");
        }
        ShowWindow(window, SW_MINIMIZE);
        Scr scr(other ? L"/C" : L"/S");
        EXPECT_TRUE(scr.WaitForExit(20000)) << other;
        EXPECT_FALSE(IsIconic(window)) << other;
    }
    DestroyWindow(window);
}

} // namespace
} // namespace brelvix
