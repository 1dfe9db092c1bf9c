#include "preview/preview_win.h"

namespace brelvix {

int RunPreview(const std::wstring& /*commandText*/) {
    // The preview's drawing is not built yet: it ends at once.
    return 0;
}

} // namespace brelvix
