// The play-list: the user's songs in order, where playing resumes, and the
// step from one song to the next while a playing loop runs.
#pragma once

#include "base/file_queries.h"
#include "base/settings.h"
#include "base/text_value.h"
#include "music/mci_player.h"
#include "music/song_views.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace brelvix {

// One play-list entry.
struct clsItemSong {
    std::wstring PathFilename; // full path, as stored in the settings
    std::wstring Title;        // the file name without folder and last extension
};

// Entries in order, each stored under its title; titles are unique without
// regard to letter case, as the fold decides. Positions are 1-based. A path
// with no title (a folder, a file named ".mp3") is no song: it would have no
// row in the setup dialog, and every row after it would name the entry above.
class SongCollection {
  public:
    static constexpr int kMaxEntries = kMaxStoredSongs;

    SongCollection() = default;
    explicit SongCollection(TextFold fold) : fold_(fold) {}
    TextFold Fold() const { return fold_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // False, and nothing added, when the title is empty or taken or the list is full.
    bool Add(clsItemSong item);
    // Nothing happens for a position that is not there.
    void RemoveAt(int position);
    void Clear();
    std::vector<std::wstring> Paths() const;

    // Empty texts or false for positions and keys that are not there.
    std::wstring PathAt(int position) const;
    std::wstring TitleAt(int position) const;
    std::wstring PathByKey(const std::wstring& title) const;
    bool Contains(const std::wstring& title) const;

  private:
    TextFold fold_ = ToUpperText;
    std::vector<clsItemSong> items_;
    std::unordered_set<std::wstring> keys_; // folded titles
};

struct MusicState {
    SongCollection PlayList;
    // 0-based position of the current song; -1 while unknown, so that the
    // next completed song continues with the first entry.
    int CurrentSong = -1;
    std::wstring CurrentFile;
    // The list was edited since it was last stored. A cancelled setup dialog
    // keeps its edits in memory, so the next dialog's OK must store them.
    bool ListChanged = false;
    // Songs that failed one after another since a song last played: once
    // they make a whole round of the list the music stops.
    int FailedInARow = 0;
    // When the device was first seen stopped at the song's end (0: not seen).
    std::uint64_t StoppedAtEndSinceMs = 0;
};

// Fills the play-list from the settings and finds the song to resume with
// ("MusicFile"). A stored count outside 0 ... 32767 is held inside it.
void LoadPlayList(MusicState& music, SettingsStore& store, FileQueries& files);

// The song a playing loop starts with: "MusicFile" when that file still
// exists, else the first in the list (empty for an empty list).
std::wstring SongToResume(const MusicState& music, SettingsStore& store, FileQueries& files);

// Everything one pass of a playing loop touches.
struct MusicPass {
    MusicState& music;
    MciPlayer& mci;
    FileQueries& files;
    SettingsStore& store;
    bool mute;
    SongView& view;
    // Shows the hourglass (true) or the arrow (false) while a song is changed.
    std::function<void(bool)> showBusy;
    // A monotonic clock in milliseconds.
    std::function<std::uint64_t()> nowMs;
};

// One pass: once the song is over the next one in the list (wrapping after
// the last) is recorded and started; then the position is shown. A song is
// over at its completion notice, at a failure notice, or when its device has
// stood stopped at its end for over a second without a notice. A song that
// cannot start (its file gone, open or play refused) is passed over for the
// next, at most once round the list; when none of them plays the music stops
// and the views show no song.
void UpdateMusic(MusicPass& pass, std::uintptr_t window, const std::wstring& alias);

} // namespace brelvix
