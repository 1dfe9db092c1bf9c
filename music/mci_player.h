// One song at a time through the media control interface: open under an
// alias, play with a completion notice, follow the position, pause, resume
// and close. The commands go through a sender, so this logic runs anywhere.
#pragma once

#include "music/mci_state.h"
#include "music/song_views.h"

#include <cstdint>
#include <string>

namespace brelvix {

// Where command lines go. On Windows this is mciSendStringW.
class MciSender {
  public:
    virtual ~MciSender() = default;
    // Sends one command. When reply is given the device's answer is stored in
    // it; notifyWindow (0 for none) receives MM_MCINOTIFY. Returns 0 or an
    // MCI error number.
    virtual std::uint32_t Send(const std::wstring& command, std::wstring* reply,
                               std::uintptr_t notifyWindow) = 0;
    // The system's text for an error number; false when it has none.
    virtual bool ErrorText(std::uint32_t code, std::wstring& text) = 0;
    // Throws away the notices already queued for the window: they come from
    // a device closed since, whose number a new device may have taken.
    virtual void DropNotices(std::uintptr_t /*window*/) {}
};

inline constexpr wchar_t kGenericMciError[] = L"Errore generico nella periferica MCI";

class MciPlayer {
  public:
    // view, when there is one, shows each opened song's length.
    MciPlayer(MciSender& sender, MciState& state, SongView* view);

    MciState& State() { return state_; }

    // Opens the file, switches the device to milliseconds and reads the length.
    // Returns 0 once the file is open, even when the length could not be read
    // (the length is then 0: the last song's would mislead the knob).
    long OpenSong(const std::wstring& path, const std::wstring& alias);
    // Starts playing; the window gets MM_MCINOTIFY when the song ends, and
    // only notices of this song count from now on.
    long PlaySong(std::uintptr_t window, const std::wstring& alias);
    // Opens the file, then plays it if it opened: the open's or the play's result.
    long OpenAndPlay(const std::wstring& path, std::uintptr_t window, const std::wstring& alias);
    // False when nothing could be read (no song open); percent and the
    // position text are then left as they were.
    bool GetSongPosition(const std::wstring& alias, int& percent);
    // The last position read has reached the song's length and the device
    // says it has stopped there: the song is over, notice or not.
    bool StoppedAtEnd(const std::wstring& alias);
    void CloseSong(const std::wstring& alias);
    void PauseSong(const std::wstring& alias);
    void ResumeSong(const std::wstring& alias);

    // What the error box says for a failed command.
    std::wstring ErrorMessage(long code);

  private:
    std::uint32_t Send(const std::wstring& command, std::wstring* reply = nullptr,
                       std::uintptr_t window = 0);

    MciSender& sender_;
    MciState& state_;
    SongView* view_;
};

} // namespace brelvix
