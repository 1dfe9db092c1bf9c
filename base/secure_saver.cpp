#include "base/secure_saver.h"

#include "base/text_value.h"

namespace brelvix {

bool DecideSecureSaver(const SecureSaverSources& sources) {
    if (sources.policy == L"1" || sources.policy == L"0") {
        return sources.policy == L"1";
    }
    if (sources.system) {
        return *sources.system;
    }
    return NumericValue(sources.user) != 0;
}

} // namespace brelvix
