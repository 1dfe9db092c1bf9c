// The real Brelvix.scr running as a saver, driven the way a user drives it:
// keys and mouse through SendInput, what it plays read back from the
// settings it writes, and what it shows read from the screen.
#include "media_fixtures.h"
#include "saver/instance_win.h"
#include "saver_process.h"
#include "user_input.h"
#include "winutil/message_pump_win.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <optional>
#include <vector>

namespace brelvix {
namespace {

using namespace brelvix::testing;

constexpr DWORD kStartTimeout = 30000;

class SaverRun : public ::testing::Test {
  protected:
    void TearDown() override {
        if (saver_) {
            saver_->Kill();
        }
    }

    std::wstring AddSong(const std::wstring& name, const std::string& bytes) {
        std::wstring path = songs_.File(name);
        WriteFileBytes(path, bytes);
        paths_.push_back(path);
        Store().Write(kSectionFileList, L"LocalFile" + std::to_wstring(paths_.size()), path);
        Store().Write(kSectionSetting, L"LocalFileCount", std::to_wstring(paths_.size()));
        return path;
    }
    void AddTunes(int count, double seconds) {
        for (int i = 1; i <= count; ++i) {
            AddSong(L"Tune " + std::to_wstring(i) + L".wav", WavBytes(seconds));
        }
    }
    void Set(const wchar_t* key, const std::wstring& value) {
        Store().Write(kSectionSetting, key, value);
    }
    RegistryStore& Store() { return fresh_.Store(); }

    // Starts the saver and waits until its status bar is up.
    void Start(const std::wstring& arguments = L"/S") {
        saver_.emplace(ScrPath(), arguments);
        ASSERT_TRUE(saver_->Started());
        ASSERT_TRUE(WaitUntil([&] { return StatusBar() != nullptr; }, kStartTimeout));
        Pause(0.5);
    }
    bool Running() { return !saver_->WaitForExit(0); }
    // Milliseconds until the saver ended, or -1 if it still runs after timeoutMs.
    long long EndsWithin(DWORD timeoutMs) {
        ULONGLONG start = GetTickCount64();
        if (!saver_->WaitForExit(timeoutMs)) {
            return -1;
        }
        return static_cast<long long>(GetTickCount64() - start);
    }

    // The status bar: a top-level window in usable-screen mode, a child of the
    // full-screen window otherwise.
    HWND StatusBar() {
        HWND cover = Cover();
        HWND found = cover ? FindWindowExW(cover, nullptr, kFormClassName, L"Brelvix")
                           : FindWindowW(kFormClassName, L"Brelvix");
        return found;
    }
    // The full-screen window: the program's top-level window with no caption.
    HWND Cover() { return FindWindowW(kFormClassName, L""); }

    POINT StatusBarPoint(int x, int y) {
        POINT p{x, y};
        ClientToScreen(StatusBar(), &p);
        return p;
    }

    FreshProgramStore fresh_;
    TempFolder songs_;
    std::vector<std::wstring> paths_;
    std::optional<ChildProcess> saver_;
};

TEST_F(SaverRun, SongsFollowOneAnotherAndWrap) {
    AddTunes(3, 2.0);
    Set(L"MusicFile", paths_[0]);
    Set(L"UsableScreen", L"False");
    std::vector<std::wstring> started;
    auto music = [&] { return Store().Read(kSectionSetting, L"MusicFile", L""); };
    saver_.emplace(ScrPath(), L"/S");
    ASSERT_TRUE(WaitUntil(
        [&] {
            if (started.empty() || started.back() != music()) {
                started.push_back(music());
            }
            return started.size() >= 4;
        },
        20000));
    // The saved song starts first; each song that follows is recorded.
    const std::vector<std::wstring> expected = {paths_[0], paths_[1], paths_[2], paths_[0]};
    EXPECT_EQ(started, expected);
    PressKey(VK_SPACE);
    long long took = EndsWithin(5000);
    EXPECT_GE(took, 0);
    std::printf("key to process end: %lld ms\n", took);
}

TEST_F(SaverRun, OnlyAPlainLeftClickOrAKeyEndsTheFullScreenSaver) {
    Set(L"UsableScreen", L"False");
    Start();
    // Pressing Shift or Ctrl is itself a key that ends the saver, so the
    // presses with a shift state arrive as the messages a held key gives.
    HWND cover = Cover();
    LPARAM at = MAKELPARAM(300, 40);
    PostMessageW(cover, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at);
    PostMessageW(cover, WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, at);
    PostMessageW(cover, WM_MBUTTONDOWN, MK_MBUTTON, at);
    EXPECT_EQ(EndsWithin(800), -1);
    ClickAt({300, 40});
    EXPECT_GE(EndsWithin(5000), 0);
}

TEST_F(SaverRun, F1RunsTheSetupPhaseAndComesBack) {
    Set(L"UsableScreen", L"False");
    Start();
    HWND before = Cover();
    PressKey(VK_F1);
    // The session ends (its window goes), the setup phase runs, a new session starts.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(before); }, 5000));
    ASSERT_TRUE(WaitUntil([&] { return Cover() != nullptr && StatusBar() != nullptr; }, 10000));
    EXPECT_TRUE(Running());
    Pause(0.5);
    PressKey(VK_ESCAPE);
    EXPECT_GE(EndsWithin(5000), 0);
}

TEST_F(SaverRun, F1OnALockedResumeEndsLikeAnyKey) {
    SecureSaverSetting locked(L"1");
    Set(L"UsableScreen", L"False");
    Start();
    PressKey(VK_F1);
    // Had F1 opened the setup phase, the saver would have come back.
    EXPECT_GE(EndsWithin(5000), 0);
}

TEST_F(SaverRun, UsableScreenIgnoresKeysAndClicksAndClosesOnItsGlyph) {
    AddTunes(1, 5);
    Set(L"UsableScreen", L"True");
    Start();
    HWND bar = StatusBar();
    ASSERT_NE(bar, nullptr);
    PressKey(VK_SPACE);
    PressKey(VK_F1);
    ClickAt(StatusBarPoint(150, 50));
    EXPECT_EQ(EndsWithin(800), -1);

    RECT before;
    GetWindowRect(bar, &before);
    DragMouse(StatusBarPoint(150, 50), StatusBarPoint(250, 130));
    RECT after;
    GetWindowRect(bar, &after);
    EXPECT_NEAR(after.left - before.left, 100, 4);
    EXPECT_NEAR(after.top - before.top, 80, 4);
    EXPECT_TRUE(Running());

    ClickAt(StatusBarPoint(292 + 44, 4 + 8));
    EXPECT_GE(EndsWithin(5000), 0);
}

TEST_F(SaverRun, AnEmptyPlayListRunsSilently) {
    Set(L"UsableScreen", L"False");
    Start();
    EXPECT_EQ(FindWindowW(L"#32770", L"Brelvix"), nullptr);
    EXPECT_EQ(Store().Read(kSectionSetting, L"MusicFile", L"<none>"), L"<none>");
    PressKey(VK_RETURN);
    EXPECT_GE(EndsWithin(5000), 0);
}

std::wstring WindowText(HWND wnd) {
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    return text;
}

// The message box's text: the first static control that holds text.
std::wstring MessageText(HWND box) {
    for (HWND c = FindWindowExW(box, nullptr, L"Static", nullptr); c;
         c = FindWindowExW(box, c, L"Static", nullptr)) {
        if (!WindowText(c).empty()) {
            return WindowText(c);
        }
    }
    return {};
}

TEST_F(SaverRun, ACorruptFirstSongShowsTheErrorOnceAndTheSaverGoesOn) {
    AddSong(L"Broken song.wav", std::string(3000, '\x5a'));
    AddTunes(1, 0.3);
    Set(L"UsableScreen", L"False");
    saver_.emplace(ScrPath(), L"/S");
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindWindowW(L"#32770", L"Brelvix")) != nullptr; },
                          kStartTimeout));
    wchar_t expected[256] = {};
    mciGetErrorStringW(296, expected, 256);
    EXPECT_EQ(MessageText(box), expected);
    EXPECT_EQ(GetWindow(box, GW_OWNER), Cover()); // above the saver, not hidden behind it
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    Pause(1.0);
    EXPECT_EQ(FindWindowW(L"#32770", L"Brelvix"), nullptr);
    EXPECT_TRUE(Running());
    PressKey(VK_SPACE);
    EXPECT_GE(EndsWithin(5000), 0);
}

std::wstring ShotPath(const wchar_t* name) {
    std::wstring folder = ProgramFolder() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name;
}

// A rectangle of the status bar's client area, on the screen.
RECT OnScreen(HWND bar, RECT area) {
    MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

TEST_F(SaverRun, FullScreenShowsTheSongOnTheBarAndTheClockInTheCorner) {
    AddSong(L"Evening Tune.wav", WavBytes(40));
    Set(L"UsableScreen", L"False");
    Set(L"BlackScreen", L"True");
    Start();
    Pause(1.5);
    HWND bar = StatusBar();
    ASSERT_NE(bar, nullptr);
    const RECT position{96, 30, 166, 57};
    RECT title = OnScreen(bar, {22, 6, 287, 22});
    RECT length = OnScreen(bar, {10, 44, 50, 60});
    RECT before = OnScreen(bar, position);
    ScreenCapture shot;
    shot.Save(ShotPath(L"full-screen.bmp"));
    EXPECT_GT(shot.Count({0, 0, 400, 50}, RGB(255, 255, 0)), 100); // the clock's text
    EXPECT_GT(shot.Count({0, 0, 400, 50}, RGB(0, 0, 0)), 1000);    // on black
    EXPECT_GT(shot.Count(title, RGB(255, 255, 255)), 20); // the song's title, white on navy
    EXPECT_GT(shot.Count(length, RGB(0, 255, 0)), 10);    // its length
    EXPECT_TRUE(WaitUntil(
        [&] {
            RECT now = OnScreen(bar, position);
            return ScreenCapture().Pixels(now) != shot.Pixels(before);
        },
        4000))
        << "the position does not move";
}

TEST_F(SaverRun, WithoutTheBlackScreenTheDesktopStaysAsItWas) {
    // A patch of colour on the desktop that changes once the saver is up: the
    // saver must go on showing it as it was.
    HWND patch = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP | WS_VISIBLE, 700, 560,
                                 120, 100, nullptr, nullptr, nullptr, nullptr);
    auto paint = [&](COLORREF colour) {
        HDC dc = GetDC(patch);
        RECT r{0, 0, 120, 100};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        ReleaseDC(patch, dc);
        GdiFlush();
    };
    Pause(0.3);
    paint(RGB(255, 0, 255));
    Pause(0.3);
    Set(L"UsableScreen", L"False");
    Set(L"BlackScreen", L"False");
    Start();
    paint(RGB(0, 255, 255));
    Pause(1.0);
    ScreenCapture().Save(ShotPath(L"full-screen-desktop.bmp"));
    EXPECT_EQ(ScreenPixel({760, 610}), RGB(255, 0, 255));
    DestroyWindow(patch);
}

TEST_F(SaverRun, UsableScreenShowsOnlyTheBar) {
    AddSong(L"Evening Tune.wav", WavBytes(40));
    Set(L"UsableScreen", L"True");
    Start();
    Pause(1.0);
    ScreenCapture().Save(ShotPath(L"usable-screen.bmp"));
    EXPECT_EQ(Cover(), nullptr);
    HWND bar = StatusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_GT(CountColour(bar, {22, 6, 287, 22}, RGB(255, 255, 255)), 20);
}

} // namespace
} // namespace brelvix
