#include "setup/play_list_order.h"

namespace brelvix {

SongCollection MovedSong(const SongCollection& list, const std::wstring& title, int newRow,
                         bool up) {
    SongCollection moved(list.Fold());
    clsItemSong song{list.PathByKey(title), title};
    TextFold fold = list.Fold();
    for (int i = 1; i <= list.Count(); ++i) {
        clsItemSong here{list.PathAt(i), list.TitleAt(i)};
        if (i != newRow + 1) {
            if (fold(here.Title) != fold(title)) {
                moved.Add(here);
            }
        } else if (up) {
            moved.Add(song);
            moved.Add(here);
        } else {
            moved.Add(here);
            moved.Add(song);
        }
    }
    return moved;
}

int RowAfterRemove(int removed, int rows) {
    return removed == rows - 1 ? removed - 1 : removed;
}

int VisibleRows(int clientHeight, int rowHeight) {
    if (rowHeight <= 0 || clientHeight < rowHeight) {
        return 1;
    }
    return clientHeight / rowHeight;
}

int TopRowAfterAdd(int row, int top, int rows) {
    return row - top > rows - 1 ? row - (rows - 1) : top;
}

int TopRowAfterMove(int savedTop, int newRow, int rows) {
    if (newRow - savedTop > rows - 1) {
        return newRow - (rows - 1);
    }
    return newRow < savedTop ? newRow : savedTop;
}

} // namespace brelvix
