#include "music/system_play_list_win.h"

#include "base/program_state.h"
#include "music/mci_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/registry_store_win.h"

namespace brelvix {

void LoadPlayList() {
    Music().PlayList = SongCollection(FoldFileNameCase);
    LoadPlayList(Music(), ProgramStore(), SystemFileQueries());
}

std::wstring GetSongPath(int position) {
    return Music().PlayList.PathAt(position);
}

bool IsInPlayList(const std::wstring& title) {
    return Music().PlayList.Contains(title);
}

std::wstring SongToResume() {
    return SongToResume(Music(), ProgramStore(), SystemFileQueries());
}

namespace {

void ShowHourglass(bool busy) {
    SetMousePointer(busy ? MousePointer::Hourglass : MousePointer::Default);
}

std::uint64_t TickCount() {
    return GetTickCount64();
}

} // namespace

void UpdateMusic(HWND window, const std::wstring& alias, SongView& view) {
    MciPlayer mci = SystemMci(&view);
    MusicPass pass{
        Music(),       mci,      SystemFileQueries(), ProgramStore(), Program().Opt.Mute, view,
        ShowHourglass, TickCount};
    UpdateMusic(pass, reinterpret_cast<std::uintptr_t>(window), alias);
}

} // namespace brelvix
