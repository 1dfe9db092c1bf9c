// The settings store in the real registry and the song file helpers on real files.
#include "music/system_play_list_win.h"
#include "winutil/file_helpers_win.h"

#include "win_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using namespace testing;

TEST(RegistryStore, TextValuesUnderTheProgramKeyAndUnreadableOnesAsEmpty) {
    FreshProgramStore fresh;
    RegistryStore& store = fresh.Store();
    EXPECT_EQ(store.Read(kSectionSetting, L"Mute", L"dflt"), L"dflt");
    store.Write(kSectionSetting, L"Mute", L"Vero \u00e8");
    EXPECT_EQ(RegistryStore(L"Software\\Brelvix").Read(L"SETTING", L"mute", L""), L"Vero \u00e8");

    // A value that is there but is no text: unreadable, so empty, not the default.
    DWORD one = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Brelvix\\Setting", L"UsableScreen", REG_DWORD,
                    &one, sizeof one);
    EXPECT_EQ(store.Read(kSectionSetting, L"UsableScreen", L"1"), L"");

    fresh.StoreList({L"a", L"b", L"c"});
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Brelvix\\LocalFileList", L"LocalFile2");
    EXPECT_EQ(store.ValuesOf(kSectionFileList),
              (SectionValues{{L"localfile1", L"a"}, {L"localfile3", L"c"}}));
}

TEST(FileHelpers, ExistenceTitlesAndShortForms) {
    TempFolder temp;
    std::wstring song = temp.Write(L"My Song.live.mp3", "x");
    std::wstring folder = temp.File(L"");
    // A pattern is there when its first match is a file.
    EXPECT_TRUE(FileExists(song) && FileExists(L"\"" + song + L"\"") &&
                FileExists(temp.File(L"My*.mp3")));
    EXPECT_FALSE(FileExists(folder) || FileExists(L"   ") || FileExists(temp.File(L"gone.mp3")));
    EXPECT_TRUE(DirExists(folder) && DirExists(L"\"" + folder + L"\"") && !DirExists(song));
    EXPECT_EQ(FileTitleOf(song) + FileTitleOf(folder), L"My Song.live");
    std::wstring shortForm = GetShortPath(song);
    EXPECT_EQ(shortForm.find(L' '), std::wstring::npos) << "no blank in the 8.3 form";
    EXPECT_TRUE(FileExists(shortForm));
    EXPECT_EQ(GetShortPath(temp.File(L"gone.mp3")), L"");
}

TEST(FileHelpers, TitlesCompareAsWindowsComparesFileNames) {
    EXPECT_EQ(FoldFileNameCase(L"\u041f\u0435\u0441\u043d\u044f \u00e9a"),
              FoldFileNameCase(L"\u041f\u0415\u0421\u041d\u042f \u00c9A"));
    EXPECT_NE(FoldFileNameCase(L"\u0435"), FoldFileNameCase(L"\u0451"));
    FreshProgramStore fresh;
    fresh.StoreList({L"C:\\a\\\u041f\u0435\u0441\u043d\u044f.mp3",
                     L"D:\\b\\\u041f\u0415\u0421\u041d\u042f.mid",
                     L"C:\\a\\\u0414\u0440\u0443\u0433\u0430\u044f.wav"});
    fresh.Store().Write(kSectionSetting, L"MusicFile",
                        L"c:\\A\\\u0434\u0440\u0443\u0433\u0430\u044f.WAV");
    MusicState music;
    LoadPlayList(music);
    EXPECT_EQ(music.PlayList.Count(), 2);
    EXPECT_TRUE(music.PlayList.Contains(L"\u043f\u0435\u0441\u043d\u044f"));
    EXPECT_EQ(music.CurrentSong, 1);
}

} // namespace
} // namespace brelvix
