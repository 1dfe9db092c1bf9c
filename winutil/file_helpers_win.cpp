#include "winutil/file_helpers_win.h"

#include "base/path_text.h"
#include "winutil/handles_win.h"

#include <windows.h>

namespace brelvix {
namespace {

class SystemFiles final : public FileQueries {
  public:
    bool Exists(const std::wstring& path) override { return FileExists(path); }
    std::wstring Title(const std::wstring& path) override { return FileTitleOf(path); }
    std::wstring ShortPath(const std::wstring& path) override { return GetShortPath(path); }
};

std::size_t SystemShortName(const std::wstring& path, wchar_t* buffer, std::size_t size) {
    return GetShortPathNameW(path.c_str(), buffer, static_cast<DWORD>(size));
}

} // namespace

bool FileExists(const std::wstring& path) {
    auto query = FileQueryPath(path);
    if (!query) {
        return false;
    }
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW(query->c_str(), &found));
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirExists(const std::wstring& path) {
    auto query = FolderQueryPath(path);
    if (!query) {
        return false;
    }
    DWORD attributes = GetFileAttributesW(query->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring FileTitleOf(const std::wstring& path) {
    return TitleOfPath(path, DirExists);
}

std::wstring GetShortPath(const std::wstring& path) {
    if (!FileExists(path) && !DirExists(path)) {
        return {};
    }
    return ShortFormOf(path, SystemShortName);
}

std::wstring FoldFileNameCase(std::wstring_view name) {
    std::wstring text(name);
    if (text.empty()) {
        return text;
    }
    // The invariant upper case, the same in every locale, as the file system's.
    int size = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(),
                             static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr, 0);
    std::wstring folded(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size <= 0 || LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.c_str(),
                                   static_cast<int>(text.size()), folded.data(), size, nullptr,
                                   nullptr, 0) != size) {
        return text;
    }
    return folded;
}

FileQueries& SystemFileQueries() {
    static SystemFiles files;
    return files;
}

std::vector<std::wstring> DroppedFiles(HDROP drop) {
    std::vector<std::wstring> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(std::move(path));
    }
    DragFinish(drop);
    return paths;
}

} // namespace brelvix
