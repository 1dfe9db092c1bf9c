// Play-list files as they come: any bytes, read as each format, every entry
// resolved against a folder. The first byte picks the format.
#include "fuzz_input.h"
#include "setup/play_list_file.h"

using namespace brelvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static constexpr PlayListFormat kFormats[] = {PlayListFormat::M3u, PlayListFormat::M3u8,
                                                  PlayListFormat::Pls};
    PlayListFormat format = kFormats[data[0] % 3];
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::wstring text = PlayListText(bytes, format, [](std::string_view ansi) {
        return std::wstring(ansi.begin(), ansi.end());
    });
    FUZZ_CHECK(text.size() <= bytes.size());
    for (const auto& entry : PlayListEntries(text, format)) {
        FUZZ_CHECK(!entry.empty() && entry.find_first_of(L"\r\n") == std::wstring::npos);
        std::wstring path = ResolveEntry(entry, L"C:\\Music\\Lists");
        FUZZ_CHECK(path.empty() || path.find(L'/') == std::wstring::npos);
    }
    return 0;
}
