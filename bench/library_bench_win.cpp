// Drops a folder tree onto a real setup dialog, as Explorer would, and prints
// how long it takes until every song is a row of the list, drawn, and the one
// message about them is up. bench/run.sh makes the tree; decides nothing.
#include "base/program_state.h"
#include "setup/setup_dialog_win.h"
#include "setup/setup_layout.h"
#include "win_support.h"

#include <cstdio>
#include <thread>

// Usage: library_bench FOLDER
int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    using namespace brelvix;
    Program().TwipsX = Program().TwipsY = 15;
    MusicState music;
    MciState mci;
    SetupDialog fsetup(music, mci);
    if (!fsetup.Load()) {
        return 1;
    }
    fsetup.Show();
    ULONGLONG start = 0;
    double seconds = 0;
    LRESULT rows = 0;
    std::thread answer([&] {
        HWND box = testing::WaitForBox(L"Brelvix", 120000);
        seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
        rows = SendMessageW(GetDlgItem(fsetup.Handle(), kIdList), LB_GETCOUNT, 0, 0);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    start = GetTickCount64();
    SendMessageW(fsetup.Handle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(testing::DropOf({argv[1]})), 0);
    answer.join();
    std::printf("a dropped folder tree: %ld songs in the list, drawn, in %.2f s\n",
                static_cast<long>(rows), seconds);
    fsetup.Unload();
    return 0;
}
