#include "base/settings.h"

#include "base/text_value.h"

#include <optional>

namespace brelvix {
namespace {

bool ReadBool(SettingsStore& store, const wchar_t* key, const wchar_t* fallback) {
    return ParseBool(store.Read(kSectionSetting, key, fallback));
}

// The backup holds the new list as one text cut into parts: each path as its
// length, a colon and the path, so that any text survives the round trip.
// A part stays far below the longest value a store need read back.
constexpr std::size_t kPartLength = 16000;

std::wstring PackedPaths(const std::vector<std::wstring>& paths) {
    std::wstring packed;
    for (const auto& path : paths) {
        packed += std::to_wstring(path.size()) + L":" + path;
    }
    return packed;
}

// Exactly `count` paths that fill the whole text, or nothing.
std::optional<std::vector<std::wstring>> UnpackedPaths(std::wstring_view packed,
                                                       std::size_t count) {
    std::vector<std::wstring> paths;
    std::size_t at = 0;
    while (paths.size() < count) {
        std::size_t colon = packed.find(L':', at);
        if (colon == std::wstring_view::npos || colon == at || colon - at > 6) {
            return std::nullopt;
        }
        std::size_t length = 0;
        for (; at < colon; ++at) {
            if (packed[at] < L'0' || packed[at] > L'9') {
                return std::nullopt;
            }
            length = length * 10 + static_cast<std::size_t>(packed[at] - L'0');
        }
        if (length > packed.size() - colon - 1) {
            return std::nullopt;
        }
        paths.emplace_back(packed.substr(colon + 1, length));
        at = colon + 1 + length;
    }
    if (at != packed.size()) {
        return std::nullopt;
    }
    return paths;
}

// Rewrites the whole list section, so that no stray key outlives the save;
// dropping the backup after the count makes the new list the only record.
void StoreList(SettingsStore& store, const std::vector<std::wstring>& paths) {
    KeyValues values;
    for (std::size_t n = 1; n <= paths.size(); ++n) {
        values.emplace_back(FileListKey(n), paths[n - 1]);
    }
    store.DeleteSection(kSectionFileList);
    store.WriteValues(kSectionFileList, values);
    store.Write(kSectionSetting, kKeyLocalFileCount, std::to_wstring(paths.size()));
    store.DeleteSection(kSectionFileBackup);
}

// The new list goes into the backup first, its count last: once the count is
// there, a load finishes the save from the backup; before that, the stored
// list is still untouched. Parts instead of a value per song keep the save
// of a full list to one write per song.
void SavePlayList(SettingsStore& store, const std::vector<std::wstring>& paths) {
    store.DeleteSection(kSectionFileBackup);
    std::wstring packed = PackedPaths(paths);
    KeyValues backup;
    for (std::size_t at = 0; at < packed.size(); at += kPartLength) {
        backup.emplace_back(kBackupPartKeyPrefix + std::to_wstring(backup.size() + 1),
                            packed.substr(at, kPartLength));
    }
    backup.emplace_back(kKeyLocalFileCount, std::to_wstring(paths.size()));
    store.WriteValues(kSectionFileBackup, backup);
    StoreList(store, paths);
}

} // namespace

void SettingsStore::WriteValues(std::wstring_view section, const KeyValues& values) {
    for (const auto& [key, value] : values) {
        Write(section, key, value);
    }
}

int StoredSongCount(SettingsStore& store) {
    double value = NumericValue(store.Read(kSectionSetting, kKeyLocalFileCount, L"0"));
    return static_cast<int>(ClampedWhole(value, 0, kMaxStoredSongs));
}

void RestoreInterruptedSave(SettingsStore& store) {
    SectionValues backup = store.ValuesOf(kSectionFileBackup);
    if (backup.empty()) {
        return;
    }
    auto count = backup.find(ToLowerText(kKeyLocalFileCount));
    std::wstring packed;
    for (std::size_t n = 1;; ++n) {
        auto part = backup.find(ToLowerText(kBackupPartKeyPrefix) + std::to_wstring(n));
        if (part == backup.end()) {
            break;
        }
        packed += part->second;
    }
    std::optional<std::vector<std::wstring>> paths;
    if (count != backup.end()) {
        paths = UnpackedPaths(packed, static_cast<std::size_t>(ClampedWhole(
                                          NumericValue(count->second), 0, kMaxStoredSongs)));
    }
    if (paths) {
        StoreList(store, *paths);
    } else {
        // Stopped before its count was written: the stored list was not yet touched.
        store.DeleteSection(kSectionFileBackup);
    }
}

bool ParseBool(std::wstring_view text) {
    static const wchar_t* const kTrue[] = {L"on",      L"true", L"vero",    L"1",
                                           L"enabled", L"si",   L"s\u00ec", L"yes"};
    static const wchar_t* const kFalse[] = {L"off", L"false", L"falso", L"0", L"disabled", L"no"};
    std::wstring lower = ToLowerText(text);
    for (const wchar_t* word : kTrue) {
        if (lower == word) {
            return true;
        }
    }
    for (const wchar_t* word : kFalse) {
        if (lower == word) {
            return false;
        }
    }
    return NumericValue(text) != 0.0;
}

const wchar_t* BoolText(bool value) {
    return value ? L"True" : L"False";
}

Options LoadOptions(SettingsStore& store, bool lockedSaver) {
    Options opt;
    opt.BlackScreen = ReadBool(store, kKeyBlackScreen, L"1");
    opt.MouseMove = ReadBool(store, kKeyMouseMove, L"0");
    opt.UsableScreen = ReadBool(store, kKeyUsableScreen, L"1") && !lockedSaver;
    opt.Mute = ReadBool(store, kKeyMute, L"0");
    opt.ViewFilename = ReadBool(store, kKeyViewFilename, L"0");
    opt.ViewTime = ReadBool(store, kKeyViewTime, L"1");
    if (store.Read(kSectionSetting, kKeyViewTime, L"").empty()) {
        store.Write(kSectionSetting, kKeyViewTime, BoolText(opt.ViewTime));
    }
    if (opt.UsableScreen) {
        opt.BlackScreen = false;
        opt.MouseMove = false;
    }
    return opt;
}

void SaveOptions(SettingsStore& store, const SavedChoices& choices) {
    const Options& opt = choices.options;
    store.Write(kSectionSetting, kKeyMute, BoolText(opt.Mute));
    store.Write(kSectionSetting, kKeyUsableScreen, BoolText(opt.UsableScreen));
    store.Write(kSectionSetting, kKeyBlackScreen,
                opt.UsableScreen ? L"0" : BoolText(opt.BlackScreen));
    store.Write(kSectionSetting, kKeyMouseMove, opt.UsableScreen ? L"0" : BoolText(opt.MouseMove));
    store.Write(kSectionSetting, kKeyLocalFile, L"1");
    store.Write(kSectionSetting, kKeyMusicFile, choices.musicFile);
    if (!choices.playListChanged) {
        return;
    }
    SavePlayList(store, choices.playListPaths);
}

} // namespace brelvix
