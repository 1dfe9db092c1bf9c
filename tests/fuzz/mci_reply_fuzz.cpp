// What MCI devices answer: each line is one reply, in the order the player
// asks (time format, length, play, position); a line that starts with "!"
// is a failed command.
#include "base/text_value.h"
#include "fuzz_input.h"
#include "music/mci_commands.h"
#include "music/mci_player.h"

using namespace brelvix;

namespace {

class ReplySender final : public MciSender {
  public:
    explicit ReplySender(std::vector<std::wstring> replies) : replies_(std::move(replies)) {}
    std::uint32_t Send(const std::wstring&, std::wstring* reply, std::uintptr_t) override {
        std::wstring next = sent_ < replies_.size() ? replies_[sent_] : L"";
        ++sent_;
        bool failed = !next.empty() && next[0] == L'!';
        if (reply) {
            *reply = next;
        }
        return failed ? 277 : 0;
    }
    bool ErrorText(std::uint32_t, std::wstring& text) override {
        text = replies_.back();
        return !text.empty();
    }

  private:
    std::vector<std::wstring> replies_;
    std::size_t sent_ = 0;
};

bool IsMinutesSeconds(const std::wstring& text) {
    std::size_t colon = text.size() - 3;
    return text.size() >= 5 && text.find_first_not_of(L"0123456789") == colon &&
           text.find_last_of(L':') == colon && text[colon + 1] <= L'5';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> replies = fuzz::Lines(data, size);
    for (long divisor : {1L, 10L, 1000L}) {
        long seconds = SecondsFromReply(replies[0], divisor);
        FUZZ_CHECK(seconds >= 0 && IsMinutesSeconds(MinutesSeconds(seconds)));
        long length = SecondsFromReply(replies.back(), divisor);
        int percent = Percentage(seconds, length);
        FUZZ_CHECK(percent >= 0 && (seconds > length || percent <= 100));
    }
    MciState state;
    ReplySender sender(replies);
    MciPlayer player(sender, state, nullptr);
    long opened = player.OpenSong(L"C:\\My Music\\song.mid", L"frmSS");
    FUZZ_CHECK(state.MciIsOpen == (opened == 0));
    FUZZ_CHECK(IsMinutesSeconds(state.SongLengthText) && state.SongLengthSecs >= 0);
    int percent = 0;
    player.PlaySong(0, L"frmSS");
    player.GetSongPosition(L"frmSS", percent);
    FUZZ_CHECK(percent >= 0 && IsMinutesSeconds(state.SongPositionText));
    std::wstring message = player.ErrorMessage(277);
    FUZZ_CHECK(message == TrimBlanks(message));
    return 0;
}
