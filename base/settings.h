// The per-user settings: where every option lives, how its text reads as a
// boolean, and the order in which options are loaded and saved.
#pragma once

#include "base/setting_keys.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace brelvix {

using SectionValues = std::map<std::wstring, std::wstring>;
using KeyValues = std::vector<std::pair<std::wstring, std::wstring>>;

// Application -> section -> key -> text. The application key is fixed when the
// store is made. Read gives the fallback only for an absent key; a value that
// is there but cannot be read as text reads as an empty text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::wstring Read(std::wstring_view section, std::wstring_view key,
                              std::wstring_view fallback) = 0;
    virtual void Write(std::wstring_view section, std::wstring_view key,
                       std::wstring_view value) = 0;
    // Removes the section and all its keys at once.
    virtual void DeleteSection(std::wstring_view section) = 0;
    // Many writes, in order; a store may open the section once
    // for all of them.
    virtual void WriteValues(std::wstring_view section, const KeyValues& values);
    // Every key of the section with its text at once (a long play-list is
    // read in one pass); names lower-cased, since keys ignore case.
    virtual SectionValues ValuesOf(std::wstring_view section) = 0;
};

bool ParseBool(std::wstring_view text);
// The stored form of a boolean: "True" or "False".
const wchar_t* BoolText(bool value);

struct Options {
    bool UsableScreen = false;
    bool BlackScreen = false;
    bool MouseMove = false;
    bool Mute = false;
    bool ViewFilename = false;
    bool ViewTime = false;
};

// Reads the options in their fixed order, writes "ViewTime" on a first run and
// lets the usable screen switch off the black screen and mouse sensitivity.
// lockedSaver: the saver is to run and Windows locks the desktop when it
// ends. A bar over a usable desktop would leave that desktop open to anyone,
// so the saver covers the screen whatever "UsableScreen" holds (the stored
// value stays), with the black screen and mouse sensitivity as stored.
Options LoadOptions(SettingsStore& store, bool lockedSaver = false);

// What the setup dialog's OK stores. The play-list is written only when it
// was changed, and so that a load after the process stopped at any write
// reads exactly the old list or exactly the new one: the new list goes into
// the backup section first, its count last; then the list section is
// written anew with its count, and the backup goes. A complete save leaves
// exactly "LocalFile1" ... "LocalFileN" and "LocalFileCount" N.
struct SavedChoices {
    Options options;
    std::wstring musicFile;
    bool playListChanged = false;
    std::vector<std::wstring> playListPaths;
};
void SaveOptions(SettingsStore& store, const SavedChoices& choices);

// After a save that did not finish: stores the new list when its backup was
// complete, else drops the backup and the old list stays. The loader calls
// it before it reads the list.
void RestoreInterruptedSave(SettingsStore& store);

// "LocalFileCount" as the loader reads it: rounded, held within 0 ... 32767.
int StoredSongCount(SettingsStore& store);

} // namespace brelvix
