// The text side of the song file helpers: what a path looks like before the
// file system is asked about it, and how a song's display title is cut from it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brelvix {

// Drops a closing double quote when it is the first quote after the first
// character and ends the path, then an opening one: "C:\a b.mp3" -> C:\a b.mp3.
std::wstring StripQuotes(std::wstring path);

// The path a file query looks up: nothing for a blank path; one trailing
// backslash dropped, then the quotes stripped.
std::optional<std::wstring> FileQueryPath(const std::wstring& path);

// The path a folder query looks up: nothing for a blank path; the quotes
// stripped (a trailing backslash stays).
std::optional<std::wstring> FolderQueryPath(const std::wstring& path);

// The name inside the folder, with one backslash between them.
std::wstring InFolder(std::wstring_view folder, std::wstring_view name);

// The file name without folder and without its last extension; empty when
// the path holds a backslash and names an existing folder.
std::wstring TitleOfPath(const std::wstring& path,
                         const std::function<bool(const std::wstring&)>& isFolder);

// The system's short-name call: writes the short form into buffer (size in
// characters) and returns its length when it fits, the size it needs
// (terminating NUL included) when it does not, or 0 when it fails.
using ShortNameCall =
    std::function<std::size_t(const std::wstring& path, wchar_t* buffer, std::size_t size)>;

// The short form of an existing path. A form too long for the first buffer is
// asked for again with the size the system needs, so it never comes back cut
// short; when no short form can be made the path itself is used, since the
// file is there to be played.
std::wstring ShortFormOf(const std::wstring& path, const ShortNameCall& call);

} // namespace brelvix
