// The state of the song a playing loop has open through MCI: the loop owns
// it, the window that receives the completion notices writes them into it.
#pragma once

#include <cstdint>
#include <string>

namespace brelvix {

struct MciState {
    bool MciIsOpen = false;
    // The alias of the open song, whose device alone may send notices.
    std::wstring OpenAlias;
    // Set from the open device's notices; consumed by UpdateMusic, cleared
    // when a song is opened or closed so that no notice outlives its song.
    bool SongEnded = false;
    bool SongAborted = false;
    bool SongFailed = false;
    long SongLengthSecs = 0;
    // Length and last read position in device units.
    long SongLengthUnits = 0;
    long SongPositionUnits = 0;
    std::wstring SongLengthText = L"00:00";
    std::wstring SongPositionText = L"00:00";
    long TimeDivisor = 1000;
    std::uint32_t MciResult = 0;
};

// What a window does with MM_MCINOTIFY's code: 1 (successful) marks the song
// ended, 4 (aborted) marks it aborted, 8 (failure) marks it failed;
// 2 (superseded) is ignored.
void OnMciNotify(MciState& state, std::uintptr_t code);

// Forgets every notice taken so far.
void ClearNotices(MciState& state);

} // namespace brelvix
