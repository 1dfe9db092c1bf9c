#include "base/secure_saver.h"

#include <gtest/gtest.h>

#include <tuple>

namespace brelvix {
namespace {

TEST(DecideSecureSaver, PolicyFirstThenTheSystemThenTheUser) {
    constexpr std::optional<bool> kSilent, kYes = true, kNo = false;
    const std::tuple<const wchar_t*, std::optional<bool>, const wchar_t*, bool> cases[] = {
        {L"1", kNo, L"0", true},      {L"0", kYes, L"1", false},     {L"1", kSilent, L"0", true},
        {L"0", kSilent, L"1", false}, {L"", kYes, L"0", true},       {L"", kNo, L"1", false},
        {L"", kSilent, L"1", true},   {L"", kSilent, L"0", false},   {L"", kSilent, L"", false},
        {L"2", kSilent, L"1", true},  {L" 1", kSilent, L"0", false}, {L"10", kNo, L"1", false},
    };
    for (const auto& [policy, system, user, secure] : cases) {
        EXPECT_EQ(DecideSecureSaver({policy, system, user}), secure)
            << "[" << policy << "] " << (system ? *system ? "yes" : "no" : "silent") << " [" << user
            << "]";
    }
}

} // namespace
} // namespace brelvix
