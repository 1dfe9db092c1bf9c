// The setup dialog's rules: the file-open dialog's texts, the list's order
// and scrolling, and where the name strip draws.
#include "setup/open_file_buffer.h"
#include "setup/play_list_order.h"
#include "setup/setup_layout.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using Lines = std::vector<std::wstring>;

TEST(OpenFileBuffer, FilterTitleAndTheChosenPaths) {
    EXPECT_EQ(DialogFilter(L"Audio|*.mp3|Wave|*.wav"),
              std::wstring(L"Audio\0*.mp3\0Wave\0*.wav\0\0", 24));
    EXPECT_EQ(DialogFilter(std::wstring(L"A\0*.a\0\0", 7)), std::wstring(L"A\0*.a\0\0", 7));
    EXPECT_EQ(DialogTitle(L"#A#O"), L"Open");
    EXPECT_EQ(DialogTitle(L"#a#o"), L"#a#o");
    // clang-format off
    const std::tuple<std::wstring, bool, Lines, std::wstring> cases[] = {
        {std::wstring(L"C:\\M\0a.wav\0b.mp3\0\0", 19), true, {L"C:\\M\\a.wav", L"C:\\M\\b.mp3"}, L"C:\\M\\"},
        // The root folder ends in a backslash already: no doubled one.
        {std::wstring(L"D:\\\0a\0b.wav\0c.mid\0\0", 19), true, {L"D:\\a", L"D:\\b.wav", L"D:\\c.mid"}, L"D:\\"},
        {std::wstring(L"C:\\M\\one.mp3\0\0", 14), true, {L"C:\\M\\one.mp3"}, L"C:\\M\\"},
        {std::wstring(L"C:\\M\\one.mp3\0junk", 17), false, {L"C:\\M\\one.mp3"}, L"C:\\M\\"},
        {std::wstring(L"\0C:\\x", 5), true, {L""}, L"kept"},
        {L"", false, {L""}, L"kept"}};
    // clang-format on
    for (const auto& [buffer, multi, paths, folder] : cases) {
        std::wstring got = L"kept";
        EXPECT_EQ(ChosenPaths(buffer, multi, got), paths) << paths.front();
        EXPECT_EQ(got, folder) << paths.front();
    }
    const std::pair<std::wstring, std::wstring> folders[] = {{L"\"C:\\M\\a.wav", L"C:\\M\\"},
                                                             {L"a.wav", L""},
                                                             {L"\\a.wav", L"\\"},
                                                             {L"C:\\M\\", L"C:\\M\\"}};
    for (const auto& [path, folder] : folders) {
        EXPECT_EQ(FolderOfPath(path), folder) << path;
    }
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
    EXPECT_EQ(four.Paths(), (Lines{L"C:\\S1.mp3", L"C:\\S3.mp3", L"C:\\S4.mp3"}));
    const std::tuple<int, int, int> removals[] = {{0, 3, 0}, {2, 3, 1}, {0, 1, -1}};
    for (const auto& [removed, rows, next] : removals) {
        EXPECT_EQ(RowAfterRemove(removed, rows), next) << removed << "/" << rows;
    }
    const std::tuple<int, int, int> adds[] = {{9, 0, 0}, {10, 0, 1}, {25, 3, 16}};
    for (const auto& [row, top, newTop] : adds) {
        EXPECT_EQ(TopRowAfterAdd(row, top), newTop) << row;
    }
    const std::tuple<int, int, int> moves[] = {{5, 14, 5}, {5, 15, 6}, {5, 4, 4}, {5, 5, 5}};
    for (const auto& [top, row, newTop] : moves) {
        EXPECT_EQ(TopRowAfterMove(top, row), newTop) << top << " " << row;
    }
}

TEST(SetupLayout, TheStripsBarAndName) {
    EXPECT_EQ(ProgressCorner(6135, 330, 50, 15, 15).x, 3060); // 3060 exactly
    EXPECT_EQ(ProgressCorner(6135, 330, 100, 15, 15).x, 6120);
    EXPECT_EQ(ProgressCorner(6135, 330, 0, 15, 15).y, 315);
    EXPECT_EQ(ProgressCorner(6131, 330, 50, 12, 12).x, 3060); // 3059.5 to the even 3060
    EXPECT_EQ(ProgressCorner(6133, 330, 50, 12, 12).x, 3060); // 3060.5 to the even 3060
    EXPECT_EQ(NamePosition(150, 195, 330).x, 75);
    EXPECT_EQ(NamePosition(165, 195, 330).x, 82);
    EXPECT_EQ(NamePosition(150, 195, 330).y, 67); // 135 / 2, the half dropped
    for (const auto& spec : kSetupControls) {
        EXPECT_TRUE(spec.id == kIdCancel || spec.id >= 100) << "OK is not IDOK";
    }
}

} // namespace
} // namespace brelvix
