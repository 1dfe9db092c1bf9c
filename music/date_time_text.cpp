#include "music/date_time_text.h"

#include <cstdio>
#include <cstdlib>

namespace brelvix {
namespace {

std::wstring TwoDigits(int value) {
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%02d", value);
    return text;
}

} // namespace

std::wstring FormatClockText(const LocalDateTime& t, const std::wstring& dateSeparator,
                             const std::wstring& timeSeparator) {
    wchar_t year[16];
    std::swprintf(year, std::size(year), L"%04d", t.year);
    return std::to_wstring(t.day) + dateSeparator + TwoDigits(t.month) + dateSeparator + year +
           L" " + std::to_wstring(t.hour) + timeSeparator + TwoDigits(t.minute) + timeSeparator +
           TwoDigits(t.second);
}

} // namespace brelvix
