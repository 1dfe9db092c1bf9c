#include "setup/play_list_editor_win.h"

#include "base/input_codes.h"
#include "base/program_state.h"
#include "base/setting_keys.h"
#include "music/mci_win.h"
#include "setup/file_dialog_win.h"
#include "setup/play_list_file.h"
#include "setup/play_list_order.h"
#include "setup/song_sources_win.h"
#include "winutil/com_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/message_box_win.h"
#include "winutil/mouse_pointer_win.h"
#include "winutil/registry_store_win.h"

namespace brelvix {
namespace {

constexpr wchar_t kFilter[] =
    L"Audio MP3 (*.mp3)|*.mp3|File midi (*.mid)|*.mid|File wave (*.wav)|*.wav|"
    L"Play-lists (*.m3u;*.m3u8;*.pls)|*.m3u;*.m3u8;*.pls";
constexpr UINT kConfirm = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;

bool Confirmed(HWND owner, const wchar_t* question, const wchar_t* caption) {
    return ShowMessageBox(owner, question, caption, kConfirm) == IDYES;
}

void Enable(HWND control, bool enabled) {
    EnableWindow(control, enabled ? TRUE : FALSE);
}

} // namespace

void PlayListEditor::Add() {
    std::wstring fileName = L"*.mp3";
    int filterIndex = 1;
    auto paths = ShowOpenDialog(parts_.dialog, kFilter, L"Add file", fileName, parts_.LastFolder,
                                L"", true, true, filterIndex);
    if (paths.front().empty()) {
        return;
    }
    // Play-list files chosen with the songs are read after them, with one message.
    std::vector<std::wstring> playLists;
    for (const auto& path : paths) {
        if (PlayListFormatOf(path) != PlayListFormat::None) {
            playLists.push_back(path);
            continue;
        }
        if (music_.PlayList.Count() >= SongCollection::kMaxEntries &&
            !music_.PlayList.Contains(FileTitleOf(path))) {
            // The list cannot grow: the rest of the choice is not added.
            ShowMessageBox(parts_.dialog, L"Overflow", Program().AppTitle, MB_OK | MB_ICONSTOP);
            return;
        }
        AddSong(path);
    }
    if (!playLists.empty()) {
        AddGathered(playLists);
    }
}

void PlayListEditor::AddGathered(const std::vector<std::wstring>& paths) {
    GatherCounts counts;
    {
        BusyPointer busy;
        ComApartment com; // shortcuts are read through the shell
        SystemSongSources sources;
        SongAdder adder(music_.PlayList);
        SongGatherer gatherer(sources, adder);
        for (const auto& path : paths) {
            if (!gatherer.Gather(path)) {
                break;
            }
        }
        ShowAdded(adder.AddedTitles());
        counts = adder.Counts();
    }
    UINT icon = counts.limitReached ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    ShowMessageBox(parts_.dialog, GatherSummary(counts), Program().AppTitle, MB_OK | icon);
}

void PlayListEditor::AddFolder() {
    std::wstring folder = ShowFolderDialog(parts_.dialog, L"Add folder");
    if (!folder.empty()) {
        AddGathered({folder});
    }
}

void PlayListEditor::ShowAdded(const std::vector<std::wstring>& titles) {
    if (titles.empty()) {
        return;
    }
    music_.ListChanged = true;
    int row = parts_.list.AppendAll(titles);
    parts_.list.SetTopRow(TopRowAfterAdd(row, parts_.list.TopRow(), parts_.list.VisibleRows()));
}

void PlayListEditor::AddSong(const std::wstring& path) {
    std::wstring title = FileTitleOf(path);
    if (music_.PlayList.Contains(title)) {
        ShowMessageBox(parts_.dialog, L"This song is already in the play-list\r\r" + title, L"Add",
                       MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!music_.PlayList.Add({path, title})) {
        return; // no title, no song
    }
    music_.ListChanged = true;
    int row = parts_.list.Append(title);
    parts_.list.SetTopRow(TopRowAfterAdd(row, parts_.list.TopRow(), parts_.list.VisibleRows()));
}

// What Remove and Clear do first: with no row selected their button goes
// grey; otherwise the user is asked, and on Yes the preview song stops.
bool PlayListEditor::StartEdit(HWND button, const wchar_t* question, const wchar_t* caption) {
    if (parts_.list.Selected() < 0) {
        Enable(button, false);
        return false;
    }
    if (!Confirmed(parts_.dialog, question, caption)) {
        return false;
    }
    CloseSong(mci_, kSetupAlias);
    music_.ListChanged = true;
    return true;
}

void PlayListEditor::Remove() {
    if (!StartEdit(parts_.removeButton, L"Remove selected song from play-list ?", L"Remove")) {
        return;
    }
    int row = parts_.list.Selected();
    int rows = parts_.list.Count();
    music_.PlayList.RemoveAt(row + 1);
    parts_.list.Remove(row);
    parts_.ReplayRequested = true;
    parts_.list.Select(RowAfterRemove(row, rows));
    ListClicked();
}

void PlayListEditor::Clear() {
    if (!StartEdit(parts_.clearButton, L"Remove all songs from play-list ?", L"Clear")) {
        return;
    }
    music_.PlayList.Clear();
    // No row holds the old number now: a song added later and chosen there plays.
    music_.CurrentSong = -1;
    parts_.list.Empty();
    parts_.strip.Clear();
    parts_.strip.PrintName(L" ");
    SetWindowTextW(parts_.statusLabel, L"");
}

void PlayListEditor::ArrowPressed(bool up, int button, int shift) {
    int row = parts_.list.Selected();
    if (row < 0) {
        MessageBeep(MB_OK);
        return;
    }
    if (button != kButtonLeft || shift != kShiftNone) {
        return;
    }
    int newRow = up ? row - 1 : row + 1;
    if (newRow >= 0 && newRow < parts_.list.Count()) {
        MoveSong(parts_.list.Text(row), newRow, up);
    }
}

void PlayListEditor::MoveSong(const std::wstring& title, int newRow, bool up) {
    BusyPointer busy;
    parts_.IgnoreListClick = true;
    music_.ListChanged = true;
    int savedTop = parts_.list.TopRow();
    music_.PlayList = MovedSong(music_.PlayList, title, newRow, up);
    // Only the moved row changes place: the list need not be built again.
    parts_.list.Move(up ? newRow + 1 : newRow - 1, newRow);
    music_.CurrentSong = newRow;
    parts_.list.Select(newRow);
    ListClicked();
    parts_.list.SetTopRow(TopRowAfterMove(savedTop, newRow, parts_.list.VisibleRows()));
    parts_.IgnoreListClick = false;
}

bool PlayListEditor::ListKey(int keyCode, int shift) {
    if (shift != kShiftCtrl || (keyCode != kKeyUp && keyCode != kKeyDown)) {
        return false;
    }
    ArrowPressed(keyCode == kKeyUp, kButtonLeft, kShiftNone);
    return true;
}

void PlayListEditor::ListClicked() {
    int row = parts_.list.Selected();
    if (row > -1) {
        Enable(parts_.okButton, true);
    }
    if (row == -1 || parts_.IgnoreListClick) {
        return;
    }
    Enable(parts_.removeButton, true);
    // Clear is disabled by a press with no selection; a selection brings it back.
    Enable(parts_.clearButton, true);
    if (row == music_.CurrentSong && !parts_.ReplayRequested) {
        return;
    }
    PlaySelected(row);
}

void PlayListEditor::PlaySelected(int row) {
    BusyPointer busy;
    parts_.CurrentName = parts_.list.Text(row);
    parts_.strip.Clear();
    parts_.strip.PrintName(parts_.CurrentName);
    ProgramStore().Write(kSectionSetting, kKeyMusicFile, music_.PlayList.PathAt(row + 1));
    CloseSong(mci_, kSetupAlias);
    parts_.ReplayRequested = false;
    music_.CurrentSong = row;
    music_.CurrentFile = music_.PlayList.PathAt(row + 1);
    if (FileExists(music_.CurrentFile) && !Program().Opt.Mute) {
        SystemMci(mci_, &view_)
            .OpenAndPlay(GetShortPath(music_.CurrentFile),
                         reinterpret_cast<std::uintptr_t>(parts_.dialog), kSetupAlias);
    }
}

} // namespace brelvix
