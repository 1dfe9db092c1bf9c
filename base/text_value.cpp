#include "base/text_value.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace brelvix {
namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Appends the run of digits starting at pos to out; returns how many it took.
size_t TakeDigits(std::wstring_view text, size_t pos, std::string& out) {
    size_t taken = 0;
    while (pos + taken < text.size() && IsDigit(text[pos + taken])) {
        out += static_cast<char>(text[pos + taken]);
        ++taken;
    }
    return taken;
}

wchar_t LowerChar(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<wchar_t>(c + 0x20);
    }
    return c;
}

wchar_t UpperChar(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    return c;
}

} // namespace

double NumericValue(std::wstring_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    std::string number;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        number += static_cast<char>(text[pos++]);
    }
    size_t digits = TakeDigits(text, pos, number);
    pos += digits;
    if (pos < text.size() && text[pos] == L'.') {
        number += '.';
        size_t fraction = TakeDigits(text, pos + 1, number);
        digits += fraction;
        pos += 1 + fraction;
    }
    if (digits == 0) {
        return 0.0;
    }
    if (pos < text.size() && (text[pos] == L'e' || text[pos] == L'E')) {
        std::string exponent = "e";
        size_t at = pos + 1;
        if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) {
            exponent += static_cast<char>(text[at++]);
        }
        if (TakeDigits(text, at, exponent) > 0) {
            number += exponent;
        }
    }
    double value = std::strtod(number.c_str(), nullptr);
    // Too large for a double still reads as a large number of the same sign.
    return std::isfinite(value) ? value : std::copysign(std::numeric_limits<double>::max(), value);
}

double RoundHalfEven(double value) {
    double lower = std::floor(value);
    double diff = value - lower;
    if (diff > 0.5) {
        return lower + 1.0;
    }
    if (diff < 0.5) {
        return lower;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<std::int64_t> WholeInRange(double value, std::int64_t low, std::int64_t high) {
    double whole = RoundHalfEven(value);
    if (!(whole >= static_cast<double>(low) && whole <= static_cast<double>(high))) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(whole);
}

std::int64_t ClampedWhole(double value, std::int64_t low, std::int64_t high) {
    if (auto whole = WholeInRange(value, low, high)) {
        return *whole;
    }
    return value < static_cast<double>(low) ? low : high;
}

std::wstring ToLowerText(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) {
        c = LowerChar(c);
    }
    return out;
}

std::wstring ToUpperText(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) {
        c = UpperChar(c);
    }
    return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    return ToLowerText(a) == ToLowerText(b);
}

std::wstring TrimBlanks(std::wstring_view text) {
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(L' ');
    return std::wstring(text.substr(first, last - first + 1));
}

} // namespace brelvix
