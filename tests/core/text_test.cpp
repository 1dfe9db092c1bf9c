// Numbers, case, paths and times read out of texts, the small arithmetic of
// twips and deadlines, and the About box's text.
#include "about/about_text.h"
#include "base/deadline.h"
#include "base/path_text.h"
#include "base/program_state.h"
#include "base/text_value.h"
#include "base/twips.h"
#include "music/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace brelvix {
namespace {

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

TEST(Rounding, HalvesGoToTheEvenNeighbourAndRangesHold) {
    // clang-format off
    const std::pair<double, double> halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}, {2.6, 3}, {-2.6, -3}, {7, 7}, {59.999, 60}};
    // clang-format on
    for (const auto& [in, out] : halves) {
        EXPECT_DOUBLE_EQ(RoundHalfEven(in), out) << in;
    }
    EXPECT_EQ(WholeInRange(32767.4, 0, 32767), 32767);
    EXPECT_EQ(WholeInRange(32767.5, 0, 32767), std::nullopt);
    EXPECT_EQ(WholeInRange(-0.6, 0, 10), std::nullopt);
    // clang-format off
    const std::pair<double, std::int64_t> clamped[] = {{3.5, 4}, {32767.5, 32767}, {1e300, 32767}, {-0.6, 0}, {-1e300, 0}};
    // clang-format on
    for (const auto& [value, expected] : clamped) {
        EXPECT_EQ(ClampedWhole(value, 0, 32767), expected) << value;
    }
}

TEST(Text, CaseMappingCoversLatinOneAndBlanksTrimOutside) {
    EXPECT_EQ(ToLowerText(L"S\u00cc ENABLED \u00de\u00d7"), L"s\u00ec enabled \u00fe\u00d7");
    EXPECT_EQ(ToUpperText(L"/c:abc \u00e0\u00fe\u00f7"), L"/C:ABC \u00c0\u00de\u00f7");
    EXPECT_TRUE(EqualsNoCase(L"C:\\Music\\A.MP3", L"c:\\music\\a.mp3") &&
                !EqualsNoCase(L"a", L"ab"));
    EXPECT_EQ(TrimBlanks(L"  a b  ") + TrimBlanks(L"   "), L"a b");
}

TEST(Twips, PixelSizesRoundHalfToEvenAndPixelsAreTruncated) {
    // clang-format off
    const std::pair<int, int> densities[] = {{96, 15}, {120, 12}, {144, 10}, {192, 8}, {72, 20}, {0, 15}, {-5, 15}};
    // clang-format on
    for (const auto& [dpi, twips] : densities) {
        EXPECT_EQ(TwipsPerPixel(dpi), twips) << dpi;
    }
    // 437.5: the part pixel is lost; 29.5 rounds to 30 first.
    EXPECT_EQ(std::tuple(TwipsToPixels(5250, 15), TwipsToPixels(5250, 12), TwipsToPixels(29.5, 15),
                         TwipsToPixels(100, 0)),
              std::tuple(350, 437, 2, 0));
}

TEST(PathText, QuotesBackslashesAndTitles) {
    EXPECT_EQ(StripQuotes(L"\"C:\\a b.mp3\""), L"C:\\a b.mp3");
    EXPECT_EQ(StripQuotes(L"\"C:\\a\"b.mp3"),
              L"C:\\a\"b.mp3"); // inner quote: only the opening one goes
    EXPECT_EQ(StripQuotes(L"C:\\x\""), L"C:\\x");
    EXPECT_EQ(StripQuotes(L"\""), L"");
    EXPECT_EQ(FileQueryPath(L"   "), std::nullopt);
    EXPECT_EQ(FileQueryPath(L"\"C:\\M\\a.mp3\"\\"), std::wstring(L"C:\\M\\a.mp3"));
    EXPECT_EQ(FolderQueryPath(L"C:\\Music\\"), std::wstring(L"C:\\Music\\"));
    EXPECT_EQ(FolderQueryPath(L""), std::nullopt);
    auto noFolder = [](const std::wstring&) { return false; };
    // clang-format off
    const std::pair<std::wstring, std::wstring> titles[] = {{L"C:\\Music\\Song.live.mp3", L"Song.live"}, {L"Song.mid", L"Song"},
        {L"C:\\Music\\Readme", L"Readme"}, {L"C:\\Music\\.mp3", L""}, {L"C:\\a.b\\c", L"c"}, {L"plain", L"plain"}};
    // clang-format on
    for (const auto& [path, title] : titles) {
        EXPECT_EQ(TitleOfPath(path, noFolder), title) << path;
    }
    EXPECT_EQ(TitleOfPath(L"C:\\Music\\", [](const std::wstring&) { return true; }), L"");
    EXPECT_EQ(TitleOfPath(L"x.mp3", [](const std::wstring&) { return true; }), L"x");
}

TEST(PathText, ShortFormsAreNeverCutShort) {
    std::wstring longForm(300, L'S');
    int calls = 0;
    auto call = [&](const std::wstring&, wchar_t* buffer, std::size_t size) -> std::size_t {
        ++calls;
        if (size < longForm.size() + 1) {
            return longForm.size() + 1;
        }
        std::copy(longForm.begin(), longForm.end(), buffer);
        return longForm.size();
    };
    EXPECT_EQ(ShortFormOf(L"C:\\long", call), longForm);
    EXPECT_EQ(calls, 2);
    auto fails = [](const std::wstring&, wchar_t*, std::size_t) -> std::size_t { return 0; };
    EXPECT_EQ(ShortFormOf(L"C:\\a.mp3", fails), L"C:\\a.mp3");
    auto grows = [](const std::wstring&, wchar_t*, std::size_t size) { return size + 1; };
    EXPECT_EQ(ShortFormOf(L"C:\\b.mp3", grows), L"C:\\b.mp3");
}

TEST(ClockText, PictureSeparatorsAndFontHeight) {
    EXPECT_EQ(FormatClockText({2026, 12, 3, 9, 5, 7}, L"/", L":"), L"3/12/2026 9:05:07");
    EXPECT_EQ(FormatClockText({2026, 12, 3, 23, 59, 59}, L"/", L":"), L"3/12/2026 23:59:59");
    EXPECT_EQ(FormatClockText({2026, 12, 4, 0, 0, 0}, L"/", L":"), L"4/12/2026 0:00:00");
    EXPECT_EQ(FormatClockText({987, 1, 31, 10, 0, 9}, L".", L"h"), L"31.01.0987 10h00h09");
    // 35/72 is below the half; the half itself goes up.
    EXPECT_EQ(std::tuple(FontPixelHeight(32, 96), FontPixelHeight(32, 120), FontPixelHeight(9, 96),
                         FontPixelHeight(-32, 96), FontPixelHeight(5, 7), FontPixelHeight(1, 36)),
              std::tuple(43, 53, 12, -43, 0, 1));
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

TEST(AboutText, TheLinksStayOnLinesEightAndNineForUpToTwoCRsAndLaunchesHaveWords) {
    Program().CreditsYears = L"2024-2026";
    const std::wstring t = L"Brelvix  \u2013  version 1.6.14",
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
    const std::wstring g = L"Generic access file error.";
    // clang-format off
    const std::pair<int, std::wstring> words[] = {
        {2, L"File not found."}, {3, L"Path not found."}, {5, L"Access denied."},
        {27, L"Incomplete association type of file."}, {31, L"Missing association type of file."},
        {-1, g}, {0, g}, {4, g}, {26, g}, {28, g}, {32, g}, {33, L""}, {42, L""}};
    // clang-format on
    for (const auto& [code, word] : words) {
        EXPECT_EQ(ShellOpenMessage(code), word) << code;
    }
}

} // namespace
} // namespace brelvix
