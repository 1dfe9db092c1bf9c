// The file system as the song gathering asks it: folders listed with the
// system's search calls, shortcuts read through the shell, play-list files
// read whole, names ordered as Explorer orders them. COM must be up on the
// thread (ComApartment) for shortcuts.
#pragma once

#include "setup/song_gathering.h"

namespace brelvix {

class SystemSongSources final : public SongSources {
  public:
    std::vector<Item> List(const std::wstring& folder) override;
    bool IsFolder(const std::wstring& path) override;
    bool IsFile(const std::wstring& path) override;
    std::wstring ShortcutTarget(const std::wstring& path) override;
    std::optional<std::wstring> PlayListText(const std::wstring& path) override;
    int Compare(const std::wstring& a, const std::wstring& b) override;
    std::wstring Identity(const std::wstring& folder) override;
};

} // namespace brelvix
