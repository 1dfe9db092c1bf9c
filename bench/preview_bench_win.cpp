// Keeps a running preview of Brelvix.scr in a stand-in host for a while, so
// that bench/run.sh can read the preview's processor time from outside, then
// takes the preview window away. Prints what happened; decides nothing.
#include "win_support.h"
#include "winutil/message_pump_win.h"

#include <cstdio>
#include <cstdlib>

// Usage: preview_bench [seconds] (the Brelvix.scr beside it is the one run)
int main(int argc, char** argv) {
    double seconds = argc > 1 ? std::atof(argv[1]) : 20.0;
    brelvix::testing::StandInHost host({152, 112}, {L"Brelvix"}, 0);
    brelvix::testing::Scr preview(host.Switch());
    brelvix::Pause(seconds);
    bool ran = !preview.WaitForExit(0);
    DestroyWindow(host.preview);
    bool ended = preview.WaitForExit(5000);
    std::printf("preview ran for %.0f s: %s; ended with its window: %s\n", seconds,
                ran ? "yes" : "no", ended ? "yes" : "no");
    return ran && ended ? 0 : 1;
}
