// How the setup dialog's list changes order and where it scrolls: a song
// moved one place up or down, the row selected after a removal, and the first
// visible row after rows are added or moved.
#pragma once

#include "music/play_list.h"

#include <string>

namespace brelvix {

// The list with the entry stored under title moved to newRow (0-based): it
// goes in front of the entry now at newRow when moving up, after it when
// moving down. The new list folds titles as the old one did.
SongCollection MovedSong(const SongCollection& list, const std::wstring& title, int newRow,
                         bool up);

// The row selected after removing row `removed` of `rows`: the next row, or
// the new last one when the last was removed (-1 when none is left).
int RowAfterRemove(int removed, int rows);

// The rows a list shows at once: as many whole rows as its inside is high,
// and never fewer than one, which a list shorter than a row still shows.
int VisibleRows(int clientHeight, int rowHeight);

// The first visible row that keeps `row` in sight once it is added at the
// end, from the first visible row before, with `rows` rows in view.
int TopRowAfterAdd(int row, int top, int rows);

// The first visible row after a move to newRow: the list does not jump when
// the row was in sight already, and scrolls just enough when it was not.
int TopRowAfterMove(int savedTop, int newRow, int rows);

} // namespace brelvix
