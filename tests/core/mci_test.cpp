// The command lines sent to the media control interface and what the player
// makes of the answers.
#include "music/mci_commands.h"
#include "music/mci_player.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::Lines;
using testing::RecordingBar;
using testing::RecordingSender;

TEST(MciCommands, RepliesReadAsRoundedSecondsMinutesAndPercent) {
    const std::tuple<const wchar_t*, long, long> seconds[] = {
        {L"2500", 1000, 2},   {L"3500", 1000, 4},  {L"59999", 1000, 60},
        {L"12000", 10, 1200}, {L"499", 1000, 0},   {L"  3000 ms", 1000, 3},
        {L"abc", 1000, 0},    {L"-5000", 1000, 0}, {L"1e30", 1000, 2147483647}};
    for (const auto& [reply, divisor, expected] : seconds) {
        EXPECT_EQ(SecondsFromReply(reply, divisor), expected) << reply;
    }
    const std::pair<long, std::wstring> texts[] = {
        {0, L"00:00"}, {59, L"00:59"}, {60, L"01:00"}, {187, L"03:07"}, {6000, L"100:00"}};
    for (const auto& [secs, text] : texts) {
        EXPECT_EQ(MinutesSeconds(secs), text);
    }
    const std::tuple<long, long, int> percents[] = {{30, 120, 25}, {120, 120, 100}, {1, 8, 12},
                                                    {3, 8, 38},    {2, 3, 67},      {5, 0, 0}};
    for (const auto& [position, length, percent] : percents) {
        EXPECT_EQ(Percentage(position, length), percent) << position << "/" << length;
    }
}

class MciPlayerTest : public ::testing::Test {
  protected:
    RecordingSender sender;
    MciState state;
    Lines log;
    RecordingBar bar{log};
    MciPlayer player{sender, state, &bar};
};

TEST_F(MciPlayerTest, OpenSetsMillisecondsReadsTheLengthAndShowsIt) {
    sender.answers[L"status frmSS length"] = {0, L"187000"};
    EXPECT_EQ(player.OpenSong(L"C:\\MUSIC\\SONG1.MID", L"frmSS"), 0);
    EXPECT_EQ(sender.commands,
              (Lines{L"open sequencer!C:\\MUSIC\\SONG1.MID alias frmSS",
                     L"set frmSS time format milliseconds", L"status frmSS length"}));
    EXPECT_EQ(std::tuple(state.MciIsOpen, state.TimeDivisor, state.SongLengthSecs),
              std::tuple(true, 1000L, 187L));
    EXPECT_EQ(log, Lines{L"bar length 03:07"});

    // An unreadable length keeps the last one, and shows it again.
    sender.answers[L"status frmSS length"] = {275, L""};
    EXPECT_EQ(player.OpenSong(L"C:\\2.wav", L"frmSS"), 0);
    EXPECT_EQ(std::tuple(state.SongLengthText, state.MciResult, log.back()),
              std::tuple(L"03:07", 275u, L"bar length 03:07"));

    // A device that refuses milliseconds counts in tenths if it is the sequencer.
    sender.answers[L"set frmSS time format milliseconds"] = {266, L""};
    sender.answers[L"status frmSS length"] = {0, L"12000"};
    for (auto [path, length] :
         {std::pair{L"C:\\My Songs\\a.mid", L"20:00"}, {L"C:\\A\\B.MP3", L"00:12"}}) {
        EXPECT_EQ(player.OpenSong(path, L"frmSS"), 0);
        EXPECT_EQ(state.SongLengthText, std::wstring(length)) << path;
    }
}

TEST_F(MciPlayerTest, ErrorTextsAndNotices) {
    sender.errorTexts[277] = L"  A problem occurred in initializing MCI.  ";
    EXPECT_EQ(player.ErrorMessage(277), L"A problem occurred in initializing MCI.");
    EXPECT_EQ(player.ErrorMessage(99999), L"Errore generico nella periferica MCI");
    const std::tuple<std::uintptr_t, bool, bool> notices[] = {
        {1, true, false}, {4, false, true}, {2, false, false}, {8, false, false}};
    for (const auto& [code, ended, aborted] : notices) {
        MciState fresh;
        OnMciNotify(fresh, code);
        EXPECT_EQ(fresh.SongEnded, ended) << code;
        EXPECT_EQ(fresh.SongAborted, aborted) << code;
    }
}

} // namespace
} // namespace brelvix
