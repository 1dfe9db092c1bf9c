#include "music/play_list.h"

#include "base/setting_keys.h"
#include "base/text_value.h"

namespace brelvix {
namespace {

const clsItemSong* EntryAt(const std::vector<clsItemSong>& items, int position) {
    if (position < 1 || position > static_cast<int>(items.size())) {
        return nullptr;
    }
    return &items[static_cast<std::size_t>(position - 1)];
}

// Adds one stored path unless its title is taken; a path equal to "MusicFile"
// (in any case) becomes the current song.
void AddStoredPath(MusicState& music, FileQueries& files, const std::wstring& path,
                   const std::wstring& musicFile) {
    if (!music.PlayList.Add({path, files.Title(path)})) {
        return;
    }
    TextFold fold = music.PlayList.Fold();
    if (!musicFile.empty() && fold(path) == fold(musicFile)) {
        music.CurrentSong = music.PlayList.Count() - 1;
        music.CurrentFile = musicFile;
    }
}

// The song after the current one, the first after the last (and for an empty list).
int NextSong(const MusicState& music) {
    return music.CurrentSong + 1 > music.PlayList.Count() - 1 ? 0 : music.CurrentSong + 1;
}

// Records and starts the song at CurrentSong; false when it cannot play.
bool StartCurrentSong(MusicPass& pass, std::uintptr_t window, const std::wstring& alias) {
    MusicState& music = pass.music;
    music.CurrentFile = music.PlayList.PathAt(music.CurrentSong + 1);
    if (!pass.files.Exists(music.CurrentFile)) {
        return false;
    }
    pass.view.ShowSong(pass.files.Title(music.CurrentFile), music.CurrentSong);
    pass.store.Write(kSectionSetting, kKeyLocalFile, L"1");
    pass.store.Write(kSectionSetting, kKeyMusicFile, music.CurrentFile);
    return pass.mci.OpenAndPlay(pass.files.ShortPath(music.CurrentFile), window, alias) == 0;
}

// Nothing in the list plays: the views say so rather than show the last song.
void ShowNoSong(MusicPass& pass) {
    MciState& mci = pass.mci.State();
    mci.SongLengthText = mci.SongPositionText = L"00:00";
    pass.view.ShowNoSong();
}

void StartNextSong(MusicPass& pass, std::uintptr_t window, const std::wstring& alias,
                   bool lastFailed) {
    MusicState& music = pass.music;
    pass.view.SongChanging();
    pass.mci.CloseSong(alias);
    music.StoppedAtEndSinceMs = 0;
    music.FailedInARow = lastFailed ? music.FailedInARow + 1 : 0;
    while (music.FailedInARow < music.PlayList.Count()) {
        music.CurrentSong = NextSong(music);
        if (pass.mute) {
            // Muted, nothing opens: the music waits for a song to be chosen.
            music.CurrentFile = music.PlayList.PathAt(music.CurrentSong + 1);
            return;
        }
        if (StartCurrentSong(pass, window, alias)) {
            return;
        }
        pass.mci.CloseSong(alias);
        ++music.FailedInARow;
    }
    ShowNoSong(pass);
}

// The device has stood stopped at the song's end for over a second.
bool OverWithoutNotice(MusicPass& pass, const std::wstring& alias) {
    constexpr std::uint64_t kGraceMs = 1000;
    MusicState& music = pass.music;
    if (!pass.mci.StoppedAtEnd(alias)) {
        music.StoppedAtEndSinceMs = 0;
        return false;
    }
    std::uint64_t now = pass.nowMs();
    if (music.StoppedAtEndSinceMs == 0) {
        music.StoppedAtEndSinceMs = now;
    }
    return now - music.StoppedAtEndSinceMs > kGraceMs;
}

void ShowPosition(MusicPass& pass, const std::wstring& alias) {
    int percent = 0;
    if (!pass.mci.GetSongPosition(alias, percent)) {
        return;
    }
    if (pass.mci.State().SongPositionUnits > 0) {
        pass.music.FailedInARow = 0; // it plays
    }
    pass.view.ShowPosition(percent, pass.mci.State().SongPositionText);
}

} // namespace

bool SongCollection::Add(clsItemSong item) {
    if (item.Title.empty() || Count() >= kMaxEntries || !keys_.insert(fold_(item.Title)).second) {
        return false;
    }
    items_.push_back(std::move(item));
    return true;
}

void SongCollection::RemoveAt(int position) {
    if (!EntryAt(items_, position)) {
        return;
    }
    auto item = items_.begin() + (position - 1);
    keys_.erase(fold_(item->Title));
    items_.erase(item);
}

std::vector<std::wstring> SongCollection::Paths() const {
    std::vector<std::wstring> paths;
    for (const auto& item : items_) {
        paths.push_back(item.PathFilename);
    }
    return paths;
}

void SongCollection::Clear() {
    items_.clear();
    keys_.clear();
}

std::wstring SongCollection::PathAt(int position) const {
    const clsItemSong* item = EntryAt(items_, position);
    return item ? item->PathFilename : std::wstring();
}

std::wstring SongCollection::TitleAt(int position) const {
    const clsItemSong* item = EntryAt(items_, position);
    return item ? item->Title : std::wstring();
}

std::wstring SongCollection::PathByKey(const std::wstring& title) const {
    std::wstring key = fold_(title);
    for (const auto& item : items_) {
        if (fold_(item.Title) == key) {
            return item.PathFilename;
        }
    }
    return {};
}

bool SongCollection::Contains(const std::wstring& title) const {
    return keys_.count(fold_(title)) != 0;
}

void LoadPlayList(MusicState& music, SettingsStore& store, FileQueries& files) {
    RestoreInterruptedSave(store);
    std::wstring musicFile = store.Read(kSectionSetting, kKeyMusicFile, L"");
    int count = StoredSongCount(store);
    music.PlayList.Clear();
    if (!musicFile.empty() && count == 0) {
        if (!music.PlayList.Add({musicFile, files.Title(musicFile)})) {
            return;
        }
        music.CurrentSong = 0;
        music.CurrentFile = musicFile;
        return;
    }
    SectionValues stored = store.ValuesOf(kSectionFileList);
    const std::wstring keyPrefix = ToLowerText(kFileListKeyPrefix);
    for (int n = 1; n <= count; ++n) {
        auto value = stored.find(keyPrefix + std::to_wstring(n));
        if (value == stored.end() || value->second.empty()) {
            continue;
        }
        const std::wstring& path = value->second;
        AddStoredPath(music, files, path, musicFile);
    }
}

std::wstring SongToResume(const MusicState& music, SettingsStore& store, FileQueries& files) {
    std::wstring musicFile = store.Read(kSectionSetting, kKeyMusicFile, L"");
    return files.Exists(musicFile) ? musicFile : music.PlayList.PathAt(1);
}

void UpdateMusic(MusicPass& pass, std::uintptr_t window, const std::wstring& alias) {
    MciState& mci = pass.mci.State();
    if (mci.SongAborted) {
        mci.SongAborted = false;
        return;
    }
    if (mci.SongEnded || mci.SongFailed || OverWithoutNotice(pass, alias)) {
        bool failed = mci.SongFailed && !mci.SongEnded;
        ClearNotices(mci);
        pass.showBusy(true);
        StartNextSong(pass, window, alias, failed);
        pass.showBusy(false);
    }
    ShowPosition(pass, alias);
}

} // namespace brelvix
