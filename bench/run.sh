#!/usr/bin/env bash
# Prints the processor-time figures of Brelvix under Wine on this machine:
#  - Pause against a loop spinning on the message queue (pause_bench.exe);
#  - a running Brelvix.scr in each saver mode, sampled from /proc over
#    BENCH_SECONDS (default 20), the Wine server's share included.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${BENCH_SECONDS:-20}

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target Brelvix pause_bench >/dev/null

source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$root/build/wine-bench"
run() { "$root/scripts/wine-run" "$@"; }

echo "== Pause against a spinning loop (${PAUSE_SECONDS:-10} s each)"
run "$root/build/win64/bin/pause_bench.exe" "${PAUSE_SECONDS:-10}"

ticks() {  # utime + stime of a process, in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}

measure_saver() {  # label, then the settings to write as key=value
    local label=$1
    shift
    run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1 || true
    for kv in "$@"; do
        run reg add 'HKCU\Software\Brelvix\Setting' /v "${kv%%=*}" /d "${kv#*=}" /f >/dev/null
    done
    run "$root/build/win64/bin/Brelvix.scr" /S &
    local launcher=$!
    sleep 3
    local pid server
    pid=$(pgrep -f 'Brelvix.scr' | head -n 1 || true)
    server=$(pgrep -x wineserver | head -n 1 || true)
    if [ -z "$pid" ]; then
        echo "$label: Brelvix.scr was no longer running after 3 s"
        wait "$launcher" || true
        return
    fi
    local hz t0 s0 t1 s1
    hz=$(getconf CLK_TCK)
    t0=$(ticks "$pid"); s0=$(ticks "$server")
    sleep "$seconds"
    t1=$(ticks "$pid"); s1=$(ticks "$server")
    awk -v l="$label" -v a=$((t1 - t0)) -v b=$((s1 - s0)) -v hz="$hz" -v s="$seconds" \
        'BEGIN { printf "%-26s over %d s: saver %.2f %%, wineserver %.2f %% of one core\n", l, s, 100*a/hz/s, 100*b/hz/s }'
    kill "$pid" 2>/dev/null || true
    wait "$launcher" 2>/dev/null || true
}

echo "== Running saver"
measure_saver "full-screen saver" UsableScreen=False BlackScreen=True
measure_saver "usable-screen saver" UsableScreen=True
