// Starting the real Brelvix.scr from the e2e tests.
#pragma once

#include "win_test_support.h"

#include <string>

namespace brelvix::testing {

std::wstring ScrPath();

// Starts Brelvix.scr with the arguments and waits up to timeoutMs for it to
// end; true when it ended with exit code 0.
bool RunScrToExit(const std::wstring& arguments, DWORD timeoutMs = 20000);

} // namespace brelvix::testing
