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
    virtual void ClearName() = 0; // empties the song-name strip
    // Shows the song's name in the strip and selects its list row. The music
    // layer holds IgnoreListClick true for the length of the call, so the
    // list's own click handler leaves that selection alone.
    virtual void ShowSong(const std::wstring& name, int row) = 0;
    // Moves the position display, then prints the dialog's current name again.
    virtual void SetPercent(int percent, const std::wstring& positionText) = 0;
};

// The views that exist right now; either may be missing.
struct SongViews {
    StatusBarView* statusBar = nullptr;
    SetupView* setup = nullptr;
};

SongViews& Views();

// A window registers itself when it is loaded and passes nullptr when it is
// unloaded.
void SetStatusBarView(StatusBarView* view);
void SetSetupView(SetupView* view);

} // namespace brelvix
