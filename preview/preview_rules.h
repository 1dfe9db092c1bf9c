// What the preview decides without Windows: where the miniature of the status
// bar sits in the host's preview window and how it moves, and whether the
// host's screen-saver page still names this saver.
#pragma once

#include "base/wander.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelvix {

// The miniature: a third of the preview's width and a fifth of its height,
// starting centred and bouncing inside the preview.
struct Miniature {
    int width = 0;
    int height = 0;
    BounceAxis x;
    BounceAxis y;
};
Miniature PlaceMiniature(int previewWidth, int previewHeight);

// One pass: 1 to 3 pixels on each axis, from two uniform fractions in [0, 1).
void StepMiniature(Miniature& miniature, double fractionX, double fractionY);

// Whether a child dialog of the host is its screen-saver page.
bool IsScreenSaverPage(std::wstring_view caption);

// The names the host's list may show for this saver: its display name, the
// base name of its file, and that base name from its third character, a form
// hosts have listed before. Empty names are left out.
std::vector<std::wstring> SaverNames(const std::wstring& displayName,
                                     const std::wstring& programPath);

// A saver's name is a file's base name or a display name: an entry longer
// than this is none, and is not read (the host says how long its entries
// are, and a broken host must not make the preview claim all memory).
inline constexpr long long kMaxSaverNameLength = 300;

// Whether a list entry's text is one of the names, without regard to case.
bool NamesThisSaver(std::wstring_view entry, const std::vector<std::wstring>& names);

} // namespace brelvix
