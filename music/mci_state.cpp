#include "music/mci_state.h"

namespace brelvix {

void OnMciNotify(MciState& state, std::uintptr_t code) {
    constexpr std::uintptr_t kSuccessful = 1;
    constexpr std::uintptr_t kAborted = 4;
    constexpr std::uintptr_t kFailure = 8;
    if (code == kSuccessful) {
        state.SongEnded = true;
    } else if (code == kAborted) {
        state.SongAborted = true;
    } else if (code == kFailure) {
        state.SongFailed = true;
    }
}

void ClearNotices(MciState& state) {
    state.SongEnded = false;
    state.SongAborted = false;
    state.SongFailed = false;
}

} // namespace brelvix
