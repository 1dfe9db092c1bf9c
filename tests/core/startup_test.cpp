// What the host's command line asks for, and whether to run beside another instance.
#include "app/command_line.h"
#include "app/instance_rules.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

TEST(CommandLine, DecidesTheRunModeAndReadsWindowHandlesOrNone) {
    // clang-format off
    const std::pair<std::wstring, int> modes[] = {{L"", ModeSetup}, {L"/c", ModeSetup}, {L"-C", ModeSetup},
        {L"/c:1234", ModeSetup}, {L"/C 1234", ModeSetup}, {L"/s", ModeSaver}, {L"-S", ModeSaver},
        {L" /s", ModeSaver}, {L"/S /P 99", ModePreview}, {L"-p 4567", ModePreview}, {L"/A /S", ModePassword},
        {L"-a", ModePassword}, {L"x-sx", ModeSaver}, {L"/x", ModeUnknown}, {L"   ", ModeUnknown},
        {L"/s:/c", ModeSaver}, {L"x -c", ModeSetup}, {std::wstring(10000, L'x') + L" /p 5", ModePreview}};
    // The number must follow the first ":" or blank and be a 32-bit handle.
    const std::tuple<std::wstring, std::uintptr_t, std::uintptr_t> handles[] = {{L"/C:1234", 1234, 0},
        {L"/C:0", 0, 0}, {L"/C:", 0, 0}, {L"/C:ABC", 0, 0}, {L"/C:-5", 0, 0}, {L"/P 4567", 0, 4567},
        {L"/P", 0, 0}, {L"/P 99999999999999999999", 0, 0}, {L"/P 4294967295", 0, 4294967295u},
        {L"/P 4294967296", 0, 0}, {L"/S /P 99", 0, 0}};
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
        {{ModeSaver, false, true, 0}, A::RestoreAndExit}, {{ModePreview, false, true, 0}, A::RestoreAndExit},
        {{ModeSaver, true, false, 0}, A::Exit}, {{ModeSaver, true, true, 0}, A::Exit},
        {{ModeSaver, true, false, 2884}, A::RunBesidePreview}, {{ModeSaver, true, false, -7}, A::RunBesidePreview},
        {{ModePreview, true, false, 0}, A::Exit}, {{ModeSetup, true, true, 0}, A::RestoreAndExit},
        {{ModeSetup, true, false, 0}, A::Run}, {{ModePassword, true, true, 0}, A::Run},
        {{ModeUnknown, true, true, 0}, A::Run}};
    // clang-format on
    for (const auto& [facts, action] : cases) {
        EXPECT_EQ(DecideInstanceAction(facts), action)
            << facts.runMode << facts.otherInstance << facts.appWindowFound << facts.activeSetup;
    }
}

} // namespace
} // namespace brelvix
