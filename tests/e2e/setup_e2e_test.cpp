// The real setup dialog of Brelvix.scr, driven as a user drives it: clicks
// on its controls, keys, the system's file-open dialog and message boxes;
// what it did read back from the store and from the screen.
#include "setup/setup_layout.h"
#include "win_support.h"
#include "winutil/message_pump_win.h"
#include "winutil/window_win.h"

#include <gtest/gtest.h>

#include <optional>

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
        Pause(0.3);
        SetForegroundWindow(Dialog());
    }
    HWND Dialog() { return FindWindowW(kFormClassName, L"Brelvix"); }
    HWND Item(int id) { return GetDlgItem(Dialog(), id); }
    void Click(HWND control) {
        RECT r = OnScreen(control, {0, 0, 0, 0});
        RECT c{};
        GetClientRect(control, &c);
        ClickAt({r.left + c.right / 2, r.top + c.bottom / 2});
        Pause(0.2);
    }
    void ClickRow(int row) {
        RECT r{};
        SendMessageW(Item(kIdList), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        r = OnScreen(Item(kIdList), r);
        ClickAt({r.left + 10, r.top + 3});
        Pause(0.2);
    }
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
    bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The message box with this caption: its text, then the answer clicked.
    std::wstring Answer(const wchar_t* caption, int button) {
        HWND box = nullptr;
        EXPECT_TRUE(
            WaitUntil([&] { return (box = FindWindowW(L"#32770", caption)) != nullptr; }, 5000));
        wchar_t text[300] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 300);
        Click(GetDlgItem(box, button));
        WaitUntil([&] { return !IsWindow(box); }, 5000);
        return text;
    }
    bool Ends() { return scr_->WaitForExit(5000); }

    FreshProgramStore fresh_;
    TempFolder songs_;
    Lines paths_;
    std::optional<Scr> scr_;
};

TEST_F(SetupRun, ListsPlaysTheChosenRowAndStoresOnlyOnOk) {
    Open();
    EXPECT_EQ(Rows(), (Lines{L"Alba", L"Brezza", L"Cielo", L"Duna"}));
    EXPECT_EQ(Selected(), 1) << "the stored song";
    HWND status = Item(kIdStatus);
    wchar_t before[64] = {}, after[64] = {};
    GetWindowTextW(status, before, 64);
    EXPECT_TRUE(WaitUntil(
        [&] {
            GetWindowTextW(status, after, 64);
            return std::wstring(after) != before;
        },
        5000))
        << "the stored song plays and its position moves";
    ScreenCapture().Save(L"setup-dialog.bmp");
    ClickRow(3);
    EXPECT_EQ(Read(L"MusicFile"), paths_[3]) << "written at once";
    PressKey(VK_RETURN);
    EXPECT_FALSE(Ends()) << "Enter does not press OK";
    PressKey(VK_TAB);
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(Dialog(), nullptr), &focus);
    EXPECT_EQ(focus.hwndFocus, Item(kIdAdd)) << "Tab goes from the list to Add";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(Ends());
    EXPECT_EQ(Read(L"Mute"), L"<none>") << "Cancel stores nothing";

    Open();
    EXPECT_EQ(Selected(), 3);
    Click(Item(kIdOnlyMusic)); // the fresh store's usable screen goes off
    Click(Item(kIdBlack));
    EXPECT_TRUE(Checked(kIdBlack));
    Click(Item(kIdOnlyMusic));
    EXPECT_FALSE(Checked(kIdBlack) || IsWindowEnabled(Item(kIdBlack)) ||
                 IsWindowEnabled(Item(kIdMouse)));
    Click(Item(kIdOnlyMusic));
    EXPECT_TRUE(IsWindowEnabled(Item(kIdBlack)) && !Checked(kIdBlack));
    Click(Item(kIdMouse));
    PressKeys({VK_MENU, 'U'}); // Mute by its mnemonic
    EXPECT_TRUE(WaitUntil([&] { return Checked(kIdMute); }, 2000));
    ClickRow(0);
    Click(Item(kIdOk));
    ASSERT_TRUE(Ends());
    const std::pair<const wchar_t*, std::wstring> stored[] = {
        {L"Mute", L"True"},      {L"UsableScreen", L"False"}, {L"BlackScreen", L"False"},
        {L"MouseMove", L"True"}, {L"LocalFile", L"1"},        {L"MusicFile", paths_[0]}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(Read(key), value) << key;
    }
    EXPECT_EQ(StoredList(), paths_) << "an unchanged list is not written again";
}

} // namespace
} // namespace brelvix
