#include "music/print_time_win.h"

#include "music/date_time_text.h"
#include "saver/input_rules_win.h"
#include "saver/program_state.h"
#include "winutil/window_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

class PlainWindow : public Window {
  public:
    bool Create() {
        if (!CreateForm(0, WS_POPUP, L"", 0, 0, 600, 120, nullptr)) {
            return false;
        }
        Show();
        UpdateWindow(Handle());
        return true;
    }
};

class PrintTimeTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetTextState(); }
    void TearDown() override { ResetTextState(); }
    testing::ProgramStateScope state;
};

TEST_F(PrintTimeTest, ResetStartsOverWithArial32) {
    const TextDrawingState& t = TextState();
    EXPECT_EQ(t.TextDC, nullptr);
    EXPECT_EQ(t.TextWnd, nullptr);
    EXPECT_EQ(t.TextFontSize, 32);
    EXPECT_EQ(t.TextFontName, L"Arial");
    EXPECT_FALSE(t.TextFont);
}

TEST_F(PrintTimeTest, TheClockIsDrawnYellowOnBlackInTheTopLeftCorner) {
    PlainWindow window;
    ASSERT_TRUE(window.Create());
    PrintTime(window.Handle());
    ASSERT_NE(TextState().TextDC, nullptr);
    EXPECT_EQ(TextState().TextWnd, window.Handle());
    WindowDc dc(window.Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 2, 20), RGB(0, 0, 0)) << "the leading blank is a black box";
    EXPECT_GT(testing::CountColour(window.Handle(), {0, 0, 400, 50}, RGB(255, 255, 0)), 200);
    EXPECT_EQ(testing::CountColour(window.Handle(), {0, 60, 400, 100}, RGB(255, 255, 0)), 0);
    // Later passes draw with what the first one took.
    HDC first = TextState().TextDC;
    PrintTime(window.Handle());
    EXPECT_EQ(TextState().TextDC, first);
}

TEST_F(PrintTimeTest, TheFontIsArialOfThirtyTwoPointsThroughMulDiv) {
    PlainWindow window;
    ASSERT_TRUE(window.Create());
    ASSERT_TRUE(InitText(window.Handle()));
    LOGFONTW font{};
    GetObjectW(TextState().TextFont.Get(), sizeof font, &font);
    int dpi = GetDeviceCaps(TextState().TextDC, LOGPIXELSY);
    EXPECT_EQ(font.lfHeight, -FontPixelHeight(32, dpi));
    EXPECT_EQ(font.lfHeight, -MulDiv(32, dpi, 72));
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(GetCurrentObject(TextState().TextDC, OBJ_FONT), TextState().TextFont.Get());
}

TEST_F(PrintTimeTest, EndTextGivesTheFontAndTheContextBack) {
    PlainWindow window;
    ASSERT_TRUE(window.Create());
    PrintTime(window.Handle());
    HGDIOBJ font = TextState().TextFont.Get();
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EndText();
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(TextState().TextDC, nullptr);
    EXPECT_EQ(TextState().TextWnd, nullptr);
    EXPECT_EQ(TextState().TextOldFont, nullptr);
    EndText(); // nothing held: nothing happens
    // The next drawing takes everything anew.
    PrintTime(window.Handle());
    EXPECT_NE(TextState().TextDC, nullptr);
}

TEST_F(PrintTimeTest, NoWindowDrawsNothingAndTriesAgainNextTime) {
    EXPECT_FALSE(InitText(nullptr));
    PrintTime(nullptr);
    EXPECT_EQ(TextState().TextDC, nullptr);
    EXPECT_FALSE(TextState().TextFont);
}

TEST_F(PrintTimeTest, EndingTheFullScreenSaverGivesTheTextStateBack) {
    PlainWindow window;
    ASSERT_TRUE(window.Create());
    for (bool usable : {true, false}) {
        Program().Opt.UsableScreen = usable;
        PrintTime(window.Handle());
        HGDIOBJ font = TextState().TextFont.Get();
        EndSaverSession();
        EXPECT_EQ(GetObjectType(font) == 0, !usable) << usable;
        EXPECT_EQ(TextState().TextDC == nullptr, !usable) << usable;
    }
}

TEST_F(PrintTimeTest, TheClockTextIsThePresentTimeWithTheUsersSeparators) {
    SYSTEMTIME before{};
    GetLocalTime(&before);
    std::wstring text = ClockText();
    SYSTEMTIME after{};
    GetLocalTime(&after);
    wchar_t dateSep[8] = {};
    wchar_t timeSep[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDATE, dateSep, 8);
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIME, timeSep, 8);
    auto format = [&](const SYSTEMTIME& s) {
        return FormatClockText({s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond}, dateSep,
                               timeSep);
    };
    EXPECT_TRUE(text == format(before) || text == format(after)) << text;
    EXPECT_NE(text.find(L'/'), std::wstring::npos) << "Wine's locale uses /";
}

} // namespace
} // namespace brelvix
