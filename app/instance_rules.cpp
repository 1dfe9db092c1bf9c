#include "app/instance_rules.h"

#include "app/command_line.h"

namespace brelvix {

InstanceAction DecideInstanceAction(const InstanceFacts& f) {
    if (!f.otherInstance) {
        return f.appWindowFound ? InstanceAction::RestoreAndExit : InstanceAction::Run;
    }
    switch (f.runMode) {
    case ModeSaver:
        // A non-zero value is a live preview's window: only a preview runs.
        return f.activeSetup != 0 ? InstanceAction::RunBesidePreview : InstanceAction::Exit;
    case ModePreview:
        return InstanceAction::Exit;
    case ModeSetup:
        return f.appWindowFound ? InstanceAction::RestoreAndExit : InstanceAction::Run;
    default:
        return InstanceAction::Run;
    }
}

} // namespace brelvix
