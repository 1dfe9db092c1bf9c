#include "winutil/secure_saver_win.h"

#include "winutil/registry_store_win.h"
#include "base/secure_saver.h"

#include <windows.h>

namespace brelvix {
namespace {

std::optional<bool> SystemAnswer() {
    BOOL secure = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENSAVESECURE, 0, &secure, 0)) {
        return std::nullopt;
    }
    return secure != FALSE;
}

} // namespace

bool ScreenSaverIsSecure() {
    RegistryStore policies(kPolicyControlPanel);
    RegistryStore controlPanel(kUserControlPanel);
    std::wstring policy = policies.Read(L"Desktop", kSecureValueName, L"");
    std::optional<bool> system = SystemAnswer();
    std::wstring user = controlPanel.Read(L"Desktop", kSecureValueName, L"0");
    return DecideSecureSaver({policy, system, user});
}

} // namespace brelvix
