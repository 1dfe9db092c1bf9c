#include "setup/open_file_buffer.h"

namespace brelvix {
namespace {

std::wstring_view UpToNul(std::wstring_view text) {
    return text.substr(0, text.find(L'\0'));
}

// The buffer up to its first pair of NULs.
std::wstring_view UpToDoubleNul(std::wstring_view text) {
    std::size_t end = text.find(std::wstring_view(L"\0\0", 2));
    return text.substr(0, end);
}

std::vector<std::wstring> NamesInFolder(std::wstring_view all, std::wstring& folder) {
    std::size_t cut = all.find(L'\0');
    std::wstring in(all.substr(0, cut));
    if (in.empty() || in.back() != L'\\') {
        in += L'\\';
    }
    std::vector<std::wstring> paths;
    while (cut != std::wstring_view::npos) {
        std::size_t next = all.find(L'\0', cut + 1);
        std::wstring_view name = all.substr(cut + 1, next - cut - 1);
        if (!name.empty()) {
            paths.push_back(in + std::wstring(name));
        }
        cut = next;
    }
    // A folder without a name chose nothing.
    if (paths.empty()) {
        return {L""};
    }
    folder = in;
    return paths;
}

} // namespace

std::wstring DialogFilter(const std::wstring& filter) {
    if (filter.find(L'|') == std::wstring::npos) {
        return filter;
    }
    std::wstring out = filter;
    for (auto& c : out) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    return out + std::wstring(2, L'\0');
}

std::wstring DialogTitle(const std::wstring& title) {
    return title == L"#A#O" ? L"Open" : title;
}

std::wstring FolderOfPath(std::wstring path) {
    if (!path.empty() && path.front() == L'"') {
        path.erase(0, 1);
    }
    std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::vector<std::wstring> ChosenPaths(std::wstring_view buffer, bool multiSelect,
                                      std::wstring& folder) {
    if (buffer.empty() || buffer.front() == L'\0') {
        return {L""};
    }
    std::wstring_view all = multiSelect ? UpToDoubleNul(buffer) : UpToNul(buffer);
    // One file, even from a multiple choice, comes back as its full path;
    // its folder is still where the next choice should start.
    if (all.find(L'\0') == std::wstring_view::npos) {
        folder = FolderOfPath(std::wstring(all));
        return {std::wstring(all)};
    }
    return NamesInFolder(all, folder);
}

} // namespace brelvix
