// What a new instance does when it finds the program already running, or a
// window of the program left on the desktop.
#pragma once

namespace brelvix {

enum class InstanceAction {
    Run,              // go on with the mode asked for
    RunBesidePreview, // run the saver although a preview instance is up
    RestoreAndExit,   // bring the existing window forward, then exit
    Exit,
};

struct InstanceFacts {
    int runMode = 0;
    bool otherInstance = false;
    bool appWindowFound = false; // a top-level window of our class titled with the app's name
    double activeSetup = 0;      // numeric value of the "ActiveSetup" setting
};

InstanceAction DecideInstanceAction(const InstanceFacts& facts);

} // namespace brelvix
