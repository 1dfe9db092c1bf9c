// The saver hides the mouse cursor while it covers the screen.
#pragma once

namespace brelvix {

// ShowCursor keeps a display count: these step it until the cursor is hidden
// (count below 0) or shown (count 0 or more), however often they are called.
void HideCursor();
void RestoreCursor();

} // namespace brelvix
