// The real Brelvix.scr running as a saver, driven the way a user drives it:
// keys and mouse through SendInput, what it plays read back from the
// settings it writes, and what it shows read from the screen.
#include "resources/resource_ids.h"
#include "saver/input_rules.h"
#include "setup/setup_layout.h"
#include "statusbar/status_bar_layout.h"
#include "win_support.h"
#include "winutil/graphics_win.h"
#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace brelvix {
namespace {

using namespace testing;

RECT VirtualScreen() {
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT BarSize() {
    return Px(TwipsRect{0, 0, kStatusBarWidthTwips, kStatusBarHeightTwips});
}

class SaverRun : public ::testing::Test {
  protected:
    void SetUp() override { Set(L"UsableScreen", L"False"); }
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
        return true;
    }
    // Starts the saver and waits until its loop runs, over the full screen
    // until it has painted.
    void Start() {
        saver_.emplace(L"/S");
        ASSERT_TRUE(
            WaitUntil([&] { return Bar() != nullptr; }, 60000)); // a busy machine starts slowly
        ASSERT_TRUE(Cover() ? KeepsRunning() : Answers(Bar()));
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
    static POINT Corner(HWND wnd) {
        RECT at = OnScreen(wnd, {});
        return {at.left, at.top};
    }
    // Whether the bar moves that many times more. Over the full screen it
    // moves on every pass of the saver's loop, after the pass has handled the
    // input that came; a saver that ends, or that a box holds, moves it no more.
    bool KeepsRunning(int moves = 2) {
        HWND bar = Bar();
        auto corner = [&] { return std::pair(Corner(bar).x, Corner(bar).y); };
        return Changes(corner, moves) && IsWindow(bar);
    }

    FreshProgramStore fresh_;
    TempFolder songs_;
    std::vector<std::wstring> paths_;
    std::optional<Scr> saver_;
};

COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255), Green = RGB(0, 255, 0),
         Yellow = RGB(255, 255, 0), Blue = RGB(0, 0, 255);

// The middle of the bar's close glyph when its corner is at bar.
POINT CloseGlyph(POINT bar) {
    int tpp = ScreenTwipsPerPixel();
    RECT strip = Px(CaptionStripRect(BarSize().right * tpp, tpp, tpp), bar);
    return {strip.left + kCloseGlyphLeftPixel + kGlyphPixelWidth / 2,
            strip.top + kGlyphTopPixel + kGlyphPixelHeight / 2};
}

bool PointerShows() {
    CURSORINFO cursor{sizeof cursor, 0, nullptr, {}};
    return GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING);
}

// The About box of a right press at, once it shows.
HWND AboutBox(POINT at) {
    ClickAt(at, true);
    return WaitForBox(L"About");
}

// For the length of a test the shell's "mailto" handler is a command that
// adds the address it is given to a file, a line each time.
struct MailHandler {
    MailHandler() {
        DWORD size = sizeof old;
        RegGetValueW(HKEY_CLASSES_ROOT, kKey, nullptr, RRF_RT_REG_SZ, nullptr, old, &size);
        Set(L"cmd.exe /c echo %1>>\"" + file + L"\"");
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

// A white window: content that a monitor's desktop shows, or another program.
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

// Folders and names that once kept songs from opening: a "!" (MCI cuts a
// device name there), ".mid" or ".wav" short of the extension; and a file
// deleted from the middle of the list, which is passed over.
TEST_F(SaverRun, SongsFollowInOrderAndWrapPassingOverADeletedOne) {
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
    saver_.emplace(L"/S");
    std::vector<std::wstring> started;
    ASSERT_TRUE(WaitUntil(
        [&] {
            if (started.empty() || started.back() != Read(L"MusicFile")) {
                started.push_back(Read(L"MusicFile"));
                if (started.size() == 2 && Bar()) {
                    ScreenCapture().Save(L"full-screen.bmp");
                }
            }
            return started.size() >= 5;
        },
        60000));
    EXPECT_EQ(started,
              (std::vector<std::wstring>{paths_[0], paths_[2], paths_[3], paths_[4], paths_[0]}));
    PressKey(VK_SPACE);
    EXPECT_TRUE(EndsWithin(5000));
}

// Over the frozen desktop; then F1, a song removed, Cancel; F1 again and OK:
// the list the second dialog shows is the one stored.
TEST_F(SaverRun, MutedOverTheFrozenDesktopOnlyPlainPressesEndItAndF1ComesBackWithTheStoredList) {
    // A white patch that turns cyan once the saver is up: the saver must go
    // on showing it white. (A window that paints itself white stays white
    // whenever it repaints before the saver takes its picture.) Low on the
    // left, where the bar, wandering down and right from the middle, is not.
    std::optional<Patch> patch(std::in_place, RECT{60, 600, 180, 700});
    SetWindowPos(patch->wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(WaitUntil([] { return ScreenCapture().At(120, 650) == White; }, 5000));
    AddTunes(2, 3);
    Set(L"BlackScreen", L"False");
    Set(L"Mute", L"True");
    Start();
    EXPECT_LT(ProgramCpuOver(2), 0.25) << "the saver sleeps between its passes";
    FillSolid(WindowDc(patch->wnd).Get(), {0, 0, 120, 100}, RGB(0, 255, 255));
    ASSERT_TRUE(KeepsRunning()) << "two passes drawn since";
    EXPECT_EQ(ScreenCapture().At(120, 650), White);
    EXPECT_EQ(Read(L"MusicFile"), L"") << "nothing plays";
    patch.reset();
    // Pressing Shift or Ctrl is itself a key that ends the saver, so the
    // presses with a shift state arrive as the messages a held key gives.
    HWND cover = Cover();
    PostMessageW(cover, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(300, 400));
    PostMessageW(cover, WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(300, 400));
    PostMessageW(cover, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(300, 400));
    EXPECT_TRUE(KeepsRunning()) << "after a shifted left, a right and a middle press";
    auto openSetup = [&] {
        BringToFront(Cover());
        PressKey(VK_F1);
        HWND setup = nullptr;
        WaitUntil(
            [&] {
                return (setup = FindWindowW(kFormClassName, L"Brelvix")) &&
                       IsWindowVisible(setup) && !Cover();
            },
            10000);
        return BringToFront(setup) ? setup : nullptr;
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
    ClickAt({300, 400});
    EXPECT_TRUE(EndsWithin(5000));
}

// Beside the usable screen the About box has no hint, and its links start
// nothing while the saver locks.
TEST_F(SaverRun,
       TheUsableScreenBarShowsTheSongIgnoresKeysDragsShowsTheAboutBoxAndClosesOnItsGlyph) {
    MailHandler handler;
    AddTunes(2, 1);
    Set(L"UsableScreen", L"True");
    Start();
    HWND bar = Bar();
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT work{}, size = BarSize();
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    POINT before = Corner(bar); // centred in the work area's size
    EXPECT_NEAR(before.x, (work.right - work.left - size.right) / 2, 1);
    EXPECT_NEAR(before.y, (work.bottom - work.top - size.bottom) / 2, 1);
    // Here the bar stands still: its labels are read where the layout puts them.
    auto labels = [&] {
        ScreenCapture shot(OnScreen(bar));
        return shot.Count(Px(kFileLabel.rect, before), White) > 20 &&
               shot.Count(Px(kLengthLabel.rect, before), Green) > 10;
    };
    EXPECT_TRUE(WaitUntil(labels, 5000)) << "the song's title white on navy, its length green";
    ScreenCapture().Save(L"usable-screen.bmp");
    POINT grip{before.x + size.right / 2, before.y + size.bottom / 2};
    PressKey(VK_SPACE);
    PressKey(VK_F1);
    ClickAt(grip);
    // Two more songs: beside the usable screen the loop goes on after them.
    EXPECT_TRUE(Changes([&] { return Read(L"MusicFile"); }, 2)) << "after a key, F1 and a click";
    DragMouse(grip, {grip.x + 100, grip.y + 80});
    POINT after = Corner(bar);
    EXPECT_NEAR(after.x - before.x, 100, 4);
    EXPECT_NEAR(after.y - before.y, 80, 4);
    // The locked press first: the launch of the open one is the sign that
    // any launch of the locked one would have come by then.
    for (const wchar_t* locked : {L"1", L"0"}) {
        SecureSaverSetting secure(locked);
        HWND box = AboutBox(Middle(OnScreen(bar)));
        EXPECT_EQ(TextOf(GetDlgItem(box, IDC_LBLABOUT))[0], L'\r') << "no hint";
        RECT mail = OnScreen(GetDlgItem(box, IDC_LBLMAILTO));
        auto blue = [&] { return ScreenCapture(mail).Count(mail, Blue); };
        int plain = 0;
        EXPECT_TRUE(WaitUntil([&] { return (plain = blue()) > 10; }, 2000));
        SendAll({MouseInput(MOUSEEVENTF_MOVE, Middle(mail))});
        EXPECT_TRUE(WaitUntil([&] { return blue() > plain + 10; }, 2000)) << "underlined";
        ClickAt(Middle(mail));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 2000)) << locked;
    }
    auto launches = [&] {
        std::ifstream file{std::filesystem::path(handler.file)};
        return std::count(std::istreambuf_iterator<char>(file), {}, '\n');
    };
    EXPECT_TRUE(WaitUntil([&] { return launches() > 0; }, 5000));
    EXPECT_EQ(launches(), 1);
    ClickAt(CloseGlyph(after));
    EXPECT_TRUE(EndsWithin(5000));
}

// The error box, then the hint box of a right press, on top for ten seconds:
// the saver goes on after each, its pointer hidden again.
TEST_F(SaverRun, ACorruptFirstSongShowsTheErrorOnceAndARightPressTheHintBoxAboveTheSaver) {
    paths_.push_back(songs_.Write(L"Broken song.wav", std::string(3000, 'Z')));
    fresh_.StoreList(paths_);
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
    EXPECT_TRUE(KeepsRunning());
    EXPECT_EQ(FindWindowW(L"#32770", L"Brelvix"), nullptr) << "once";
    box = AboutBox({100, 700});
    ULONGLONG shown = GetTickCount64();
    EXPECT_TRUE(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return TextOf(GetDlgItem(box, IDC_LBLABOUT)).find(kAboutHint) != std::wstring::npos;
        },
        2000));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 12000));
    EXPECT_NEAR(static_cast<double>(GetTickCount64() - shown), 10000, 500);
    EXPECT_TRUE(WaitUntil([] { return !PointerShows(); }, 2000)) << "hidden again";
    PressKey(VK_SPACE);
    EXPECT_TRUE(EndsWithin(5000)) << "keys reach the saver again";
}

// With two monitors the second is left of the primary (x negative). Away
// from the bar, which starts in the primary's middle and wanders down
// and right.
constexpr RECT kOnSecond{-700, 300, -500, 500}, kOnPrimary{60, 600, 260, 740};

TEST_F(SaverRun, TwoMonitorsAreCoveredBlackOrEachWithItsOwnDesktopAndTheBarKeepsToThePrimary) {
    if (!MonitorRun("two", 2)) {
        GTEST_SKIP() << "run by e2e-monitors";
    }
    for (auto [black, desktop] : {std::pair{L"False", White}, {L"True", Black}}) {
        std::optional<Patch> second(std::in_place, kOnSecond);
        std::optional<Patch> primary(std::in_place, kOnPrimary);
        ASSERT_TRUE(
            WaitUntil([] { return ScreenCapture(VirtualScreen()).At(-600, 400) == White; }, 5000));
        Set(L"BlackScreen", black);
        Start();
        // What still shows of the desktop now is the saver's own picture.
        second.reset();
        primary.reset();
        RECT size = BarSize(), bar = OnScreen(Bar(), size);
        EXPECT_NEAR(bar.left, (1024 - size.right) / 2, 60) << "centred on the primary";
        EXPECT_NEAR(bar.top, (768 - size.bottom) / 2, 60);
        ScreenCapture all(VirtualScreen());
        all.Save(desktop == Black ? L"monitors-black.bmp" : L"monitors-snapshot.bmp");
        EXPECT_EQ(all.Count(kOnSecond, desktop), 40000) << black;
        EXPECT_EQ(all.Count(kOnPrimary, desktop), 28000) << black;
        EXPECT_GT(all.Count({0, 0, 400, 50}, Yellow), 100) << "the clock on the primary";
        saver_.reset(); // the next patches show on the desktop
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
    std::optional<ScreenCapture> all;
    EXPECT_TRUE(WaitUntil(
        [&] {
            all.emplace(VirtualScreen());
            return all->Count({-800, 0, 0, 768}, Black) == 800 * 768;
        },
        6000))
        << "black where the snapshot has no picture";
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
    EXPECT_NE(Cover(), nullptr);
    PressKey(VK_F1);
    EXPECT_TRUE(EndsWithin(5000)) << "no setup dialog on the unlocked desktop";
}

// Unlocked, only the cover alone is tried: what keeps the saver then keeps
// its boxes too.
TEST_F(SaverRun, ALockingSaverEndsWhenAnotherProgramTakesTheForegroundFromItOrItsBoxes) {
    paths_.push_back(songs_.Write(L"Broken song.wav", std::string(3000, 'Z')));
    fresh_.StoreList(paths_);
    enum Up { CoverAlone, HintBox, ErrorBox };
    const char* const names[] = {"the cover alone", "the hint box", "the error box"};
    const std::pair<const wchar_t*, Up> runs[] = {
        {L"1", CoverAlone}, {L"1", HintBox}, {L"1", ErrorBox}, {L"0", CoverAlone}};
    for (auto [locked, up] : runs) {
        SecureSaverSetting secure(locked);
        Set(L"Mute", up == ErrorBox ? L"False" : L"True");
        HWND shown = nullptr;
        if (up == ErrorBox) {
            saver_.emplace(L"/S");
            shown = WaitForBox(L"Brelvix", 30000);
        } else {
            Start();
            shown = up == HintBox ? AboutBox({100, 700}) : Cover();
        }
        ASSERT_TRUE(WaitUntil([&] { return shown && GetForegroundWindow() == shown; }, 5000))
            << "the saver holds the foreground, up " << names[up];
        Patch other({40, 40, 340, 240}); // as a program that a hot key starts would
        SetForegroundWindow(other.wnd);
        EXPECT_EQ(GetForegroundWindow(), other.wnd) << names[up];
        // The saver has been told once its thread has come round; unlocked it
        // then runs two passes more.
        bool unlocked = *locked == L'0';
        EXPECT_TRUE(unlocked ? KeepsRunning() : EndsWithin(5000))
            << "locked " << locked << ", up " << names[up];
        EXPECT_EQ(IsWindow(shown) != FALSE, unlocked) << names[up];
    }
}

} // namespace
} // namespace brelvix
