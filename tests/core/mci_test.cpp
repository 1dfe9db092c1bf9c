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

TEST(MciCommands, OpenLinesNameTheirDeviceFromTheTextAnywhereInThePath) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\MUSIC\\SONG1.MID", L"open sequencer!C:\\MUSIC\\SONG1.MID alias frmSS"},
        {L"c:\\a\\song.mid", L"open sequencer!c:\\a\\song.mid alias frmSS"},
        {L"C:\\SONGS.MIDI\\X.MP3", L"open sequencer!C:\\SONGS.MIDI\\X.MP3 alias frmSS"},
        {L"C:\\x\\.MIDI\\b.wav", L"open sequencer!C:\\x\\.MIDI\\b.wav alias frmSS"},
        {L"C:\\A\\b.Wav", L"open waveaudio!C:\\A\\b.Wav alias frmSS"},
        {L"C:\\WAVES.WAV\\B.MP3", L"open waveaudio!C:\\WAVES.WAV\\B.MP3 alias frmSS"},
        {L"C:\\A\\MID.MP3", L"open C:\\A\\MID.MP3 alias frmSS"},
        // A blank cannot stand in the bare form.
        {L"C:\\My Music\\a.mid", L"open \"C:\\My Music\\a.mid\" type sequencer alias frmSS"},
        {L"C:\\My Music\\A.WAV", L"open \"C:\\My Music\\A.WAV\" type waveaudio alias frmSS"},
        {L"C:\\My Music\\a.mp3", L"open \"C:\\My Music\\a.mp3\" alias frmSS"},
    };
    for (const auto& [path, line] : cases) {
        EXPECT_EQ(OpenCommand(path, L"frmSS"), line);
    }
    EXPECT_EQ(DevicePrefix(L"C:\\A\\B.MP3"), L"");
    EXPECT_EQ(FallbackDivisor(L"sequencer!"), 10);
    EXPECT_EQ(FallbackDivisor(L"waveaudio!"), 1000);
}

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

TEST_F(MciPlayerTest, PlayPositionCloseAndPause) {
    sender.answers[L"play fmci notify"] = {263, L""};
    EXPECT_EQ(player.PlaySong(0x1234, L"fmci"), 263);
    EXPECT_EQ(sender.windows.back(), 0x1234u);

    // No length: 0 %, not a division by zero.
    // clang-format off
    const std::tuple<long, long, const wchar_t*, int, const wchar_t*> positions[] = {{120, 1000, L"30000", 25, L"00:30"},
        {1200, 10, L"3000", 25, L"05:00"}, {0, 1000, L"90000", 0, L"01:30"}, {8, 1000, L"1000", 12, L"00:01"}};
    // clang-format on
    for (const auto& [length, divisor, reply, percent, text] : positions) {
        state.SongLengthSecs = length;
        state.TimeDivisor = divisor;
        sender.answers[L"status a position"] = {0, reply};
        int got = -1;
        EXPECT_TRUE(player.GetSongPosition(L"a", got));
        EXPECT_EQ(std::pair(got, state.SongPositionText), std::pair(percent, std::wstring(text)));
    }
    sender.answers[L"status a position"] = {263, L"5000"};
    int kept = 17;
    EXPECT_FALSE(player.GetSongPosition(L"a", kept));
    EXPECT_EQ(std::pair(kept, state.SongPositionText), std::pair(17, std::wstring(L"00:01")));

    state.MciIsOpen = true;
    player.PauseSong(L"fsetup");
    player.ResumeSong(L"fsetup");
    EXPECT_TRUE(state.MciIsOpen);
    sender.answers[L"close never"] = {263, L""};
    player.CloseSong(L"never");
    EXPECT_EQ(std::pair(state.MciIsOpen, state.MciResult), std::pair(false, 263u));
    EXPECT_EQ(Lines(sender.commands.end() - 3, sender.commands.end()),
              (Lines{L"pause fsetup", L"resume fsetup", L"close never"}));
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
