// The screen-saver host's command line: which mode to run and the window
// handles that follow the switches.
#pragma once

#include "base/program_state.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brelvix {

// The arguments upper-cased; an empty line becomes "/C".
std::wstring CommandText(std::wstring_view arguments);

// Whole-text forms first ("/C", "/S"), then switches found anywhere in the
// text, preview before password before saver before setup.
int DecideRunMode(std::wstring_view commandText);

// The window handle after the first ":" (setup) or after the first blank
// (preview); 0 when it is missing, not a number or cannot be a handle.
std::uintptr_t HostWindowArgument(std::wstring_view commandText);
std::uintptr_t PreviewWindowArgument(std::wstring_view commandText);

} // namespace brelvix
