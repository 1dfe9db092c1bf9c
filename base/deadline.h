// A point in time on a monotonic millisecond clock. Counting from boot rather
// than from midnight means a wait that spans midnight still lasts its length.
#pragma once

#include <cstdint>

namespace brelvix {

class Deadline {
  public:
    Deadline(std::uint64_t nowMs, double seconds);

    bool Passed(std::uint64_t nowMs) const { return nowMs >= at_; }
    // Milliseconds still to wait, never more than a day (what one wait call takes).
    std::uint32_t RemainingMs(std::uint64_t nowMs) const;

  private:
    std::uint64_t at_;
};

} // namespace brelvix
