// Stand-ins for what the portable code talks to: a settings store in memory
// that records every write, a media sender answering from a script, views
// and a file system that record what they are told.
#pragma once

#include "base/file_queries.h"
#include "base/path_text.h"
#include "base/settings.h"
#include "base/text_value.h"
#include "music/mci_player.h"
#include "music/song_views.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace brelvix::testing {

using Lines = std::vector<std::wstring>;

// Registry names ignore case; so does this store, which keeps them lower-cased.
class MemoryStore : public SettingsStore {
  public:
    std::wstring Read(std::wstring_view section, std::wstring_view key,
                      std::wstring_view fallback) override {
        SectionValues& keys = sections[ToLowerText(section)];
        auto it = keys.find(ToLowerText(key));
        return it == keys.end() ? std::wstring(fallback) : it->second;
    }
    void Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override {
        if (Frozen()) {
            return;
        }
        Set(section, key, value);
        writes.push_back(std::wstring(section) + L"/" + std::wstring(key) + L"=" +
                         std::wstring(value));
    }
    void DeleteSection(std::wstring_view section) override {
        if (Frozen()) {
            return;
        }
        sections.erase(ToLowerText(section));
        writes.push_back(L"delete section " + std::wstring(section));
    }
    SectionValues ValuesOf(std::wstring_view section) override {
        return sections[ToLowerText(section)];
    }
    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
        sections[ToLowerText(section)][ToLowerText(key)] = std::wstring(value);
    }
    // A play-list as a finished save leaves it.
    void SetList(const Lines& paths) {
        for (std::size_t n = 0; n < paths.size(); ++n) {
            Set(kSectionFileList, FileListKey(n + 1), paths[n]);
        }
        Set(kSectionSetting, kKeyLocalFileCount, std::to_wstring(paths.size()));
    }

    std::map<std::wstring, SectionValues> sections;
    Lines writes;
    // Changes past this many stop, as if the process had been killed.
    std::size_t writeLimit = SIZE_MAX;

  private:
    bool Frozen() const { return writes.size() >= writeLimit; }
};

// A command sent with a window for its notice reads " @window" at its end.
class RecordingSender : public MciSender {
  public:
    std::uint32_t Send(const std::wstring& command, std::wstring* reply,
                       std::uintptr_t notifyWindow) override {
        commands.push_back(notifyWindow ? command + L" @" + std::to_wstring(notifyWindow)
                                        : command);
        auto [code, text] = answers[command];
        if (reply) {
            *reply = text;
        }
        return code;
    }
    bool ErrorText(std::uint32_t code, std::wstring& text) override {
        bool known = errorTexts.count(code) != 0;
        text = known ? errorTexts[code] : text;
        return known;
    }
    void DropNotices(std::uintptr_t window) override {
        commands.push_back(L"(drop notices @" + std::to_wstring(window) + L")");
    }

    // By whole command line: the code and the reply; else 0 and "".
    std::map<std::wstring, std::pair<std::uint32_t, std::wstring>> answers;
    std::map<std::uint32_t, std::wstring> errorTexts;
    Lines commands;
};

// What the views are told, as lines of one log.
struct RecordingBar : SongView {
    explicit RecordingBar(Lines& into) : log(into) {}
    void SongChanging() override { log.push_back(L"bar changing"); }
    void ShowSong(const std::wstring& name, int row) override {
        log.push_back(L"bar song " + name + L" row " + std::to_wstring(row));
    }
    void ShowLength(const std::wstring& mmss) override { log.push_back(L"bar length " + mmss); }
    void ShowPosition(int percent, const std::wstring& at) override {
        log.push_back(L"bar " + std::to_wstring(percent) + L"% " + at);
    }
    void ShowNoSong() override { log.push_back(L"bar no song"); }
    Lines& log;
};

// The listed files exist; titles are cut as the real helper cuts them, and
// a short form is the path in capitals.
class FakeFiles : public FileQueries {
  public:
    bool Exists(const std::wstring& path) override { return existing.count(path) != 0; }
    std::wstring Title(const std::wstring& path) override {
        return TitleOfPath(path, [](const std::wstring&) { return false; });
    }
    std::wstring ShortPath(const std::wstring& path) override { return ToUpperText(path); }

    std::set<std::wstring> existing;
};

} // namespace brelvix::testing
