// The live miniature in the host's small preview window.
#pragma once

#include <windows.h>

namespace brelvix {

// Draws the miniature into the preview window until the window goes or the
// host's screen-saver page selects another saver; returns the exit code.
int RunPreview(HWND previewWindow);

} // namespace brelvix
