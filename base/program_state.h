// The state the whole program shares while it runs. Window procedures and the
// waiting loops meet here, and only through these fields.
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
    // Set by input handlers to end the running phase; F1 also sets SetupRequested.
    bool EndSaver = false;
    bool SetupRequested = false;
    Options Opt;
};

ProgramState& Program();

} // namespace brelvix
