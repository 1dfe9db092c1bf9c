#include "saver/settings.h"

#include "memory_store.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::MemoryStore;

TEST(ParseBool, ReadsWordsDigitsAndNumbers) {
    const std::pair<std::wstring, bool> cases[] = {
        {L"on", true},
        {L"TRUE", true},
        {L"Vero", true},
        {L"1", true},
        {L"ENABLED", true},
        {L"si", true},
        {L"S\u00cc", true},
        {L"yes", true},
        {L"off", false},
        {L"False", false},
        {L"Falso", false},
        {L"FALSO", false},
        {L"0", false},
        {L"disabled", false},
        {L"no", false},
        {L"2", true},
        {L"-1", true},
        {L"", false},
        {L"abc", false},
        {L" true", false},
        {L"yes ", false},
        {L"3abc", true},
        {L"0.0", false},
        {L" 7", true},
        {std::wstring(1000, L'z'), false},
        {std::wstring(1000, L'1'), true},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseBool(text), value) << "[" << text << "]";
    }
}

TEST(LoadOptions, FreshStoreGivesUsableScreenAndWritesViewTime) {
    MemoryStore store;
    Options opt = LoadOptions(store);
    EXPECT_TRUE(opt.UsableScreen);
    EXPECT_FALSE(opt.BlackScreen); // default "1", forced off by the usable screen
    EXPECT_FALSE(opt.MouseMove);
    EXPECT_FALSE(opt.Mute);
    EXPECT_FALSE(opt.ViewFilename);
    EXPECT_TRUE(opt.ViewTime);
    EXPECT_EQ(store.writes, std::vector<std::wstring>{L"Setting/ViewTime=True"});
}

TEST(LoadOptions, StoredValuesWinAndViewTimeIsWrittenOnlyWhenAbsentOrEmpty) {
    MemoryStore store;
    store.Set(kSectionSetting, L"UsableScreen", L"False");
    store.Set(kSectionSetting, L"BlackScreen", L"0");
    store.Set(kSectionSetting, L"MouseMove", L"Enabled");
    store.Set(kSectionSetting, L"Mute", L"yes");
    store.Set(kSectionSetting, L"ViewFilename", L"-1");
    store.Set(kSectionSetting, L"ViewTime", L"no");
    Options opt = LoadOptions(store);
    EXPECT_FALSE(opt.UsableScreen);
    EXPECT_FALSE(opt.BlackScreen);
    EXPECT_TRUE(opt.MouseMove);
    EXPECT_TRUE(opt.Mute);
    EXPECT_TRUE(opt.ViewFilename);
    EXPECT_FALSE(opt.ViewTime);
    EXPECT_TRUE(store.writes.empty());

    store.Set(kSectionSetting, L"ViewTime", L"");
    EXPECT_FALSE(LoadOptions(store).ViewTime); // present but empty reads false...
    EXPECT_EQ(store.Read(kSectionSetting, L"ViewTime", L"?"), L"False"); // ...and is filled in
}

TEST(LoadOptions, GarbageValuesReadAsFalse) {
    MemoryStore store;
    for (const wchar_t* key : {L"UsableScreen", L"BlackScreen", L"MouseMove", L"Mute"}) {
        store.Set(kSectionSetting, key, L"Falso");
    }
    Options opt = LoadOptions(store);
    EXPECT_FALSE(opt.UsableScreen);
    EXPECT_FALSE(opt.BlackScreen);
    EXPECT_FALSE(opt.MouseMove);
    EXPECT_FALSE(opt.Mute);
}

SavedChoices ThreeSongs(bool changed) {
    SavedChoices c;
    c.options.UsableScreen = true;
    c.options.BlackScreen = true;
    c.options.MouseMove = true;
    c.options.Mute = false;
    c.musicFile = L"C:\\M\\b.mp3";
    c.playListChanged = changed;
    c.playListPaths = {L"C:\\M\\a.mp3", L"C:\\M\\b.mp3", L"C:\\M\\c.wav"};
    return c;
}

TEST(SaveOptions, WritesInOrderAndReplacesALongerList) {
    MemoryStore store;
    for (int n = 1; n <= 5; ++n) {
        store.Set(kSectionFileList, L"LocalFile" + std::to_wstring(n), L"old");
    }
    store.Set(kSectionSetting, L"LocalFileCount", L"5");
    SaveOptions(store, ThreeSongs(true));
    const std::vector<std::wstring> expected = {
        L"Setting/Mute=False",
        L"Setting/UsableScreen=True",
        L"Setting/BlackScreen=0",
        L"Setting/MouseMove=0",
        L"Setting/LocalFile=1",
        L"Setting/MusicFile=C:\\M\\b.mp3",
        L"delete LocalFileList",
        L"LocalFileList/LocalFile1=C:\\M\\a.mp3",
        L"LocalFileList/LocalFile2=C:\\M\\b.mp3",
        L"LocalFileList/LocalFile3=C:\\M\\c.wav",
        L"Setting/LocalFileCount=3",
    };
    EXPECT_EQ(store.writes, expected);
    EXPECT_FALSE(store.Has(kSectionFileList, L"LocalFile4"));
    EXPECT_FALSE(store.Has(kSectionFileList, L"LocalFile5"));
}

TEST(SaveOptions, UnchangedListLeavesTheStoredListAlone) {
    MemoryStore store;
    store.Set(kSectionFileList, L"LocalFile1", L"keep");
    store.Set(kSectionSetting, L"LocalFileCount", L"1");
    SavedChoices c = ThreeSongs(false);
    c.options.UsableScreen = false;
    SaveOptions(store, c);
    EXPECT_EQ(store.Read(kSectionFileList, L"LocalFile1", L""), L"keep");
    EXPECT_EQ(store.Read(kSectionSetting, L"LocalFileCount", L""), L"1");
    EXPECT_EQ(store.Read(kSectionSetting, L"BlackScreen", L""), L"True");
    EXPECT_EQ(store.Read(kSectionSetting, L"MouseMove", L""), L"True");
}

} // namespace
} // namespace brelvix
