#include "music/play_list.h"

#include "memory_store.h"
#include "music_fakes.h"
#include "music/mci_commands.h"
#include "saver/command_line.h"
#include "saver/text_value.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::FakeFiles;
using testing::MemoryStore;
using testing::RecordingSender;
using testing::RecordingSetup;
using testing::RecordingStatusBar;
using Lines = std::vector<std::wstring>;

TEST(SongCollection, KeysIgnoreCaseAndPositionsStartAtOne) {
    SongCollection list;
    EXPECT_TRUE(list.Add({L"C:\\A\\Song.mp3", L"Song"}));
    EXPECT_FALSE(list.Add({L"D:\\B\\SONG.mid", L"SONG"}));
    EXPECT_TRUE(list.Add({L"C:\\A\\Caf\u00e9.wav", L"Caf\u00e9"}));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PathAt(1), L"C:\\A\\Song.mp3");
    EXPECT_EQ(list.TitleAt(2), L"Caf\u00e9");
    EXPECT_EQ(list.PathAt(0), L"");
    EXPECT_EQ(list.PathAt(3), L"");
    EXPECT_EQ(list.TitleAt(-1), L"");
    EXPECT_EQ(list.PathByKey(L"sOnG"), L"C:\\A\\Song.mp3");
    EXPECT_EQ(list.PathByKey(L"CAF\u00c9"), L"C:\\A\\Caf\u00e9.wav");
    EXPECT_EQ(list.PathByKey(L"Other"), L"");
    EXPECT_TRUE(list.Contains(L"song"));
    EXPECT_FALSE(list.Contains(L"Son"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Contains(L"Song"));
}

TEST(SongCollection, HoldsAtMost32767Entries) {
    SongCollection list;
    for (int n = 0; n < SongCollection::kMaxEntries; ++n) {
        ASSERT_TRUE(list.Add({L"p", std::to_wstring(n)}));
    }
    EXPECT_FALSE(list.Add({L"p", L"one more"}));
    EXPECT_EQ(list.Count(), 32767);
    EXPECT_FALSE(list.Contains(L"one more"));
}

class LoadPlayListTest : public ::testing::Test {
  protected:
    void Store(const Lines& paths) {
        store.Set(kSectionSetting, L"LocalFileCount", std::to_wstring(paths.size()));
        for (std::size_t n = 0; n < paths.size(); ++n) {
            store.Set(kSectionFileList, L"LocalFile" + std::to_wstring(n + 1), paths[n]);
        }
    }
    Lines Paths() const {
        Lines out;
        for (int n = 1; n <= music.PlayList.Count(); ++n) {
            out.push_back(music.PlayList.PathAt(n));
        }
        return out;
    }
    void Load() { LoadPlayList(music, store, files); }

    MemoryStore store;
    FakeFiles files;
    MusicState music;
};

TEST_F(LoadPlayListTest, AnEmptyStoredPathIsSkippedAndNotCounted) {
    Store({L"C:\\A\\one.mp3", L"", L"C:\\A\\three.mp3"});
    Load();
    EXPECT_EQ(Paths(), (Lines{L"C:\\A\\one.mp3", L"C:\\A\\three.mp3"}));
    EXPECT_EQ(music.PlayList.TitleAt(2), L"three");
    EXPECT_EQ(music.LocalSongCount, 2);
    EXPECT_EQ(music.CurrentSong, -1);
    EXPECT_EQ(music.CurrentFile, L"");
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(LoadPlayListTest, ASecondFileWithTheSameTitleIsDroppedButCounted) {
    Store({L"C:\\A\\Song.mp3", L"D:\\B\\SONG.mid", L"D:\\B\\Other.mid"});
    Load();
    EXPECT_EQ(Paths(), (Lines{L"C:\\A\\Song.mp3", L"D:\\B\\Other.mid"}));
    EXPECT_EQ(music.LocalSongCount, 3);
}

TEST_F(LoadPlayListTest, MusicFileMatchingAStoredPathInAnyCaseBecomesCurrent) {
    Store({L"C:\\A\\one.mp3", L"C:\\A\\two.mp3", L"C:\\Music\\Three.MP3"});
    store.Set(kSectionSetting, L"MusicFile", L"c:\\music\\three.mp3");
    Load();
    EXPECT_EQ(music.CurrentSong, 2);
    EXPECT_EQ(music.CurrentFile, L"c:\\music\\three.mp3");
    EXPECT_EQ(music.PlayList.Count(), 3);
}

TEST_F(LoadPlayListTest, MusicFileOnlyAsADroppedDuplicateChangesNothing) {
    Store({L"C:\\A\\Song.mp3", L"D:\\B\\Song.mp3"});
    store.Set(kSectionSetting, L"MusicFile", L"D:\\B\\Song.mp3");
    music.CurrentSong = -1;
    music.CurrentFile = L"before";
    Load();
    EXPECT_EQ(music.CurrentSong, -1);
    EXPECT_EQ(music.CurrentFile, L"before");
}

TEST_F(LoadPlayListTest, MusicFileWithoutAListMakesAOneSongList) {
    for (const wchar_t* count : {L"", L"0", L"abc", L"-3"}) {
        store.values.clear();
        if (*count) {
            store.Set(kSectionSetting, L"LocalFileCount", count);
        }
        store.Set(kSectionSetting, L"MusicFile", L"C:\\Music\\Last one.mid");
        music = MusicState{};
        Load();
        EXPECT_EQ(Paths(), Lines{L"C:\\Music\\Last one.mid"}) << count;
        EXPECT_TRUE(music.PlayList.Contains(L"last ONE")) << count;
        EXPECT_EQ(music.CurrentSong, 0) << count;
        EXPECT_EQ(music.CurrentFile, L"C:\\Music\\Last one.mid") << count;
        EXPECT_EQ(music.LocalSongCount, 1) << count;
    }
}

TEST_F(LoadPlayListTest, NothingStoredGivesAnEmptyList) {
    Load();
    EXPECT_EQ(music.PlayList.Count(), 0);
    EXPECT_EQ(music.LocalSongCount, 0);
    EXPECT_EQ(music.CurrentSong, -1);
}

TEST_F(LoadPlayListTest, CountsOutsideTheRangeAreHeldInsideIt) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"99999999", 32767}, {L"1e9", 32767},  {L"-3", 0},          {L"2.5", 2},
        {L"3.5", 4},          {L" 4 songs", 4}, {L"32767.6", 32767},
    };
    for (int n = 1; n <= 5; ++n) {
        store.Set(kSectionFileList, L"LocalFile" + std::to_wstring(n),
                  L"C:\\s" + std::to_wstring(n) + L".mp3");
    }
    store.Set(kSectionFileList, L"LocalFile32767", L"C:\\last.mp3");
    store.Set(kSectionFileList, L"LocalFile32768", L"C:\\beyond.mp3");
    for (const auto& [count, read] : cases) {
        store.Set(kSectionSetting, L"LocalFileCount", count);
        Load();
        int expected = read < 5 ? read : (read == 32767 ? 6 : 5);
        EXPECT_EQ(music.PlayList.Count(), expected) << count;
        EXPECT_EQ(music.LocalSongCount, expected) << count;
        EXPECT_FALSE(music.PlayList.Contains(L"beyond")) << count;
        EXPECT_EQ(music.PlayList.Contains(L"last"), read == 32767) << count;
    }
}

TEST_F(LoadPlayListTest, LoadingAgainReplacesTheList) {
    Store({L"C:\\A\\one.mp3", L"C:\\A\\two.mp3"});
    Load();
    Store({L"C:\\A\\three.mp3"});
    Load();
    EXPECT_EQ(Paths(), Lines{L"C:\\A\\three.mp3"});
}

TEST(GetSavedMusicFile, OnlyAFileThatStillExists) {
    MemoryStore store;
    FakeFiles files;
    EXPECT_EQ(GetSavedMusicFile(store, files), L"");
    store.Set(kSectionSetting, L"MusicFile", L"C:\\A\\one.mp3");
    EXPECT_EQ(GetSavedMusicFile(store, files), L"");
    files.existing.insert(L"C:\\A\\one.mp3");
    EXPECT_EQ(GetSavedMusicFile(store, files), L"C:\\A\\one.mp3");
}

// UpdateMusic against a recording sender: every command, view call and
// setting it causes, in order.
class UpdateMusicTest : public ::testing::Test {
  protected:
    static constexpr std::uintptr_t kWindow = 0x4321;

    void SetUp() override {
        program.RunMode = ModeSaver;
        for (const wchar_t* path : {L"C:\\M\\one.mp3", L"C:\\M\\two.wav", L"C:\\M\\three.mid"}) {
            music.PlayList.Add({path, files.Title(path)});
            files.existing.insert(path);
        }
        sender.answers[L"status frmSS length"] = {0, L"120000"};
        sender.answers[L"status frmSS position"] = {0, L"30000"};
    }
    void Pass(const std::wstring& alias = L"frmSS") {
        MusicPass pass{music, mci, files, store, program, views, [this](bool busy) {
                           log.push_back(busy ? L"hourglass" : L"arrow");
                       }};
        UpdateMusic(pass, kWindow, alias);
    }
    void ExpectStoppedAt(int song);

    RecordingSender sender;
    MciState state;
    Lines log;
    RecordingStatusBar bar{log};
    ProgramState program;
    RecordingSetup setup{log, program.IgnoreListClick};
    SongViews views{&bar, &setup};
    MciPlayer mci{sender, state, &bar};
    FakeFiles files;
    MemoryStore store;
    MusicState music;
};

TEST_F(UpdateMusicTest, NoNoticeOnlyShowsThePosition) {
    state.SongLengthSecs = 120;
    Pass();
    EXPECT_EQ(sender.commands, Lines{L"status frmSS position"});
    EXPECT_EQ(log, Lines{L"bar 25% 00:30"});
}

TEST_F(UpdateMusicTest, NothingOpenShowsNothing) {
    sender.answers[L"status frmSS position"] = {263, L""};
    Pass();
    EXPECT_TRUE(log.empty());
}

TEST_F(UpdateMusicTest, CompletedSongStartsTheNextOne) {
    music.CurrentSong = 0;
    music.CurrentFile = L"C:\\M\\one.mp3";
    state.SongEnded = true;
    Pass();
    EXPECT_FALSE(state.SongEnded);
    EXPECT_EQ(music.CurrentSong, 1);
    EXPECT_EQ(music.CurrentFile, L"C:\\M\\two.wav");
    EXPECT_EQ(sender.commands, (Lines{L"close frmSS", L"open waveaudio!C:\\M\\TWO.WAV alias frmSS",
                                      L"set frmSS time format milliseconds", L"status frmSS length",
                                      L"play frmSS notify", L"status frmSS position"}));
    EXPECT_EQ(sender.windows[4], kWindow);
    EXPECT_EQ(log, (Lines{L"hourglass", L"bar file two", L"bar length 02:00", L"arrow",
                          L"bar 25% 00:30"}));
    EXPECT_EQ(store.writes, (Lines{L"Setting/LocalFile=1", L"Setting/MusicFile=C:\\M\\two.wav"}));
}

TEST_F(UpdateMusicTest, SongsFollowInListOrderAndWrapAfterTheLast) {
    const std::pair<int, const wchar_t*> cases[] = {
        {-1, L"C:\\M\\one.mp3"}, // unknown: the first entry
        {0, L"C:\\M\\two.wav"},
        {1, L"C:\\M\\three.mid"},
        {2, L"C:\\M\\one.mp3"},
    };
    for (const auto& [current, next] : cases) {
        music.CurrentSong = current;
        state.SongEnded = true;
        Pass();
        EXPECT_EQ(music.CurrentFile, next) << current;
        EXPECT_EQ(music.CurrentSong, current == 2 ? 0 : current + 1);
        EXPECT_EQ(sender.commands[sender.commands.size() - 5],
                  OpenCommand(ToUpperText(next), L"frmSS"));
        EXPECT_EQ(store.Read(kSectionSetting, L"MusicFile", L""), next);
    }
}

TEST_F(UpdateMusicTest, AbortedNoticeIsClearedWithoutAnythingElse) {
    state.SongAborted = true;
    state.SongEnded = true;
    Pass();
    EXPECT_FALSE(state.SongAborted);
    EXPECT_TRUE(state.SongEnded); // handled on the next pass
    EXPECT_TRUE(sender.commands.empty());
    EXPECT_TRUE(log.empty());
    Pass();
    EXPECT_FALSE(state.SongEnded);
    EXPECT_EQ(sender.commands[0], L"close frmSS");
}

// A song change that opens nothing: the device stays closed, so no further
// notice comes and the music stops until something else starts a song.
void UpdateMusicTest::ExpectStoppedAt(int song) {
    state.SongEnded = true;
    sender.answers[L"status frmSS position"] = {263, L""};
    Pass();
    Pass();
    EXPECT_EQ(music.CurrentSong, song);
    EXPECT_EQ(sender.commands,
              (Lines{L"close frmSS", L"status frmSS position", L"status frmSS position"}));
    EXPECT_EQ(log, (Lines{L"hourglass", L"arrow"}));
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(UpdateMusicTest, MissingNextFileStopsTheMusic) {
    music.CurrentSong = 0;
    files.existing.erase(L"C:\\M\\two.wav");
    ExpectStoppedAt(1);
    EXPECT_EQ(music.CurrentFile, L"C:\\M\\two.wav");
}

TEST_F(UpdateMusicTest, MuteAdvancesButOpensNothing) {
    program.Opt.Mute = true;
    music.CurrentSong = 0;
    ExpectStoppedAt(1);
}

TEST_F(UpdateMusicTest, EmptyListGivesSongZeroAndPlaysNothing) {
    music.PlayList.Clear();
    music.CurrentSong = 4;
    ExpectStoppedAt(0);
    EXPECT_EQ(music.CurrentFile, L"");
}

TEST_F(UpdateMusicTest, FailedOpenIsNotPlayedNorReported) {
    music.CurrentSong = 0;
    state.SongEnded = true;
    sender.answers[L"open waveaudio!C:\\M\\TWO.WAV alias frmSS"] = {296, L""};
    sender.answers[L"status frmSS position"] = {263, L""};
    Pass();
    EXPECT_FALSE(state.MciIsOpen);
    EXPECT_EQ(sender.commands, (Lines{L"close frmSS", L"open waveaudio!C:\\M\\TWO.WAV alias frmSS",
                                      L"status frmSS position"}));
    EXPECT_EQ(store.Read(kSectionSetting, L"MusicFile", L""), L"C:\\M\\two.wav");
}

TEST_F(UpdateMusicTest, UsableScreenAliasUsesTheStatusBarToo) {
    music.CurrentSong = 1;
    state.SongEnded = true;
    sender.answers[L"status fmci length"] = {0, L"3000"};
    sender.answers[L"status fmci position"] = {0, L"1500"};
    Pass(L"fmci");
    EXPECT_EQ(sender.commands[1], L"open sequencer!C:\\M\\THREE.MID alias fmci");
    EXPECT_EQ(log, (Lines{L"hourglass", L"bar file three", L"bar length 00:03", L"arrow",
                          L"bar 67% 00:02"}));
}

TEST_F(UpdateMusicTest, SetupDialogGetsTheNameTheRowAndThePosition) {
    program.RunMode = ModeSetup;
    music.CurrentSong = 0;
    state.SongEnded = true;
    sender.answers[L"status FSETUP length"] = {0, L"10000"};
    sender.answers[L"status FSETUP position"] = {0, L"5000"};
    Pass(L"FSETUP");
    EXPECT_EQ(log, (Lines{L"hourglass", L"setup clear", L"setup song two row 1 ignoring clicks",
                          L"bar length 00:10", L"arrow", L"setup 50% 00:05"}));
    EXPECT_FALSE(program.IgnoreListClick);
}

TEST_F(UpdateMusicTest, WithoutViewsTheSongStillChanges) {
    views = SongViews{};
    MciPlayer bare(sender, state, nullptr);
    MusicPass pass{music, bare, files, store, program, views, [](bool) {}};
    music.CurrentSong = 0;
    state.SongEnded = true;
    UpdateMusic(pass, kWindow, L"frmSS");
    EXPECT_EQ(music.CurrentSong, 1);
    EXPECT_TRUE(state.MciIsOpen);
    EXPECT_TRUE(log.empty());
}

} // namespace
} // namespace brelvix
