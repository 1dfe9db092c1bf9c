#include "music/playlist_win.h"

#include "media_fixtures.h"
#include "music/file_helpers_win.h"
#include "music/mci_win.h"
#include "saver/command_line.h"
#include "song_window.h"
#include "win_test_support.h"
#include "winutil/message_pump_win.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace brelvix {
namespace {

using testing::ClockSeconds;
using testing::FixturePath;
using testing::FreshProgramStore;
using testing::SongWindow;
using testing::TempFolder;
using testing::WavBytes;
using testing::WriteFileBytes;

void StorePlayList(RegistryStore& store, const std::vector<std::wstring>& paths) {
    store.Write(kSectionSetting, L"LocalFileCount", std::to_wstring(paths.size()));
    for (std::size_t n = 0; n < paths.size(); ++n) {
        store.Write(kSectionFileList, L"LocalFile" + std::to_wstring(n + 1), paths[n]);
    }
}

class PlayListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Music() = MusicState{};
        Mci() = MciState{};
        Program().RunMode = ModeSaver;
        Program().Opt = Options{};
    }
    void TearDown() override { Music() = MusicState{}; }

    FreshProgramStore fresh;
    TempFolder temp;
};

TEST_F(PlayListTest, LoadsFromTheRegistryAndAnswersLookups) {
    std::wstring one = temp.File(L"Prima canzone.mp3");
    std::wstring two = temp.File(L"Seconda \u00e8 qui.wav");
    StorePlayList(fresh.Store(), {one, L"", two, temp.File(L"PRIMA CANZONE.mid")});
    fresh.Store().Write(kSectionSetting, L"MusicFile", two);
    LoadPlayList();
    EXPECT_EQ(Music().PlayList.Count(), 2);
    EXPECT_EQ(Music().LocalSongCount, 3);
    EXPECT_EQ(Music().CurrentSong, 1);
    EXPECT_EQ(Music().CurrentFile, two);
    EXPECT_EQ(GetSongPath(1), one);
    EXPECT_EQ(GetSongPath(0), L"");
    EXPECT_EQ(GetSongPath(3), L"");
    EXPECT_EQ(GetSongTitle(2), L"Seconda \u00e8 qui");
    EXPECT_EQ(GetSongPathByKey(L"prima CANZONE"), one);
    EXPECT_TRUE(IsInPlayList(L"SECONDA \u00c8 QUI"));
    EXPECT_FALSE(IsInPlayList(L"Terza"));
}

TEST_F(PlayListTest, SavedMusicFileOnlyWhenTheFileIsThere) {
    std::wstring song = temp.File(L"Ultima.wav");
    fresh.Store().Write(kSectionSetting, L"MusicFile", song);
    EXPECT_EQ(GetSavedMusicFile(), L"");
    WriteFileBytes(song, WavBytes(0.1));
    EXPECT_EQ(GetSavedMusicFile(), song);
}

TEST_F(PlayListTest, AHugeStoredCountLoadsWhatIsThere) {
    StorePlayList(fresh.Store(), {temp.File(L"a.wav"), temp.File(L"b.wav")});
    fresh.Store().Write(kSectionSetting, L"LocalFileCount", L"99999999");
    LoadPlayList();
    EXPECT_EQ(Music().PlayList.Count(), 2);
    EXPECT_EQ(Music().LocalSongCount, 2);
}

// The status bar as the saver will have it: which song it was told about
// and when (just before the song is opened), and when the song's length
// arrived (once it is open, just before the play command).
class TimedStatusBar : public StatusBarView {
  public:
    void SetFileLabel(const std::wstring& name) override {
        files.push_back(name);
        fileAt.push_back(ClockSeconds());
    }
    void SetLengthLabel(const std::wstring&) override { lengthAt.push_back(ClockSeconds()); }
    void SetPercent(int percent, const std::wstring&) override { percents.push_back(percent); }
    std::vector<std::wstring> files;
    std::vector<double> fileAt;
    std::vector<double> lengthAt;
    std::vector<int> percents;
};

TEST_F(PlayListTest, ThreeSongsPlayInOrderAndWrapInAMessageLoop) {
    std::vector<std::wstring> songs = {temp.File(L"Uno \u00e0 tempo.wav"),
                                       temp.File(L"Due con spazi.mp3"),
                                       temp.File(L"Tre \u00e9 finale.wav")};
    WriteFileBytes(songs[0], WavBytes(1.5));
    ASSERT_TRUE(CopyFileW(FixturePath(L"tone-2s.mp3").c_str(), songs[1].c_str(), FALSE));
    WriteFileBytes(songs[2], WavBytes(1.0));
    StorePlayList(fresh.Store(), songs);
    fresh.Store().Write(kSectionSetting, L"MusicFile", songs[0]);
    LoadPlayList();
    ASSERT_EQ(Music().CurrentSong, 0);

    TimedStatusBar bar;
    SetStatusBarView(&bar);
    SongWindow window;
    ASSERT_TRUE(window.Create());
    Music().CurrentFile = GetSavedMusicFile();
    ASSERT_EQ(OpenSong(GetShortPath(Music().CurrentFile), L"frmSS"), 0);
    ASSERT_EQ(PlaySong(window.Handle(), L"frmSS"), 0);

    // The saver's loop: pump, update the music, sleep a tenth of a second.
    double deadline = ClockSeconds() + 30;
    while (bar.files.size() < 3 && ClockSeconds() < deadline) {
        PumpMessages();
        UpdateMusic(window.Handle(), L"frmSS");
        Pause(0.1);
    }
    CloseSong(L"frmSS");
    SetStatusBarView(nullptr);

    EXPECT_EQ(bar.files, (std::vector<std::wstring>{L"Due con spazi", L"Tre \u00e9 finale",
                                                    L"Uno \u00e0 tempo"}));
    EXPECT_EQ(Music().CurrentSong, 0);
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"MusicFile", L""), songs[0]);
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"LocalFile", L""), L"1");
    ASSERT_EQ(window.notices.size(), 3u);
    ASSERT_EQ(bar.lengthAt.size(), 4u); // the first song and the three that followed
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(window.notices[n].code, 1u);
        double toChange = bar.fileAt[n] - window.notices[n].at;
        double toPlay = bar.lengthAt[n + 1] - window.notices[n].at;
        std::printf("[ figure ] notice -> next song chosen %.3f s, -> its play command %.3f s\n",
                    toChange, toPlay);
        EXPECT_GE(toChange, 0.0);
        EXPECT_LT(toChange, 0.5); // one pass of the loop
        EXPECT_LT(toPlay, 3.0);
    }
    EXPECT_FALSE(bar.percents.empty());
    for (int percent : bar.percents) {
        EXPECT_GE(percent, 0);
        EXPECT_LE(percent, 100);
    }
}

TEST_F(PlayListTest, AMissingNextFileStopsTheMusic) {
    std::vector<std::wstring> songs = {temp.File(L"Uno.wav"), temp.File(L"Sparito.wav")};
    WriteFileBytes(songs[0], WavBytes(0.5));
    StorePlayList(fresh.Store(), songs);
    fresh.Store().Write(kSectionSetting, L"MusicFile", songs[0]);
    LoadPlayList();
    SongWindow window;
    ASSERT_TRUE(window.Create());
    ASSERT_EQ(OpenSong(GetShortPath(songs[0]), L"fmci"), 0);
    ASSERT_EQ(PlaySong(window.Handle(), L"fmci"), 0);
    ASSERT_TRUE(testing::WaitUntil([] { return Mci().SongEnded; }, 10000));
    UpdateMusic(window.Handle(), L"fmci");
    EXPECT_EQ(Music().CurrentSong, 1);
    EXPECT_FALSE(Mci().MciIsOpen);
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"MusicFile", L""), songs[0]);
    Pause(0.3);
    UpdateMusic(window.Handle(), L"fmci");
    EXPECT_EQ(Music().CurrentSong, 1);
    EXPECT_EQ(window.notices.size(), 1u);
}

} // namespace
} // namespace brelvix
