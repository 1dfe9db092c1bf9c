#include "saver/screen_layout_win.h"

#include <windows.h>

namespace brelvix {

ScreenLayout SystemScreenLayout() {
    ScreenLayout layout;
    layout.virtualScreen = {
        GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    layout.primaryWidth = GetSystemMetrics(SM_CXSCREEN);
    layout.primaryHeight = GetSystemMetrics(SM_CYSCREEN);
    return layout;
}

} // namespace brelvix
