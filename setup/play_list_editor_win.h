// The setup dialog's play-list: adding songs through the file-open dialog,
// removing one or all, moving one up or down, and playing the song whose row
// the user selects.
#pragma once

#include "music/mci_state.h"
#include "music/play_list.h"
#include "music/song_views.h"
#include "setup/name_strip_win.h"
#include "setup/song_list_win.h"

#include <windows.h>

#include <string>
#include <vector>

namespace brelvix {

// The alias of the song the setup dialog plays, named after the window that
// receives its completion notices.
inline constexpr wchar_t kSetupAlias[] = L"fsetup";

// The parts of the dialog the play-list's handling works on.
struct SetupParts {
    HWND dialog = nullptr;
    SongList list;
    NameStrip strip;
    HWND okButton = nullptr;
    HWND removeButton = nullptr;
    HWND clearButton = nullptr;
    HWND statusLabel = nullptr;
    // After a removal the newly selected row plays even when its number is
    // the current song's.
    bool ReplayRequested = false;
    // Set while code changes the list's selection: the row is not played.
    bool IgnoreListClick = false;
    std::wstring LastFolder;
    std::wstring CurrentName;
};

class PlayListEditor {
  public:
    // view shows the length of each song the editor plays; music is the
    // play-list it edits, mci the state of the setup's song.
    PlayListEditor(SetupParts& parts, SongView& view, MusicState& music, MciState& mci)
        : parts_(parts), view_(view), music_(music), mci_(mci) {}

    void Add();
    // Dropped or picked files, folders, shortcuts and play-list files, with
    // one message at the end instead of one a song.
    void AddGathered(const std::vector<std::wstring>& paths);
    // "Add folder...": the system's folder picker, then as a drop.
    void AddFolder();
    void Remove();
    void Clear();
    // A press on an arrow: a plain left press moves the selected song.
    void ArrowPressed(bool up, int button, int shift);
    // Every change of the list's selection, by the user or by code.
    void ListClicked();
    // A key down in the list; true when it was Ctrl+Up or Ctrl+Down, which
    // move the song instead of the selection.
    bool ListKey(int keyCode, int shift);

  private:
    void AddSong(const std::wstring& path);
    void ShowAdded(const std::vector<std::wstring>& titles);
    bool StartEdit(HWND button, const wchar_t* question, const wchar_t* caption);
    void MoveSong(const std::wstring& title, int newRow, bool up);
    void PlaySelected(int row);

    SetupParts& parts_;
    SongView& view_;
    MusicState& music_;
    MciState& mci_;
};

} // namespace brelvix
