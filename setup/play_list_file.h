// Play-list files (M3U, M3U8, PLS) read as lists of song paths: how their
// bytes become text, which lines name songs, and where a relative name points.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvix {

enum class PlayListFormat { None, M3u, M3u8, Pls };

// By the file's extension, in any letter case.
PlayListFormat PlayListFormatOf(std::wstring_view path);

// ".mp3", ".mid" or ".wav", in any letter case.
bool IsSongFile(std::wstring_view path);

// ".lnk", in any letter case.
bool IsShortcutFile(std::wstring_view path);

// UTF-8 bytes as text; a byte that starts no valid sequence becomes U+FFFD.
std::wstring DecodeUtf8(std::string_view bytes);

// The text of a play-list file. M3U8 is UTF-8; M3U and PLS are in the system's
// ANSI code page (the decoder given), unless a UTF-8 byte-order mark says
// otherwise. The mark itself is dropped.
std::wstring PlayListText(std::string_view bytes, PlayListFormat format,
                          const std::function<std::wstring(std::string_view)>& ansi);

// The entries the file lists, in its order, each trimmed of blanks. M3U skips
// blank lines, comments and "#EXT" lines; PLS takes the values of its "FileN="
// keys in the order of N. CRLF, LF and CR all end a line.
std::vector<std::wstring> PlayListEntries(std::wstring_view text, PlayListFormat format);

// The full path an entry names, with forward slashes turned back: drive and
// UNC paths as they are, a path from the root on the folder's drive, anything
// else inside folder (the play-list file's own). Empty for a URL.
std::wstring ResolveEntry(std::wstring_view entry, std::wstring_view folder);

} // namespace brelvix
