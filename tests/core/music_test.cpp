// The music: the command lines sent to the media control interface and what
// the player makes of the answers; the play-list, what a load makes of the
// stored keys, how songs follow one another, and the setup dialog's moves and
// removals.
#include "music/mci_commands.h"
#include "music/play_list.h"
#include "setup/play_list_order.h"
#include "statusbar/status_bar_layout.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace brelvix {
namespace {

using namespace testing;

TEST(MciCommands, RepliesReadAsRoundedSecondsMinutesAndPercent) {
    const std::tuple<const wchar_t*, long, long> seconds[] = {
        {L"2500", 1000, 2},   {L"3500", 1000, 4},  {L"  3000 ms", 1000, 3},
        {L"12000", 10, 1200}, {L"-5000", 1000, 0}, {L"1e30", 1000, 2147483647}};
    for (const auto& [reply, divisor, expected] : seconds) {
        EXPECT_EQ(SecondsFromReply(reply, divisor), expected) << reply;
    }
    EXPECT_EQ(MinutesSeconds(6000), L"100:00");
}

// The position and length in seconds, the percentage and the knob's left
// edge in twips: a length read too short holds the knob at the groove's end.
TEST(MciCommands, PositionsMoveTheKnobAlongTheGrooveOnly) {
    const std::tuple<long, long, int, int> cases[] = {
        {1, 1, 100, 4920}, {1, 8, 12, 1435},  {3, 8, 38, 2465},    {2, 3, 67, 3613},
        {5, 0, 0, 960},    {1, 100, 1, 1000}, {33, 100, 33, 2267}, {121, 120, 100, 4920}};
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
        {L"C:\\OLD.WAV\\X.MIDX", L"open C:\\OLD.WAV\\X.MIDX alias a"},
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

// A player sending to a recording sender and showing on a recording bar.
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
    EXPECT_EQ(std::pair(state.MciIsOpen, state.OpenAlias), std::pair(false, std::wstring()));
}

// Loads and UpdateMusic against a recording sender: every command, view
// call and setting a pass causes, in order.
class MusicTest : public MciPlayerTest {
  protected:
    Lines Load() {
        LoadPlayList(music, store, files);
        return music.PlayList.Paths();
    }
    void Pass() {
        auto cursor = [this](bool busy) { log.push_back(busy ? L"hourglass" : L"arrow"); };
        MusicPass pass{music, player, files, store, false, bar, cursor, [this] { return nowMs; }};
        UpdateMusic(pass, 7, L"frmSS");
    }
    // The commands that open a song: what it starts with, and its play.
    std::size_t Opened(const std::wstring& path) const {
        return std::count(sender.commands.begin(), sender.commands.end(),
                          L"open " + path + L" alias frmSS");
    }

    FakeFiles files;
    MemoryStore store;
    MusicState music;
    std::uint64_t nowMs = 5000;
};
using LoadPlayListTest = MusicTest;

TEST_F(LoadPlayListTest, MusicFileInAnyCaseBecomesCurrentOnlyWhereItWasAdded) {
    // Paths with no title are no songs: each row must name its own entry.
    store.SetList({L"C:\\A\\.mp3", L"C:\\A\\one.mp3", L"C:\\Folder\\", L"C:\\A\\Song.mp3",
                   L"C:\\Music\\Three.MP3", L"D:\\B\\Song.mp3"});
    store.Set(kSectionSetting, L"MusicFile", L"c:\\music\\three.mp3");
    EXPECT_EQ(Load(), (Lines{L"C:\\A\\one.mp3", L"C:\\A\\Song.mp3", L"C:\\Music\\Three.MP3"}));
    EXPECT_EQ(music.CurrentSong, 2);
    EXPECT_EQ(music.CurrentFile, L"c:\\music\\three.mp3");

    store.Set(kSectionSetting, L"MusicFile", L"D:\\B\\Song.mp3"); // only a dropped duplicate
    music.CurrentSong = -1;
    music.CurrentFile = L"before";
    Load();
    EXPECT_EQ(music.CurrentSong, -1);
    EXPECT_EQ(music.CurrentFile, L"before");
}

TEST_F(LoadPlayListTest, MusicFileWithoutAListMakesAOneSongList) {
    for (const wchar_t* count : {L"", L"0", L"abc", L"-3"}) {
        store.sections.clear();
        if (*count) {
            store.Set(kSectionSetting, L"LocalFileCount", count);
        }
        store.Set(kSectionSetting, L"MusicFile", L"C:\\Music\\Last one.mid");
        music = MusicState{};
        EXPECT_EQ(Load(), Lines{L"C:\\Music\\Last one.mid"}) << count;
        EXPECT_EQ(music.CurrentSong, 0);
    }
    MusicState other;
    other.PlayList.Add({L"C:\\First.mp3", L"First"});
    EXPECT_EQ(SongToResume(other, store, files), L"C:\\First.mp3") << "the saved one is gone";
    files.existing.insert(L"C:\\Music\\Last one.mid");
    EXPECT_EQ(SongToResume(other, store, files), L"C:\\Music\\Last one.mid");
}

// Passes over a list of three songs that all play.
class UpdateMusicTest : public MusicTest {
  protected:
    void SetUp() override {
        for (const wchar_t* path : {L"C:\\M\\one.mp3", L"C:\\M\\two.wav", L"C:\\M\\three.mid"}) {
            music.PlayList.Add({path, files.Title(path)});
            files.existing.insert(path);
        }
        sender.answers[L"status frmSS length"] = {0, L"120000"};
        sender.answers[L"status frmSS position"] = {0, L"30000"};
    }
};

TEST_F(UpdateMusicTest, SongsFollowInListOrderWrapAndEveryPassShowsThePosition) {
    state.SongLengthSecs = 120;
    Pass();
    EXPECT_EQ(sender.commands, Lines{L"status frmSS position"});
    EXPECT_EQ(log, Lines{L"bar 25% 00:30"});
    state.SongAborted = true; // an aborted notice is only cleared: no command
    Pass();
    EXPECT_EQ(std::pair(state.SongAborted, sender.commands.size()),
              std::pair(false, std::size_t{1}));
    for (int current : {-1, 1, 2, 0}) { // the last, from one to two, looked at closely
        music.CurrentSong = current;
        state.SongEnded = true;
        sender.commands.clear();
        log.clear();
        store.writes.clear();
        Pass();
        EXPECT_EQ(music.CurrentSong, (current + 1) % 3) << current;
    }
    EXPECT_FALSE(state.SongEnded);
    EXPECT_EQ(sender.commands,
              (Lines{L"close frmSS", L"open waveaudio!C:\\M\\TWO.WAV alias frmSS",
                     L"set frmSS time format milliseconds", L"status frmSS length",
                     L"(drop notices @7)", L"play frmSS notify @7", L"status frmSS position"}));
    EXPECT_EQ(log, (Lines{L"hourglass", L"bar changing", L"bar song two row 1", L"bar length 02:00",
                          L"arrow", L"bar 25% 00:30"}));
    EXPECT_EQ(store.writes, (Lines{L"Setting/LocalFile=1", L"Setting/MusicFile=C:\\M\\two.wav"}));
}

// A missing file, a refused open, a failure notice: the next song plays
// instead, and once every song has failed in a row the music stops quietly.
TEST_F(UpdateMusicTest, ASongThatCannotPlayIsPassedOverOnceRoundTheList) {
    files.existing.erase(L"C:\\M\\two.wav");
    sender.answers[L"open sequencer!C:\\M\\THREE.MID alias frmSS"] = {277, L""};
    sender.answers[L"status frmSS position"] = {263, L""}; // no song makes progress
    music.CurrentSong = 0;
    state.SongEnded = true;
    Pass();
    EXPECT_EQ(std::tuple(music.CurrentSong, Opened(L"sequencer!C:\\M\\THREE.MID"),
                         Opened(L"C:\\M\\ONE.MP3"), music.FailedInARow),
              std::tuple(0, 1u, 1u, 2));
    EXPECT_EQ(store.writes.back(), L"Setting/MusicFile=C:\\M\\one.mp3");
    OnMciNotify(state, 8); // the one that played fails too
    sender.commands.clear();
    log.clear();
    Pass();
    EXPECT_EQ(sender.commands, (Lines{L"close frmSS", L"status frmSS position"}));
    EXPECT_EQ(log, (Lines{L"hourglass", L"bar changing", L"bar no song", L"arrow"}));
    // A song that plays resets the count: a later failure goes on to the next.
    sender.answers[L"status frmSS position"] = {0, L"1000"};
    music.FailedInARow = 2;
    Pass();
    EXPECT_EQ(music.FailedInARow, 0);
}

// Without a notice a song is over once its device has stood stopped at its
// length for more than a second; stopped earlier, or still playing, it is not.
TEST_F(UpdateMusicTest, ADeviceStoppedAtTheEndWithoutANoticeMovesOn) {
    music.CurrentSong = 0;
    player.OpenSong(L"C:\\M\\ONE.MP3", L"frmSS");
    const std::tuple<const wchar_t*, const wchar_t*, std::uint64_t, int> passes[] = {
        {L"120000", L"playing", 0, 0},    {L"120000", L"stopped", 0, 0},
        {L"120000", L"stopped", 1000, 0}, {L"119999", L"stopped", 1, 0},
        {L"120000", L"stopped", 10, 0},   {L"120000", L"stopped", 1000, 0},
        {L"120000", L"stopped", 1, 1}};
    for (const auto& [position, mode, later, song] : passes) {
        sender.answers[L"status frmSS position"] = {0, position};
        sender.answers[L"status frmSS mode"] = {0, mode};
        int percent = 0;
        player.GetSongPosition(L"frmSS", percent);
        nowMs += later;
        Pass();
        EXPECT_EQ(music.CurrentSong, song) << position << " " << mode << " +" << later;
    }
    EXPECT_EQ(Opened(L"waveaudio!C:\\M\\TWO.WAV"), 1u);
}

SongCollection Songs(const Lines& titles) {
    SongCollection list;
    for (const auto& title : titles) {
        list.Add({L"C:\\" + title + L".mp3", title});
    }
    return list;
}

Lines Titles(const SongCollection& list) {
    Lines titles;
    for (int n = 1; n <= list.Count(); ++n) {
        titles.push_back(list.TitleAt(n));
        EXPECT_EQ(list.PathAt(n), L"C:\\" + titles.back() + L".mp3");
    }
    return titles;
}

TEST(PlayListOrder, MovesRemovalsAndScrolling) {
    SongCollection four = Songs({L"S1", L"S2", L"S3", L"S4"});
    EXPECT_EQ(Titles(MovedSong(four, L"S3", 1, true)), (Lines{L"S1", L"S3", L"S2", L"S4"}));
    EXPECT_EQ(Titles(MovedSong(four, L"S1", 1, false)), (Lines{L"S2", L"S1", L"S3", L"S4"}));
    EXPECT_EQ(Titles(MovedSong(four, L"S4", 2, true)), (Lines{L"S1", L"S2", L"S4", L"S3"}));
    four.RemoveAt(2);
    four.RemoveAt(9);
    EXPECT_EQ(Titles(four), (Lines{L"S1", L"S3", L"S4"}));
    EXPECT_FALSE(four.Contains(L"S2"));
    const std::tuple<int, int, int> removals[] = {{0, 3, 0}, {2, 3, 1}, {0, 1, -1}};
    for (const auto& [removed, rows, next] : removals) {
        EXPECT_EQ(RowAfterRemove(removed, rows), next) << removed << "/" << rows;
    }
    // 10 rows of Wine's default font, 9 of today's, 1 in a list lower than a row.
    const std::tuple<int, int, int> heights[] = {
        {130, 13, 10}, {126, 14, 9}, {8, 13, 1}, {0, 0, 1}};
    for (const auto& [client, row, rows] : heights) {
        EXPECT_EQ(VisibleRows(client, row), rows) << client << "/" << row;
    }
    const std::tuple<int, int, int, int> adds[] = {{9, 0, 10, 0}, {10, 0, 10, 1}, {25, 3, 10, 16}};
    for (const auto& [row, top, rows, newTop] : adds) {
        EXPECT_EQ(TopRowAfterAdd(row, top, rows), newTop) << row << " of " << rows;
    }
    const std::tuple<int, int, int, int> moves[] = {{5, 14, 10, 5}, {5, 15, 10, 6}, {5, 4, 10, 4}};
    for (const auto& [top, row, rows, newTop] : moves) {
        EXPECT_EQ(TopRowAfterMove(top, row, rows), newTop) << top << " " << row << " of " << rows;
    }
}

} // namespace
} // namespace brelvix
