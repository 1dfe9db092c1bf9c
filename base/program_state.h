// The state the whole program shares while it runs: what the host asked for,
// the screen's density and the loaded options. Each session keeps its own
// windows, song and end flags.
#pragma once

#include "base/settings.h"

#include <string>

namespace brelvix {

// What the host asked for on the command line.
enum RunModes : int {
    ModeUnknown = 0,
    ModeSetup = 1,
    ModeSaver = 2,
    ModePreview = 3,
    ModePassword = 4
};

struct ProgramState {
    int RunMode = 0;
    std::wstring AppTitle = L"Brelvix";
    std::wstring CreditsYears;
    int TwipsX = 15;
    int TwipsY = 15;
    Options Opt;
};

ProgramState& Program();

} // namespace brelvix
