#include "setup/play_list_file.h"

#include "base/path_text.h"

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <map>

namespace brelvix {
namespace {

bool EndsWithNoCase(std::wstring_view text, std::wstring_view end) {
    if (text.size() < end.size()) {
        return false;
    }
    return std::equal(end.begin(), end.end(), text.end() - end.size(),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view start) {
    return text.size() >= start.size() && EndsWithNoCase(text.substr(0, start.size()), start);
}

std::wstring_view Trimmed(std::wstring_view text) {
    const wchar_t* blanks = L" \t";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::wstring_view> Lines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.substr(end, 2) == L"\r\n" ? 2 : 1);
    }
    return lines;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The length of the sequence a lead byte starts, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Overlong forms, surrogates and values past U+10FFFF are no characters.
bool IsCharacter(std::uint32_t value, int length) {
    static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    return value >= kLeast[length] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

void AppendCharacter(std::wstring& text, std::uint32_t value) {
    if (sizeof(wchar_t) == 2 && value > 0xFFFF) {
        value -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (value >> 10));
        text += static_cast<wchar_t>(0xDC00 + (value & 0x3FF));
    } else {
        text += static_cast<wchar_t>(value);
    }
}

void AddPlsEntry(std::wstring_view line, std::multimap<long, std::wstring>& entries) {
    std::size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos || !StartsWithNoCase(line, L"File")) {
        return;
    }
    std::wstring_view number = Trimmed(line.substr(4, equals - 4));
    if (number.empty() || number.size() > 9 ||
        !std::all_of(number.begin(), number.end(),
                     [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return;
    }
    std::wstring_view value = Trimmed(line.substr(equals + 1));
    if (!value.empty()) {
        entries.emplace(std::stol(std::wstring(number)), std::wstring(value));
    }
}

bool IsUrl(std::wstring_view entry) {
    std::size_t colon = entry.find(L"://");
    // "C:/x" is a drive: a scheme has at least two letters.
    return colon != std::wstring_view::npos && colon >= 2 &&
           std::all_of(
               entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(colon),
               [](wchar_t c) { return std::iswalpha(c) || c == L'+' || c == L'.' || c == L'-'; });
}

} // namespace

PlayListFormat PlayListFormatOf(std::wstring_view path) {
    if (EndsWithNoCase(path, L".m3u8")) {
        return PlayListFormat::M3u8;
    }
    if (EndsWithNoCase(path, L".m3u")) {
        return PlayListFormat::M3u;
    }
    if (EndsWithNoCase(path, L".pls")) {
        return PlayListFormat::Pls;
    }
    return PlayListFormat::None;
}

bool IsSongFile(std::wstring_view path) {
    return EndsWithNoCase(path, L".mp3") || EndsWithNoCase(path, L".mid") ||
           EndsWithNoCase(path, L".wav");
}

bool IsShortcutFile(std::wstring_view path) {
    return EndsWithNoCase(path, L".lnk");
}

std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        int length = SequenceLength(lead);
        std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
        int taken = 1;
        while (length > 1 && taken < length && i + taken < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + taken]) & 0xC0) == 0x80) {
            value = (value << 6) | (static_cast<unsigned char>(bytes[i + taken]) & 0x3F);
            ++taken;
        }
        if (length == 0 || taken < length || !IsCharacter(value, length)) {
            text += L'\xFFFD';
        } else {
            AppendCharacter(text, value);
        }
        i += static_cast<std::size_t>(taken);
    }
    return text;
}

std::wstring PlayListText(std::string_view bytes, PlayListFormat format,
                          const std::function<std::wstring(std::string_view)>& ansi) {
    bool marked = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (marked) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    return marked || format == PlayListFormat::M3u8 ? DecodeUtf8(bytes) : ansi(bytes);
}

std::vector<std::wstring> PlayListEntries(std::wstring_view text, PlayListFormat format) {
    std::vector<std::wstring> entries;
    if (format == PlayListFormat::Pls) {
        std::multimap<long, std::wstring> numbered;
        for (std::wstring_view line : Lines(text)) {
            AddPlsEntry(Trimmed(line), numbered);
        }
        for (auto& [number, entry] : numbered) {
            entries.push_back(std::move(entry));
        }
        return entries;
    }
    for (std::wstring_view line : Lines(text)) {
        line = Trimmed(line);
        if (!line.empty() && line.front() != L'#') {
            entries.emplace_back(line);
        }
    }
    return entries;
}

std::wstring ResolveEntry(std::wstring_view entry, std::wstring_view folder) {
    if (IsUrl(entry)) {
        return L"";
    }
    std::wstring path(entry);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    bool drive = path.size() >= 2 && path[1] == L':';
    if (drive || path.rfind(L"\\\\", 0) == 0) {
        return path;
    }
    if (!path.empty() && path.front() == L'\\') {
        // From the root of the play-list's own drive (or share).
        std::size_t root = folder.size() >= 2 && folder[1] == L':' ? 2 : folder.find(L'\\', 2);
        if (folder.rfind(L"\\\\", 0) == 0 && root != std::wstring_view::npos) {
            root = folder.find(L'\\', root + 1);
        }
        return std::wstring(folder.substr(0, root)) + path;
    }
    return InFolder(folder, path);
}

} // namespace brelvix
