// Settings texts: numbers and booleans.
#include "base/settings.h"
#include "base/text_value.h"
#include "fuzz_input.h"

#include <cmath>

using namespace brelvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text = fuzz::Text(data, size);
    double value = NumericValue(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(NumericValue(L" \t" + text) == value);
    if (text.find_first_of(L"0123456789") == std::wstring::npos) {
        FUZZ_CHECK(value == 0.0);
    }
    FUZZ_CHECK(std::fabs(RoundHalfEven(value) - value) <= 0.5);
    std::int64_t held = ClampedWhole(value, -1000, 1000);
    FUZZ_CHECK(held >= -1000 && held <= 1000);
    auto whole = WholeInRange(value, 0, UINT32_MAX);
    FUZZ_CHECK(!whole || (*whole >= 0 && *whole <= UINT32_MAX));
    FUZZ_CHECK(ParseBool(text) == ParseBool(ToUpperText(text)));
    FUZZ_CHECK(EqualsNoCase(ToLowerText(text), ToUpperText(text)));
    return 0;
}
