// Song paths as the play-list and the file-open dialog give them, the titles
// cut from them and their short forms. The first line is the path, the second
// the short form the system answers with; a third line makes the system fail.
#include "base/path_text.h"
#include "base/text_value.h"
#include "fuzz_input.h"

#include <cstring>

using namespace brelvix;

namespace {

void CheckShortForm(const std::wstring& path, const std::wstring& form, bool fails) {
    auto call = [&](const std::wstring&, wchar_t* buffer, std::size_t room) -> std::size_t {
        if (fails) {
            return 0;
        }
        if (form.size() >= room) {
            return form.size() + 1;
        }
        std::memcpy(buffer, form.c_str(), (form.size() + 1) * sizeof(wchar_t));
        return form.size();
    };
    std::wstring result = ShortFormOf(path, call);
    FUZZ_CHECK(result == (fails || form.empty() ? path : form));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> lines = fuzz::Lines(data, size);
    const std::wstring& path = lines[0];
    std::wstring stripped = StripQuotes(path);
    FUZZ_CHECK(stripped.size() <= path.size() && stripped.size() + 2 >= path.size());
    FUZZ_CHECK(path.find(stripped) != std::wstring::npos);
    bool blank = TrimBlanks(path).empty();
    FUZZ_CHECK(FileQueryPath(path).has_value() == !blank);
    FUZZ_CHECK(FolderQueryPath(path).has_value() == !blank);
    std::wstring title = TitleOfPath(path, [](const std::wstring&) { return false; });
    FUZZ_CHECK(title.find(L'\\') == std::wstring::npos && path.find(title) != std::wstring::npos);
    bool inFolder = path.find(L'\\') != std::wstring::npos;
    FUZZ_CHECK(TitleOfPath(path, [](const std::wstring&) { return true; }).empty() || !inFolder);
    CheckShortForm(path, lines.size() > 1 ? lines[1] : L"", lines.size() > 2);
    return 0;
}
