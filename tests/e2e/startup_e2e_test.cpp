// The real Brelvix.scr started with the host's switches, odd command lines,
// garbage settings, beside another instance of itself, and as the preview in
// stand-in hosts. (Not what the preview draws: under Wine a process cannot
// draw into a child window of another process.)
#include "app/instance_win.h"
#include "win_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <optional>
#include <tuple>

namespace brelvix {
namespace {

using namespace testing;

// Ends by itself with code 0, or shows a window whose loop comes round and
// is then stopped: anything else (a crash, a hang) is a failure.
bool EndsOrAnswers(const std::wstring& arguments) {
    Scr scr(arguments);
    if (scr.ShowsAWindow() && Answers(scr.Window())) {
        return !scr.WaitForExit(0) || scr.ExitCode() == 0;
    }
    return scr.WaitForExit(20000) && scr.ExitCode() == 0;
}

TEST(Startup, OddCommandLinesAndGarbageSettingsNeitherCrashNorHang) {
    // One of each mode and window argument that the command line gives.
    const std::wstring lines[] = {
        L"-S", L"/a", L"/c:abc", L"/S /P 99", L"/p 99999", L"/x", std::wstring(10000, L'q')};
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
        // The dispatch loop's first act on a fresh store is to write "ViewTime".
        EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"ViewTime", L""), L"") << "it ran";
    }
    // A window of ours is brought back instead: one left on the desktop
    // (no instance runs), or the setup dialog of the instance that runs.
    struct Stray : Window {
        Stray() { CreateForm(0, WS_OVERLAPPEDWINDOW, L"Brelvix", 50, 50, 300, 200, nullptr); }
    } stray;
    HWND window = stray.Handle();
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
}

// The list of a broken host, which claims its entries are longer than any
// memory could hold.
LRESULT CALLBACK EndlessEntries(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    return msg == CB_GETLBTEXTLEN ? LRESULT{1} << 40 : DefSubclassProc(wnd, msg, wParam, lParam);
}

TEST(Preview, ItRunsWhileTheHostChoosesItBesideASaverAndEndsWithinASecondOfAChange) {
    FreshProgramStore fresh;
    enum Ending { ChooseAnother, TakeWindowAway, ByItself, HostLies };
    // the host's list, with the second entry chosen; the preview's size
    const std::tuple<const char*, std::vector<std::wstring>, SIZE, Ending> hosts[] = {
        {"another saver chosen", {L"Blank", L"BRELVIX"}, {152, 112}, ChooseAnother},
        {"window taken away", {L"Blank", L"Brelvix"}, {152, 112}, TakeWindowAway},
        {"1-pixel window taken away", {L"Blank", L"Brelvix"}, {1, 1}, TakeWindowAway},
        {"empty window taken away", {L"Blank", L"Brelvix"}, {0, 0}, TakeWindowAway},
        {"no list of savers", {}, {152, 112}, ByItself},
        {"a list that lies", {L"Blank", L"Brelvix"}, {152, 112}, HostLies}};
    auto activeSetup = [&] { return fresh.Store().Read(kSectionSetting, L"ActiveSetup", L""); };
    for (const auto& [name, names, size, ending] : hosts) {
        StandInHost host(size, names, 1);
        if (ending == HostLies) {
            SetWindowSubclass(host.combo, EndlessEntries, 0, 0);
        }
        Scr preview(host.Switch());
        if (ending < ByItself) {
            ASSERT_TRUE(WaitUntil([&] { return L"/p " + activeSetup() == host.Switch(); }, 30000));
            // Each pass of its loop asks the host: two answers, a pass between.
            EXPECT_TRUE(preview.ShowsAWindow() && Answers(preview.Window())) << name;
        }
        if (ending == ChooseAnother) {
            EXPECT_LT(ProgramCpuOver(2), 0.25) << "the preview sleeps between its passes";
            Scr saver(L"/S");
            EXPECT_TRUE(saver.ShowsAWindow()) << "it runs beside the preview";
            EXPECT_EQ(L"/p " + activeSetup(), host.Switch()) << "and leaves its mark";
            SendMessageW(host.combo, CB_SETCURSEL, 0, 0);
        } else if (ending == TakeWindowAway) {
            DestroyWindow(host.preview);
        }
        EXPECT_TRUE(preview.WaitForExit(ending >= ByItself ? 30000 : 1000)) << name;
        EXPECT_EQ(preview.ExitCode(), 0u) << name;
        EXPECT_EQ(activeSetup(), L"0") << name;
    }
}

} // namespace
} // namespace brelvix
