#include "setup/song_list_win.h"

namespace brelvix {

LRESULT SongList::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(list_, msg, wParam, lParam);
}

int SongList::Count() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

int SongList::Selected() const {
    return static_cast<int>(Send(LB_GETCURSEL));
}

void SongList::Select(int row) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(row));
}

std::wstring SongList::Text(int row) const {
    LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(row));
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    Send(LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int SongList::TopRow() const {
    return static_cast<int>(Send(LB_GETTOPINDEX));
}

void SongList::SetTopRow(int row) {
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(row));
}

void SongList::Fill(const SongCollection& songs) {
    Empty();
    // A long list is filled without a repaint per row.
    Send(WM_SETREDRAW, FALSE);
    Send(LB_INITSTORAGE, static_cast<WPARAM>(songs.Count()), songs.Count() * 64);
    for (int n = 1; n <= songs.Count(); ++n) {
        Append(songs.TitleAt(n));
    }
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(list_, nullptr, TRUE);
}

int SongList::Append(const std::wstring& title) {
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str())));
}

void SongList::Remove(int row) {
    Send(LB_DELETESTRING, static_cast<WPARAM>(row));
}

void SongList::Move(int from, int to) {
    std::wstring text = Text(from);
    Remove(from);
    Send(LB_INSERTSTRING, static_cast<WPARAM>(to), reinterpret_cast<LPARAM>(text.c_str()));
}

void SongList::Empty() {
    Send(LB_RESETCONTENT);
}

} // namespace brelvix
