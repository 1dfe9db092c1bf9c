#include "preview/preview_rules.h"

#include "base/path_text.h"
#include "base/text_value.h"

#include <algorithm>

namespace brelvix {
namespace {

constexpr int kStepBase = 1;
constexpr int kStepSpan = 2;
// The part of the file's base name an older host listing showed.
constexpr std::size_t kOldFormStart = 2;

} // namespace

Miniature PlaceMiniature(int previewWidth, int previewHeight) {
    Miniature m;
    m.width = previewWidth / 3;
    m.height = previewHeight / 5;
    m.x = {CentredOffset(previewWidth, m.width), previewWidth - m.width, 1};
    m.y = {CentredOffset(previewHeight, m.height), previewHeight - m.height, 1};
    return m;
}

void StepMiniature(Miniature& miniature, double fractionX, double fractionY) {
    miniature.x.Advance(RandomStep(fractionX, kStepBase, kStepSpan));
    miniature.y.Advance(RandomStep(fractionY, kStepBase, kStepSpan));
}

bool IsScreenSaverPage(std::wstring_view caption) {
    return ToLowerText(caption).find(L"screen saver") != std::wstring::npos;
}

std::vector<std::wstring> SaverNames(const std::wstring& displayName,
                                     const std::wstring& programPath) {
    std::wstring base = TitleOfPath(programPath, [](const std::wstring&) { return false; });
    std::wstring oldForm = base.size() > kOldFormStart ? base.substr(kOldFormStart) : L"";
    std::vector<std::wstring> names;
    for (const std::wstring& name : {displayName, base, oldForm}) {
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}

bool NamesThisSaver(std::wstring_view entry, const std::vector<std::wstring>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::wstring& name) { return EqualsNoCase(entry, name); });
}

} // namespace brelvix
