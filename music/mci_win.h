// The media control interface of the running program: the song open under
// an alias, its state in Mci(), its length on the registered status bar.
#pragma once

#include "music/mci_player.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace brelvix {

// Commands sent with mciSendStringW, state kept in Mci().
MciPlayer SystemMci();

long OpenSong(const std::wstring& path, const std::wstring& alias);
long PlaySong(HWND window, const std::wstring& alias);
bool GetSongPosition(const std::wstring& alias, int& percent);
void CloseSong(const std::wstring& alias);
void PauseSong(const std::wstring& alias);
void ResumeSong(const std::wstring& alias);

// Opens and plays the song a playing loop starts with, from the short form of
// its path. A failure is shown in the error box, owned by the loop's window;
// the open's or the play's result comes back. A song that cannot start (its
// file gone too, which shows no box) is marked failed, so that the loop's
// next pass goes on with the next song.
long StartSong(const std::wstring& path, HWND window, const std::wstring& alias);

// MM_MCINOTIFY as the program's windows take it: the default handling, then
// the notice's code goes to OnMciNotify(Mci(), ...).
LRESULT OnMciNotifyMessage(HWND wnd, WPARAM wParam, LPARAM lParam);

// The error box for a failed open or play: the system's text for the code
// (or the generic text), OK, stop icon, the program's title. With an owner
// the box belongs to it and stays above it, top-most ones included.
void ShowMciError(long code, HWND owner = nullptr);

} // namespace brelvix
