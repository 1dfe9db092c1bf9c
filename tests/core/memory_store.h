// A settings store in memory that records every write, for checking the order
// and the texts of what the program stores.
#pragma once

#include "saver/settings.h"
#include "saver/text_value.h"

#include <map>
#include <string>
#include <vector>

namespace brelvix::testing {

class MemoryStore : public SettingsStore {
  public:
    std::wstring Read(std::wstring_view section, std::wstring_view key,
                      std::wstring_view fallback) override {
        auto it = values.find(Key(section, key));
        return it == values.end() ? std::wstring(fallback) : it->second;
    }
    void Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override {
        values[Key(section, key)] = std::wstring(value);
        writes.push_back(std::wstring(section) + L"/" + std::wstring(key) + L"=" +
                         std::wstring(value));
    }
    void DeleteSection(std::wstring_view section) override {
        std::wstring prefix = ToLowerText(section) + L"/";
        for (auto it = values.begin(); it != values.end();) {
            it = it->first.rfind(prefix, 0) == 0 ? values.erase(it) : std::next(it);
        }
        writes.push_back(L"delete " + std::wstring(section));
    }

    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
        values[Key(section, key)] = std::wstring(value);
    }
    bool Has(std::wstring_view section, std::wstring_view key) const {
        return values.count(Key(section, key)) != 0;
    }

    // Registry names ignore case; so does this store.
    static std::wstring Key(std::wstring_view section, std::wstring_view key) {
        return ToLowerText(section) + L"/" + ToLowerText(key);
    }

    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> writes;
};

} // namespace brelvix::testing
