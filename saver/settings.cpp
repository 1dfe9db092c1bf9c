#include "saver/settings.h"

#include "saver/text_value.h"

namespace brelvix {
namespace {

bool ReadBool(SettingsStore& store, const wchar_t* key, const wchar_t* fallback) {
    return ParseBool(store.Read(kSectionSetting, key, fallback));
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

Options LoadOptions(SettingsStore& store) {
    Options opt;
    opt.BlackScreen = ReadBool(store, L"BlackScreen", L"1");
    opt.MouseMove = ReadBool(store, L"MouseMove", L"0");
    opt.UsableScreen = ReadBool(store, L"UsableScreen", L"1");
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
    if (!store.Read(kSectionFileList, L"LocalFile1", L"").empty()) {
        store.DeleteSection(kSectionFileList);
    }
    size_t n = 0;
    for (const auto& path : choices.playListPaths) {
        store.Write(kSectionFileList, L"LocalFile" + std::to_wstring(++n), path);
    }
    store.Write(kSectionSetting, L"LocalFileCount", std::to_wstring(n));
}

} // namespace brelvix
