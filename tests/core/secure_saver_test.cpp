#include "base/secure_saver.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

TEST(DecideSecureSaver, PolicyFirstThenTheSystemThenTheUser) {
    constexpr std::optional<bool> kSilent, kYes = true, kNo = false;
    const struct {
        const wchar_t* policy;
        std::optional<bool> system;
        const wchar_t* user;
        bool secure;
    } cases[] = {
        {L"1", kNo, L"0", true},      {L"0", kYes, L"1", false},     {L"1", kSilent, L"0", true},
        {L"0", kSilent, L"1", false}, {L"", kYes, L"0", true},       {L"", kNo, L"1", false},
        {L"", kSilent, L"1", true},   {L"", kSilent, L"0", false},   {L"", kSilent, L"", false},
        {L"2", kSilent, L"1", true},  {L" 1", kSilent, L"0", false}, {L"10", kNo, L"1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideSecureSaver({c.policy, c.system, c.user}), c.secure)
            << "[" << c.policy << "] " << (c.system ? *c.system ? "yes" : "no" : "silent") << " ["
            << c.user << "]";
    }
}

} // namespace
} // namespace brelvix
