// One check for a table of inputs and the results expected from them.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>

namespace brelvix::testing {

template <typename In, typename Out, std::size_t N, typename Function>
void ExpectEach(const std::pair<In, Out> (&cases)[N], Function function) {
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(function(input), expected) << input;
    }
}

} // namespace brelvix::testing
