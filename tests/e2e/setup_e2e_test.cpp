// The real setup dialog of Brelvix.scr, driven as a user drives it: clicks
// on its controls, keys, the system's file-open dialog and message boxes;
// what it did read back from the store and from the screen.
#include "setup/setup_layout.h"
#include "win_support.h"
#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>

namespace brelvix {
namespace {

using namespace testing;
using Lines = std::vector<std::wstring>;

class SetupRun : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const wchar_t* name : {L"Alba", L"Brezza", L"Cielo", L"Duna"}) {
            paths_.push_back(songs_.Write(std::wstring(name) + L".wav", WavBytes(60)));
        }
        fresh_.StoreList(paths_);
        Set(L"MusicFile", paths_[1]);
    }
    void Set(const wchar_t* key, const std::wstring& value) {
        fresh_.Store().Write(kSectionSetting, key, value);
    }
    std::wstring Read(const wchar_t* key, const wchar_t* section = kSectionSetting) {
        return fresh_.Store().Read(section, key, L"<none>");
    }
    Lines StoredList() {
        Lines list;
        int count = std::stoi(Read(L"LocalFileCount"));
        for (int n = 1; n <= count; ++n) {
            list.push_back(Read((L"LocalFile" + std::to_wstring(n)).c_str(), kSectionFileList));
        }
        return list;
    }
    // Starts the setup dialog and waits until it shows its list.
    void Open(const std::wstring& arguments = L"/C") {
        scr_.emplace(arguments);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Dialog()); }, 30000));
        ASSERT_TRUE(BringToFront(Dialog()));
        // A click that comes before X shows the dialog is lost: it shows once "OK" is drawn.
        ASSERT_TRUE(WaitUntil([&] { return Drawn(OnScreen(Item(kIdOk))); }, 5000));
    }
    // Black text on the area, which X shows black all over from the moment
    // it maps a window until the window has painted it.
    static bool Drawn(const RECT& area) {
        int ink = ScreenCapture(area).Count(area, RGB(0, 0, 0));
        return ink > 0 && ink < (area.right - area.left) * (area.bottom - area.top) / 2;
    }
    HWND Dialog() { return FindWindowW(kFormClassName, L"Brelvix"); }
    HWND Item(int id) { return GetDlgItem(Dialog(), id); }
    int OkInk() { return ScreenCapture(OnScreen(Item(kIdOk))).Count(OnScreen(Item(kIdOk)), 0); }
    void Click(HWND control) { ClickAt(Middle(OnScreen(control))); }
    // A row of the list, in the list's client area.
    RECT Row(int row) {
        RECT r{};
        SendMessageW(Item(kIdList), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    void ClickRow(int row) { ClickAt(Middle(OnScreen(Item(kIdList), Row(row)))); }
    Lines Rows() {
        Lines rows;
        for (int r = 0; r < SendMessageW(Item(kIdList), LB_GETCOUNT, 0, 0); ++r) {
            wchar_t text[300] = {};
            SendMessageW(Item(kIdList), LB_GETTEXT, r, reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }
    int Selected() { return static_cast<int>(SendMessageW(Item(kIdList), LB_GETCURSEL, 0, 0)); }
    // The whole row is inside the list's visible part.
    bool InView(int row) {
        RECT inside{};
        GetClientRect(Item(kIdList), &inside);
        return row < SendMessageW(Item(kIdList), LB_GETCOUNT, 0, 0) && Row(row).top >= 0 &&
               Row(row).bottom <= inside.bottom;
    }
    bool FocusOn(int id) {
        return WaitUntil([&] { return Item(id) && FocusIn(Dialog()) == Item(id); }, 3000);
    }
    bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // Clicks the control until what it does shows: X loses a click now and
    // then. Each try waits long enough that a late click is not made twice.
    bool ClickUntil(HWND control, const std::function<bool()>& took, DWORD tryMs = 1000) {
        for (int tries = 0; tries < 3; ++tries) {
            Click(control);
            if (WaitUntil(took, tryMs)) {
                return true;
            }
        }
        return false;
    }
    // A button that opens a box: the box disables the dialog under it (the
    // file dialog once the system has loaded it).
    bool Press(int id) {
        return ClickUntil(
            Item(id), [&] { return !IsWindowEnabled(Dialog()); }, 4000);
    }
    void Toggle(int id) {
        bool was = Checked(id);
        EXPECT_TRUE(ClickUntil(Item(id), [&] { return Checked(id) != was; })) << id;
    }
    // The message box with this caption: its text, then the answer clicked.
    std::wstring Answer(const wchar_t* caption, int button) {
        HWND box = WaitForBox(caption);
        std::wstring text = TextOf(GetDlgItem(box, 0xFFFF));
        ClickUntil(GetDlgItem(box, button), [&] { return !IsWindow(box); });
        return text;
    }
    // OK clicked, or Cancel by Esc, ends the dialog.
    bool EndsBy(int id) {
        id == kIdOk ? Click(Item(kIdOk)) : PressKey(VK_ESCAPE);
        return scr_->WaitForExit(5000);
    }
    // Add, then the folder and the names in the system's file dialog.
    void AddFiles(const std::wstring& folder, const std::wstring& names) {
        Press(kIdAdd);
        HWND files = WaitForBox(L"Add file", 10000);
        ASSERT_NE(files, nullptr);
        Enter(files, folder);
        Enter(files, names);
    }
    // Puts the text in the system dialog's name box, once it has the
    // keyboard, and presses Enter.
    static void Enter(HWND window, const std::wstring& text) {
        ASSERT_TRUE(BringToFront(window));
        SendMessageW(FocusIn(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        PressKey(VK_RETURN);
    }

    FreshProgramStore fresh_;
    TempFolder songs_;
    Lines paths_;
    std::optional<Scr> scr_;
};

// "About...": a minimised dialog comes back first; the box stays until OK.
TEST_F(SetupRun, PlaysTheChosenRowShowsAboutOverTheRestoredDialogAndCancelStoresNothing) {
    Open();
    EXPECT_EQ(Selected(), 1) << "the stored song";
    RECT client = OnScreen(Dialog());
    EXPECT_EQ(client.right - client.left, Px(kSetupClientWidthTwips)) << "inside the frame";
    // The dialog font: the system font's thick strokes would double the black of "OK".
    EXPECT_LT(OkInk(), 60);
    // The stored song plays: the position it shows moves.
    EXPECT_TRUE(Changes([&] { return TextOf(Item(kIdStatus)); }, 1, 5000));
    EXPECT_LT(ProgramCpuOver(2), 0.25) << "the dialog sleeps between its passes";
    // scripts/with-today-font.sh runs these again with today's taller rows.
    bool todayFont = std::getenv("BRELVIX_TODAY_FONT") != nullptr;
    EXPECT_EQ(SendMessageW(Item(kIdList), LB_GETITEMHEIGHT, 0, 0) > 13, todayFont);
    ScreenCapture().Save(todayFont ? L"setup-dialog-today.bmp" : L"setup-dialog.bmp");
    ClickRow(3);
    EXPECT_EQ(Read(L"MusicFile"), paths_[3]) << "written at once";
    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    ASSERT_TRUE(FocusOn(kIdAdd));
    ShowWindow(Dialog(), SW_MINIMIZE);
    PostMessageW(Dialog(), WM_SYSCOMMAND, kCommandAbout, 0);
    HWND about = WaitForBox(L"About");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(IsIconic(Dialog()));
    int width = GetSystemMetrics(SM_CXSCREEN);
    auto centred = [&] { return std::abs(2 * Middle(OnScreen(about)).x - width) <= 3; };
    EXPECT_TRUE(WaitUntil(centred, 2000));
    ScreenCapture().Save(L"about-box.bmp");
    Answer(L"About", IDOK);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(FocusOn(kIdAdd)) << "the box closes, the dialog stays";
    EXPECT_TRUE(EndsBy(kIdCancel));
    EXPECT_EQ(Read(L"Mute"), L"<none>") << "neither Enter, which is not OK, nor Cancel stores";
}

TEST_F(SetupRun, TheOptionsFollowTheirClicksAndMnemonicsAndOkStoresThemWithAClearedList) {
    Open();
    Toggle(kIdOnlyMusic); // the fresh store's usable screen goes off
    Toggle(kIdBlack);
    Toggle(kIdOnlyMusic);
    EXPECT_FALSE(Checked(kIdBlack) || IsWindowEnabled(Item(kIdBlack)) ||
                 IsWindowEnabled(Item(kIdMouse)));
    Toggle(kIdOnlyMusic);
    EXPECT_TRUE(IsWindowEnabled(Item(kIdBlack)) && !Checked(kIdBlack));
    Toggle(kIdMouse);
    PressKeys({VK_MENU, 'U'}); // Mute by its mnemonic
    EXPECT_TRUE(WaitUntil([&] { return Checked(kIdMute); }, 2000));
    PressKeys({VK_MENU, 'P'}); // the frame's mnemonic
    EXPECT_TRUE(FocusOn(kIdList));
    ClickRow(0);
    Press(kIdClear);
    EXPECT_EQ(Answer(L"Clear", IDNO), L"Remove all songs from play-list ?");
    Press(kIdClear);
    Answer(L"Clear", IDYES);
    EXPECT_TRUE(Rows().empty());
    // Pressed with no row selected, each goes off.
    for (int id : {kIdRemove, kIdClear}) {
        EXPECT_TRUE(ClickUntil(Item(id), [&] { return !IsWindowEnabled(Item(id)); })) << id;
    }
    ASSERT_TRUE(EndsBy(kIdOk));
    const std::pair<const wchar_t*, std::wstring> stored[] = {
        {L"Mute", L"True"},      {L"UsableScreen", L"False"}, {L"BlackScreen", L"False"},
        {L"MouseMove", L"True"}, {L"MusicFile", L""},         {L"LocalFileCount", L"0"}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(Read(key), value) << key;
    }
}

// Songs, then a folder tree and a play-list file with one message each.
TEST_F(SetupRun, AddsSongsFoldersAndPlayListsRefusingTitlesItHasAlready) {
    // Eleven songs: the twelfth and thirteenth go below the rows in view.
    Lines stored = paths_, rows = {L"Alba", L"Brezza", L"Cielo", L"Duna"};
    for (int n = 5; n <= 11; ++n) {
        stored.push_back(L"C:\\Music\\Song " + std::to_wstring(n) + L".wav");
        rows.push_back(L"Song " + std::to_wstring(n));
    }
    fresh_.StoreList(stored);
    TempFolder more;
    std::wstring longName = L"\u041f\u0435\u0441\u043d\u044f " + std::wstring(200, L'x');
    Lines added = {more.Write(L"Ecco.wav", WavBytes(60)),
                   more.Write(longName + L".wav", WavBytes(60))};
    more.Write(L"alba.WAV", WavBytes(1));
    Open();
    AddFiles(more.File(L""), L"\"Ecco.wav\" \"alba.WAV\" \"" + longName + L".wav\"");
    EXPECT_EQ(Answer(L"Add", IDOK), L"This song is already in the play-list\r\ralba");
    rows.insert(rows.end(), {L"Ecco", longName});
    EXPECT_TRUE(WaitUntil([&] { return Rows() == rows; }, 5000)) << "the rest added after the box";
    EXPECT_TRUE(InView(12)) << "the new row is the last visible one";
    ClickRow(11);
    // Ctrl+Down on the last row in view scrolls the song along.
    PressKey(VK_HOME);
    int last = 0;
    while (InView(last + 1)) {
        ++last;
    }
    ClickRow(last);
    PressKeys({VK_CONTROL, VK_DOWN});
    EXPECT_TRUE(WaitUntil([&] { return Selected() == last + 1 && InView(last + 1); }, 2000));
    stored.insert(stored.end(), added.begin(), added.end());
    std::swap(stored[last], stored[last + 1]);
    std::swap(rows[last], rows[last + 1]);
    // A folder tree through the system menu: each folder's songs before its subfolders'.
    TempFolder library;
    std::filesystem::create_directories(library.File(L"Disc 1\\Bonus"));
    std::filesystem::create_directories(library.File(L"Empty"));
    for (const wchar_t* name : {L"Track 10.wav", L"Track 2.WAV", L"Alba.wav", L"Disc 1\\Inner.wav",
                                L"Disc 1\\Bonus\\Deep.wav"}) {
        library.Write(name, WavBytes(1));
    }
    library.Write(L"cover.jpg", "jpeg");
    PostMessageW(Dialog(), WM_SYSCOMMAND, kCommandAddFolder, 0);
    HWND picker = WaitForBox(L"Add folder", 10000);
    ASSERT_NE(picker, nullptr);
    Enter(picker, library.File(L""));
    EXPECT_EQ(Answer(L"Brelvix", IDOK), L"4 songs added to the play-list.\r1 was in it already.");
    rows.insert(rows.end(), {L"Track 2", L"Track 10", L"Inner", L"Deep"});
    // A play-list file through the Add dialog: its own folder, relative and
    // absolute entries, a URL and a missing song.
    TempFolder lists;
    std::wstring elsewhere = lists.Write(L"Far.wav", WavBytes(1));
    lists.Write(L"Near.wav", WavBytes(1));
    lists.Write(L"mix.m3u", "#EXTM3U\r\nNear.wav\r\nhttp://radio.example/live.mp3\r\n"
                            "gone.wav\r\n\r\n" +
                                std::string(elsewhere.begin(), elsewhere.end()) + "\r\n");
    AddFiles(lists.File(L""), L"mix.m3u");
    HWND summary = WaitForBox(L"Brelvix");
    ASSERT_NE(summary, nullptr);
    WaitUntil([&] { return Drawn(OnScreen(GetDlgItem(summary, 0xFFFF))); }, 2000);
    ScreenCapture().Save(L"add-summary.bmp");
    EXPECT_EQ(Answer(L"Brelvix", IDOK), L"2 songs added to the play-list.\r2 were left out: "
                                        L"missing, not a song, or a web address.");
    rows.insert(rows.end(), {L"Near", L"Far"});
    EXPECT_EQ(Rows(), rows);
    ASSERT_TRUE(EndsBy(kIdOk));
    Lines got = StoredList();
    EXPECT_EQ(got.size(), rows.size());
    got.resize(stored.size());
    EXPECT_EQ(got, stored);
}

// Under a host's settings page, which waits for the dialog until it ends.
TEST_F(SetupRun, MovesAndRemovesAfterAskingShowsTheStripAndStoresTheNewOrderWhileTheHostWaits) {
    HWND host = CreateWindowW(L"Static", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    HWND page =
        CreateWindowW(L"Static", L"", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
    Set(L"MusicFile", L"C:\\not\\in the list.wav");
    Open(L"/c:" + std::to_wstring(reinterpret_cast<std::uintptr_t>(page)));
    EXPECT_FALSE(IsWindowEnabled(host)) << "the host's dialog waits for ours";
    EXPECT_EQ(Selected(), 0);
    PressKeys({VK_CONTROL, VK_DOWN});
    EXPECT_EQ(Rows(), (Lines{L"Brezza", L"Alba", L"Cielo", L"Duna"}));
    Click(Item(kIdDown));
    Click(Item(kIdDown));
    Click(Item(kIdDown)); // already the last: nothing happens
    PressKeys({VK_CONTROL, VK_UP});
    EXPECT_EQ(Rows(), (Lines{L"Brezza", L"Cielo", L"Alba", L"Duna"}));
    EXPECT_EQ(Selected(), 2);
    Press(kIdRemove);
    EXPECT_EQ(Answer(L"Remove", IDNO), L"Remove selected song from play-list ?");
    EXPECT_TRUE(FocusOn(kIdRemove));
    Press(kIdRemove);
    Answer(L"Remove", IDYES);
    EXPECT_EQ(Rows(), (Lines{L"Brezza", L"Cielo", L"Duna"}));
    EXPECT_FALSE(IsWindowVisible(Item(kIdNameStrip)));
    PostMessageW(Dialog(), WM_SYSCOMMAND, kCommandViewFilename, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Item(kIdNameStrip)); }, 2000));
    RECT strip = OnScreen(Item(kIdNameStrip));
    EXPECT_TRUE(WaitUntil(
        [&] {
            ScreenCapture shot;
            return shot.Count(strip, RGB(255, 0, 0)) > 10 && shot.Count(strip, RGB(0, 0, 255)) > 10;
        },
        5000))
        << "the red bar of the song's progress and its name in blue";
    EXPECT_FALSE(IsWindowVisible(Item(kIdStatus)));
    EXPECT_EQ(Read(L"ViewFilename"), L"True") << "stored at once";
    ASSERT_TRUE(EndsBy(kIdOk));
    EXPECT_TRUE(IsWindowEnabled(host));
    DestroyWindow(host);
    EXPECT_EQ(StoredList(), (Lines{paths_[1], paths_[2], paths_[3]}));
    EXPECT_EQ(Read(L"MusicFile"), paths_[3]);
}

// The real process killed while OK saves a list of 600 songs with its first
// one removed (every key changes): the next dialog shows the old list or the
// new one, whole. Half the kills land as soon as the save's backup appears,
// the others at random; a backup still there after the kill proves it landed
// inside the save.
TEST_F(SetupRun, KilledWhileOkSavesItTheNextDialogShowsTheOldOrTheNewList) {
    Lines old, titles;
    for (int n = 1; n <= 600; ++n) {
        titles.push_back(L"Song " + std::to_wstring(n));
        old.push_back(L"C:\\Music\\" + titles.back() + L".mp3");
    }
    Lines updated(titles.begin() + 1, titles.end());
    RegistryStore& store = fresh_.Store();
    // Its count is the backup's last value. (Not ValuesOf: an enumeration of
    // a key that the save takes away meanwhile never ends.)
    auto saving = [&] { return !store.Read(kSectionFileBackup, kKeyLocalFileCount, L"").empty(); };
    auto saved = [&] { return store.Read(kSectionSetting, L"LocalFileCount", L"") == L"599"; };
    std::minstd_rand random(2026);
    int inside = 0, newLists = 0;
    for (int run = 0; run < 12; ++run) {
        fresh_.StoreList(old);
        Set(L"MusicFile", old[0]); // the first row is the one removed
        Open();
        PressKeys({VK_MENU, 'R'}); // Remove and OK by their mnemonics
        ASSERT_EQ(Answer(L"Remove", IDYES), L"Remove selected song from play-list ?");
        // OK by its mnemonic without waiting for the dialog to handle it, and
        // the save looked for closely: it lasts a few milliseconds.
        PressKeys({VK_MENU, 'O'}, false);
        // Every other kill lands anywhere in the first 20 ms after the key.
        for (ULONGLONG end = GetTickCount64() + (run % 2 ? random() % 20 : 10000);
             (run % 2 || (!saving() && !saved())) && GetTickCount64() < end;) {
            Pause(0.001);
        }
        scr_->Kill();
        inside += saving();
        Open();
        Lines rows = Rows();
        newLists += rows == updated;
        EXPECT_TRUE(rows == titles || rows == updated) << "run " << run << ": " << rows.size();
        ASSERT_TRUE(EndsBy(kIdCancel));
    }
    EXPECT_GT(inside, 0) << "every kill missed the save";
    std::printf("[ figure ] 12 kills, %d inside the save; the next dialog showed the new list %d "
                "times, the old one the others\n",
                inside, newLists);
}

} // namespace
} // namespace brelvix
