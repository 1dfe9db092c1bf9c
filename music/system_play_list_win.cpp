#include "music/system_play_list_win.h"

#include "base/program_state.h"
#include "music/mci_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/registry_store_win.h"

namespace brelvix {

void LoadPlayList(MusicState& music) {
    music.PlayList = SongCollection(FoldFileNameCase);
    LoadPlayList(music, ProgramStore(), SystemFileQueries());
}

std::wstring SongToResume(const MusicState& music) {
    return SongToResume(music, ProgramStore(), SystemFileQueries());
}

namespace {

void ShowHourglass(bool busy) {
    SetMousePointer(busy ? MousePointer::Hourglass : MousePointer::Default);
}

std::uint64_t TickCount() {
    return GetTickCount64();
}

} // namespace

void UpdateMusic(MusicState& music, MciState& mci, HWND window, const std::wstring& alias,
                 SongView& view) {
    MciPlayer player = SystemMci(mci, &view);
    MusicPass pass{
        music,         player,   SystemFileQueries(), ProgramStore(), Program().Opt.Mute, view,
        ShowHourglass, TickCount};
    UpdateMusic(pass, reinterpret_cast<std::uintptr_t>(window), alias);
}

} // namespace brelvix
