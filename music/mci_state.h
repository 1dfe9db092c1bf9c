// The state of the one song the program has open through MCI, shared by the
// music code, the windows that receive the completion notices and the views.
#pragma once

#include <cstdint>
#include <string>

namespace brelvix {

struct MciState {
    bool MciIsOpen = false;
    // Set from the device's completion notice; consumed by UpdateMusic.
    bool SongEnded = false;
    bool SongAborted = false;
    long SongLengthSecs = 0;
    std::wstring SongLengthText = L"00:00";
    std::wstring SongPositionText = L"00:00";
    long TimeDivisor = 1000;
    std::uint32_t MciResult = 0;
};

MciState& Mci();

// What a window does with MM_MCINOTIFY's code: 1 (successful) marks the song
// ended, 4 (aborted) marks it aborted; 2 (superseded) and 8 (failure) are ignored.
void OnMciNotify(MciState& state, std::uintptr_t code);

} // namespace brelvix
