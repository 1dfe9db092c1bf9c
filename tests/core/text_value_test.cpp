#include "saver/text_value.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brelvix {
namespace {

struct ValueCase {
    const wchar_t* text;
    double value;
};

TEST(NumericValue, ReadsTheLeadingNumber) {
    const ValueCase cases[] = {
        {L"", 0},
        {L"abc", 0},
        {L"42", 42},
        {L"  42", 42},
        {L"\t7", 7},
        {L"42abc", 42},
        {L"-3", -3},
        {L"+5", 5},
        {L"2.5", 2.5},
        {L".5", 0.5},
        {L"1e9", 1e9},
        {L"1e", 1},
        {L"3E2x", 300},
        {L"-", 0},
        {L"- 3", 0},
        {L"12 34", 12},
        {L"99999999", 99999999},
        {L"0x10", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << "text: " << c.text;
    }
}

TEST(NumericValue, HugeTextsStayFinite) {
    std::wstring digits(1000, L'9');
    EXPECT_TRUE(std::isfinite(NumericValue(digits)));
    EXPECT_GT(NumericValue(digits), 1e300);
    EXPECT_LT(NumericValue(L"-1e999"), -1e300);
    EXPECT_DOUBLE_EQ(NumericValue(std::wstring(1000, L' ') + L"5"), 5);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},
                                               {-0.5, 0},  {-1.5, -2}, {2.4, 2},    {2.6, 3},
                                               {-2.6, -3}, {7, 7},     {59.999, 60}};
    for (const auto& [in, out] : cases) {
        EXPECT_DOUBLE_EQ(RoundHalfEven(in), out) << in;
    }
}

TEST(WholeInRange, RejectsValuesOutsideTheRange) {
    EXPECT_EQ(WholeInRange(32767.4, 0, 32767), 32767);
    EXPECT_EQ(WholeInRange(32767.5, 0, 32767), std::nullopt);
    EXPECT_EQ(WholeInRange(-0.5, 0, 10), 0);
    EXPECT_EQ(WholeInRange(-0.6, 0, 10), std::nullopt);
    EXPECT_EQ(WholeInRange(1e20, 0, 10), std::nullopt);
}

TEST(ClampedWhole, RoundsThenHoldsTheValueInsideTheRange) {
    const std::pair<double, std::int64_t> cases[] = {
        {2.5, 2},       {3.5, 4},  {32767.4, 32767}, {32767.5, 32767}, {1e9, 32767},
        {1e300, 32767}, {-0.5, 0}, {-0.6, 0},        {-3, 0},          {-1e300, 0},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(ClampedWhole(value, 0, 32767), expected) << value;
    }
}

TEST(CaseMapping, CoversLatinOneLetters) {
    EXPECT_EQ(ToLowerText(L"S\u00cc ENABLED"), L"s\u00ec enabled");
    EXPECT_EQ(ToUpperText(L"/c:abc \u00e0"), L"/C:ABC \u00c0");
    EXPECT_EQ(ToLowerText(L"\u00d7"), L"\u00d7"); // the multiplication sign has no case
    EXPECT_TRUE(EqualsNoCase(L"C:\\Music\\A.MP3", L"c:\\music\\a.mp3"));
    EXPECT_FALSE(EqualsNoCase(L"a", L"ab"));
}

TEST(TrimBlanks, RemovesOuterBlanksOnly) {
    EXPECT_EQ(TrimBlanks(L"  a b  "), L"a b");
    EXPECT_EQ(TrimBlanks(L"   "), L"");
    EXPECT_EQ(TrimBlanks(L""), L"");
}

} // namespace
} // namespace brelvix
