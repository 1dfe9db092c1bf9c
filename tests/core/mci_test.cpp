// The command lines sent to the media control interface and what the player
// makes of the answers.
#include "music/mci_commands.h"
#include "music/mci_player.h"
#include "statusbar/status_bar_layout.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>

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
}

// The position and length in seconds, the percentage and the knob's left
// edge in twips: a length read too short holds the knob at the groove's end.
TEST(MciCommands, PositionsMoveTheKnobAlongTheGrooveOnly) {
    const std::tuple<long, long, int, int> cases[] = {
        {30, 120, 25, 1950}, {120, 120, 100, 4920}, {1, 8, 12, 1435},    {3, 8, 38, 2465},
        {2, 3, 67, 3613},    {5, 0, 0, 960},        {0, 9, 0, 960},      {1, 100, 1, 1000},
        {33, 100, 33, 2267}, {121, 120, 100, 4920}, {900, 60, 100, 4920}};
    for (const auto& [position, length, percent, knob] : cases) {
        EXPECT_EQ(Percentage(position, length), percent) << position << "/" << length;
        EXPECT_EQ(KnobLeftTwips(percent), knob) << percent;
    }
}

// The device from the file's own extension; a "!" anywhere in the path is
// taken by a device prefix, since MCI cuts the device name at the first one.
TEST(MciCommands, OpenCommandsNameTheDeviceOfTheExtension) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\A\\SONG.MID", L"open sequencer!C:\\A\\SONG.MID alias a"},
        {L"c:\\a\\song.Midi", L"open sequencer!c:\\a\\song.Midi alias a"},
        {L"C:\\A\\B.WAV", L"open waveaudio!C:\\A\\B.WAV alias a"},
        {L"C:\\A\\B.MP3", L"open C:\\A\\B.MP3 alias a"},
        {L"C:\\OLD.WAV\\X.MIDX", L"open C:\\OLD.WAV\\X.MIDX alias a"},
        {L"C:\\A.MID\\B", L"open C:\\A.MID\\B alias a"},
        {L"C:\\XMID~1.WAV", L"open waveaudio!C:\\XMID~1.WAV alias a"},
        {L"C:\\Best.Of.Midnight Oil\\x.mid.wav",
         L"open \"C:\\Best.Of.Midnight Oil\\x.mid.wav\" type waveaudio alias a"},
        {L"C:\\My Music\\a.mp3", L"open \"C:\\My Music\\a.mp3\" alias a"},
        {L"C:\\WHAM!\\CLUBTR~1.MP3", L"open mpegvideo!C:\\WHAM!\\CLUBTR~1.MP3 alias a"},
        {L"C:\\Wham!\\Club Tropicana.mp3",
         L"open \"mpegvideo!C:\\Wham!\\Club Tropicana.mp3\" alias a"},
        {L"C:\\A B!\\c.mid", L"open \"sequencer!C:\\A B!\\c.mid\" alias a"}};
    for (const auto& [path, command] : cases) {
        EXPECT_EQ(OpenCommand(path, L"a"), command);
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

    // An unreadable length is unknown, not the last song's.
    sender.answers[L"status frmSS length"] = {275, L""};
    EXPECT_EQ(player.OpenSong(L"C:\\2.wav", L"frmSS"), 0);
    EXPECT_EQ(std::tuple(state.SongLengthSecs, state.MciResult, log.back()),
              std::tuple(0L, 275u, L"bar length 00:00"));

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
    // Successful, aborted, failed; a superseded play (2) is none of them.
    for (std::uintptr_t code : {1, 4, 2, 8}) {
        MciState fresh;
        OnMciNotify(fresh, code);
        EXPECT_EQ(std::tuple(fresh.SongEnded, fresh.SongAborted, fresh.SongFailed),
                  std::tuple(code == 1, code == 4, code == 8))
            << code;
    }
}

// A notice taken before a song starts belongs to an earlier song: opening,
// playing (which first drops what is queued) and closing all forget it.
TEST_F(MciPlayerTest, NoNoticeOutlivesItsSong) {
    const std::function<void()> steps[] = {[&] { player.OpenSong(L"C:\\a.wav", L"frmSS"); },
                                           [&] { player.PlaySong(7, L"frmSS"); },
                                           [&] { player.CloseSong(L"frmSS"); }};
    for (const auto& step : steps) {
        OnMciNotify(state, 1);
        OnMciNotify(state, 8);
        step();
        EXPECT_FALSE(state.SongEnded || state.SongFailed) << sender.commands.back();
    }
    EXPECT_EQ(sender.commands[3], L"(drop notices @7)");
    EXPECT_EQ(sender.commands[4], L"play frmSS notify @7");
    EXPECT_EQ(state.OpenAlias, L"");
}

} // namespace
} // namespace brelvix
