// The screens as Windows reports them, for the saver's layout rules.
#pragma once

#include "saver/screen_layout.h"

namespace brelvix {

ScreenLayout SystemScreenLayout();

} // namespace brelvix
