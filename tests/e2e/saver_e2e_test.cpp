// The real Brelvix.scr running as a saver, driven the way a user drives it:
// keys and mouse through SendInput, what it plays read back from the
// settings it writes, and what it shows read from the screen.
#include "resources/resource_ids.h"
#include "resources/version.h"
#include "saver/input_rules.h"
#include "setup/setup_layout.h"
#include "win_support.h"
#include "winutil/graphics_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace brelvix {
namespace {

using namespace testing;

class SaverRun : public ::testing::Test {
  protected:
    void AddTunes(int count, double seconds) {
        for (int i = 1; i <= count; ++i) {
            paths_.push_back(
                songs_.Write(L"Tune " + std::to_wstring(i) + L".wav", WavBytes(seconds)));
        }
        fresh_.StoreList(paths_);
    }
    void Set(const wchar_t* key, const std::wstring& value) {
        fresh_.Store().Write(kSectionSetting, key, value);
    }
    std::wstring Read(const wchar_t* key) { return fresh_.Store().Read(kSectionSetting, key, L""); }
    // tests/e2e/monitors_e2e.sh names its run in BRELVIX_MONITOR_RUN on an X
    // server with real monitors; elsewhere the monitor tests are skipped.
    bool MonitorRun(const char* name, int monitors) {
        const char* run = std::getenv("BRELVIX_MONITOR_RUN");
        if (!run || std::string(run) != name) {
            return false;
        }
        EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), monitors);
        Set(L"UsableScreen", L"False");
        Set(L"Mute", L"True");
        return true;
    }
    // Starts the saver and waits until its status bar is up.
    void Start() {
        saver_.emplace(L"/S");
        ASSERT_TRUE(WaitUntil([&] { return Bar() != nullptr; }, 30000));
        Pause(0.5);
    }
    bool EndsWithin(DWORD timeoutMs) { return saver_->WaitForExit(timeoutMs); }
    // The full-screen window has no caption; the status bar is its child, or
    // a top-level window of its own on the usable screen.
    HWND Cover() { return FindWindowW(kFormClassName, L""); }
    HWND Bar() {
        HWND cover = Cover();
        return cover ? FindWindowExW(cover, nullptr, kFormClassName, L"Brelvix")
                     : FindWindowW(kFormClassName, L"Brelvix");
    }
    // The screen with the bar standing still in it (a bar that never stops
    // is taken at the hundredth look), and where the bar was.
    ScreenCapture Shot(POINT& barAt) {
        for (int look = 1;; ++look) {
            RECT before = OnScreen(Bar(), {0, 0, 0, 0});
            Pause(0.05); // the X server draws a moved window a moment later
            ScreenCapture shot;
            RECT after = OnScreen(Bar(), {0, 0, 0, 0});
            if ((before.left == after.left && before.top == after.top) || look == 100) {
                barAt = {after.left, after.top};
                return shot;
            }
        }
    }

    FreshProgramStore fresh_;
    TempFolder songs_;
    std::vector<std::wstring> paths_;
    std::optional<Scr> saver_;
};

RECT VirtualScreen() {
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255), Green = RGB(0, 255, 0),
         Yellow = RGB(255, 255, 0);

bool PointerShows() {
    CURSORINFO cursor{sizeof cursor, 0, nullptr, {}};
    return GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING);
}

// The About box of a right press at the top-left corner of at, once it shows.
HWND AboutBox(RECT at) {
    ClickAt({at.left, at.top}, true);
    HWND box = WaitForBox(L"About");
    // The box is made hidden and filled before it shows.
    WaitUntil([&] { return IsWindowVisible(box); }, 5000);
    return box;
}

// For the length of a test the shell's "mailto" handler is a command that
// writes the address it is given into a file.
struct MailHandler {
    MailHandler() {
        DWORD size = sizeof old;
        RegGetValueW(HKEY_CLASSES_ROOT, kKey, nullptr, RRF_RT_REG_SZ, nullptr, old, &size);
        Set(L"cmd.exe /c echo %1>\"" + file + L"\"");
    }
    ~MailHandler() { Set(old); }
    static void Set(const std::wstring& c) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, kKey, nullptr, REG_SZ, c.c_str(),
                        DWORD(c.size() * 2 + 2));
    }
    static constexpr wchar_t kKey[] = L"mailto\\shell\\open\\command";
    wchar_t old[512] = {};
    TempFolder folder;
    std::wstring file = folder.File(L"mailto.txt");
};

// Folders and names that once kept songs from opening: a "!" (MCI cuts a
// device name there), ".mid" or ".wav" short of the extension; and a file
// deleted from the middle of the list, which is passed over.
TEST_F(SaverRun, SongsFollowInOrderAndWrapWhileTheBarShowsThemAndTheClockTicks) {
    for (const wchar_t* folder : {L"Wham!", L"Best.Of.Midnight Oil", L"Old.wav files"}) {
        CreateDirectoryW(songs_.File(folder).c_str(), nullptr);
    }
    std::wstring mp3 = ProgramFolder() + L"\\fixtures\\tone-2s.mp3";
    for (const wchar_t* name : {L"Wham!\\Club Tropicana.mp3", L"Best.Of.Midnight Oil\\Beds.mp3"}) {
        CopyFileW(mp3.c_str(), songs_.File(name).c_str(), FALSE);
    }
    paths_ = {songs_.File(L"Wham!\\Club Tropicana.mp3"),
              songs_.Write(L"Wham!\\Gone.wav", WavBytes(1.5)),
              songs_.Write(L"Wham!\\Freedom.wav", WavBytes(1.5)),
              songs_.File(L"Best.Of.Midnight Oil\\Beds.mp3"),
              songs_.Write(L"Old.wav files\\x.mid.wav", WavBytes(1.5))};
    fresh_.StoreList(paths_);
    DeleteFileW(paths_[1].c_str());
    Set(L"MusicFile", paths_[0]);
    Set(L"UsableScreen", L"False");
    saver_.emplace(L"/S");
    std::vector<std::wstring> started;
    bool shown = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            if (started.empty() || started.back() != Read(L"MusicFile")) {
                started.push_back(Read(L"MusicFile"));
            }
            if (!shown && started.size() == 2 && Bar()) {
                POINT at{};
                ScreenCapture shot = Shot(at);
                shot.Save(L"full-screen.bmp");
                EXPECT_GT(shot.Count({0, 0, 400, 50}, Yellow), 100) << "the clock's text";
                EXPECT_EQ(shot.At(2, 20), Black) << "on a black box";
                EXPECT_EQ(shot.At(at.x + 175, at.y > 300 ? at.y - 100 : at.y + 200), Black)
                    << "on the black field";
                EXPECT_GT(shot.Count({at.x + 22, at.y + 6, at.x + 287, at.y + 22}, White), 20)
                    << "the song's title, white on navy";
                EXPECT_GT(shot.Count({at.x + 10, at.y + 44, at.x + 50, at.y + 60}, Green), 10)
                    << "its length";
                shown = true;
            }
            EXPECT_EQ(FindWindowW(L"#32770", L"Brelvix"), nullptr) << "no error box";
            return started.size() >= 5;
        },
        60000));
    EXPECT_EQ(started,
              (std::vector<std::wstring>{paths_[0], paths_[2], paths_[3], paths_[4], paths_[0]}));
    PressKey(VK_SPACE);
    EXPECT_TRUE(EndsWithin(5000));
}

TEST_F(SaverRun, MutedOverTheFrozenDesktopOnlyKeysAndPlainLeftClicksEndItAndF1ComesBack) {
    // A patch of colour that changes once the saver is up: the saver must
    // go on showing it as it was.
    HWND patch = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP | WS_VISIBLE, 700, 560,
                                 120, 100, nullptr, nullptr, nullptr, nullptr);
    auto paint = [&](COLORREF colour) {
        WindowDc dc(patch);
        FillSolid(dc.Get(), {0, 0, 120, 100}, colour);
        GdiFlush();
        Pause(0.3);
    };
    Pause(0.3); // its own first paint, before the colour goes on
    paint(RGB(255, 0, 255));
    // The patch is on the screen before the saver takes its picture.
    ASSERT_TRUE(WaitUntil(
        [&] {
            SetWindowPos(patch, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            paint(RGB(255, 0, 255));
            return ScreenCapture().At(760, 610) == RGB(255, 0, 255);
        },
        5000));
    AddTunes(2, 3);
    Set(L"UsableScreen", L"0");
    Set(L"BlackScreen", L"False");
    Set(L"Mute", L"True");
    Start();
    EXPECT_LT(ProgramCpuOver(2), 0.25) << "the saver sleeps between its passes";
    paint(RGB(0, 255, 255));
    POINT at{};
    std::optional<ScreenCapture> shot;
    // The knob at its design position, once the bar has drawn it.
    EXPECT_TRUE(
        WaitUntil([&] { return (shot = Shot(at))->At(at.x + 328, at.y + 80) == White; }, 3000));
    shot->Save(L"full-screen-desktop.bmp");
    EXPECT_EQ(shot->At(760, 610), RGB(255, 0, 255));
    EXPECT_EQ(Read(L"MusicFile"), L"") << "nothing plays";
    DestroyWindow(patch);
    // Pressing Shift or Ctrl is itself a key that ends the saver, so the
    // presses with a shift state arrive as the messages a held key gives.
    HWND cover = Cover();
    PostMessageW(cover, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(300, 400));
    PostMessageW(cover, WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(300, 400));
    PostMessageW(cover, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(300, 400));
    EXPECT_FALSE(EndsWithin(800));
    // F1, a song removed, Cancel; F1 again and OK: the list the second
    // dialog shows is the one stored.
    auto openSetup = [&] {
        SetForegroundWindow(Cover());
        PressKey(VK_F1);
        HWND setup = nullptr;
        WaitUntil(
            [&] {
                return (setup = FindWindowW(kFormClassName, L"Brelvix")) &&
                       IsWindowVisible(setup) && !Cover();
            },
            10000);
        SetForegroundWindow(setup);
        Pause(0.2);
        return setup;
    };
    ASSERT_NE(openSetup(), nullptr);
    PressKeys({VK_MENU, 'R'});
    ASSERT_NE(WaitForBox(L"Remove"), nullptr);
    PressKey('Y');
    ASSERT_TRUE(WaitUntil([] { return FindWindowW(L"#32770", L"Remove") == nullptr; }, 5000));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return Cover() && Bar(); }, 10000)) << "back after Cancel";
    HWND setup = openSetup();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(SendMessageW(GetDlgItem(setup, kIdList), LB_GETCOUNT, 0, 0), 1);
    PressKeys({VK_MENU, 'U'}); // Mute off, then OK by its mnemonic
    PressKeys({VK_MENU, 'O'});
    ASSERT_TRUE(WaitUntil([&] { return Cover() && Bar(); }, 10000)) << "the saver comes back";
    EXPECT_TRUE(WaitUntil([&] { return Read(L"MusicFile") == paths_[1]; }, 5000)) << "and plays";
    EXPECT_EQ(Read(L"LocalFileCount") + fresh_.Store().Read(kSectionFileList, L"LocalFile1", L""),
              L"1" + paths_[1]);
    ClickAt({300, 400});
    EXPECT_TRUE(EndsWithin(5000));
    SecureSaverSetting locked(L"1");
    Start();
    PressKey(VK_F1);
    EXPECT_TRUE(EndsWithin(5000)) << "F1 on a locked resume ends like any key";
}

TEST_F(SaverRun, TheUsableScreenBarIgnoresKeysAndClicksDragsShowsTheBoxAndClosesOnItsGlyph) {
    MailHandler handler;
    AddTunes(1, 5);
    Set(L"UsableScreen", L"True");
    Start();
    EXPECT_EQ(Cover(), nullptr);
    HWND bar = Bar();
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ScreenCapture().Save(L"usable-screen.bmp");
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT before = OnScreen(bar, {0, 0, 0, 0}); // centred in the work area's size
    EXPECT_NEAR(before.left, (work.right - work.left - 350) / 2, 1);
    EXPECT_NEAR(before.top, (work.bottom - work.top - 101) / 2, 1);
    before = OnScreen(bar, {150, 50, 150, 50});
    PressKey(VK_SPACE);
    PressKey(VK_F1);
    ClickAt({before.left, before.top});
    EXPECT_FALSE(EndsWithin(800));
    DragMouse({before.left, before.top}, {before.left + 100, before.top + 80});
    RECT after = OnScreen(bar, {150, 50, 150, 50});
    EXPECT_NEAR(after.left - before.left, 100, 4);
    EXPECT_NEAR(after.top - before.top, 80, 4);
    // The About box of a right press: no hint, and links that start nothing while locked.
    for (const wchar_t* locked : {L"1", L"0"}) {
        SecureSaverSetting secure(locked);
        HWND box = AboutBox(after);
        EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBLABOUT))[0], L'\r') << "no hint";
        RECT mail = OnScreen(GetDlgItem(box, IDC_LBLMAILTO), {0, 0, 38, 15});
        int plain = ScreenCapture().Count(mail, RGB(0, 0, 255));
        SendAll({MouseInput(MOUSEEVENTF_MOVE, {mail.left + 20, mail.top + 5})});
        EXPECT_GT(ScreenCapture().Count(mail, RGB(0, 0, 255)), plain + 10) << "underlined";
        ClickAt({mail.left + 20, mail.top + 5});
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 2000));
        auto launched = [&] { return GetFileAttributesW(handler.file.c_str()) != ~0u; };
        EXPECT_EQ(WaitUntil(launched, 5000), *locked == L'0') << locked;
    }
    RECT glyph = OnScreen(bar, {292 + 44, 4 + 8, 0, 0});
    ClickAt({glyph.left, glyph.top});
    EXPECT_TRUE(EndsWithin(5000));
}

TEST_F(SaverRun, ACorruptFirstSongShowsTheErrorOnceAboveTheSaverAndARightClickTheHintBox) {
    paths_.push_back(songs_.Write(L"Broken song.wav", std::string(3000, 'Z')));
    fresh_.StoreList(paths_);
    Set(L"UsableScreen", L"False");
    saver_.emplace(L"/S");
    HWND box = WaitForBox(L"Brelvix", 30000);
    ASSERT_NE(box, nullptr);
    wchar_t expected[256] = {};
    mciGetErrorStringW(296, expected, 256);
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), expected);
    EXPECT_EQ(GetWindow(box, GW_OWNER), Cover()); // above the saver, not hidden behind it
    EXPECT_TRUE(WaitUntil(PointerShows, 3000)) << "the pointer shows over the box";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    EXPECT_TRUE(WaitUntil([] { return !PointerShows(); }, 3000)) << "and is hidden after it";
    EXPECT_FALSE(EndsWithin(1000));
    EXPECT_EQ(FindWindowW(L"#32770", L"Brelvix"), nullptr);
    // The box on top for ten seconds; the saver goes on, its pointer hidden again.
    box = AboutBox({100, 700, 0, 0});
    ULONGLONG shown = GetTickCount64();
    EXPECT_TRUE(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // The title line, the hint, and a blank line, once the box has filled in its text.
    std::wstring top = std::wstring(L"Brelvix  \u2013  version " BRELVIX_VERSION_TEXT L"\r") +
                       kAboutHint + L"\r\r";
    EXPECT_TRUE(WaitUntil(
        [&] { return TextOf(GetDlgItem(box, IDC_LBLABOUT)).substr(0, 73) == top; }, 2000));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 12000));
    EXPECT_NEAR(static_cast<double>(GetTickCount64() - shown), 10000, 500);
    // The saver hides the pointer just after the box has gone.
    EXPECT_TRUE(WaitUntil([] { return !PointerShows(); }, 2000)) << "hidden again";
    PressKey(VK_SPACE);
    EXPECT_TRUE(EndsWithin(5000)) << "keys reach the saver again";
}

// A white window: content that a monitor's desktop shows.
struct Patch {
    explicit Patch(const RECT& r)
        : wnd(CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE | SS_WHITERECT, r.left,
                              r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr,
                              nullptr)) {}
    ~Patch() { DestroyWindow(wnd); }
    Patch(const Patch&) = delete;
    Patch& operator=(const Patch&) = delete;
    HWND wnd;
};

// With two monitors the second is left of the primary (x negative). Away
// from the bar, which starts in the primary's middle and wanders down
// and right.
constexpr RECT kOnSecond{-700, 300, -500, 500}, kOnPrimary{60, 600, 260, 740};

TEST_F(SaverRun, TwoMonitorsAreCoveredBlackOrEachWithItsOwnDesktopAndTheBarKeepsToThePrimary) {
    if (!MonitorRun("two", 2)) {
        GTEST_SKIP() << "run by e2e-monitors";
    }
    for (const wchar_t* black : {L"False", L"True"}) {
        std::optional<Patch> second(std::in_place, kOnSecond);
        std::optional<Patch> primary(std::in_place, kOnPrimary);
        ASSERT_TRUE(
            WaitUntil([] { return ScreenCapture(VirtualScreen()).At(-600, 400) == White; }, 5000));
        Set(L"BlackScreen", black);
        Start();
        RECT cover{}, screens = VirtualScreen();
        GetWindowRect(Cover(), &cover);
        EXPECT_TRUE(EqualRect(&cover, &screens)) << cover.left << "," << cover.right;
        // What still shows of the desktop now is the saver's own picture.
        second.reset();
        primary.reset();
        RECT bar = OnScreen(Bar(), {0, 0, 350, 101});
        EXPECT_NEAR(bar.left, (1024 - 350) / 2, 60) << "centred on the primary";
        EXPECT_NEAR(bar.top, (768 - 101) / 2, 60);
        ScreenCapture all(screens);
        all.Save(*black == L'T' ? L"monitors-black.bmp" : L"monitors-snapshot.bmp");
        bool snapshot = *black == L'F';
        EXPECT_EQ(all.Count(kOnSecond, snapshot ? White : Black), 40000) << black;
        EXPECT_EQ(all.Count(kOnPrimary, snapshot ? White : Black), 28000) << black;
        EXPECT_GT(all.Count({0, 0, 400, 50}, Yellow), 100) << "the clock on the primary";
        EXPECT_EQ(all.Count({-800, 0, 0, 100}, Yellow), 0);
        for (int look = 0; look < 10; ++look, Pause(0.1)) {
            bar = OnScreen(Bar(), {0, 0, 350, 101});
            EXPECT_TRUE(bar.left >= 0 && bar.right <= 1024 && bar.bottom <= 768) << bar.left;
        }
        PressKey(VK_SPACE);
        EXPECT_TRUE(EndsWithin(5000));
    }
}

// The script turns the second monitor on while this saver runs.
TEST_F(SaverRun, ACoverFollowsAMonitorPluggedInWhileItRunsBlackWhereItHasNoPicture) {
    if (!MonitorRun("change", 1)) {
        GTEST_SKIP() << "run by e2e-monitors";
    }
    Set(L"BlackScreen", L"False");
    std::optional<Patch> primary(std::in_place, kOnPrimary);
    // Off every screen until the new monitor comes: content there that only
    // an uncovered desktop would show.
    Patch second(kOnSecond);
    ASSERT_TRUE(WaitUntil([] { return ScreenCapture().At(160, 670) == White; }, 5000));
    Start();
    primary.reset();
    ASSERT_TRUE(WaitUntil([] { return GetSystemMetrics(SM_CMONITORS) == 2; }, 60000));
    RECT cover{}, screens = VirtualScreen();
    EXPECT_TRUE(WaitUntil(
        [&] { return GetWindowRect(Cover(), &cover) && EqualRect(&cover, &screens); }, 3000))
        << cover.left << "," << cover.right;
    std::optional<ScreenCapture> all;
    EXPECT_TRUE(WaitUntil(
        [&] {
            all.emplace(screens);
            return all->Count({-800, 0, 0, 768}, Black) == 800 * 768;
        },
        3000))
        << "black where the snapshot has no picture";
    all->Save(L"monitors-display-change.bmp");
    EXPECT_EQ(all->Count(kOnPrimary, White), 28000) << "the snapshot where it was";
    auto clock = [] { return ScreenCapture().Count({0, 0, 400, 50}, Yellow) > 100; };
    EXPECT_TRUE(WaitUntil(clock, 3000)) << "the clock at the primary's corner";
    // Straight to the cover: without a window manager, Wine may leave the
    // focus with this program's patch once the layout has changed.
    PostMessageW(Cover(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(EndsWithin(5000));
}

TEST_F(SaverRun, GroupPolicyAloneLocksTheSaverWhichThenCoversTheUsableScreenAndEndsOnF1) {
    SecureSaverSetting policy(L"1", kPolicyControlPanel);
    Set(L"UsableScreen", L"True");
    Start();
    RECT cover{}, screens = VirtualScreen();
    ASSERT_TRUE(GetWindowRect(Cover(), &cover));
    EXPECT_TRUE(EqualRect(&cover, &screens));
    PressKey(VK_F1);
    EXPECT_TRUE(EndsWithin(5000)) << "no setup dialog on the unlocked desktop";
    EXPECT_EQ(Read(L"UsableScreen"), L"True");
}

TEST_F(SaverRun, ALockingSaverEndsWhenAnotherProgramTakesTheForegroundFromItOrItsBoxes) {
    paths_.push_back(songs_.Write(L"Broken song.wav", std::string(3000, 'Z')));
    fresh_.StoreList(paths_);
    Set(L"UsableScreen", L"False");
    enum Up { CoverAlone, HintBox, ErrorBox };
    // Starts the saver with that up; returns the cover or the box.
    auto bringUp = [&](Up up) -> HWND {
        Set(L"Mute", up == ErrorBox ? L"False" : L"True");
        saver_.emplace(L"/S");
        if (up == ErrorBox) {
            return WaitForBox(L"Brelvix", 30000);
        }
        if (!WaitUntil([&] { return Bar() != nullptr; }, 30000)) {
            return nullptr;
        }
        return up == HintBox ? AboutBox({100, 700, 0, 0}) : Cover();
    };
    for (const wchar_t* locked : {L"1", L"0"}) {
        SecureSaverSetting secure(locked);
        for (Up up : {CoverAlone, HintBox, ErrorBox}) {
            HWND shown = bringUp(up);
            ASSERT_TRUE(WaitUntil([&] { return shown && GetForegroundWindow() == shown; }, 5000))
                << "the saver holds the foreground, up " << up;
            // As a program that a hot key starts would.
            HWND other = CreateWindowExW(0, L"Static", L"Taker", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                         40, 40, 300, 200, nullptr, nullptr, nullptr, nullptr);
            SetForegroundWindow(other);
            EXPECT_EQ(GetForegroundWindow(), other) << up;
            EXPECT_EQ(EndsWithin(1000), *locked == L'1') << "locked " << locked << ", up " << up;
            EXPECT_EQ(IsWindow(shown) != FALSE, *locked == L'0') << up;
            DestroyWindow(other);
        }
    }
}

} // namespace
} // namespace brelvix
