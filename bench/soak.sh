#!/usr/bin/env bash
# Runs the full-screen saver (desktop snapshot, clock, wandering bar) for
# SOAK_MINUTES (default 60) over a play-list of short WAVs, so that songs
# change every second or two, and prints one line a minute: song changes so
# far, the process's handle, GDI and USER object counts and working set as
# Windows reports them (soak_sampler.exe), then what Linux sees of the Wine
# process behind it (resident memory, open descriptors). Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
minutes=${SOAK_MINUTES:-60}

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j 2 --target Brelvix soak_sampler >/dev/null

source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$root/build/wine-soak"
run() { "$root/scripts/wine-run" "$@"; }

# Copies, so that a build during the hour does not replace the running program.
bin="$root/build/soak"
songs="$bin/songs"
mkdir -p "$songs"
cp "$root/build/win64/bin/Brelvix.scr" "$root/build/win64/bin/soak_sampler.exe" "$bin/"
count=5
for i in $(seq "$count"); do
    [ -f "$songs/Song $i.wav" ] ||
        sox -q -n -r 8000 -c 1 -b 16 "$songs/Song $i.wav" synth 3 sine $((300 + 100 * i))
done
run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1 || true
for i in $(seq "$count"); do
    run reg add 'HKCU\Software\Brelvix\LocalFileList' /v "LocalFile$i" /d "Z:${songs//\//\\}\\Song $i.wav" /f >/dev/null
done
for kv in "LocalFileCount=$count" UsableScreen=False BlackScreen=False Mute=False MouseMove=False; do
    run reg add 'HKCU\Software\Brelvix\Setting' /v "${kv%%=*}" /d "${kv#*=}" /f >/dev/null
done

linux_figures() {
    local pid
    pid=$(wine_env_pids 'Brelvix\.scr /S')
    pid=${pid%%$'\n'*}
    if [ -z "$pid" ]; then
        echo "(no Linux process)"
        return
    fi
    echo "rss-kb $(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")  fds $(ls "/proc/$pid/fd" | wc -l)  threads $(awk '/^Threads/ {print $2}' "/proc/$pid/status")"
}

echo "== Soak: the full-screen saver for $minutes minutes, $count WAVs of 3 s"
run "$bin/soak_sampler.exe" "$(run winepath -w "$bin/Brelvix.scr" 2>/dev/null | tr -d '\r')" "$minutes" |
    while IFS= read -r line; do
    line=${line%$'\r'}
    case "$line" in
    minute*) echo "$line  | linux $(linux_figures)" ;;
    *) echo "$line" ;;
    esac
done
