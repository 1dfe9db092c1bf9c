#include "saver/instance_rules.h"

#include "saver/command_line.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

struct InstanceCase {
    InstanceFacts facts;
    InstanceAction action;
};

TEST(InstanceRules, DecideWhetherToRun) {
    using A = InstanceAction;
    const InstanceCase cases[] = {
        {{ModeSaver, false, false, 0}, A::Run},
        {{ModeSaver, false, true, 0}, A::RestoreAndExit}, // a window of ours is up
        {{ModePreview, false, true, 0}, A::RestoreAndExit},
        {{ModeSaver, true, false, 0}, A::Exit}, // a saver already runs
        {{ModeSaver, true, true, 0}, A::Exit},
        {{ModeSaver, true, false, 2884}, A::RunBesidePreview},
        {{ModeSaver, true, false, -7}, A::RunBesidePreview},
        {{ModePreview, true, false, 0}, A::Exit},
        {{ModeSetup, true, true, 0}, A::RestoreAndExit},
        {{ModeSetup, true, false, 0}, A::Run},
        {{ModePassword, true, true, 0}, A::Run},
        {{ModeUnknown, true, true, 0}, A::Run},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.action, DecideInstanceAction(c.facts))
            << "mode " << c.facts.runMode << " other " << c.facts.otherInstance << " window "
            << c.facts.appWindowFound << " activeSetup " << c.facts.activeSetup;
    }
}

} // namespace
} // namespace brelvix
