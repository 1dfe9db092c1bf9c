#include "base/settings.h"

#include "base/text_value.h"

#include <algorithm>

namespace brelvix {
namespace {

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

// A key number that no read of the list reaches (a load reads at most
// "LocalFile32767") and that no key of the section holds yet.
std::size_t FirstSpareKey(const SectionValues& keys) {
    std::size_t last = kMaxStoredSongs;
    for (const auto& key : keys) {
        last = std::max(last, FileKeyNumber(key.first));
    }
    return last + 1;
}

void SavePlayList(SettingsStore& store, const std::vector<std::wstring>& paths) {
    std::size_t spare = FirstSpareKey(store.ValuesOf(kSectionFileList));
    for (std::size_t n = 1; n <= paths.size(); ++n) {
        std::wstring old = store.Read(kSectionFileList, FileKey(n), L"");
        if (!old.empty() && old != paths[n - 1]) {
            store.Write(kSectionFileList, FileKey(spare++), old);
        }
    }
    for (std::size_t n = 1; n <= paths.size(); ++n) {
        store.Write(kSectionFileList, FileKey(n), paths[n - 1]);
    }
    store.Write(kSectionSetting, L"LocalFileCount", std::to_wstring(paths.size()));
    for (const auto& key : store.ValuesOf(kSectionFileList)) {
        std::size_t n = FileKeyNumber(key.first);
        if (n == 0 || n > paths.size()) {
            store.DeleteKey(kSectionFileList, key.first);
        }
    }
}

} // namespace

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
