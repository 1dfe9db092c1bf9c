#include "setup/song_sources_win.h"

#include "base/path_text.h"
#include "setup/play_list_file.h"
#include "winutil/com_win.h"
#include "winutil/file_helpers_win.h"
#include "winutil/handles_win.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace brelvix {
namespace {

// A play-list is a few kilobytes; anything far larger is no play-list.
constexpr LONGLONG kMaxPlayListBytes = 16 * 1024 * 1024;

DWORD AttributesOf(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

std::wstring AnsiText(std::string_view bytes) {
    if (bytes.empty()) {
        return L"";
    }
    int size = static_cast<int>(bytes.size());
    std::wstring text(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

} // namespace

std::vector<SongSources::Item> SystemSongSources::List(const std::wstring& folder) {
    std::vector<Item> items;
    WIN32_FIND_DATAW data{};
    FindHandle find(FindFirstFileExW(InFolder(folder, L"*").c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
        return items; // unreadable or gone: nothing in it to add
    }
    do {
        std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") {
            items.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (FindNextFileW(find.Get(), &data));
    return items;
}

bool SystemSongSources::IsFolder(const std::wstring& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SystemSongSources::IsFile(const std::wstring& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The stored target only: Resolve could search the disk or ask the user.
std::wstring SystemSongSources::ShortcutTarget(const std::wstring& path) {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.Out())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Out())) ||
        FAILED(file->Load(path.c_str(), STGM_READ))) {
        return L"";
    }
    wchar_t target[MAX_PATH] = {};
    if (link->GetPath(target, static_cast<int>(std::size(target)), nullptr, 0) != S_OK) {
        return L"";
    }
    return target;
}

std::optional<std::wstring> SystemSongSources::PlayListText(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > kMaxPlayListBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return brelvix::PlayListText(bytes, PlayListFormatOf(path), AnsiText);
}

int SystemSongSources::Compare(const std::wstring& a, const std::wstring& b) {
    return StrCmpLogicalW(a.c_str(), b.c_str());
}

std::wstring SystemSongSources::Identity(const std::wstring& folder) {
    wchar_t full[MAX_PATH * 4] = {};
    DWORD length =
        GetFullPathNameW(folder.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
    std::wstring path = length > 0 && length < std::size(full) ? full : folder;
    while (path.size() > 3 && path.back() == L'\\') {
        path.pop_back();
    }
    return FoldFileNameCase(path);
}

} // namespace brelvix
