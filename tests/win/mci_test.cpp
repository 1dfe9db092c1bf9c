#include "music/mci_win.h"

#include "media_fixtures.h"
#include "music/file_helpers_win.h"
#include "song_window.h"
#include "win_test_support.h"
#include "winutil/message_pump_win.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

namespace brelvix {
namespace {

using testing::FixturePath;
using testing::MidiBytes;
using testing::SongWindow;
using testing::TempFolder;
using testing::WaitUntil;
using testing::WavBytes;
using testing::WriteFileBytes;

constexpr wchar_t kAlias[] = L"frmSS";

class LengthLabel : public StatusBarView {
  public:
    void SetFileLabel(const std::wstring&) override {}
    void SetLengthLabel(const std::wstring& mmss) override { text = mmss; }
    void SetPercent(int, const std::wstring&) override {}
    std::wstring text;
};

// Real songs in a folder with blanks and Latin-1 letters in its name.
class MciTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Mci() = MciState{};
        SetStatusBarView(&label);
        ASSERT_TRUE(window.Create());
        WriteFileBytes(wav, WavBytes(2.0));
        WriteFileBytes(longWav, WavBytes(10.0));
        WriteFileBytes(midi, MidiBytes(4.0));
        ASSERT_TRUE(CopyFileW(FixturePath(L"tone-2s.mp3").c_str(), mp3.c_str(), FALSE));
    }
    void TearDown() override {
        CloseSong(kAlias);
        SetStatusBarView(nullptr);
    }
    bool Ended(DWORD timeoutMs = 15000) {
        return WaitUntil([] { return Mci().SongEnded; }, timeoutMs);
    }

    LengthLabel label;
    SongWindow window;
    TempFolder temp;
    std::wstring wav = temp.File(L"Un tono breve \u00e0.wav");
    std::wstring longWav = temp.File(L"Un tono lungo.wav");
    std::wstring midi = temp.File(L"Una canzone.mid");
    std::wstring mp3 = temp.File(L"Una canzone \u00e9.mp3");
};

TEST_F(MciTest, WavOpensWithItsLengthPlaysAndNotifiesTheWindow) {
    ASSERT_EQ(OpenSong(GetShortPath(wav), kAlias), 0);
    EXPECT_TRUE(Mci().MciIsOpen);
    EXPECT_EQ(Mci().TimeDivisor, 1000);
    EXPECT_EQ(Mci().SongLengthSecs, 2);
    EXPECT_EQ(Mci().SongLengthText, L"00:02");
    EXPECT_EQ(label.text, L"00:02");
    ASSERT_EQ(PlaySong(window.Handle(), kAlias), 0);
    EXPECT_FALSE(Mci().SongEnded);
    ASSERT_TRUE(Ended());
    ASSERT_EQ(window.notices.size(), 1u);
    EXPECT_EQ(window.notices[0].code, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_FALSE(Mci().SongAborted);
    // The device stays open at the end of the song until it is closed.
    int percent = -1;
    EXPECT_TRUE(GetSongPosition(kAlias, percent));
    EXPECT_EQ(percent, 100);
    EXPECT_EQ(Mci().SongPositionText, L"00:02");
    CloseSong(kAlias);
    EXPECT_FALSE(Mci().MciIsOpen);
    EXPECT_FALSE(GetSongPosition(kAlias, percent));
}

TEST_F(MciTest, PositionMovesWhilePlayingAndStandsStillWhilePaused) {
    ASSERT_EQ(OpenSong(GetShortPath(longWav), kAlias), 0);
    EXPECT_EQ(Mci().SongLengthText, L"00:10");
    ASSERT_EQ(PlaySong(window.Handle(), kAlias), 0);
    int percent = 0;
    ASSERT_TRUE(
        WaitUntil([&] { return GetSongPosition(kAlias, percent) && percent >= 20; }, 10000));
    PauseSong(kAlias);
    EXPECT_EQ(Mci().MciResult, 0u);
    EXPECT_TRUE(Mci().MciIsOpen);
    int paused = -1;
    ASSERT_TRUE(GetSongPosition(kAlias, paused));
    std::wstring pausedText = Mci().SongPositionText;
    Pause(0.5);
    int later = -1;
    ASSERT_TRUE(GetSongPosition(kAlias, later));
    EXPECT_EQ(later, paused);
    EXPECT_EQ(Mci().SongPositionText, pausedText);
    EXPECT_FALSE(Mci().SongEnded);
    ResumeSong(kAlias);
    EXPECT_EQ(Mci().MciResult, 0u);
    ASSERT_TRUE(WaitUntil([&] { return GetSongPosition(kAlias, later) && later > paused; }, 10000));
    // The play command's notice still comes after a resume.
    EXPECT_TRUE(Ended());
}

TEST_F(MciTest, QuotedPathsWithBlanksOpenAndPlay) {
    for (const std::wstring& path : {wav, mp3}) {
        Mci().SongEnded = false;
        ASSERT_EQ(OpenSong(path, kAlias), 0) << path;
        EXPECT_EQ(Mci().SongLengthText, L"00:02") << path;
        ASSERT_EQ(PlaySong(window.Handle(), kAlias), 0) << path;
        EXPECT_TRUE(Ended()) << path;
        CloseSong(kAlias);
    }
}

TEST_F(MciTest, MidiOpensAndReportsItsLength) {
    for (const std::wstring& path : {GetShortPath(midi), midi}) {
        Mci().SongLengthText.clear();
        ASSERT_EQ(OpenSong(path, kAlias), 0) << path;
        EXPECT_EQ(Mci().SongLengthSecs, 4) << path;
        EXPECT_EQ(label.text, L"00:04") << path;
        CloseSong(kAlias);
        EXPECT_EQ(Mci().MciResult, 0u);
    }
}

TEST_F(MciTest, BadFilesFailToOpenWithTheSystemsCode) {
    WriteFileBytes(temp.File(L"Vuoto.wav"), "");
    WriteFileBytes(temp.File(L"Rotto.wav"), std::string(5000, '\x5A'));
    WriteFileBytes(temp.File(L"Rotto.mp3"), std::string(5000, '\x5A'));
    const std::pair<std::wstring, long> cases[] = {
        {temp.File(L"Manca.mp3"), 277},
        {GetShortPath(temp.File(L"Vuoto.wav")), 296},
        {GetShortPath(temp.File(L"Rotto.wav")), 296},
        {GetShortPath(temp.File(L"Rotto.mp3")), 277},
    };
    for (const auto& [path, code] : cases) {
        Mci().MciIsOpen = true;
        Mci().SongLengthText = L"07:07";
        EXPECT_EQ(OpenSong(path, kAlias), code) << path;
        EXPECT_FALSE(Mci().MciIsOpen) << path;
        EXPECT_EQ(Mci().MciResult, static_cast<std::uint32_t>(code)) << path;
        EXPECT_EQ(Mci().SongLengthText, L"07:07") << path;
    }
}

TEST_F(MciTest, ClosingAnAliasThatIsNotOpenOnlyLeavesACode) {
    Mci().MciIsOpen = true;
    CloseSong(L"neveropened");
    EXPECT_FALSE(Mci().MciIsOpen);
    EXPECT_EQ(Mci().MciResult, 263u);
}

TEST_F(MciTest, StoppingAPlayingSongSendsTheAbortedNotice) {
    ASSERT_EQ(OpenSong(GetShortPath(longWav), kAlias), 0);
    ASSERT_EQ(PlaySong(window.Handle(), kAlias), 0);
    ASSERT_EQ(mciSendStringW(L"stop frmSS", nullptr, 0, nullptr), 0u);
    ASSERT_TRUE(WaitUntil([] { return Mci().SongAborted; }, 5000));
    EXPECT_FALSE(Mci().SongEnded);
    EXPECT_EQ(window.notices.back().code, static_cast<WPARAM>(MCI_NOTIFY_ABORTED));
}

// What the error box showed, read from inside its own message loop.
struct SeenBox {
    bool seen = false;
    std::wstring text;
    std::wstring caption;
    HWND owner = nullptr;
    bool topMost = false;
};
SeenBox g_box;

BOOL CALLBACK ReadAndCloseBox(HWND wnd, LPARAM) {
    wchar_t name[32] = {};
    GetClassNameW(wnd, name, 32);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(wnd)) {
        return TRUE;
    }
    wchar_t text[512] = {};
    GetDlgItemTextW(wnd, 0xFFFF, text, 512);
    wchar_t caption[128] = {};
    GetWindowTextW(wnd, caption, 128);
    g_box = {true, text, caption, GetWindow(wnd, GW_OWNER),
             (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0};
    PostMessageW(wnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK LookForBox(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_box.seen) {
        EnumThreadWindows(GetCurrentThreadId(), ReadAndCloseBox, 0);
    }
}

SeenBox ShowAndRead(long code, HWND owner) {
    g_box = SeenBox{};
    UINT_PTR timer = SetTimer(nullptr, 0, 50, LookForBox);
    ShowMciError(code, owner);
    KillTimer(nullptr, timer);
    return g_box;
}

std::wstring SystemText(long code) {
    wchar_t text[200] = {};
    mciGetErrorStringW(static_cast<MCIERROR>(code), text, 200);
    return text;
}

TEST_F(MciTest, ErrorBoxShowsTheSystemsTextForTheFailedOpen) {
    for (long code :
         {OpenSong(temp.File(L"Manca.mp3"), kAlias), OpenSong(GetShortPath(wav) + L"x", kAlias)}) {
        SeenBox box = ShowAndRead(code, nullptr);
        ASSERT_TRUE(box.seen) << code;
        EXPECT_FALSE(SystemText(code).empty()) << code;
        EXPECT_EQ(box.text, SystemText(code)) << code;
        EXPECT_EQ(box.caption, L"Brelvix");
        EXPECT_EQ(box.owner, nullptr);
    }
}

TEST_F(MciTest, ErrorBoxWithoutSystemTextSaysSo) {
    SeenBox box = ShowAndRead(1, nullptr);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.text, L"Errore generico nella periferica MCI");
}

TEST_F(MciTest, ErrorBoxStaysAboveATopMostOwner) {
    SongWindow topMost;
    ASSERT_TRUE(topMost.Create(WS_EX_TOPMOST));
    ShowWindow(topMost.Handle(), SW_SHOWNOACTIVATE);
    SeenBox box = ShowAndRead(277, topMost.Handle());
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.owner, topMost.Handle());
    EXPECT_TRUE(box.topMost);
    EXPECT_EQ(box.text, SystemText(277));
}

} // namespace
} // namespace brelvix
