// The program's entry routine: reads the host's switches, applies the
// single-instance rules and runs one mode after another until the process ends.
#pragma once

#include <string_view>

namespace brelvix {

// Returns the process exit code.
int RunProgram(std::wstring_view arguments);

} // namespace brelvix
