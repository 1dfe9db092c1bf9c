#!/usr/bin/env bash
# Builds Brelvix.scr and runs the saver under Wine with a play-list of three
# generated tunes. With an X display it runs there until you press a key;
# without one it runs on Xvfb for a while and saves a screenshot.
# Wine runs in a private prefix under build/, never in your own.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

"$root/scripts/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target Brelvix

demo="$root/build/demo"
mkdir -p "$demo"
notes=(440 554 659)
for i in 1 2 3; do
    [ -f "$demo/Tune $i.wav" ] || sox -q -n -r 22050 -c 1 -b 16 "$demo/Tune $i.wav" \
        synth 4 sine "${notes[$((i - 1))]}" fade 0.1 4 0.5
done

source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
if [ -n "${DISPLAY:-}" ]; then
    wine_env_start "$root/build/wine-demo" --own-display
else
    wine_env_start "$root/build/wine-demo"
fi

reg_set() {
    "$root/scripts/wine-run" reg add "HKCU\\Software\\Brelvix\\$1" /v "$2" /d "$3" /f >/dev/null
}
reg_set Setting LocalFileCount 3
reg_set Setting UsableScreen False
reg_set Setting BlackScreen False
for i in 1 2 3; do
    reg_set LocalFileList "LocalFile$i" "Z:${demo//\//\\}\\Tune $i.wav"
done

scr="$root/build/win64/bin/Brelvix.scr"
if [ -z "${BRELVIX_XVFB_PID}" ]; then
    echo "Brelvix runs on $DISPLAY; press a key in it to end it."
    "$root/scripts/wine-run" "$scr" /S
else
    "$root/scripts/wine-run" "$scr" /S &
    saver=$!
    sleep "${DEMO_SECONDS:-8}"
    import -window root "$demo/screenshot.png"
    echo "Screenshot of the running saver: $demo/screenshot.png"
    xdotool key space || true
    wait "$saver" || true
fi
