#include "music/mci_player.h"

#include "music_fakes.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::RecordingSender;
using testing::RecordingStatusBar;
using Lines = std::vector<std::wstring>;

class MciPlayerTest : public ::testing::Test {
  protected:
    RecordingSender sender;
    MciState state;
    Lines log;
    RecordingStatusBar bar{log};
    MciPlayer player{sender, state, &bar};
};

TEST_F(MciPlayerTest, OpenSendsOpenTimeFormatAndLengthThenShowsTheLength) {
    sender.answers[L"status frmSS length"] = {0, L"187000"};
    EXPECT_EQ(player.OpenSong(L"C:\\MUSIC\\SONG1.MID", L"frmSS"), 0);
    EXPECT_EQ(sender.commands,
              (Lines{L"open sequencer!C:\\MUSIC\\SONG1.MID alias frmSS",
                     L"set frmSS time format milliseconds", L"status frmSS length"}));
    EXPECT_EQ(sender.replyWanted, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(sender.windows, (std::vector<std::uintptr_t>{0, 0, 0}));
    EXPECT_TRUE(state.MciIsOpen);
    EXPECT_EQ(state.TimeDivisor, 1000);
    EXPECT_EQ(state.SongLengthSecs, 187);
    EXPECT_EQ(state.SongLengthText, L"03:07");
    EXPECT_EQ(log, Lines{L"bar length 03:07"});
}

TEST_F(MciPlayerTest, FailedOpenReturnsItsCodeAndChangesNothingElse) {
    state.SongLengthSecs = 42;
    state.SongLengthText = L"00:42";
    state.MciIsOpen = true;
    sender.answers[L"open C:\\gone.mp3 alias fmci"] = {277, L""};
    EXPECT_EQ(player.OpenSong(L"C:\\gone.mp3", L"fmci"), 277);
    EXPECT_EQ(sender.commands.size(), 1u);
    EXPECT_FALSE(state.MciIsOpen);
    EXPECT_EQ(state.MciResult, 277u);
    EXPECT_EQ(state.SongLengthSecs, 42);
    EXPECT_EQ(state.SongLengthText, L"00:42");
    EXPECT_TRUE(log.empty());
}

struct DivisorCase {
    const wchar_t* path;
    long divisor;
    const wchar_t* length;
};

TEST_F(MciPlayerTest, RefusedMillisecondsFallBackToTenthsOnlyForTheSequencer) {
    const DivisorCase cases[] = {
        {L"C:\\A\\SONG.MID", 10, L"20:00"},
        {L"C:\\A\\B.WAV", 1000, L"00:12"},
        {L"C:\\A\\B.MP3", 1000, L"00:12"},
        {L"C:\\My Songs\\a.mid", 10, L"20:00"}, // quoted with a type: still the sequencer
    };
    for (const auto& c : cases) {
        sender.answers.clear();
        sender.answers[L"set x time format milliseconds"] = {266, L""};
        sender.answers[L"status x length"] = {0, L"12000"};
        EXPECT_EQ(player.OpenSong(c.path, L"x"), 0) << c.path;
        EXPECT_EQ(state.TimeDivisor, c.divisor) << c.path;
        EXPECT_EQ(state.SongLengthText, c.length) << c.path;
    }
}

TEST_F(MciPlayerTest, UnreadableLengthKeepsThePreviousOneAndStillShowsIt) {
    sender.answers[L"status a length"] = {0, L"61000"};
    player.OpenSong(L"C:\\1.wav", L"a");
    sender.answers[L"status a length"] = {275, L""};
    EXPECT_EQ(player.OpenSong(L"C:\\2.wav", L"a"), 0);
    EXPECT_EQ(state.MciResult, 275u);
    EXPECT_EQ(state.SongLengthSecs, 61);
    EXPECT_EQ(log, (Lines{L"bar length 01:01", L"bar length 01:01"}));
}

TEST_F(MciPlayerTest, LengthsRoundHalfToEven) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"2500", L"00:02"}, {L"3500", L"00:04"}, {L"59999", L"01:00"}, {L"7200000", L"120:00"}};
    for (const auto& [reply, text] : cases) {
        sender.answers[L"status a length"] = {0, reply};
        player.OpenSong(L"C:\\a.wav", L"a");
        EXPECT_EQ(state.SongLengthText, text) << reply;
    }
}

TEST_F(MciPlayerTest, PlayNotifiesTheGivenWindowAndReturnsTheResult) {
    sender.answers[L"play fmci notify"] = {263, L""};
    EXPECT_EQ(player.PlaySong(0x1234, L"fmci"), 263);
    EXPECT_EQ(sender.commands, Lines{L"play fmci notify"});
    EXPECT_EQ(sender.windows, std::vector<std::uintptr_t>{0x1234});
    EXPECT_EQ(sender.replyWanted, std::vector<bool>{true});
    EXPECT_EQ(state.MciResult, 263u);
}

struct PositionCase {
    long lengthSecs;
    long divisor;
    const wchar_t* reply;
    int percent;
    const wchar_t* text;
};

TEST_F(MciPlayerTest, PositionGivesPercentageAndText) {
    const PositionCase cases[] = {
        {120, 1000, L"30000", 25, L"00:30"},
        {1200, 10, L"3000", 25, L"05:00"}, // a sequencer that refused milliseconds
        {0, 1000, L"400", 0, L"00:00"},    // no length: 0 %, not a division by zero
        {0, 1000, L"90000", 0, L"01:30"},
        {8, 1000, L"1000", 12, L"00:01"}, // 12.5 % rounds to the even 12
        {8, 1000, L"3000", 38, L"00:03"},
    };
    for (const auto& c : cases) {
        state.SongLengthSecs = c.lengthSecs;
        state.TimeDivisor = c.divisor;
        sender.answers[L"status a position"] = {0, c.reply};
        int percent = -1;
        EXPECT_TRUE(player.GetSongPosition(L"a", percent)) << c.reply;
        EXPECT_EQ(percent, c.percent) << c.reply;
        EXPECT_EQ(state.SongPositionText, c.text) << c.reply;
    }
}

TEST_F(MciPlayerTest, UnreadablePositionLeavesEverythingAsItWas) {
    state.SongPositionText = L"01:02";
    sender.answers[L"status a position"] = {263, L"5000"};
    int percent = 17;
    EXPECT_FALSE(player.GetSongPosition(L"a", percent));
    EXPECT_EQ(percent, 17);
    EXPECT_EQ(state.SongPositionText, L"01:02");
    EXPECT_EQ(state.MciResult, 263u);
}

TEST_F(MciPlayerTest, CloseAlwaysLeavesTheDeviceClosed) {
    state.MciIsOpen = true;
    sender.answers[L"close never"] = {263, L""};
    player.CloseSong(L"never");
    EXPECT_FALSE(state.MciIsOpen);
    EXPECT_EQ(state.MciResult, 263u);
    EXPECT_EQ(sender.replyWanted, std::vector<bool>{false});
}

TEST_F(MciPlayerTest, PauseAndResumeTouchOnlyTheResult) {
    state.MciIsOpen = true;
    sender.answers[L"resume fsetup"] = {261, L""};
    player.PauseSong(L"fsetup");
    EXPECT_EQ(state.MciResult, 0u);
    player.ResumeSong(L"fsetup");
    EXPECT_EQ(state.MciResult, 261u);
    EXPECT_TRUE(state.MciIsOpen);
    EXPECT_EQ(sender.commands, (Lines{L"pause fsetup", L"resume fsetup"}));
}

TEST_F(MciPlayerTest, ErrorMessageIsTheSystemsTextTrimmedOrTheGenericOne) {
    sender.errorTexts[277] = L"  A problem occurred in initializing MCI.  ";
    sender.errorTexts[300] = L"";
    EXPECT_EQ(player.ErrorMessage(277), L"A problem occurred in initializing MCI.");
    EXPECT_EQ(player.ErrorMessage(300), L"");
    EXPECT_EQ(player.ErrorMessage(99999), L"Errore generico nella periferica MCI");
}

TEST(OnMciNotify, SuccessEndsTheSongAbortedMarksItAndTheRestChangeNothing) {
    const std::tuple<std::uintptr_t, bool, bool> cases[] = {{1, true, false},
                                                            {4, false, true},
                                                            {2, false, false},
                                                            {8, false, false},
                                                            {0, false, false}};
    for (const auto& [code, ended, aborted] : cases) {
        MciState state;
        OnMciNotify(state, code);
        EXPECT_EQ(state.SongEnded, ended) << code;
        EXPECT_EQ(state.SongAborted, aborted) << code;
    }
}

} // namespace
} // namespace brelvix
