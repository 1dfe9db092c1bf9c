#include "saver/registry_store_win.h"

#include "win_test_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

using testing::FreshProgramStore;

TEST(RegistryStore, ReadsDefaultsWritesAndReadsBack) {
    FreshProgramStore fresh;
    RegistryStore& store = fresh.Store();
    EXPECT_EQ(store.Read(kSectionSetting, L"Mute", L"0"), L"0");
    const std::wstring values[] = {L"True", L"", L"C:\\M\u00fcsic\\caf\u00e9 \u00e0.mp3",
                                   std::wstring(1000, L'x'), L"yes "};
    for (const auto& value : values) {
        store.Write(kSectionSetting, L"MusicFile", value);
        EXPECT_EQ(store.Read(kSectionSetting, L"MusicFile", L"default"), value);
    }
    // Key names ignore case, as the registry does.
    EXPECT_EQ(store.Read(kSectionSetting, L"MUSICFILE", L"default"), L"yes ");
}

TEST(RegistryStore, ValuesAreStoredAsTextUnderTheProgramKey) {
    FreshProgramStore fresh;
    fresh.Store().Write(kSectionSetting, L"ViewTime", L"True");
    wchar_t data[16] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Brelvix\\Setting", L"ViewTime",
                           RRF_RT_ANY, &type, data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(data, L"True");
}

TEST(RegistryStore, DeleteSectionRemovesEveryKeyOfItOnly) {
    FreshProgramStore fresh;
    RegistryStore& store = fresh.Store();
    for (int n = 1; n <= 5; ++n) {
        store.Write(kSectionFileList, L"LocalFile" + std::to_wstring(n), L"x");
    }
    store.Write(kSectionSetting, L"LocalFileCount", L"5");
    store.DeleteSection(kSectionFileList);
    EXPECT_EQ(store.Read(kSectionFileList, L"LocalFile3", L"gone"), L"gone");
    EXPECT_EQ(store.Read(kSectionSetting, L"LocalFileCount", L""), L"5");
    store.DeleteSection(kSectionFileList); // deleting what is not there does no harm
}

TEST(RegistryStore, ValuesThatAreNotTextReadAsAbsent) {
    FreshProgramStore fresh;
    fresh.Store().Write(kSectionSetting, L"Mute", L"1");
    DWORD number = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Brelvix\\Setting", L"Mute", REG_DWORD, &number,
                    sizeof number);
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"Mute", L"0"), L"0");
    // A string stored without its terminating NUL still reads whole.
    const wchar_t raw[] = {L'T', L'r', L'u', L'e'};
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Brelvix\\Setting", L"Mute", REG_SZ, raw,
                    sizeof raw);
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"Mute", L"0"), L"True");
}

TEST(RegistryStore, OptionsLoadFromTheRealRegistry) {
    FreshProgramStore fresh;
    Options opt = LoadOptions(fresh.Store());
    EXPECT_TRUE(opt.UsableScreen);
    EXPECT_EQ(fresh.Store().Read(kSectionSetting, L"ViewTime", L""), L"True");
}

} // namespace
} // namespace brelvix
