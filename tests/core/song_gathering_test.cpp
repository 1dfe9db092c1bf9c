// Songs from play-list files and folder trees: how the files are read, where
// their entries point, the order a tree is walked in and what is counted.
#include "setup/play_list_file.h"
#include "setup/song_gathering.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace brelvix {
namespace {

using Lines = std::vector<std::wstring>;

std::wstring Latin1(std::string_view bytes) {
    auto first = reinterpret_cast<const unsigned char*>(bytes.data());
    return {first, first + bytes.size()};
}

TEST(PlayListFile, TextIsUtf8ForM3u8OrAMarkAndAnsiOtherwise) {
    using F = PlayListFormat;
    // clang-format off
    const std::tuple<const char*, std::string, PlayListFormat, std::wstring> cases[] = {
        {"m3u8 without mark", "\xC3\xA0.mp3", F::M3u8, L"\u00e0.mp3"},
        {"m3u in ANSI", "\xE0.mp3", F::M3u, L"\u00e0.mp3"},
        {"m3u with a mark is UTF-8", "\xEF\xBB\xBF\xD0\x9F.mp3", F::M3u, L"\u041f.mp3"},
        {"pls in ANSI", "\xC3\xA0", F::Pls, L"\u00c3\u00a0"}};
    // clang-format on
    for (const auto& [name, bytes, format, text] : cases) {
        EXPECT_EQ(PlayListText(bytes, format, Latin1), text) << name;
    }
}

TEST(PlayListFile, Utf8DecodingReplacesWhatIsNoCharacter) {
    const std::tuple<const char*, std::string, std::wstring> cases[] = {
        {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5",
         std::wstring(L"\u00e9\u20ac") + (sizeof(wchar_t) == 2 ? L"\xD83C\xDFB5" : L"\U0001F3B5")},
        {"the last of two and three bytes", "\xDF\xBF\xEF\xBF\xBD", L"\u07ff\ufffd"},
        {"a lone continuation", "a\x80\x62", L"a\uFFFDb"},
        {"cut short at the end", "a\xE2\x82", L"a\uFFFD"},
        {"cut short by a plain byte", "\xE2\x61", L"\uFFFDa"},
        {"overlong slash", "\xE0\x80\xAF", L"\uFFFD"},
        {"first and last surrogate", "\xED\xA0\x80\xED\xBF\xBF", L"\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD"},
        {"never a lead", "\xC0\xAF\xFF", L"\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& [name, bytes, text] : cases) {
        EXPECT_EQ(DecodeUtf8(bytes), text) << name;
    }
}

TEST(PlayListFile, EntriesSkipCommentsAndBlankLinesInAnyLineEnd) {
    using F = PlayListFormat;
    // clang-format off
    const std::tuple<const char*, std::wstring, PlayListFormat, Lines> cases[] = {
        {"m3u, CRLF", L"#EXTM3U\r\n#EXTINF:12,A - B\r\na.mp3\r\n\r\n  b.mp3 \r\n", F::M3u, {L"a.mp3", L"b.mp3"}},
        {"m3u8, LF, comment, no last end", L"# mine\na.mp3\n\n\t\nc d.wav", F::M3u8, {L"a.mp3", L"c d.wav"}},
        {"lone CRs", L"a.mp3\rb.mp3\r", F::M3u, {L"a.mp3", L"b.mp3"}},
        {"pls in the order of its numbers",
         L"[playlist]\r\nFile9=b.mp3\r\nTitle2=B\r\nfile123456789=c.mp3\r\nFile1= a.mp3\r\nNumberOfEntries=3\r\n",
         F::Pls, {L"a.mp3", L"b.mp3", L"c.mp3"}},
        {"pls keys that are not entries", L"File=x\nFilex=y\nFile-1=z\nFile3=\nFile99999999999=w", F::Pls, {}}};
    // clang-format on
    for (const auto& [name, text, format, entries] : cases) {
        EXPECT_EQ(PlayListEntries(text, format), entries) << name;
    }
}

TEST(PlayListFile, EntriesResolveAgainstThePlayListsFolder) {
    std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\s.mp3";
    const std::tuple<const wchar_t*, const wchar_t*, std::wstring> cases[] = {
        {L"s.mp3", L"C:\\Music", L"C:\\Music\\s.mp3"},
        {L"Sub/s.mp3", L"C:\\Music\\", L"C:\\Music\\Sub\\s.mp3"},
        {L"d:/other/s.mp3", L"C:\\Music", L"d:\\other\\s.mp3"},
        {L"\\Other\\s.mp3", L"E:\\Music", L"E:\\Other\\s.mp3"},
        {L"\\\\server\\share\\s.mp3", L"C:\\Music", L"\\\\server\\share\\s.mp3"},
        {L"\\Other\\s.mp3", L"\\\\server\\share\\Music", L"\\\\server\\share\\Other\\s.mp3"},
        {L"http://radio.example/stream.mp3", L"C:\\Music", L""},
        {deep.c_str(), L"C:\\Music", deep},
    };
    for (const auto& [entry, folder, path] : cases) {
        EXPECT_EQ(ResolveEntry(entry, folder), path) << entry;
    }
}

// A folder tree in memory: paths ending in "\" are folders, "->" in a name
// makes a shortcut to what follows.
class TreeSources : public SongSources {
  public:
    explicit TreeSources(Lines paths) {
        for (auto& path : paths) {
            std::size_t arrow = path.find(L"->");
            entries.insert(path.substr(0, arrow));
            if (arrow != std::wstring::npos) {
                links[path.substr(0, arrow)] = path.substr(arrow + 2);
            }
        }
    }
    std::vector<Item> List(const std::wstring& folder) override {
        std::vector<Item> items;
        std::wstring prefix = folder + L"\\";
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) { // any order
            std::wstring rest =
                it->substr(0, prefix.size()) == prefix ? it->substr(prefix.size()) : L"";
            std::size_t slash = rest.find(L'\\');
            if (!rest.empty() && (slash == std::wstring::npos || slash + 1 == rest.size())) {
                items.push_back({rest.substr(0, slash), slash != std::wstring::npos});
            }
        }
        return items;
    }
    bool IsFolder(const std::wstring& path) override { return entries.count(path + L"\\") > 0; }
    bool IsFile(const std::wstring& path) override { return entries.count(path) > 0; }
    std::wstring ShortcutTarget(const std::wstring& path) override { return links[path]; }
    std::optional<std::wstring> PlayListText(const std::wstring& path) override {
        return texts.count(path) ? std::optional(texts[path]) : std::nullopt;
    }
    int Compare(const std::wstring& a, const std::wstring& b) override { return a.compare(b); }
    std::wstring Identity(const std::wstring& folder) override { return folder; }

    std::set<std::wstring> entries;
    std::map<std::wstring, std::wstring> links, texts;
};

// The titles added, and the one message that tells what happened.
std::pair<Lines, std::wstring> Gather(TreeSources& tree, const Lines& chosen,
                                      SongCollection list = {}) {
    SongAdder adder(list);
    SongGatherer gatherer(tree, adder);
    for (const auto& path : chosen) {
        if (!gatherer.Gather(path)) {
            break;
        }
    }
    return {adder.AddedTitles(), GatherSummary(adder.Counts())};
}

TEST(SongGathering, AFolderGivesItsSongsFirstThenItsSubfolders) {
    TreeSources tree({L"M\\", L"M\\.mp3", L"M\\b\\", L"M\\b\\b1.mp3", L"M\\a\\", L"M\\a\\x\\",
                      L"M\\a\\x\\x1.mid", L"M\\a\\a1.WAV", L"M\\z.mp3", L"M\\cover.jpg",
                      L"M\\y.Mp3", L"M\\empty\\"});
    std::wstring deep = L"M"; // 40 folders down: far from any real library, yet walked
    for (int level = 1; level <= 40; ++level) {
        deep += L"\\c";
        tree.entries.insert(deep + L"\\");
    }
    tree.entries.insert(deep + L"\\deep.mp3");
    auto [titles, summary] = Gather(tree, {L"M"});
    EXPECT_EQ(titles, (Lines{L"y", L"z", L"a1", L"x1", L"b1", L"deep"}));
    // ".mp3" names no song; covers and notes are no mistakes.
    EXPECT_EQ(
        summary,
        L"6 songs added to the play-list.\r1 was left out: missing, not a song, or a web address.");
}

TEST(SongGathering, ShortcutsAreFollowedAndALoopIsWalkedOnce) {
    TreeSources tree({L"M\\", L"M\\s.mp3", L"M\\A\\", L"M\\A\\up.lnk->M", L"M\\A\\t.lnk->O\\t.wav",
                      L"O\\", L"O\\t.wav", L"M\\A\\self.lnk->M\\A\\self.lnk", L"M\\A\\gone.lnk"});
    auto [titles, summary] = Gather(tree, {L"M", L"M\\A\\self.lnk", L"M\\A\\gone.lnk"});
    EXPECT_EQ(titles, (Lines{L"s", L"t"}));
    // The loop is not walked again; the chosen shortcuts that lead nowhere are left out.
    EXPECT_EQ(summary, L"2 songs added to the play-list.\r2 were left out: missing, not a song, or "
                       L"a web address.");
}

TEST(SongGathering, APlayListFileAddsWhatItListsAndCountsTheRest) {
    TreeSources tree({L"L\\", L"L\\list.m3u8", L"L\\a.mp3", L"L\\b.wav", L"L\\notes.txt"});
    tree.texts[L"L\\list.m3u8"] =
        L"#EXTM3U\nb.wav\nmissing.mp3\nhttp://x.example/s.mp3\nnotes.txt\na.mp3\na.mp3\n";
    tree.texts[L"L\\junk.m3u"] = L"\x1\x2\xFFFD";
    tree.entries.insert(L"L\\junk.m3u");
    auto [titles, summary] =
        Gather(tree, {L"L\\list.m3u8", L"L\\junk.m3u", L"L\\notes.txt", L"L\\none.pls"});
    EXPECT_EQ(titles, (Lines{L"b", L"a"}));
    // Left out: missing, URL, not a song, junk, a chosen text, a lost file.
    EXPECT_EQ(summary, L"2 songs added to the play-list.\r1 was in it already.\r6 were left out: "
                       L"missing, not a song, or a web address.");
}

TEST(SongGathering, TheListsOwnTitlesAreDuplicatesAndItsLimitEndsTheWalk) {
    SongCollection list;
    list.Add({L"C:\\old\\A.mid", L"A"});
    Lines tree{L"M\\"};
    for (int i = 0; i < SongCollection::kMaxEntries + 5; ++i) {
        tree.push_back(L"M\\s" + std::to_wstring(i) + L".mp3");
    }
    tree.push_back(L"M\\a.mp3");
    TreeSources sources(tree);
    EXPECT_EQ(Gather(sources, {L"M", L"M\\a.mp3"}, list).second,
              L"32766 songs added to the play-list.\r1 was in it already.\r"
              L"The play-list is full: it holds at most 32767 songs.");
}

} // namespace
} // namespace brelvix
