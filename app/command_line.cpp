#include "app/command_line.h"

#include "base/text_value.h"

namespace brelvix {
namespace {

bool Contains(std::wstring_view text, std::wstring_view a, std::wstring_view b) {
    return text.find(a) != std::wstring_view::npos || text.find(b) != std::wstring_view::npos;
}

// Window handles are 32-bit values on every Windows; anything else is not a
// window and reads as none.
std::uintptr_t HandleAfter(std::wstring_view commandText, wchar_t separator) {
    size_t at = commandText.find(separator);
    if (at == std::wstring_view::npos) {
        return 0;
    }
    auto value = WholeInRange(NumericValue(commandText.substr(at + 1)), 0, UINT32_MAX);
    return value ? static_cast<std::uintptr_t>(*value) : 0;
}

} // namespace

std::wstring CommandText(std::wstring_view arguments) {
    std::wstring text = ToUpperText(arguments);
    return text.empty() ? L"/C" : text;
}

int DecideRunMode(std::wstring_view text) {
    if (text == L"/C" || text == L"-C") {
        return ModeSetup;
    }
    if (text == L"/S" || text == L"-S") {
        return ModeSaver;
    }
    if (Contains(text, L"/P", L"-P")) {
        return ModePreview;
    }
    if (Contains(text, L"/A", L"-A")) {
        return ModePassword;
    }
    if (Contains(text, L"/S", L"-S")) {
        return ModeSaver;
    }
    if (Contains(text, L"/C", L"-C")) {
        return ModeSetup;
    }
    return ModeUnknown;
}

std::uintptr_t HostWindowArgument(std::wstring_view commandText) {
    return HandleAfter(commandText, L':');
}

std::uintptr_t PreviewWindowArgument(std::wstring_view commandText) {
    return HandleAfter(commandText, L' ');
}

} // namespace brelvix
