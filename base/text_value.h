// Reading numbers and letters out of texts the same way everywhere: settings,
// MCI replies and command-line handles all go through these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brelvix {

// The value of the text's leading decimal number (sign, digits, fraction,
// exponent), leading blanks allowed; 0 when the text starts with no number.
double NumericValue(std::wstring_view text);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// The value rounded half to even, or nothing when it falls outside [low, high].
std::optional<std::int64_t> WholeInRange(double value, std::int64_t low, std::int64_t high);

// The value rounded half to even and then held inside [low, high].
std::int64_t ClampedWhole(double value, std::int64_t low, std::int64_t high);

// A case fold: texts that are equal without regard to case fold to the same
// text. The play-list takes one, so that it can compare song titles the way
// the platform compares file names.
using TextFold = std::wstring (*)(std::wstring_view);

// Case mapping for ASCII and Latin-1 letters, independent of the C locale, so
// that "SÌ" and "sì" compare equal on every machine.
std::wstring ToLowerText(std::wstring_view text);
std::wstring ToUpperText(std::wstring_view text);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);

std::wstring TrimBlanks(std::wstring_view text);

} // namespace brelvix
