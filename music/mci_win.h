// The media control interface of the running program: the song a playing
// loop opens under its alias, its state in the loop's MciState, its length on
// the loop's view.
#pragma once

#include "music/mci_player.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace brelvix {

// Commands sent with mciSendStringW, state kept in state; view, when given,
// shows each opened song's length.
MciPlayer SystemMci(MciState& state, SongView* view = nullptr);

void CloseSong(MciState& state, const std::wstring& alias);
void PauseSong(MciState& state, const std::wstring& alias);
void ResumeSong(MciState& state, const std::wstring& alias);

// Opens and plays the song a playing loop starts with, from the short form of
// its path; the open's or the play's result comes back, for the loop to show
// in its error box (a missing file answers 0: it shows no box). A song that
// cannot start is marked failed, so that the loop's next pass goes on with
// the next song.
long StartSong(MciState& state, const std::wstring& path, HWND window, const std::wstring& alias,
               SongView& view);

// MM_MCINOTIFY as the program's windows take it: the default handling, then
// the notice's code goes to OnMciNotify(state, ...).
LRESULT OnMciNotifyMessage(MciState& state, HWND wnd, WPARAM wParam, LPARAM lParam);

// What the error box says for a failed open or play: the system's text for
// the code, or the generic text.
std::wstring MciErrorText(long code);

} // namespace brelvix
