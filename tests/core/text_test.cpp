// Numbers, paths and times read out of texts, the host's command line and the
// file-open dialog's buffer, the small arithmetic of twips and deadlines, the
// single-instance rules and the About box's text.
#include "about/about_text.h"
#include "app/command_line.h"
#include "app/instance_rules.h"
#include "base/deadline.h"
#include "base/path_text.h"
#include "base/program_state.h"
#include "base/text_value.h"
#include "base/twips.h"
#include "music/date_time_text.h"
#include "resources/version.h"
#include "setup/open_file_buffer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace brelvix {
namespace {

using Lines = std::vector<std::wstring>;

TEST(NumericValue, ReadsTheLeadingNumber) {
    const std::pair<const wchar_t*, double> cases[] = {
        {L"", 0},       {L"abc", 0}, {L"42", 42},   {L"  42", 42},  {L"\t7", 7},   {L"42abc", 42},
        {L"-3", -3},    {L"+5", 5},  {L"2.5", 2.5}, {L".5", 0.5},   {L"1e9", 1e9}, {L"1e", 1},
        {L"3E2x", 300}, {L"-", 0},   {L"- 3", 0},   {L"12 34", 12}, {L"0x10", 0},  {L"1e-2", 0.01},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(NumericValue(text), value) << text;
    }
    // Too large for a double: still a large number of the same sign.
    EXPECT_GT(NumericValue(std::wstring(1000, L'9')), 1e300);
    EXPECT_LT(NumericValue(L"-1e999"), -1e300);
}

TEST(Twips, PixelSizesRoundHalfToEvenAndPixelsAreTruncated) {
    // clang-format off
    const std::pair<int, int> densities[] = {{96, 15}, {120, 12}, {144, 10}, {192, 8}, {72, 20}, {0, 15}, {-5, 15}};
    // clang-format on
    for (const auto& [dpi, twips] : densities) {
        EXPECT_EQ(TwipsPerPixel(dpi), twips) << dpi;
    }
    // 437.5: the part pixel is lost; 29.5 rounds to 30 first, even at a twip a pixel.
    EXPECT_EQ(std::tuple(TwipsToPixels(5250, 15), TwipsToPixels(5250, 12), TwipsToPixels(29.5, 1),
                         TwipsToPixels(100, 0)),
              std::tuple(350, 437, 30, 0));
}

TEST(PathText, QuotesBackslashesAndTitles) {
    // An inner quote is kept: only the opening one goes.
    EXPECT_EQ(std::tuple(StripQuotes(L"\"C:\\a b.mp3\""), StripQuotes(L"\"C:\\a\"b.mp3"),
                         StripQuotes(L"C:\\x\""), StripQuotes(L"\"")),
              std::tuple(L"C:\\a b.mp3", L"C:\\a\"b.mp3", L"C:\\x", L""));
    EXPECT_EQ(std::tuple(FileQueryPath(L"   "), FileQueryPath(L"\"C:\\M\\a.mp3\"\\"),
                         FolderQueryPath(L"C:\\Music\\"), FolderQueryPath(L"")),
              std::tuple(std::nullopt, L"C:\\M\\a.mp3", L"C:\\Music\\", std::nullopt));
    auto noFolder = [](const std::wstring&) { return false; };
    // clang-format off
    const std::pair<std::wstring, std::wstring> titles[] = {{L"C:\\Music\\Song.live.mp3", L"Song.live"},
        {L"Song.mid", L"Song"}, {L"C:\\Music\\Readme", L"Readme"}, {L"C:\\Music\\.mp3", L""}, {L"C:\\a.b\\c", L"c"}};
    // clang-format on
    for (const auto& [path, title] : titles) {
        EXPECT_EQ(TitleOfPath(path, noFolder), title) << path;
    }
    EXPECT_EQ(TitleOfPath(L"C:\\Music\\", [](const std::wstring&) { return true; }), L"");
    EXPECT_EQ(TitleOfPath(L"x.mp3", [](const std::wstring&) { return true; }), L"x");
}

TEST(PathText, ShortFormsAreNeverCutShort) {
    std::wstring longForm(300, L'S');
    auto call = [&](const std::wstring&, wchar_t* buffer, std::size_t size) -> std::size_t {
        if (size < longForm.size() + 1) {
            return longForm.size() + 1;
        }
        std::copy(longForm.begin(), longForm.end(), buffer);
        return longForm.size();
    };
    EXPECT_EQ(ShortFormOf(L"C:\\long", call), longForm);
    auto fails = [](const std::wstring&, wchar_t*, std::size_t) -> std::size_t { return 0; };
    EXPECT_EQ(ShortFormOf(L"C:\\a.mp3", fails), L"C:\\a.mp3");
    auto grows = [](const std::wstring&, wchar_t*, std::size_t size) { return size + 1; };
    EXPECT_EQ(ShortFormOf(L"C:\\b.mp3", grows), L"C:\\b.mp3");
}

TEST(ClockText, PictureAndSeparators) {
    EXPECT_EQ(FormatClockText({2026, 12, 3, 9, 5, 7}, L"/", L":"), L"3/12/2026 9:05:07");
    EXPECT_EQ(FormatClockText({987, 1, 31, 10, 0, 9}, L".", L"h"), L"31.01.0987 10h00h09");
}

TEST(Deadline, LastsItsLengthWhateverTheStartAndOddLengthsAreBounded) {
    for (std::uint64_t start : {0ull, 86399000ull, 1ull << 40}) {
        Deadline d(start, 0.1);
        EXPECT_FALSE(d.Passed(start + 99));
        EXPECT_TRUE(d.Passed(start + 100));
        EXPECT_EQ(d.RemainingMs(start + 40), 60u);
        EXPECT_EQ(d.RemainingMs(start + 500), 0u);
    }
    EXPECT_TRUE(Deadline(5, -3).Passed(5) && Deadline(5, std::nan("")).Passed(5));
    EXPECT_EQ(Deadline(0, 1e12).RemainingMs(0), 86400000u);
}

TEST(AboutText, TheLinksStayOnLinesEightAndNineForUpToTwoCRs) {
    Program().CreditsYears = L"2024-2026";
    const std::wstring t = L"Brelvix  \u2013  version " BRELVIX_VERSION_TEXT,
                       n = L"Copyright (C) 2024-2026 the Brelvix developers",
                       w = L"Made in Europe, for Windows",
                       m = L"for comments or bugs send e-mail to address:",
                       l = std::wstring(31, L' ') + L"or check for updates on the web:",
                       u = std::wstring(32, L' ');
    const std::vector<std::wstring> plain = {L"", t, L"", n, w, L"", m, l, u};
    // clang-format off
    const std::pair<std::wstring, std::vector<std::wstring>> cases[] = {
        {L"", plain}, {L"   ", plain}, {L"\rhint", plain},
        {L"hint", {t, L"hint", L"", n, w, L"", m, l, u}},
        {L" a\rb", {t, L" a", L"b", L"", n, w, m, l, u}},
        {L"a\rb\rc", {t, L"a", L"b", L"c", n, w, m, l, u}},
        {L"a\r\r\r", {t, L"a", L"", L"", L"", n, w, m, l, u}}};
    // clang-format on
    for (const auto& [comment, lines] : cases) {
        std::wstringstream text(BuildAboutText(comment));
        std::vector<std::wstring> got;
        for (std::wstring line; std::getline(text, line, L'\r');) {
            got.push_back(line);
        }
        EXPECT_EQ(got, lines) << comment.size();
    }
    EXPECT_EQ(LinkTarget(AboutLink::Mail), L"mailto:brelvix@example.org");
}

TEST(CommandLine, DecidesTheRunModeAndReadsWindowHandlesOrNone) {
    // clang-format off
    const std::pair<std::wstring, int> modes[] = {{L"", ModeSetup}, {L"/c", ModeSetup}, {L"/c:1234", ModeSetup},
        {L"/s", ModeSaver}, {L"/S /P 99", ModePreview}, {L"-p 4567", ModePreview}, {L"/A /S", ModePassword},
        {L"-a", ModePassword}, {L"x-sx", ModeSaver}, {L"/x", ModeUnknown}, {L"/s:/c", ModeSaver},
        {L"x -c", ModeSetup}, {std::wstring(10000, L'x') + L" /p 5", ModePreview}};
    // The number must follow the first ":" or blank and be a 32-bit handle.
    const std::tuple<std::wstring, std::uintptr_t, std::uintptr_t> handles[] = {{L"/C:1234", 1234, 0},
        {L"/C:-5", 0, 0}, {L"/P 4567", 0, 4567}, {L"/P 4294967295", 0, 4294967295u}, {L"/P 4294967296", 0, 0},
        {L"/S /P 99", 0, 0}};
    // clang-format on
    for (const auto& [arguments, mode] : modes) {
        EXPECT_EQ(DecideRunMode(CommandText(arguments)), mode) << arguments.substr(0, 20);
    }
    for (const auto& [text, host, preview] : handles) {
        EXPECT_EQ(std::pair(HostWindowArgument(text), PreviewWindowArgument(text)),
                  std::pair(host, preview))
            << text;
    }
}

TEST(InstanceRules, DecideWhetherToRun) {
    using A = InstanceAction;
    // mode, another instance, a window of ours found, "ActiveSetup"
    // clang-format off
    const std::pair<InstanceFacts, InstanceAction> cases[] = {{{ModeSaver, false, false, 0}, A::Run},
        {{ModeSaver, false, true, 0}, A::RestoreAndExit}, {{ModeSaver, true, true, 0}, A::Exit},
        {{ModeSaver, true, false, 2884}, A::RunBesidePreview}, {{ModeSaver, true, false, -7}, A::RunBesidePreview},
        {{ModePreview, true, false, 0}, A::Exit}, {{ModeSetup, true, true, 0}, A::RestoreAndExit},
        {{ModeSetup, true, false, 0}, A::Run}, {{ModePassword, true, true, 0}, A::Run}};
    // clang-format on
    for (const auto& [facts, action] : cases) {
        EXPECT_EQ(DecideInstanceAction(facts), action)
            << facts.runMode << facts.otherInstance << facts.appWindowFound << facts.activeSetup;
    }
}

TEST(OpenFileBuffer, FilterTitleAndTheChosenPaths) {
    EXPECT_EQ(DialogFilter(L"Audio|*.mp3|Wave|*.wav"),
              std::wstring(L"Audio\0*.mp3\0Wave\0*.wav\0\0", 24));
    EXPECT_EQ(DialogTitle(L"#A#O"), L"Open");
    // clang-format off
    const std::tuple<std::wstring, bool, Lines, std::wstring> cases[] = {
        {std::wstring(L"C:\\M\0a.wav\0b.mp3\0\0", 19), true, {L"C:\\M\\a.wav", L"C:\\M\\b.mp3"}, L"C:\\M\\"},
        // The root folder ends in a backslash already: no doubled one.
        {std::wstring(L"D:\\\0a\0b.wav\0c.mid\0\0", 19), true, {L"D:\\a", L"D:\\b.wav", L"D:\\c.mid"}, L"D:\\"},
        {std::wstring(L"C:\\M\\one.mp3\0\0", 14), true, {L"C:\\M\\one.mp3"}, L"C:\\M\\"},
        {std::wstring(L"C:\\M\\one.mp3\0junk", 17), false, {L"C:\\M\\one.mp3"}, L"C:\\M\\"},
        {std::wstring(L"\0C:\\x", 5), true, {L""}, L"kept"},
        {L"", false, {L""}, L"kept"}};
    // clang-format on
    for (const auto& [buffer, multi, paths, folder] : cases) {
        std::wstring got = L"kept";
        EXPECT_EQ(ChosenPaths(buffer, multi, got), paths) << paths.front();
        EXPECT_EQ(got, folder) << paths.front();
    }
    EXPECT_EQ(FolderOfPath(L"\"C:\\M\\a.wav"), L"C:\\M\\");
    EXPECT_EQ(FolderOfPath(L"a.wav"), L"");
}

} // namespace
} // namespace brelvix
