#include "base/deadline.h"

#include <cmath>

namespace brelvix {
namespace {
constexpr double kMaxSeconds = 86400.0;
}

Deadline::Deadline(std::uint64_t nowMs, double seconds) {
    double clamped = std::isnan(seconds) ? 0.0 : std::fmin(std::fmax(seconds, 0.0), kMaxSeconds);
    at_ = nowMs + static_cast<std::uint64_t>(std::ceil(clamped * 1000.0));
}

std::uint32_t Deadline::RemainingMs(std::uint64_t nowMs) const {
    return Passed(nowMs) ? 0 : static_cast<std::uint32_t>(at_ - nowMs);
}

} // namespace brelvix
