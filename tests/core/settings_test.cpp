// Settings read and written: option values, the secure-saver decision, the
// options and the play-list in the store, and the list surviving a stopped save.
#include "base/secure_saver.h"
#include "base/settings.h"
#include "music/play_list.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <tuple>

namespace brelvix {
namespace {

using testing::Lines;
using testing::MemoryStore;

TEST(ParseBool, ReadsWordsDigitsAndNumbers) {
    // clang-format off
    // Words in any case, not the word lists again; then the numbers.
    const std::pair<std::wstring, bool> cases[] = {{L"TRUE", true}, {L"Vero", true}, {L"S\u00cc", true},
        {L"FALSO", false}, {L"-1", true}, {L"", false}, {L"abc", false}, {L" true", false}, {L"3abc", true},
        {L"0.0", false}, {L" 7", true}, {L"0.4", true}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseBool(text), value) << "[" << text << "]";
    }
}

TEST(DecideSecureSaver, PolicyFirstThenTheSystemThenTheUser) {
    constexpr std::optional<bool> kSilent, kYes = true, kNo = false;
    const std::tuple<const wchar_t*, std::optional<bool>, const wchar_t*, bool> cases[] = {
        {L"1", kNo, L"0", true},     {L"0", kYes, L"1", false},     {L"", kYes, L"0", true},
        {L"", kNo, L"1", false},     {L"", kSilent, L"1", true},    {L"", kSilent, L"0", false},
        {L"2", kSilent, L"1", true}, {L" 1", kSilent, L"0", false}, {L"10", kNo, L"1", false},
    };
    for (const auto& [policy, system, user, secure] : cases) {
        EXPECT_EQ(DecideSecureSaver({policy, system, user}), secure) << policy << "/" << user;
    }
}

// A saver that locks the desktop covers the screen with the options as
// stored; the setup dialog still shows the usable screen chosen.
TEST(LoadOptions, TheLockedSaverCoversTheScreenWhateverUsableScreenHolds) {
    MemoryStore store;
    for (bool locked : {false, true}) {
        Options opt = LoadOptions(store, locked);
        EXPECT_EQ(opt.UsableScreen, !locked);
        EXPECT_EQ(opt.BlackScreen, locked) << "stored default";
    }
    store.Set(kSectionSetting, L"UsableScreen", L"True");
    store.Set(kSectionSetting, L"MouseMove", L"1");
    EXPECT_TRUE(LoadOptions(store, true).MouseMove);
    EXPECT_FALSE(LoadOptions(store, false).MouseMove);
}

SavedChoices Choices(bool usable, bool changed, const Lines& paths) {
    return {{usable, true, true}, paths.empty() ? L"" : paths.back(), changed, paths};
}

TEST(SaveOptions, WritesTheOptionsInOrderAndTheListOnlyWhenChanged) {
    MemoryStore store;
    store.SetList({L"keep"});
    SaveOptions(store, Choices(true, false, {L"C:\\a.mp3"}));
    EXPECT_EQ(store.writes, (Lines{L"Setting/Mute=False", L"Setting/UsableScreen=True",
                                   L"Setting/BlackScreen=0", L"Setting/MouseMove=0",
                                   L"Setting/LocalFile=1", L"Setting/MusicFile=C:\\a.mp3"}));
    EXPECT_EQ(store.ValuesOf(kSectionFileList), (SectionValues{{L"localfile1", L"keep"}}));
    SaveOptions(store, Choices(false, false, {}));
    EXPECT_EQ(store.Read(kSectionSetting, L"BlackScreen", L"") +
                  store.Read(kSectionSetting, L"MouseMove", L"") +
                  store.Read(kSectionSetting, L"MusicFile", L"?"),
              L"TrueTrue");
}

Lines Loaded(MemoryStore& store) {
    MusicState music;
    testing::FakeFiles files;
    LoadPlayList(music, store, files);
    return music.PlayList.Paths();
}

// Stopped after any single write of OK's save, and its restore in the next
// load stopped after any write too, a load reads exactly the old list or
// exactly the new one, shorter or longer. Run to its end, the save leaves
// the new list's keys and nothing else.
TEST(SaveOptions, ALoadAfterASaveStoppedAnywhereReadsTheOldListOrTheNewOne) {
    Lines old;
    for (int n = 1; n <= 12; ++n) {
        old.push_back(L"S" + std::to_wstring(n));
    }
    Lines shorter = {L"N1", L"S12", L"S1", L"S2", L"S3", L"N2"};
    Lines longer = old;
    longer.insert(longer.begin() + 3, {L"3:C:\\N1", std::wstring(20000, L'2')});
    for (const Lines& updated : {shorter, longer}) {
        for (std::size_t limit = 0, restoreLimit = 0;; restoreLimit = (restoreLimit + 1) % 5) {
            limit += restoreLimit == 0;
            MemoryStore store;
            store.SetList(old);
            for (const wchar_t* odd : {L"LocalFile40", L"LocalFileX", L"Other"}) {
                store.Set(kSectionFileList, odd, L"leftover");
            }
            store.writeLimit = limit;
            SaveOptions(store, Choices(false, true, updated));
            if (store.writes.size() < limit) { // the save ran to its end
                EXPECT_EQ(store.ValuesOf(kSectionFileList).size(), updated.size());
                EXPECT_TRUE(store.ValuesOf(kSectionFileBackup).empty());
                EXPECT_EQ(Loaded(store), updated);
                break;
            }
            store.writeLimit = store.writes.size() + restoreLimit;
            Loaded(store);
            store.writeLimit = SIZE_MAX;
            Lines loaded = Loaded(store);
            EXPECT_TRUE(loaded == old || loaded == updated)
                << "stopped after " << limit << " and " << restoreLimit << " writes";
            EXPECT_EQ(Loaded(store), loaded) << limit;
        }
    }
}

// A backup that is not whole, as another program or a damaged store may
// leave it, is dropped and the stored list stays.
TEST(SaveOptions, ABackupThatIsNotWholeLeavesTheStoredList) {
    const std::pair<SectionValues, Lines> cases[] = {
        {{{L"Part1", L"2:ab1:c"}, {L"LocalFileCount", L"2"}}, {L"ab", L"c"}},
        {{{L"Part1", L"2:a"}, {L"Part2", L"b1:c"}, {L"LocalFileCount", L"2"}}, {L"ab", L"c"}},
        {{{L"Part1", L"2:ab1:c"}}, {L"old"}},
        {{{L"Part1", L"2:ab1:c"}, {L"LocalFileCount", L"3"}}, {L"old"}},
        {{{L"Part1", L"2:ab1:c"}, {L"LocalFileCount", L"1"}}, {L"old"}},
        {{{L"Part1", L"2:a"}, {L"Part3", L"b1:c"}, {L"LocalFileCount", L"2"}}, {L"old"}},
        {{{L"Part1", L"2:ab:c"}, {L"LocalFileCount", L"2"}}, {L"old"}},
        {{{L"Part1", L"2:ab1c"}, {L"LocalFileCount", L"2"}}, {L"old"}},
        {{{L"LocalFileCount", L"0"}}, {}},
    };
    for (const auto& [backup, loaded] : cases) {
        MemoryStore store;
        store.SetList({L"old"});
        for (const auto& [key, value] : backup) {
            store.Set(kSectionFileBackup, key, value);
        }
        EXPECT_EQ(Loaded(store), loaded) << backup.begin()->second;
        EXPECT_TRUE(store.ValuesOf(kSectionFileBackup).empty());
    }
}

} // namespace
} // namespace brelvix
