#include "winutil/secure_saver_win.h"

#include "base/text_value.h"
#include "winutil/registry_store_win.h"

#include <windows.h>

namespace brelvix {

bool ScreenSaverIsSecure() {
    BOOL secure = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENSAVESECURE, 0, &secure, 0)) {
        return secure != FALSE;
    }
    RegistryStore controlPanel(L"Control Panel");
    return NumericValue(controlPanel.Read(L"Desktop", L"ScreenSaverIsSecure", L"0")) != 0;
}

} // namespace brelvix
