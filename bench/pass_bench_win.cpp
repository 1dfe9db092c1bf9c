// Watches a running full-screen Brelvix.scr from outside: every pass of its
// loop moves the status bar, so the times between the bar's moves are the
// pass period.
// Prints the figures; decides nothing.
#include "app/instance_win.h"
#include "winutil/message_pump_win.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace {

double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

// Times at which the bar stood somewhere new, sampled every 2 ms: window
// events do not cross processes under Wine, so the bench looks instead.
std::vector<double> WatchMoves(HWND bar, double seconds) {
    std::vector<double> moves;
    RECT last{};
    GetWindowRect(bar, &last);
    double end = NowMs() + seconds * 1000;
    while (NowMs() < end && IsWindow(bar)) {
        brelvix::Pause(0.002);
        RECT now{};
        GetWindowRect(bar, &now);
        if (!EqualRect(&now, &last)) {
            moves.push_back(NowMs());
            last = now;
        }
    }
    return moves;
}

HWND FindStatusBar() {
    HWND cover = FindWindowW(brelvix::kFormClassName, L"");
    return cover ? FindWindowExW(cover, nullptr, brelvix::kFormClassName, L"Brelvix") : nullptr;
}

} // namespace

// Usage: pass_bench <path of Brelvix.scr> [seconds]
int main(int argc, char** argv) {
    if (argc < 2) {
        std::puts("usage: pass_bench <Brelvix.scr> [seconds]");
        return 2;
    }
    double seconds = argc > 2 ? std::atof(argv[2]) : 20.0;
    std::string scr = argv[1];
    std::wstring line = L"\"" + std::wstring(scr.begin(), scr.end()) + L"\" /S";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::puts("could not start the saver");
        return 1;
    }
    HWND bar = nullptr;
    for (int i = 0; i < 100 && !(bar = FindStatusBar()); ++i) {
        brelvix::Pause(0.1);
    }
    std::vector<double> moves = WatchMoves(bar, seconds);
    TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    std::vector<double> periods;
    for (size_t i = 1; i < moves.size(); ++i) {
        periods.push_back(moves[i] - moves[i - 1]);
    }
    if (periods.size() < 2) {
        std::printf("saw %zu moves of the status bar: no figures\n", moves.size());
        return 1;
    }
    double mean = std::accumulate(periods.begin(), periods.end(), 0.0) / periods.size();
    double var = 0;
    for (double p : periods) {
        var += (p - mean) * (p - mean);
    }
    std::sort(periods.begin(), periods.end());
    std::printf("loop pass period over %zu passes: mean %.1f ms, sd %.1f ms, median %.0f ms, "
                "5%%-95%% %.0f-%.0f ms\n",
                periods.size(), mean, std::sqrt(var / periods.size()), periods[periods.size() / 2],
                periods[periods.size() * 5 / 100], periods[periods.size() * 95 / 100]);
    return 0;
}
