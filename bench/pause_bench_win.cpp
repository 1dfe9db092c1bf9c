// Compares the processor time of Pause with a loop that spins on the message
// queue for the same wall time. Prints the figures; decides nothing.
#include "winutil/message_pump_win.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

void SpinOnQueue(double seconds) {
    ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (GetTickCount64() < end) {
        brelvix::PumpMessages();
    }
}

template <typename F> void Measure(const char* name, double seconds, F wait) {
    double cpu0 = CpuSeconds();
    ULONGLONG wall0 = GetTickCount64();
    wait(seconds);
    double wall = (GetTickCount64() - wall0) / 1000.0;
    double cpu = CpuSeconds() - cpu0;
    std::printf("%-28s wall %6.2f s  cpu %6.3f s  = %5.1f %% of one core\n", name, wall, cpu,
                100.0 * cpu / wall);
}

} // namespace

// Plays a song through MCI, again and again, while waiting in Pause: the
// cost of the system's sound path alone, with none of the saver's work.
void PlayWhilePausing(double seconds, const std::wstring& song) {
    std::wstring open = L"open \"" + song + L"\" type waveaudio alias bench";
    mciSendStringW(open.c_str(), nullptr, 0, nullptr);
    ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (GetTickCount64() < end) {
        wchar_t mode[32] = {};
        mciSendStringW(L"status bench mode", mode, 32, nullptr);
        if (std::wcscmp(mode, L"playing") != 0) {
            mciSendStringW(L"play bench from 0", nullptr, 0, nullptr);
        }
        brelvix::Pause(0.1);
    }
    mciSendStringW(L"close bench", nullptr, 0, nullptr);
}

// Usage: pause_bench [pause|spin|passes|play] [seconds] [song for play].
// One way per process, so that the caller can add the Wine server's share.
int main(int argc, char** argv) {
    const char* way = argc > 1 ? argv[1] : "pause";
    double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    if (std::strcmp(way, "spin") == 0) {
        Measure("spinning message loop", seconds, SpinOnQueue);
    } else if (std::strcmp(way, "play") == 0 && argc > 3) {
        std::string song = argv[3];
        Measure("WAV playing, Pause(0.1)", seconds,
                [&](double s) { PlayWhilePausing(s, std::wstring(song.begin(), song.end())); });
    } else if (std::strcmp(way, "passes") == 0) {
        Measure("Pause(0.1) passes", seconds, [](double s) {
            for (int i = 0; i < static_cast<int>(s * 10); ++i) {
                brelvix::Pause(0.1);
            }
        });
    } else {
        Measure("Pause (message wait)", seconds, [](double s) { brelvix::Pause(s); });
    }
    return 0;
}
