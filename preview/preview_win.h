// The live miniature in the host's small preview window.
#pragma once

#include <string>

namespace brelvix {

// Runs the preview named on the command line; returns the exit code.
int RunPreview(const std::wstring& commandText);

} // namespace brelvix
