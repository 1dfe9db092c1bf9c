// How the music layer shows what it plays. The status bar and the setup
// dialog implement these; the music code never reaches into their controls.
#pragma once

#include <string>

namespace brelvix {

// The song status bar: file name, length and position of the playing song.
class StatusBarView {
  public:
    virtual ~StatusBarView() = default;
    virtual void SetFileLabel(const std::wstring& name) = 0;
    virtual void SetLengthLabel(const std::wstring& mmss) = 0;
    // Moves the knob to the percentage and shows the position text "mm:ss".
    virtual void SetPercent(int percent, const std::wstring& positionText) = 0;
};

// The setup dialog while it plays a song.
class SetupView {
  public:
    virtual ~SetupView() = default;
    virtual void ClearName() = 0;                                 // empties the song-name strip
    virtual void ShowSong(const std::wstring& name, int row) = 0; // name strip + list row
    virtual void SetPercent(int percent, const std::wstring& positionText) = 0;
};

} // namespace brelvix
