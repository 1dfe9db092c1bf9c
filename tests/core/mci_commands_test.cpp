#include "music/mci_commands.h"

#include "expect_table.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

TEST(DevicePrefix, ComesFromTheTextAnywhereInThePath) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\A\\SONG.MID", L"sequencer!"},
        {L"c:\\a\\song.mid", L"sequencer!"},
        {L"C:\\SONGS.MIDI\\X.MP3", L"sequencer!"},
        {L"C:\\x\\.MIDI\\b.wav", L"sequencer!"}, // ".mid" is looked for before ".wav"
        {L"C:\\A\\B.WAV", L"waveaudio!"},
        {L"C:\\A\\b.Wav", L"waveaudio!"},
        {L"C:\\WAVES.WAV\\B.MP3", L"waveaudio!"},
        {L"C:\\A\\B.MP3", L""},
        {L"C:\\A\\B.MIDX", L"sequencer!"},
        {L"C:\\A\\MID.MP3", L""},
        {L"", L""},
    };
    testing::ExpectEach(cases, [](const std::wstring& path) { return DevicePrefix(path); });
}

TEST(OpenCommand, BarePathBehindItsPrefixOrQuotedWithATypeWhenItHoldsABlank) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\MUSIC\\SONG1.MID", L"open sequencer!C:\\MUSIC\\SONG1.MID alias frmSS"},
        {L"c:\\music\\song1.mid", L"open sequencer!c:\\music\\song1.mid alias frmSS"},
        {L"C:\\A\\B.WAV", L"open waveaudio!C:\\A\\B.WAV alias frmSS"},
        {L"C:\\A\\B.MP3", L"open C:\\A\\B.MP3 alias frmSS"},
        {L"C:\\SONGS.MIDI\\X.MP3", L"open sequencer!C:\\SONGS.MIDI\\X.MP3 alias frmSS"},
        // A blank cannot stand in the bare form.
        {L"C:\\My Music\\a.mid", L"open \"C:\\My Music\\a.mid\" type sequencer alias frmSS"},
        {L"C:\\My Music\\A.WAV", L"open \"C:\\My Music\\A.WAV\" type waveaudio alias frmSS"},
        {L"C:\\My Music\\a.mp3", L"open \"C:\\My Music\\a.mp3\" alias frmSS"},
        {L"C:\\My .MIDI\\a.mp3", L"open \"C:\\My .MIDI\\a.mp3\" type sequencer alias frmSS"},
    };
    testing::ExpectEach(cases,
                        [](const std::wstring& path) { return OpenCommand(path, L"frmSS"); });
}

TEST(Commands, EveryTemplateToTheLetter) {
    EXPECT_EQ(TimeFormatCommand(L"fmci"), L"set fmci time format milliseconds");
    EXPECT_EQ(LengthCommand(L"fmci"), L"status fmci length");
    EXPECT_EQ(PlayCommand(L"fmci"), L"play fmci notify");
    EXPECT_EQ(PositionCommand(L"fsetup"), L"status fsetup position");
    EXPECT_EQ(CloseCommand(L"frmSS"), L"close frmSS");
    EXPECT_EQ(PauseCommand(L"fsetup"), L"pause fsetup");
    EXPECT_EQ(ResumeCommand(L"fsetup"), L"resume fsetup");
}

TEST(FallbackDivisor, OnlyTheSequencerCountsInTenths) {
    EXPECT_EQ(FallbackDivisor(L"sequencer!"), 10);
    EXPECT_EQ(FallbackDivisor(L"waveaudio!"), 1000);
    EXPECT_EQ(FallbackDivisor(L""), 1000);
}

struct SecondsCase {
    const wchar_t* reply;
    long divisor;
    long seconds;
};

TEST(SecondsFromReply, RoundsHalfToEvenAndReadsTheLeadingNumber) {
    const SecondsCase cases[] = {
        {L"2500", 1000, 2},       {L"3500", 1000, 4},
        {L"1500", 1000, 2},       {L"59999", 1000, 60},
        {L"7200000", 1000, 7200}, {L"12000", 10, 1200},
        {L"499", 1000, 0},        {L"501", 1000, 1},
        {L"  3000", 1000, 3},     {L"4000 ms", 1000, 4},
        {L"", 1000, 0},           {L"abc", 1000, 0},
        {L"-5000", 1000, 0},      {L"1e30", 1000, 2147483647},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SecondsFromReply(c.reply, c.divisor), c.seconds) << c.reply;
    }
}

TEST(MinutesSeconds, AtLeastTwoDigitsOfMinutes) {
    const std::pair<long, std::wstring> cases[] = {
        {0, L"00:00"},    {59, L"00:59"},    {60, L"01:00"},    {187, L"03:07"},   {1200, L"20:00"},
        {5999, L"99:59"}, {6000, L"100:00"}, {7200, L"120:00"}, {7500, L"125:00"},
    };
    testing::ExpectEach(cases, MinutesSeconds);
}

TEST(Percentage, WholePercentRoundedAndZeroWithoutALength) {
    const std::tuple<long, long, int> cases[] = {
        {30, 120, 25}, {0, 120, 0}, {120, 120, 100}, {1, 8, 12}, // 12.5 -> 12
        {3, 8, 38},    {1, 3, 33},  {2, 3, 67},      {5, 0, 0},  {0, 0, 0},
    };
    for (const auto& [position, length, percent] : cases) {
        EXPECT_EQ(Percentage(position, length), percent) << position << "/" << length;
    }
}

} // namespace
} // namespace brelvix
