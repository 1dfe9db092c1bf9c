// The settings store on Windows: HKEY_CURRENT_USER\Software\<application>\<section>,
// every value a REG_SZ.
#pragma once

#include "base/settings.h"
#include "winutil/handles_win.h"

namespace brelvix {

class RegistryStore final : public SettingsStore {
  public:
    // baseKey is the key under HKEY_CURRENT_USER that holds the sections,
    // normally "Software\Brelvix".
    explicit RegistryStore(std::wstring baseKey);

    std::wstring Read(std::wstring_view section, std::wstring_view key,
                      std::wstring_view fallback) override;
    void Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;
    void DeleteSection(std::wstring_view section) override;
    // Opens the section's key once for all the values.
    void WriteValues(std::wstring_view section, const KeyValues& values) override;
    SectionValues ValuesOf(std::wstring_view section) override;

  private:
    std::wstring SectionPath(std::wstring_view section) const;
    std::wstring base_;
};

// The store of the program: Software\<AppTitle>.
RegistryStore& ProgramStore();

} // namespace brelvix
