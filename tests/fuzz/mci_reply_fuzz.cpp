// What MCI devices answer, through the player: each line is one reply, in the
// order the player asks (open, time format, length, play, position); a line
// that starts with "!" is a failed command.
#include "fuzz_input.h"
#include "music/mci_player.h"

using namespace brelvix;

namespace {

struct ReplySender final : MciSender {
    std::vector<std::wstring> replies;
    std::size_t sent = 0;
    std::uint32_t Send(const std::wstring&, std::wstring* reply, std::uintptr_t) override {
        std::wstring next = sent < replies.size() ? replies[sent++] : L"";
        if (reply) {
            *reply = next;
        }
        return next.empty() || next[0] != L'!' ? 0 : 277;
    }
    bool ErrorText(std::uint32_t, std::wstring&) override { return false; }
};

bool IsMinutesSeconds(const std::wstring& text) {
    std::size_t colon = text.size() - 3;
    return text.size() >= 5 && text.find_first_not_of(L"0123456789") == colon &&
           text.find_last_of(L':') == colon && text[colon + 1] <= L'5';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MciState state;
    ReplySender sender;
    sender.replies = FuzzLines(data, size);
    MciPlayer player(sender, state, nullptr);
    // A MIDI song: a device that refuses milliseconds counts in tenths.
    long opened = player.OpenSong(L"C:\\My Music\\song.mid", L"frmSS");
    FUZZ_CHECK(state.MciIsOpen == (opened == 0) && state.SongLengthSecs >= 0);
    FUZZ_CHECK(IsMinutesSeconds(state.SongLengthText));
    int percent = 0;
    player.PlaySong(0, L"frmSS");
    player.GetSongPosition(L"frmSS", percent);
    FUZZ_CHECK(percent >= 0 && IsMinutesSeconds(state.SongPositionText));
    return 0;
}
