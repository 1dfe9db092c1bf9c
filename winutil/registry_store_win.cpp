#include "winutil/registry_store_win.h"

#include "base/program_state.h"
#include "base/text_value.h"
#include "winutil/handles_win.h"

#include <windows.h>

namespace brelvix {
namespace {

// Values longer than this are not settings this program wrote (no path is
// this long); not reading them keeps a damaged store from costing memory.
constexpr DWORD kMaxValueBytes = 64 * 1024;

} // namespace

RegistryStore::RegistryStore(std::wstring baseKey) : base_(std::move(baseKey)) {}

std::wstring RegistryStore::SectionPath(std::wstring_view section) const {
    return base_ + L"\\" + std::wstring(section);
}

std::wstring RegistryStore::Read(std::wstring_view section, std::wstring_view key,
                                 std::wstring_view fallback) {
    RegKey hkey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE,
                      hkey.Out()) != ERROR_SUCCESS) {
        return std::wstring(fallback);
    }
    std::wstring name(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(hkey.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return std::wstring(fallback);
    }
    // The value is there but is no text this program wrote: it reads as an
    // empty text, not as the default of an absent key.
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || bytes > kMaxValueBytes) {
        return {};
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(hkey.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    // The stored data need not end in a NUL; the text ends at the first one.
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

namespace {

void SetText(HKEY hkey, const std::wstring& name, const std::wstring& data) {
    RegSetValueExW(hkey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

} // namespace

void RegistryStore::Write(std::wstring_view section, std::wstring_view key,
                          std::wstring_view value) {
    WriteValues(section, {{std::wstring(key), std::wstring(value)}});
}

void RegistryStore::WriteValues(std::wstring_view section, const KeyValues& values) {
    RegKey hkey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, hkey.Out(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    for (const auto& [key, value] : values) {
        SetText(hkey.Get(), key, value);
    }
}

// One call: the section and its keys go together or not at all.
void RegistryStore::DeleteSection(std::wstring_view section) {
    RegDeleteKeyW(HKEY_CURRENT_USER, SectionPath(section).c_str());
}

SectionValues RegistryStore::ValuesOf(std::wstring_view section) {
    SectionValues values;
    RegKey hkey;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE,
                      hkey.Out()) != ERROR_SUCCESS ||
        RegQueryInfoKeyW(hkey.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return values;
    }
    std::wstring name(longestName + 1, L'\0');
    std::wstring data(longestData / sizeof(wchar_t) + 1, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        LONG result = RegEnumValueW(hkey.Get(), index, name.data(), &nameLength, nullptr, &type,
                                    reinterpret_cast<BYTE*>(data.data()), &bytes);
        // A value grown since the section was sized reads as an empty one;
        // any other error (the section deleted meanwhile by another program)
        // would come back at every index, so the reading ends there.
        if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) {
            break;
        }
        bool text = result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) &&
                    bytes <= kMaxValueBytes;
        // As in Read: a value that is no text reads as an empty one.
        values[ToLowerText(std::wstring_view(name.data(), nameLength))] =
            text ? std::wstring(data.c_str(), wcsnlen(data.c_str(), bytes / sizeof(wchar_t)))
                 : std::wstring();
    }
    return values;
}

RegistryStore& ProgramStore() {
    static RegistryStore store(L"Software\\" + Program().AppTitle);
    return store;
}

} // namespace brelvix
