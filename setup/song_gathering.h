// Songs gathered from what the user drops or picks: files, whole folder
// trees, shortcuts and play-list files, offered one by one in the order the
// user sees them, with a count of what was left out.
#pragma once

#include "music/play_list.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace brelvix {

// What the file system answers; the Windows side asks the real one.
class SongSources {
  public:
    struct Item {
        std::wstring name;
        bool folder = false;
    };
    virtual ~SongSources() = default;
    // The names inside a folder (no "." or ".."), in any order.
    virtual std::vector<Item> List(const std::wstring& folder) = 0;
    virtual bool IsFolder(const std::wstring& path) = 0;
    virtual bool IsFile(const std::wstring& path) = 0;
    // Where a shortcut points; empty when it cannot be followed.
    virtual std::wstring ShortcutTarget(const std::wstring& path) = 0;
    // A play-list file's text; nothing when it cannot be read.
    virtual std::optional<std::wstring> PlayListText(const std::wstring& path) = 0;
    // The order the user's file manager shows names in (negative: a first).
    virtual int Compare(const std::wstring& a, const std::wstring& b) = 0;
    // One name for one folder however it was reached, so that a shortcut
    // loop is walked once.
    virtual std::wstring Identity(const std::wstring& folder) = 0;
};

// How an action went, for its one message.
struct GatherCounts {
    int added = 0;
    int already = 0; // in the list before
    int skipped = 0; // missing, not a song, a URL
    bool limitReached = false;
};

// The one message of a drop, folder or play-list file.
std::wstring GatherSummary(const GatherCounts& counts);

// Adds the songs it is given to the play-list under the same rules as Add
// (one entry a title, at most the list's limit) and counts what happened;
// added titles are kept for the list's rows.
class SongAdder {
  public:
    explicit SongAdder(SongCollection& list) : list_(list) {}
    // False once the list is full: nothing more can be added.
    bool Offer(const std::wstring& path);
    void Skip() { ++counts_.skipped; }
    const GatherCounts& Counts() const { return counts_; }
    const std::vector<std::wstring>& AddedTitles() const { return titles_; }

  private:
    SongCollection& list_;
    GatherCounts counts_;
    std::vector<std::wstring> titles_;
};

// Walks what the user gave: a song is offered, a folder walked (its songs
// first, then its subfolders, each in the file manager's order), a shortcut
// followed, a play-list file read. Inside folders only songs count: other
// files are a library's covers and notes, not mistakes.
class SongGatherer {
  public:
    SongGatherer(SongSources& sources, SongAdder& adder) : sources_(sources), adder_(adder) {}
    // False once the list is full.
    bool Gather(const std::wstring& path);

  private:
    // chosen: given by the user, not found inside a folder.
    bool GatherFile(const std::wstring& path, bool chosen, int depth);
    bool GatherFolder(const std::wstring& folder, int depth);
    bool GatherPlayList(const std::wstring& path);
    bool LeftOut(bool chosen);
    std::vector<std::wstring> Sorted(std::vector<std::wstring> names);

    SongSources& sources_;
    SongAdder& adder_;
    std::set<std::wstring> walked_;
};

} // namespace brelvix
