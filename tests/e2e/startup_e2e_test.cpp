// The real Brelvix.scr started with the host's switches.
#include "saver/instance_win.h"
#include "saver_process.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::FreshProgramStore;
using testing::RunScrToExit;
using testing::StartAndSee;
using testing::StartOutcome;

std::wstring ViewTime(RegistryStore& store) {
    return store.Read(kSectionSetting, L"ViewTime", L"<absent>");
}

TEST(Startup, SaverOnAFreshStoreWritesViewTime) {
    FreshProgramStore fresh;
    ASSERT_EQ(StartAndSee(L"/S"), StartOutcome::RunningAndResponsive);
    EXPECT_EQ(ViewTime(fresh.Store()), L"True");
}

TEST(Startup, PasswordChangeBeepsAndExitsAtOnce) {
    FreshProgramStore fresh;
    ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(RunScrToExit(L"/A", 10000));
    EXPECT_LT(GetTickCount64() - start, 10000u);
    // The dispatch loop loads the options before it serves the request.
    EXPECT_EQ(ViewTime(fresh.Store()), L"True");
}

TEST(Startup, OddCommandLinesNeitherCrashNorHang) {
    const std::wstring lines[] = {L"",
                                  L"   ",
                                  L"/s",
                                  L" /s",
                                  L"-S",
                                  L"/S /P 99",
                                  L"/A /S",
                                  L"/c:",
                                  L"/c:0",
                                  L"/c:abc",
                                  L"/c:-5",
                                  L"/p",
                                  L"/p abc",
                                  L"/p 99999999999999999999",
                                  L"/x",
                                  L"foo",
                                  std::wstring(10000, L'q')};
    for (const auto& line : lines) {
        FreshProgramStore fresh;
        EXPECT_NE(StartAndSee(line), StartOutcome::Failed) << "[" << line.substr(0, 40) << "]";
    }
}

TEST(Startup, GarbageSettingsDoNotStopTheSaver) {
    const std::pair<const wchar_t*, std::wstring> values[] = {
        {L"UsableScreen", L""},           {L"BlackScreen", L"yes "},
        {L"MouseMove", L"Falso"},         {L"Mute", L"ENABLED"},
        {L"ViewFilename", L"2"},          {L"ViewTime", L"-1"},
        {L"ActiveSetup", L"abc"},         {L"MusicFile", std::wstring(1000, L'm')},
        {L"LocalFileCount", L"99999999"},
    };
    FreshProgramStore fresh;
    for (const auto& [key, value] : values) {
        fresh.Store().Write(kSectionSetting, key, value);
    }
    EXPECT_EQ(StartAndSee(L"/S"), StartOutcome::RunningAndResponsive);
    fresh.Store().Write(kSectionSetting, L"LocalFileCount", L"-3");
    EXPECT_EQ(StartAndSee(L"/S"), StartOutcome::RunningAndResponsive);
}

} // namespace
} // namespace brelvix
