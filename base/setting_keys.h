// Every section and key of the settings store, written exactly as stored:
// users' stores already hold these names, so none may change.
#pragma once

#include <cstddef>
#include <string>

namespace brelvix {

// Options and state.
inline constexpr wchar_t kSectionSetting[] = L"Setting";
// The play-list: kFileListKeyPrefix followed by 1 ... the stored song count.
inline constexpr wchar_t kSectionFileList[] = L"LocalFileList";
// While a changed play-list is saved: the new list, complete once its count
// is there. Its presence means the save did not finish.
inline constexpr wchar_t kSectionFileBackup[] = L"LocalFileBackup";

// Keys of kSectionSetting. The options, as boolean texts:
inline constexpr wchar_t kKeyBlackScreen[] = L"BlackScreen";
inline constexpr wchar_t kKeyMouseMove[] = L"MouseMove";
inline constexpr wchar_t kKeyUsableScreen[] = L"UsableScreen";
inline constexpr wchar_t kKeyMute[] = L"Mute";
inline constexpr wchar_t kKeyViewFilename[] = L"ViewFilename";
inline constexpr wchar_t kKeyViewTime[] = L"ViewTime";
// The song started last, a full path.
inline constexpr wchar_t kKeyMusicFile[] = L"MusicFile";
// Always "1": every play-list entry is a local file. Written, never read.
inline constexpr wchar_t kKeyLocalFile[] = L"LocalFile";
// The number of songs in kSectionFileList; kSectionFileBackup holds the new
// list's count under the same key.
inline constexpr wchar_t kKeyLocalFileCount[] = L"LocalFileCount";
// The preview's window handle while a preview runs, else "0": a saver
// started meanwhile may run beside it.
inline constexpr wchar_t kKeyActiveSetup[] = L"ActiveSetup";

// Keys of kSectionFileBackup besides its count: this followed by 1, 2, ...
inline constexpr wchar_t kBackupPartKeyPrefix[] = L"Part";

// The play-list holds at most this many songs.
inline constexpr int kMaxStoredSongs = 32767;

inline constexpr wchar_t kFileListKeyPrefix[] = L"LocalFile";
// The key of the n-th song (from 1) in kSectionFileList.
inline std::wstring FileListKey(std::size_t n) {
    return kFileListKeyPrefix + std::to_wstring(n);
}

} // namespace brelvix
