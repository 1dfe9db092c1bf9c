// One place for the program's version: the resource script's VERSIONINFO and
// the About box both read it.
#pragma once

#define BRELVIX_VERSION_MAJOR 1
#define BRELVIX_VERSION_MINOR 6
#define BRELVIX_VERSION_BUILD 14
#define BRELVIX_VERSION_TEXT "1.6.14"
#define BRELVIX_VERSION_WTEXT L"1.6.14"
#define BRELVIX_PRODUCT_NAME "Brelvix"
#define BRELVIX_DESCRIPTION "Brelvix music screen saver"
#define BRELVIX_COPYRIGHT "Copyright (C) 2024-2026 the Brelvix developers"
