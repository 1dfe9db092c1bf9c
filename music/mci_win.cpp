#include "music/mci_win.h"

#include "winutil/file_helpers_win.h"

#include <algorithm>
#include <iterator>

namespace brelvix {
namespace {

class SystemSender final : public MciSender {
  public:
    std::uint32_t Send(const std::wstring& command, std::wstring* reply,
                       std::uintptr_t notifyWindow) override {
        wchar_t answer[100] = {};
        MCIERROR result =
            mciSendStringW(command.c_str(), reply ? answer : nullptr, reply ? std::size(answer) : 0,
                           reinterpret_cast<HWND>(notifyWindow));
        if (reply) {
            *reply = std::wstring(answer, wcsnlen(answer, std::size(answer)));
        }
        return result;
    }

    bool ErrorText(std::uint32_t code, std::wstring& text) override {
        wchar_t message[200];
        std::fill(std::begin(message), std::end(message), L' ');
        if (!mciGetErrorStringW(code, message, std::size(message))) {
            return false;
        }
        text.assign(message, wcsnlen(message, std::size(message)));
        return true;
    }

    void DropNotices(std::uintptr_t window) override {
        MSG stale;
        while (PeekMessageW(&stale, reinterpret_cast<HWND>(window), MM_MCINOTIFY, MM_MCINOTIFY,
                            PM_REMOVE)) {
        }
    }
};

} // namespace

MciPlayer SystemMci(MciState& state, SongView* view) {
    static SystemSender sender;
    return MciPlayer(sender, state, view);
}

void CloseSong(MciState& state, const std::wstring& alias) {
    SystemMci(state).CloseSong(alias);
}

void PauseSong(MciState& state, const std::wstring& alias) {
    SystemMci(state).PauseSong(alias);
}

void ResumeSong(MciState& state, const std::wstring& alias) {
    SystemMci(state).ResumeSong(alias);
}

long StartSong(MciState& state, const std::wstring& path, HWND window, const std::wstring& alias,
               SongView& view) {
    if (!FileExists(path)) {
        state.SongFailed = true;
        return 0;
    }
    long result =
        SystemMci(state, &view)
            .OpenAndPlay(GetShortPath(path), reinterpret_cast<std::uintptr_t>(window), alias);
    if (result != 0) {
        state.SongFailed = true;
    }
    return result;
}

LRESULT OnMciNotifyMessage(MciState& state, HWND wnd, WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProcW(wnd, MM_MCINOTIFY, wParam, lParam);
    // A notice of another device says nothing of the song that plays now.
    // Wine's MP3 device names no device (0) in its notices: those count for
    // the open song, since older ones were dropped when it started.
    auto device = static_cast<MCIDEVICEID>(lParam);
    if (state.MciIsOpen && (device == 0 || device == mciGetDeviceIDW(state.OpenAlias.c_str()))) {
        OnMciNotify(state, wParam);
    }
    return result;
}

std::wstring MciErrorText(long code) {
    // The text depends on the code alone: no song's state is read or kept.
    MciState none;
    return SystemMci(none).ErrorMessage(code);
}

} // namespace brelvix
