// Texts the program reads one at a time: setting values (numbers and
// booleans), the screen-saver host's command line, and song paths as the
// play-list and the file-open dialog give them, with the titles cut from them.
#include "app/command_line.h"
#include "base/path_text.h"
#include "base/settings.h"
#include "base/text_value.h"
#include "fuzz_input.h"

#include <cmath>

using namespace brelvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text = FuzzLines(data, size)[0];
    double value = NumericValue(text);
    FUZZ_CHECK(std::isfinite(value) && NumericValue(L" \t" + text) == value);
    FUZZ_CHECK(value == 0.0 || text.find_first_of(L"0123456789") != std::wstring::npos);
    FUZZ_CHECK(std::fabs(RoundHalfEven(value) - value) <= 0.5);
    FUZZ_CHECK(std::llabs(ClampedWhole(value, -1000, 1000)) <= 1000);
    FUZZ_CHECK(ParseBool(text) == ParseBool(ToUpperText(text)));
    FUZZ_CHECK(EqualsNoCase(ToLowerText(text), ToUpperText(text)));
    std::wstring command = CommandText(text);
    int mode = DecideRunMode(command);
    FUZZ_CHECK(mode >= ModeUnknown && mode <= ModePassword && !command.empty());
    FUZZ_CHECK(mode == ModeUnknown || command.find_first_of(L"/-") != std::wstring::npos);
    std::uintptr_t host = HostWindowArgument(command), preview = PreviewWindowArgument(command);
    FUZZ_CHECK(host <= UINT32_MAX && (host == 0 || command.find(L':') != std::wstring::npos));
    FUZZ_CHECK(preview <= UINT32_MAX && (preview == 0 || command.find(L' ') != std::wstring::npos));
    std::wstring stripped = StripQuotes(text);
    FUZZ_CHECK(stripped.size() + 2 >= text.size() && text.find(stripped) != std::wstring::npos);
    bool blank = TrimBlanks(text).empty();
    FUZZ_CHECK(FileQueryPath(text).has_value() != blank &&
               FolderQueryPath(text).has_value() != blank);
    std::wstring title = TitleOfPath(text, [](const std::wstring&) { return false; });
    FUZZ_CHECK(title.find(L'\\') == std::wstring::npos && text.find(title) != std::wstring::npos);
    bool inFolder = text.find(L'\\') != std::wstring::npos;
    FUZZ_CHECK(!inFolder || TitleOfPath(text, [](const std::wstring&) { return true; }).empty());
    return 0;
}
