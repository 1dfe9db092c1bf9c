// Starting the real Brelvix.scr from the e2e tests.
#pragma once

#include "win_test_support.h"

#include <string>

namespace brelvix::testing {

std::wstring ScrPath();

// Starts Brelvix.scr with the arguments and waits up to timeoutMs for it to
// end; true when it ended with exit code 0.
bool RunScrToExit(const std::wstring& arguments, DWORD timeoutMs = 20000);

// How a start of Brelvix.scr went: it ended by itself (with code 0), or it
// is up with a window that answers messages; anything else is a failure.
enum class StartOutcome { EndedCleanly, RunningAndResponsive, Failed };
StartOutcome StartAndSee(const std::wstring& arguments, DWORD settleMs = 1500);

// A top-level window of the program's form class owned by the process.
HWND FindProcessWindow(DWORD processId);

} // namespace brelvix::testing
