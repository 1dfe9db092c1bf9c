#include "setup/song_list_win.h"

#include "setup/play_list_order.h"

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

int SongList::VisibleRows() const {
    RECT client{};
    GetClientRect(list_, &client);
    return brelvix::VisibleRows(client.bottom, static_cast<int>(Send(LB_GETITEMHEIGHT)));
}

void SongList::Fill(const SongCollection& songs) {
    Empty();
    std::vector<std::wstring> titles;
    titles.reserve(static_cast<std::size_t>(songs.Count()));
    for (int n = 1; n <= songs.Count(); ++n) {
        titles.push_back(songs.TitleAt(n));
    }
    AppendAll(titles);
}

int SongList::AppendAll(const std::vector<std::wstring>& titles) {
    // A long list is filled without a repaint per row.
    Send(WM_SETREDRAW, FALSE);
    Send(LB_INITSTORAGE, titles.size(), static_cast<LPARAM>(titles.size() * 64));
    int row = Count() - 1;
    for (const auto& title : titles) {
        row = Append(title);
    }
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(list_, nullptr, TRUE);
    UpdateWindow(list_); // drawn before any message about them covers the dialog
    return row;
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
