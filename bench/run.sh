#!/usr/bin/env bash
# Prints the processor-time figures of Brelvix under Wine on this machine:
#  - Pause against a loop spinning on the message queue (pause_bench.exe);
#  - a running Brelvix.scr in each saver mode, muted and playing, sampled
#    from /proc over BENCH_SECONDS (default 20), the Wine server's share
#    included, beside Wine's sound path alone;
#  - the pass period of the saver's loop, watched from outside (pass_bench.exe);
#  - the setup dialog: its processor time, open idle and playing, and its
#    times with long play-lists (setup_bench.exe).
#  - a running preview in a stand-in host (preview_bench.exe) beside a loop
#    spinning on the message queue, which is what an unpaced preview loop is;
#  - a folder tree of 10 000 songs dropped on the setup dialog (library_bench.exe).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${BENCH_SECONDS:-20}

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target Brelvix pause_bench pass_bench setup_bench preview_bench library_bench >/dev/null

source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$root/build/wine-bench"
run() { "$root/scripts/wine-run" "$@"; }
# Keep one Wine server (and its services) up for the whole bench, so that its
# share can be sampled around each measurement.
WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -p || true
run wineboot >/dev/null 2>&1 || true

ticks() {  # utime + stime of a process, in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}
our_wineserver() {  # the server of this bench's prefix, not another run's
    local dir
    dir=$(printf 'server-%x-%x' "$(stat -c %d "$BRELVIX_WINE_DIR/prefix")" "$(stat -c %i "$BRELVIX_WINE_DIR/prefix")")
    for p in $(pgrep -f "wineserver64? "); do
        case "$(readlink "/proc/$p/cwd")" in */"$dir") echo "$p" ;; esac
    done
}
our_process() {  # a process whose command line matches $1 and that runs in our prefix
    local pids
    pids=$(wine_env_pids "$1")
    echo "${pids%%$'\n'*}"
}
server_share() {  # clock ticks, seconds: the Wine server's share of one core
    awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v s="$2" 'BEGIN { printf "%.1f %%", 100*t/hz/s }'
}

pause_seconds=${PAUSE_SECONDS:-10}
echo "== Pause against a spinning loop (${pause_seconds} s each; the program's own time, then the Wine server's)"
for way in pause spin passes; do
    server=$(our_wineserver)
    s0=$(ticks "$server")
    line=$(run "$root/build/win64/bin/pause_bench.exe" "$way" "$pause_seconds" | tr -d '\r')
    s1=$(ticks "$server")
    echo "$line, wineserver $(server_share $((s1 - s0)) "$pause_seconds")"
done

songs="$root/build/bench-songs"
mkdir -p "$songs"
for i in 1 2 3; do
    [ -f "$songs/Song $i.wav" ] || sox -q -n -r 22050 -c 1 -b 16 "$songs/Song $i.wav" synth 10 sine $((300 + 100 * i))
done

settings() {  # a play-list of the three songs, then the settings given as key=value
    run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1 || true
    for i in 1 2 3; do
        run reg add 'HKCU\Software\Brelvix\LocalFileList' /v "LocalFile$i" /d "Z:${songs//\//\\}\\Song $i.wav" /f >/dev/null
    done
    run reg add 'HKCU\Software\Brelvix\Setting' /v LocalFileCount /d 3 /f >/dev/null
    for kv in "$@"; do
        run reg add 'HKCU\Software\Brelvix\Setting' /v "${kv%%=*}" /d "${kv#*=}" /f >/dev/null
    done
}

measure_saver() {  # label, switch, then the settings as key=value
    local label=$1 switch=$2
    shift 2
    settings "$@"
    run "$root/build/win64/bin/Brelvix.scr" "$switch" &
    measure_running "$label"
}

measure_running() {  # label [wait]: samples the Brelvix.scr the caller has just started,
    # then stops it, or with "wait" lets the launcher end it
    local label=$1
    local launcher=$!
    sleep 3
    local pid server
    # The program with its switch: start.exe and the bench programs name the file too.
    pid=$(our_process 'Brelvix\.scr /')
    server=$(our_wineserver)
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
        'BEGIN { printf "%-30s over %d s: Brelvix.scr %.2f %%, wineserver %.2f %% of one core\n", l, s, 100*a/hz/s, 100*b/hz/s }'
    if [ "${2:-}" != wait ]; then kill "$pid" 2>/dev/null || true; fi
    wait "$launcher" 2>/dev/null || true
}

echo "== Running saver (three 10 s WAVs, which Wine plays in about 3 s each)"
# Muted, the figures are the saver's own; playing, they include Wine's sound
# path, which feeds the null device as fast as it takes the data.
measure_saver "full-screen saver, muted" /S UsableScreen=False BlackScreen=True Mute=True
measure_saver "usable-screen saver, muted" /S UsableScreen=True Mute=True
measure_saver "full-screen saver, playing" /S UsableScreen=False BlackScreen=True
measure_saver "usable-screen saver, playing" /S UsableScreen=True
measure_saver "setup dialog, muted" /C Mute=True
measure_saver "setup dialog, playing" /C

echo "== Wine's sound path alone: a WAV played through MCI by a program that only waits"
server=$(our_wineserver)
s0=$(ticks "$server")
line=$(run "$root/build/win64/bin/pause_bench.exe" play "$seconds" "$(run winepath -w "$songs/Song 1.wav" 2>/dev/null | tr -d '\r')" | tr -d '\r')
s1=$(ticks "$server")
echo "$line, wineserver $(server_share $((s1 - s0)) "$seconds")"

echo "== Pass period of the full-screen saver's loop (${seconds} s)"
settings UsableScreen=False
run "$root/build/win64/bin/pass_bench.exe" "$(run winepath -w "$root/build/win64/bin/Brelvix.scr" 2>/dev/null | tr -d '\r')" "$seconds" | tr -d '\r'

echo "== The setup dialog with long play-lists"
run "$root/build/win64/bin/setup_bench.exe" "$(run winepath -w "$root/build/win64/bin/Brelvix.scr" 2>/dev/null | tr -d '\r')" | tr -d '\r'

echo "== Preview in a stand-in host's 152 x 112 window (${seconds} s), beside a spinning loop"
settings BlackScreen=False
run "$root/build/win64/bin/preview_bench.exe" $((seconds + 5)) &
measure_running "preview" wait
server=$(our_wineserver)
s0=$(ticks "$server")
line=$(run "$root/build/win64/bin/pause_bench.exe" spin "$seconds" | tr -d '\r')
s1=$(ticks "$server")
echo "$line, wineserver $(server_share $((s1 - s0)) "$seconds")"

echo "== A music library dropped on the setup dialog (100 folders of 100 songs, as empty files)"
library="$root/build/bench-library"
if [ ! -d "$library" ]; then
    for artist in $(seq -w 1 100); do
        mkdir -p "$library/Artist $artist/Album"
        for track in $(seq 1 50); do
            : >"$library/Artist $artist/Artist $artist - Track $track.mp3"
            : >"$library/Artist $artist/Album/Artist $artist - Song $track.wav"
        done
    done
fi
run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1 || true
run "$root/build/win64/bin/library_bench.exe" "$(run winepath -w "$library" 2>/dev/null | tr -d '\r')" | tr -d '\r'
