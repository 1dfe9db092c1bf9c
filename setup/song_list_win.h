// The setup dialog's list box of song titles: row r shows play-list entry
// r + 1. Selecting a row here raises nothing; the dialog runs its own click
// handling where the list's selection changes by code.
#pragma once

#include "music/play_list.h"

#include <windows.h>

#include <string>
#include <vector>

namespace brelvix {

class SongList {
  public:
    void Attach(HWND list) { list_ = list; }
    HWND Handle() const { return list_; }

    int Count() const;
    // The selected row, or -1.
    int Selected() const;
    void Select(int row);
    std::wstring Text(int row) const;
    int TopRow() const;
    void SetTopRow(int row);
    // The rows in view at once, from the list's inside and its row height.
    int VisibleRows() const;

    // One row per title that is not empty, in list order.
    void Fill(const SongCollection& songs);
    // Returns the new row.
    int Append(const std::wstring& title);
    // Many rows with one repaint; returns the last new row.
    int AppendAll(const std::vector<std::wstring>& titles);
    void Remove(int row);
    // The row's text goes to row `to`; the rows between close up.
    void Move(int from, int to);
    void Empty();

  private:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND list_ = nullptr;
};

} // namespace brelvix
