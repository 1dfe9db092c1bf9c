#include "music/song_path.h"

#include "expect_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace brelvix {
namespace {

TEST(StripQuotes, TakesOffAClosingThenAnOpeningQuote) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"\"C:\\Music\\Song.mp3\"", L"C:\\Music\\Song.mp3"},
        {L"C:\\Music\\Song.mp3", L"C:\\Music\\Song.mp3"},
        {L"\"C:\\Music\\Song.mp3", L"C:\\Music\\Song.mp3"},
        {L"C:\\Music\\Song.mp3\"", L"C:\\Music\\Song.mp3"},
        // The closing quote counts only when it is the first one after the start.
        {L"\"C:\\a\"b\"", L"C:\\a\"b\""},
        {L"\"\"", L""},
        {L"\"", L""},
        {L"", L""},
        {L"a\"", L"a"},
    };
    testing::ExpectEach(cases, StripQuotes);
}

TEST(FileQueryPath, BlankIsNothingTrailingBackslashAndQuotesGo) {
    const std::pair<std::wstring, std::optional<std::wstring>> cases[] = {
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"C:\\Music\\", L"C:\\Music"},
        {L"C:\\Music\\\\", L"C:\\Music\\"}, // only one backslash goes
        {L"\"C:\\My Music\\Song.mp3\"", L"C:\\My Music\\Song.mp3"},
        {L"\"C:\\My Music\\\"\\", L"C:\\My Music\\"},
        {L" C:\\a.mp3 ", L" C:\\a.mp3 "}, // blanks are kept for the lookup
    };
    testing::ExpectEach(cases, FileQueryPath);
}

TEST(FolderQueryPath, KeepsTheTrailingBackslash) {
    EXPECT_EQ(FolderQueryPath(L" "), std::nullopt);
    EXPECT_EQ(FolderQueryPath(L"C:\\Windows\\"), L"C:\\Windows\\");
    EXPECT_EQ(FolderQueryPath(L"\"C:\\Program Files\""), L"C:\\Program Files");
}

TEST(TitleOfPath, CutsFolderAndLastExtension) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\Music\\Song.live.mp3", L"Song.live"},
        {L"Song.mid", L"Song"},
        {L"C:\\Music\\Readme", L"Readme"},
        {L"C:\\Music\\.mp3", L""},
        {L"C:\\Mus.ic\\Readme", L"Readme"},
        {L"C:\\Music\\Caf\u00e9 \u00e0 la plage.wav", L"Caf\u00e9 \u00e0 la plage"},
        {L"", L""},
    };
    testing::ExpectEach(cases, [](const std::wstring& path) {
        return TitleOfPath(path, [](const std::wstring&) { return false; });
    });
}

TEST(TitleOfPath, FolderGivesNothingAndIsAskedOnlyWithABackslash) {
    std::vector<std::wstring> asked;
    auto folders = [&](const std::wstring& path) {
        asked.push_back(path);
        return path == L"C:\\Music\\" || path == L"C:\\Music.d";
    };
    EXPECT_EQ(TitleOfPath(L"C:\\Music\\", folders), L"");
    EXPECT_EQ(TitleOfPath(L"C:\\Music.d", folders), L"");
    EXPECT_EQ(TitleOfPath(L"Music.d", folders), L"Music");
    EXPECT_EQ(asked, (std::vector<std::wstring>{L"C:\\Music\\", L"C:\\Music.d"}));
}

// Answers like the system: the form when it fits, else the size it needs.
struct ShortNames {
    std::wstring form;
    std::vector<std::size_t> sizes;
    std::size_t operator()(const std::wstring&, wchar_t* buffer, std::size_t size) {
        sizes.push_back(size);
        if (form.empty()) {
            return 0;
        }
        if (form.size() + 1 > size) {
            return form.size() + 1;
        }
        std::memcpy(buffer, form.c_str(), (form.size() + 1) * sizeof(wchar_t));
        return form.size();
    }
};

TEST(ShortFormOf, ALongFormIsAskedForAgainWithTheSizeItNeedsAndNeverCut) {
    for (std::size_t length : {22u, 254u, 255u, 256u, 300u, 4000u}) {
        ShortNames names{L"C:" + std::wstring(length - 2, L'X'), {}};
        EXPECT_EQ(ShortFormOf(L"C:\\long", std::ref(names)), names.form) << length;
        std::vector<std::size_t> sizes{255};
        if (length >= 255) {
            sizes.push_back(length + 1);
        }
        EXPECT_EQ(names.sizes, sizes) << length;
    }
}

TEST(ShortFormOf, NoFormLeavesThePathItself) {
    ShortNames names{L"", {}};
    EXPECT_EQ(ShortFormOf(L"C:\\My Music\\a.mp3", std::ref(names)), L"C:\\My Music\\a.mp3");
}

TEST(ShortFormOf, APathThatKeepsGrowingLeavesThePathItself) {
    std::size_t calls = 0;
    auto growing = [&](const std::wstring&, wchar_t*, std::size_t size) {
        ++calls;
        return size + 10;
    };
    EXPECT_EQ(ShortFormOf(L"C:\\moving", growing), L"C:\\moving");
    EXPECT_EQ(calls, 2u);
}

} // namespace
} // namespace brelvix
