// Texts the dialogs read: the file-open dialog's buffer of chosen names (NUL
// separated, a byte a character) and its filter, and the About box's comment.
#include "about/about_text.h"
#include "fuzz_input.h"
#include "resources/version.h"
#include "setup/open_file_buffer.h"

#include <algorithm>

using namespace brelvix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring buffer(data, data + size);
    for (bool several : {false, true}) {
        std::wstring folder = L"before";
        auto paths = ChosenPaths(buffer, several, folder);
        FUZZ_CHECK(!paths.empty() && (paths.front().empty() == (folder == L"before")));
        for (const auto& path : paths) {
            // Every path lies in the folder (an opening quote aside).
            std::wstring bare = !path.empty() && path[0] == L'"' ? path.substr(1) : path;
            FUZZ_CHECK(path.find(L'\0') == std::wstring::npos);
            FUZZ_CHECK(paths.front().empty() || path.rfind(folder, 0) == 0 ||
                       bare.rfind(folder, 0) == 0);
        }
    }
    std::wstring text = FuzzLines(data, size)[0];
    std::wstring folder = FolderOfPath(text);
    FUZZ_CHECK(folder.empty() || (folder.back() == L'\\' && text.find(folder) <= 1));
    std::wstring filter = DialogFilter(text);
    FUZZ_CHECK(text.find(L'|') == std::wstring::npos ||
               (filter.find(L'|') == std::wstring::npos && filter.size() == text.size() + 2));
    std::wstring about = BuildAboutText(text);
    FUZZ_CHECK(about.find(L"version " BRELVIX_VERSION_TEXT L"\r") != std::wstring::npos);
    // The links keep their lines 8 and 9 for comments of up to two CRs.
    if (std::count(text.begin(), text.end(), L'\r') <= 2) {
        FUZZ_CHECK(std::count(about.begin(), about.end(), L'\r') == 8);
    }
    return 0;
}
