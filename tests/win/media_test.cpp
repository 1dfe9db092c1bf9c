// Real songs through the real media control interface, their notices caught
// by the usable screen's status bar. (Songs played to their end one after
// another and a broken song's message are the saver's e2e test.)
#include "music/mci_win.h"
#include "statusbar/status_bar_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/message_pump_win.h"

#include "win_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using namespace testing;

// A hidden status bar taking its song's notices, as on the usable screen.
class MediaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fmci.Load());
        fmci.ReceiveNotices(&state);
    }
    void TearDown() override { CloseSong(state, L"fmci"); }

    StatusBar fmci;
    MciState state;
    TempFolder temp;
    MciPlayer mci = SystemMci(state);
};

TEST_F(MediaTest, AWavOpensPlaysPausesAndEndsWithItsNotice) {
    std::wstring wav = temp.Write(L"Un tono \u00e0.wav", WavBytes(6.0));
    ASSERT_EQ(mci.OpenSong(GetShortPath(wav), L"fmci"), 0);
    EXPECT_EQ(state.SongLengthText, L"00:06");
    ASSERT_EQ(mci.PlaySong(reinterpret_cast<std::uintptr_t>(fmci.Handle()), L"fmci"), 0);
    SendMessageW(fmci.Handle(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 999); // another device's
    EXPECT_FALSE(state.SongEnded);
    int percent = 0;
    ASSERT_TRUE(
        WaitUntil([&] { return mci.GetSongPosition(L"fmci", percent) && percent >= 20; }, 10000));
    mci.PauseSong(L"fmci");
    int paused = -1, later = -1;
    mci.GetSongPosition(L"fmci", paused);
    Pause(0.4);
    mci.GetSongPosition(L"fmci", later);
    EXPECT_EQ(later, paused);
    mci.ResumeSong(L"fmci");
    ASSERT_TRUE(WaitUntil([&] { return state.SongEnded; }, 15000));
    EXPECT_FALSE(state.SongAborted);
    // The device stays open at the end of the song until it is closed.
    EXPECT_TRUE(mci.GetSongPosition(L"fmci", percent));
    EXPECT_EQ(percent, 100);
    EXPECT_EQ(state.SongPositionText, L"00:06");
    CloseSong(state, L"fmci");
    EXPECT_FALSE(mci.GetSongPosition(L"fmci", percent));
}

TEST_F(MediaTest, MpThreeAndMidiOpenWithTheirLengthsAnEmptyWavDoesNot) {
    CreateDirectoryW(temp.File(L"Wham!").c_str(), nullptr);
    std::wstring mp3 = temp.File(L"Wham!\\Una canzone \u00e9.mp3");
    ASSERT_TRUE(
        CopyFileW((ProgramFolder() + L"\\fixtures\\tone-2s.mp3").c_str(), mp3.c_str(), FALSE));
    ASSERT_EQ(mci.OpenSong(mp3, L"fmci"), 0); // quoted: the path holds blanks and a "!"
    EXPECT_EQ(state.SongLengthText, L"00:02");
    CloseSong(state, L"fmci");
    // One note held for 4 s at 120 beats a minute.
    const char midi[] =
        "MThd\0\0\0\6\0\0\0\1\1\xE0MTrk\0\0\0\x0D\0\x90\x3C\x64\x9E\0\x80\x3C\0\0\xFF\x2F\0";
    ASSERT_EQ(mci.OpenSong(GetShortPath(temp.Write(L"Note.mid", {midi, sizeof midi - 1})), L"fmci"),
              0);
    EXPECT_EQ(state.SongLengthSecs, 4);
    CloseSong(state, L"fmci");
    EXPECT_NE(mci.OpenSong(GetShortPath(temp.Write(L"Vuoto.wav", "")), L"fmci"), 0);
    EXPECT_FALSE(state.MciIsOpen);
}

} // namespace
} // namespace brelvix
