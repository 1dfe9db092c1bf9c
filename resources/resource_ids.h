// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_BRELVIX 101
#define IDC_HAND_POINTER 101
