// The screen-saver host's command line.
#include "app/command_line.h"
#include "fuzz_input.h"

using namespace brelvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring command = CommandText(fuzz::Text(data, size));
    FUZZ_CHECK(!command.empty());
    int mode = DecideRunMode(command);
    FUZZ_CHECK(mode >= ModeUnknown && mode <= ModePassword);
    if (command.find_first_of(L"/-") == std::wstring::npos) {
        FUZZ_CHECK(mode == ModeUnknown);
    }
    std::uintptr_t host = HostWindowArgument(command);
    FUZZ_CHECK(host <= UINT32_MAX && (host == 0 || command.find(L':') != std::wstring::npos));
    std::uintptr_t preview = PreviewWindowArgument(command);
    FUZZ_CHECK(preview <= UINT32_MAX && (preview == 0 || command.find(L' ') != std::wstring::npos));
    return 0;
}
