#include "saver/command_line.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

struct ModeCase {
    std::wstring arguments;
    int mode;
};

TEST(CommandLine, DecidesTheRunMode) {
    const ModeCase cases[] = {
        {L"", ModeSetup},           {L"/c", ModeSetup},        {L"-C", ModeSetup},
        {L"/c:1234", ModeSetup},    {L"/C 1234", ModeSetup},   {L"/c:", ModeSetup},
        {L"/s", ModeSaver},         {L"-S", ModeSaver},        {L" /s", ModeSaver},
        {L"/S /P 99", ModePreview}, {L"/p 4567", ModePreview}, {L"/p", ModePreview},
        {L"/A /S", ModePassword},   {L"-a", ModePassword},     {L"/x", ModeUnknown},
        {L"foo", ModeUnknown},      {L"   ", ModeUnknown},     {L"/s:/c", ModeSaver},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideRunMode(CommandText(c.arguments)), c.mode) << "[" << c.arguments << "]";
    }
}

TEST(CommandLine, LongLinesAreReadWhole) {
    std::wstring line(10000, L'x');
    EXPECT_EQ(DecideRunMode(CommandText(line)), ModeUnknown);
    EXPECT_EQ(DecideRunMode(CommandText(line + L" /p 5")), ModePreview);
}

struct HandleCase {
    std::wstring text;
    std::uintptr_t host;
    std::uintptr_t preview;
};

TEST(CommandLine, ReadsWindowHandlesOrNone) {
    const HandleCase cases[] = {
        {L"/C:1234", 1234, 0},
        {L"/C:0", 0, 0},
        {L"/C:", 0, 0},
        {L"/C:ABC", 0, 0},
        {L"/C:-5", 0, 0},
        {L"/P 4567", 0, 4567},
        {L"/P", 0, 0},
        {L"/P ABC", 0, 0},
        {L"/P 99999999999999999999", 0, 0},
        {L"/P 4294967295", 0, 4294967295u},
        {L"/P  12", 0, 12},
        {L"/S /P 99", 0, 0}, // the number must follow the first blank
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HostWindowArgument(c.text), c.host) << c.text;
        EXPECT_EQ(PreviewWindowArgument(c.text), c.preview) << c.text;
    }
}

} // namespace
} // namespace brelvix
