#include "music/file_helpers_win.h"

#include "win_test_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

// A folder with a long name holding blanks and Latin-1 letters, a song in it
// and a sub-folder whose name looks like a file.
class FileHelpersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW((folder + L"\\Old.songs").c_str(), nullptr));
        WriteFileBytes(song, "not really music");
        WriteFileBytes(folder + L"\\Readme", "text");
    }

    TempFolder temp;
    std::wstring folder = temp.File(L"Canzoni d'amore \u00e8 caf\u00e9");
    std::wstring song = folder + L"\\Il mio brano preferito.live.mp3";
};

TEST_F(FileHelpersTest, FileExistsForFilesOnly) {
    const std::pair<std::wstring, bool> cases[] = {
        {song, true},
        {L"\"" + song + L"\"", true},
        {song + L"\\", true}, // one trailing backslash is dropped
        {folder, false},
        {folder + L"\\", false},
        {folder + L"\\Old.songs", false},
        {folder + L"\\missing.mp3", false},
        {folder + L"\\*.mp3", true},  // a pattern whose first match is a file
        {folder + L"\\Old*", false},  // ...or a folder
        {folder + L"\\*.wav", false}, // ...or nothing
        {L"", false},
        {L"   ", false},
    };
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(FileExists(path), exists) << path;
    }
}

TEST_F(FileHelpersTest, DirExistsForFoldersOnly) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::pair<std::wstring, bool> cases[] = {
        {windows, true},
        {std::wstring(windows) + L"\\win.ini", false},
        {folder, true},
        {folder + L"\\", true},
        {L"\"" + folder + L"\"", true},
        {folder + L"\\Old.songs", true},
        {song, false},
        {folder + L"\\missing", false},
        {L" ", false},
    };
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(DirExists(path), exists) << path;
    }
}

TEST_F(FileHelpersTest, FileTitleOfCutsFolderAndExtensionButNotFromFolders) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {song, L"Il mio brano preferito.live"},
        {folder + L"\\Readme", L"Readme"},
        {folder + L"\\Old.songs", L""},
        {folder + L"\\", L""},
        {folder, L""},
        {folder + L"\\.mp3", L""},
        {folder + L"\\Not there.mid", L"Not there"},
        {L"Song.mid", L"Song"},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(FileTitleOf(path), title) << path;
    }
}

std::wstring SystemShortForm(const std::wstring& path) {
    wchar_t buffer[2048];
    DWORD length = GetShortPathNameW(path.c_str(), buffer, 2048);
    return std::wstring(buffer, length < 2048 ? length : 0);
}

TEST_F(FileHelpersTest, GetShortPathGivesTheFileSystemsShortForm) {
    std::wstring shortSong = GetShortPath(song);
    EXPECT_EQ(shortSong, SystemShortForm(song));
    EXPECT_EQ(shortSong.find(L' '), std::wstring::npos) << shortSong;
    EXPECT_NE(shortSong, song);
    EXPECT_TRUE(FileExists(shortSong));
    EXPECT_EQ(GetShortPath(folder), SystemShortForm(folder));
    EXPECT_TRUE(DirExists(GetShortPath(folder)));
    EXPECT_EQ(GetShortPath(folder + L"\\missing.mp3"), L"");
    EXPECT_EQ(GetShortPath(L""), L"");
}

TEST_F(FileHelpersTest, GetShortPathNeverCutsALongShortForm) {
    // Thirty folders of eight letters keep their names when shortened, so the
    // short form of the song inside is well past 255 characters.
    std::wstring deep = temp.Path();
    for (int n = 0; n < 30; ++n) {
        deep += L"\\folder" + std::to_wstring(10 + n);
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << deep.size();
    }
    std::wstring file = deep + L"\\a song with a long name.wav";
    WriteFileBytes(L"\\\\?\\" + file, "RIFF");
    std::wstring shortForm = GetShortPath(file);
    EXPECT_GT(shortForm.size(), 255u);
    EXPECT_EQ(shortForm, SystemShortForm(file));
    EXPECT_TRUE(FileExists(shortForm));
}

TEST(SystemSongFiles, AnswersThroughTheHelpers) {
    TempFolder temp;
    std::wstring song = temp.File(L"A song.wav");
    WriteFileBytes(song, "RIFF");
    SongFiles& files = SystemSongFiles();
    EXPECT_TRUE(files.Exists(song));
    EXPECT_FALSE(files.Exists(temp.Path()));
    EXPECT_EQ(files.Title(song), L"A song");
    EXPECT_EQ(files.ShortPath(song), GetShortPath(song));
}

} // namespace
} // namespace brelvix
