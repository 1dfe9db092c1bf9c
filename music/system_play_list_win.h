// The play-list of play_list.h bound to this process: filled from the
// program's settings store, advanced by the playing loops through the
// system's files and MCI. The program loads one MusicState at start-up and
// hands it to each session, so that a saver -> setup -> saver cycle keeps it.
#pragma once

#include "music/mci_state.h"
#include "music/play_list.h"

#include <windows.h>

#include <string>

namespace brelvix {

// Once at start-up, in setup and saver mode.
void LoadPlayList(MusicState& music);

// The song that played last, when its file still exists; else the first.
std::wstring SongToResume(const MusicState& music);

// Called on every pass of a playing loop with its MCI state, the window that
// receives the completion notices, the alias of its song and the view that
// shows it.
void UpdateMusic(MusicState& music, MciState& mci, HWND window, const std::wstring& alias,
                 SongView& view);

} // namespace brelvix
