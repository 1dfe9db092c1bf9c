#include "music/mci_player.h"

#include "base/text_value.h"
#include "music/mci_commands.h"

namespace brelvix {

MciPlayer::MciPlayer(MciSender& sender, MciState& state, SongView* view)
    : sender_(sender), state_(state), view_(view) {}

std::uint32_t MciPlayer::Send(const std::wstring& command, std::wstring* reply,
                              std::uintptr_t window) {
    state_.MciResult = sender_.Send(command, reply, window);
    return state_.MciResult;
}

long MciPlayer::OpenSong(const std::wstring& path, const std::wstring& alias) {
    std::wstring type = DeviceType(path);
    ClearNotices(state_);
    if (std::uint32_t result = Send(OpenCommand(path, alias))) {
        state_.MciIsOpen = false;
        return static_cast<long>(result);
    }
    state_.MciIsOpen = true;
    state_.OpenAlias = alias;
    state_.TimeDivisor = Send(TimeFormatCommand(alias)) == 0 ? 1000 : FallbackDivisor(type);
    std::wstring reply;
    bool known = Send(LengthCommand(alias), &reply) == 0;
    state_.SongLengthUnits = known ? UnitsFromReply(reply) : 0;
    state_.SongLengthSecs = known ? SecondsFromReply(reply, state_.TimeDivisor) : 0;
    state_.SongLengthText = MinutesSeconds(state_.SongLengthSecs);
    state_.SongPositionUnits = 0;
    if (view_) {
        view_->ShowLength(state_.SongLengthText);
    }
    return 0;
}

long MciPlayer::PlaySong(std::uintptr_t window, const std::wstring& alias) {
    sender_.DropNotices(window);
    ClearNotices(state_);
    std::wstring reply;
    return static_cast<long>(Send(PlayCommand(alias), &reply, window));
}

long MciPlayer::OpenAndPlay(const std::wstring& path, std::uintptr_t window,
                            const std::wstring& alias) {
    if (long result = OpenSong(path, alias)) {
        return result;
    }
    return PlaySong(window, alias);
}

bool MciPlayer::GetSongPosition(const std::wstring& alias, int& percent) {
    std::wstring reply;
    if (Send(PositionCommand(alias), &reply) != 0) {
        return false;
    }
    long seconds = SecondsFromReply(reply, state_.TimeDivisor);
    percent = Percentage(seconds, state_.SongLengthSecs);
    state_.SongPositionText = MinutesSeconds(seconds);
    state_.SongPositionUnits = UnitsFromReply(reply);
    return true;
}

bool MciPlayer::StoppedAtEnd(const std::wstring& alias) {
    if (!state_.MciIsOpen || state_.SongPositionUnits < state_.SongLengthUnits) {
        return false;
    }
    std::wstring mode;
    return Send(ModeCommand(alias), &mode) == 0 && EqualsNoCase(TrimBlanks(mode), L"stopped");
}

void MciPlayer::CloseSong(const std::wstring& alias) {
    Send(CloseCommand(alias));
    state_.MciIsOpen = false;
    state_.OpenAlias.clear();
    ClearNotices(state_);
}

void MciPlayer::PauseSong(const std::wstring& alias) {
    Send(PauseCommand(alias));
}

void MciPlayer::ResumeSong(const std::wstring& alias) {
    Send(ResumeCommand(alias));
}

std::wstring MciPlayer::ErrorMessage(long code) {
    std::wstring text;
    if (!sender_.ErrorText(static_cast<std::uint32_t>(code), text)) {
        return kGenericMciError;
    }
    return TrimBlanks(text);
}

} // namespace brelvix
