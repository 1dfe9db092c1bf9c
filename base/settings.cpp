#include "base/settings.h"

#include "base/text_value.h"

namespace brelvix {
namespace {

constexpr wchar_t kCountKey[] = L"LocalFileCount";

bool ReadBool(SettingsStore& store, const wchar_t* key, const wchar_t* fallback) {
    return ParseBool(store.Read(kSectionSetting, key, fallback));
}

std::wstring FileKey(std::size_t n) {
    return L"LocalFile" + std::to_wstring(n);
}

// n for a key "LocalFile<n>" in any case, with no leading zeros; else 0.
std::size_t FileKeyNumber(const std::wstring& key) {
    constexpr std::size_t kPrefix = 9;
    if (key.size() <= kPrefix || ToLowerText(key.substr(0, kPrefix)) != L"localfile" ||
        key[kPrefix] == L'0' || key.size() > kPrefix + 9) {
        return 0;
    }
    std::size_t n = 0;
    for (std::size_t i = kPrefix; i < key.size(); ++i) {
        if (key[i] < L'0' || key[i] > L'9') {
            return 0;
        }
        n = n * 10 + static_cast<std::size_t>(key[i] - L'0');
    }
    return n;
}

void SavePlayList(SettingsStore& store, const std::vector<std::wstring>& paths) {
    SectionValues old = store.ValuesOf(kSectionFileList);
    auto read = static_cast<std::size_t>(StoredSongCount(store));
    // The marker, first in: the old count.
    KeyValues backup{{kCountKey, store.Read(kSectionSetting, kCountKey, L"0")}};
    KeyValues fresh;
    for (std::size_t n = 1; n <= paths.size(); ++n) {
        auto was = old.find(ToLowerText(FileKey(n)));
        if (was != old.end() && was->second == paths[n - 1]) {
            continue;
        }
        if (n <= read) {
            backup.emplace_back(FileKey(n), was == old.end() ? L"" : was->second);
        }
        fresh.emplace_back(FileKey(n), paths[n - 1]);
    }
    store.DeleteSection(kSectionFileBackup);
    store.WriteValues(kSectionFileBackup, backup);
    store.WriteValues(kSectionFileList, fresh);
    store.Write(kSectionSetting, kCountKey, std::to_wstring(paths.size()));
    store.DeleteSection(kSectionFileBackup);
    std::vector<std::wstring> beyond;
    for (const auto& key : old) {
        std::size_t n = FileKeyNumber(key.first);
        if (n == 0 || n > paths.size()) {
            beyond.push_back(key.first);
        }
    }
    store.DeleteKeys(kSectionFileList, beyond);
}

} // namespace

void SettingsStore::WriteValues(std::wstring_view section, const KeyValues& values) {
    for (const auto& [key, value] : values) {
        Write(section, key, value);
    }
}

void SettingsStore::DeleteKeys(std::wstring_view section, const std::vector<std::wstring>& keys) {
    for (const auto& key : keys) {
        DeleteKey(section, key);
    }
}

int StoredSongCount(SettingsStore& store) {
    double value = NumericValue(store.Read(kSectionSetting, kCountKey, L"0"));
    return static_cast<int>(ClampedWhole(value, 0, kMaxStoredSongs));
}

void RestoreInterruptedSave(SettingsStore& store) {
    SectionValues backup = store.ValuesOf(kSectionFileBackup);
    auto marker = backup.find(ToLowerText(kCountKey));
    if (marker == backup.end()) {
        return;
    }
    KeyValues old;
    for (const auto& [key, value] : backup) {
        if (std::size_t n = FileKeyNumber(key)) {
            old.emplace_back(FileKey(n), value);
        }
    }
    store.WriteValues(kSectionFileList, old);
    store.Write(kSectionSetting, kCountKey, marker->second);
    store.DeleteSection(kSectionFileBackup);
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
    opt.BlackScreen = ReadBool(store, L"BlackScreen", L"1");
    opt.MouseMove = ReadBool(store, L"MouseMove", L"0");
    opt.UsableScreen = ReadBool(store, L"UsableScreen", L"1") && !lockedSaver;
    opt.Mute = ReadBool(store, L"Mute", L"0");
    opt.ViewFilename = ReadBool(store, L"ViewFilename", L"0");
    opt.ViewTime = ReadBool(store, L"ViewTime", L"1");
    if (store.Read(kSectionSetting, L"ViewTime", L"").empty()) {
        store.Write(kSectionSetting, L"ViewTime", BoolText(opt.ViewTime));
    }
    if (opt.UsableScreen) {
        opt.BlackScreen = false;
        opt.MouseMove = false;
    }
    return opt;
}

void SaveOptions(SettingsStore& store, const SavedChoices& choices) {
    const Options& opt = choices.options;
    store.Write(kSectionSetting, L"Mute", BoolText(opt.Mute));
    store.Write(kSectionSetting, L"UsableScreen", BoolText(opt.UsableScreen));
    store.Write(kSectionSetting, L"BlackScreen",
                opt.UsableScreen ? L"0" : BoolText(opt.BlackScreen));
    store.Write(kSectionSetting, L"MouseMove", opt.UsableScreen ? L"0" : BoolText(opt.MouseMove));
    store.Write(kSectionSetting, L"LocalFile", L"1");
    store.Write(kSectionSetting, L"MusicFile", choices.musicFile);
    if (!choices.playListChanged) {
        return;
    }
    SavePlayList(store, choices.playListPaths);
}

} // namespace brelvix
