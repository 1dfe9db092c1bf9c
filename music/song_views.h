// What a playing loop shows of its song: the status bar in the saver, the
// setup dialog in setup. The loop passes its view to the music code, which
// never reaches into the windows' controls.
#pragma once

#include <string>

namespace brelvix {

class SongView {
  public:
    virtual ~SongView() = default;
    // The song is about to change.
    virtual void SongChanging() {}
    // A song starts: its name and its 0-based play-list position.
    virtual void ShowSong(const std::wstring& name, int position) = 0;
    virtual void ShowLength(const std::wstring& mmss) = 0;
    // The position as a percentage of the length and as "mm:ss".
    virtual void ShowPosition(int percent, const std::wstring& positionText) = 0;
    // Nothing in the list plays: the view says so rather than show the last song.
    virtual void ShowNoSong() {}
};

} // namespace brelvix
