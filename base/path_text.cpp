#include "base/path_text.h"

#include "base/text_value.h"

#include <vector>

namespace brelvix {
namespace {

// Most short forms fit here; a longer one costs a second call.
constexpr std::size_t kFirstShortBuffer = 255;

} // namespace

std::wstring StripQuotes(std::wstring path) {
    if (path.size() > 1 && path.find(L'"', 1) == path.size() - 1) {
        path.pop_back();
    }
    if (!path.empty() && path.front() == L'"') {
        path.erase(0, 1);
    }
    return path;
}

std::optional<std::wstring> FileQueryPath(const std::wstring& path) {
    if (TrimBlanks(path).empty()) {
        return std::nullopt;
    }
    std::wstring query = path;
    if (query.back() == L'\\') {
        query.pop_back();
    }
    return StripQuotes(std::move(query));
}

std::optional<std::wstring> FolderQueryPath(const std::wstring& path) {
    if (TrimBlanks(path).empty()) {
        return std::nullopt;
    }
    return StripQuotes(path);
}

std::wstring InFolder(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (!path.empty() && path.back() != L'\\') {
        path += L'\\';
    }
    return path.append(name);
}

std::wstring TitleOfPath(const std::wstring& path,
                         const std::function<bool(const std::wstring&)>& isFolder) {
    std::wstring name = path;
    std::size_t slash = path.rfind(L'\\');
    if (slash != std::wstring::npos) {
        if (isFolder(path)) {
            return {};
        }
        name = path.substr(slash + 1);
    }
    std::size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring ShortFormOf(const std::wstring& path, const ShortNameCall& call) {
    std::vector<wchar_t> buffer(kFirstShortBuffer);
    std::size_t length = call(path, buffer.data(), buffer.size());
    if (length >= buffer.size()) {
        buffer.assign(length, L'\0');
        length = call(path, buffer.data(), buffer.size());
    }
    // Still too long means the path changed between the calls: no form was made.
    if (length == 0 || length >= buffer.size()) {
        return path;
    }
    return std::wstring(buffer.data(), length);
}

} // namespace brelvix
