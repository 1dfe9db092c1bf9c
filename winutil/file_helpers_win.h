// The checks the music code makes on a song file before it touches it.
// None of them fails loudly: false or an empty text is the only answer.
#pragma once

#include "base/file_queries.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>
#include <vector>

namespace brelvix {

// True when the path (quotes and one trailing backslash allowed) names
// something that exists and is not a folder. A wildcard pattern is true
// when its first match is a file.
bool FileExists(const std::wstring& path);
// True when the path (quotes allowed) names an existing folder.
bool DirExists(const std::wstring& path);
// The file name without folder and last extension; empty for a folder.
std::wstring FileTitleOf(const std::wstring& path);
// The short (8.3) form of an existing file or folder, empty when there is
// none. When the system makes no short form the path itself comes back.
std::wstring GetShortPath(const std::wstring& path);

// Upper case as Windows compares file names, in every script: "Песня" and
// "ПЕСНЯ" fold to the same text.
std::wstring FoldFileNameCase(std::wstring_view name);

// The paths of a drop, whole however long; the drop is finished with.
std::vector<std::wstring> DroppedFiles(HDROP drop);

// The helpers above, for the play-list code.
FileQueries& SystemFileQueries();

} // namespace brelvix
