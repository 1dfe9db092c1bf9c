#include "app/entry_win.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    return brelvix::RunProgram(arguments ? arguments : L"");
}
