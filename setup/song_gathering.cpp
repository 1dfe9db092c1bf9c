#include "setup/song_gathering.h"

#include "base/path_text.h"
#include "setup/play_list_file.h"

#include <algorithm>

namespace brelvix {
namespace {

// Deeper than any real library; a junction loop that a folder's identity
// does not reveal ends here.
constexpr int kMaxDepth = 64;

std::wstring FolderOf(const std::wstring& path) {
    std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace

std::wstring GatherSummary(const GatherCounts& counts) {
    std::wstring text = std::to_wstring(counts.added) +
                        (counts.added == 1 ? L" song added" : L" songs added") +
                        L" to the play-list.";
    if (counts.already > 0) {
        text += L"\r" + std::to_wstring(counts.already) +
                (counts.already == 1 ? L" was" : L" were") + L" in it already.";
    }
    if (counts.skipped > 0) {
        text += L"\r" + std::to_wstring(counts.skipped) +
                (counts.skipped == 1 ? L" was" : L" were") +
                L" left out: missing, not a song, or a web address.";
    }
    if (counts.limitReached) {
        text += L"\rThe play-list is full: it holds at most " +
                std::to_wstring(SongCollection::kMaxEntries) + L" songs.";
    }
    return text;
}

bool SongAdder::Offer(const std::wstring& path) {
    if (counts_.limitReached) {
        return false;
    }
    std::wstring title = TitleOfPath(path, [](const std::wstring&) { return false; });
    if (title.empty()) {
        ++counts_.skipped; // ".mp3" alone names no song
        return true;
    }
    if (list_.Contains(title)) {
        ++counts_.already;
        return true;
    }
    if (list_.Count() >= SongCollection::kMaxEntries) {
        counts_.limitReached = true;
        return false;
    }
    list_.Add({path, title});
    titles_.push_back(title);
    ++counts_.added;
    return true;
}

bool SongGatherer::Gather(const std::wstring& path) {
    if (sources_.IsFolder(path)) {
        return GatherFolder(path, 0);
    }
    return GatherFile(path, true, 0);
}

// A shortcut counts one level deeper, so that links to links end too.
bool SongGatherer::GatherFile(const std::wstring& path, bool chosen, int depth) {
    if (IsShortcutFile(path)) {
        std::wstring target = depth < kMaxDepth ? sources_.ShortcutTarget(path) : L"";
        if (target.empty()) {
            return LeftOut(chosen);
        }
        return sources_.IsFolder(target) ? GatherFolder(target, depth + 1)
                                         : GatherFile(target, chosen, depth + 1);
    }
    if (!sources_.IsFile(path)) {
        return LeftOut(chosen);
    }
    if (IsSongFile(path)) {
        return adder_.Offer(path);
    }
    if (chosen && PlayListFormatOf(path) != PlayListFormat::None) {
        return GatherPlayList(path);
    }
    return LeftOut(chosen);
}

bool SongGatherer::LeftOut(bool chosen) {
    if (chosen) {
        adder_.Skip();
    }
    return true;
}

bool SongGatherer::GatherFolder(const std::wstring& folder, int depth) {
    if (depth > kMaxDepth || !walked_.insert(sources_.Identity(folder)).second) {
        return true;
    }
    std::vector<std::wstring> files, folders;
    for (auto& item : sources_.List(folder)) {
        (item.folder ? folders : files).push_back(std::move(item.name));
    }
    for (const auto& name : Sorted(std::move(files))) {
        if (!GatherFile(InFolder(folder, name), false, depth)) {
            return false;
        }
    }
    for (const auto& name : Sorted(std::move(folders))) {
        if (!GatherFolder(InFolder(folder, name), depth + 1)) {
            return false;
        }
    }
    return true;
}

bool SongGatherer::GatherPlayList(const std::wstring& path) {
    std::optional<std::wstring> text = sources_.PlayListText(path);
    if (!text) {
        adder_.Skip();
        return true;
    }
    std::wstring folder = FolderOf(path);
    for (const auto& entry : PlayListEntries(*text, PlayListFormatOf(path))) {
        std::wstring song = ResolveEntry(entry, folder);
        if (song.empty() || !IsSongFile(song) || !sources_.IsFile(song)) {
            adder_.Skip();
        } else if (!adder_.Offer(song)) {
            return false;
        }
    }
    return true;
}

std::vector<std::wstring> SongGatherer::Sorted(std::vector<std::wstring> names) {
    std::stable_sort(names.begin(), names.end(),
                     [this](const std::wstring& a, const std::wstring& b) {
                         return sources_.Compare(a, b) < 0;
                     });
    return names;
}

} // namespace brelvix
