// The date and time drawn in the saver's top-left corner.
#pragma once

#include <string>

namespace brelvix {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "d/mm/yyyy h:mm:ss" with the locale's date and time separators.
std::wstring FormatClockText(const LocalDateTime& t, const std::wstring& dateSeparator,
                             const std::wstring& timeSeparator);

} // namespace brelvix
