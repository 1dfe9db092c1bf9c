// The text side of the system's file-open dialog: the filter and title it is
// given, and the chosen paths read back out of its file buffer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brelvix {

// Description and pattern pairs separated by "|" become NUL-separated and
// end in two NULs; a filter without "|" is taken as already in that form.
std::wstring DialogFilter(const std::wstring& filter);

// "#A#O" stands for "Open".
std::wstring DialogTitle(const std::wstring& title);

// The folder part of a path, with its last backslash (an opening double
// quote is dropped first); empty when the path holds no backslash.
std::wstring FolderOfPath(std::wstring path);

// The chosen files, one full path each, from the dialog's file buffer; the
// folder they are in goes to folder. Several files come as the folder and
// then each name, NUL-separated up to a double NUL. A single empty path when
// the buffer holds nothing.
std::vector<std::wstring> ChosenPaths(std::wstring_view buffer, bool multiSelect,
                                      std::wstring& folder);

} // namespace brelvix
