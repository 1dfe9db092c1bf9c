// Stand-ins for what the music code talks to: a command sender that records
// every line and answers from a script, views and a file system that record
// what they are told.
#pragma once

#include "music/mci_player.h"
#include "music/song_files.h"
#include "music/song_path.h"
#include "music/song_views.h"
#include "saver/text_value.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace brelvix::testing {

class RecordingSender : public MciSender {
  public:
    struct Answer {
        std::uint32_t code = 0;
        std::wstring reply;
    };
    std::uint32_t Send(const std::wstring& command, std::wstring* reply,
                       std::uintptr_t notifyWindow) override {
        commands.push_back(command);
        windows.push_back(notifyWindow);
        replyWanted.push_back(reply != nullptr);
        Answer answer = answers.count(command) ? answers[command] : Answer{};
        if (reply) {
            *reply = answer.reply;
        }
        return answer.code;
    }
    bool ErrorText(std::uint32_t code, std::wstring& text) override {
        auto it = errorTexts.find(code);
        if (it == errorTexts.end()) {
            return false;
        }
        text = it->second;
        return true;
    }

    std::map<std::wstring, Answer> answers; // by whole command line; else 0 and ""
    std::map<std::uint32_t, std::wstring> errorTexts;
    std::vector<std::wstring> commands;
    std::vector<std::uintptr_t> windows;
    std::vector<bool> replyWanted;
};

// What the views are told, as lines of text in one shared log.
class RecordingStatusBar : public StatusBarView {
  public:
    explicit RecordingStatusBar(std::vector<std::wstring>& log) : log_(log) {}
    void SetFileLabel(const std::wstring& name) override { log_.push_back(L"bar file " + name); }
    void SetLengthLabel(const std::wstring& mmss) override {
        log_.push_back(L"bar length " + mmss);
    }
    void SetPercent(int percent, const std::wstring& positionText) override {
        log_.push_back(L"bar " + std::to_wstring(percent) + L"% " + positionText);
    }

  private:
    std::vector<std::wstring>& log_;
};

class RecordingSetup : public SetupView {
  public:
    // ignoreListClick is looked at while the view selects a row.
    RecordingSetup(std::vector<std::wstring>& log, const bool& ignoreListClick)
        : log_(log), ignoreListClick_(ignoreListClick) {}
    void ClearName() override { log_.push_back(L"setup clear"); }
    void ShowSong(const std::wstring& name, int row) override {
        log_.push_back(L"setup song " + name + L" row " + std::to_wstring(row) +
                       (ignoreListClick_ ? L" ignoring clicks" : L""));
    }
    void SetPercent(int percent, const std::wstring& positionText) override {
        log_.push_back(L"setup " + std::to_wstring(percent) + L"% " + positionText);
    }

  private:
    std::vector<std::wstring>& log_;
    const bool& ignoreListClick_;
};

// The listed files exist; titles are cut as the real helper cuts them, and
// a short form is the path in capitals.
class FakeFiles : public SongFiles {
  public:
    bool Exists(const std::wstring& path) override { return existing.count(path) != 0; }
    std::wstring Title(const std::wstring& path) override {
        return TitleOfPath(path, [](const std::wstring&) { return false; });
    }
    std::wstring ShortPath(const std::wstring& path) override { return ToUpperText(path); }

    std::set<std::wstring> existing;
};

} // namespace brelvix::testing
