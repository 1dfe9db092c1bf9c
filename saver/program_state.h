// The state the whole program shares while it runs. Window procedures and the
// waiting loops meet here, and only through these fields.
#pragma once

#include "saver/settings.h"

#include <string>

namespace brelvix {

struct ProgramState {
    int RunMode = 0;
    std::wstring AppTitle = L"Brelvix";
    std::wstring CreditsYears;
    int TwipsX = 15;
    int TwipsY = 15;
    // Set by input handlers to end the running phase; F1 also sets SetupRequested.
    bool EndSaver = false;
    bool SetupRequested = false;
    long SongError = 0;
    bool IgnoreListClick = false;
    Options Opt;
};

ProgramState& Program();

} // namespace brelvix
