// The play-list of play_list.h bound to this process: Music() filled from
// the program's settings store, looked up by the windows, advanced by the
// playing loops through the system's files and MCI.
#pragma once

#include "music/play_list.h"

#include <windows.h>

#include <string>

namespace brelvix {

// Once at start-up, in setup and saver mode.
void LoadPlayList();

// Lookups: empty texts or false for positions (1-based) and titles that are
// not in the list.
std::wstring GetSongPath(int position);
bool IsInPlayList(const std::wstring& title);

// The song that played last, when its file still exists; else the first.
std::wstring SongToResume();

// Called on every pass of a playing loop with the window that receives the
// completion notices, the alias of its song and the view that shows it.
void UpdateMusic(HWND window, const std::wstring& alias, SongView& view);

} // namespace brelvix
