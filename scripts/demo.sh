#!/usr/bin/env bash
# Builds Brelvix.scr and runs it under Wine with a play-list of three
# generated tunes:
#   scripts/demo.sh      the saver
#   scripts/demo.sh /C   the setup dialog
# With an X display it runs there until you press a key in the saver (or close
# the dialog); without one it runs on Xvfb for a while and saves a screenshot.
# Wine runs in a private prefix under build/, never in your own.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
switch=${1:-/S}
case "$switch" in
/S | /s) shot=screenshot.png window=(--class brelvix.scr) ;;
/C | /c) shot=setup-dialog.png window=(--name '^Brelvix$') ;;
*)
    echo "usage: scripts/demo.sh [/S | /C]" >&2
    exit 2
    ;;
esac

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
trap 'exit 130' INT
trap 'exit 143' TERM
if [ -n "${DISPLAY:-}" ]; then
    wine_env_start "$root/build/wine-demo" --own-display
else
    wine_env_start "$root/build/wine-demo"
fi
wine_env_skips

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
    echo "Brelvix runs on $DISPLAY; press a key in the saver, or close the dialog, to end it."
    "$root/scripts/wine-run" "$scr" "$switch"
    exit
fi
"$root/scripts/wine-run" "$scr" "$switch" &
program=$!
# A new prefix starts slowly: wait for the window, then let a song play a while.
for _ in $(seq 300); do
    xdotool search --onlyvisible "${window[@]}" >/dev/null 2>&1 && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
sleep "${DEMO_SECONDS:-4}"
import -window root "$demo/$shot"
echo "Screenshot: $demo/$shot"
# A key ends the saver; Esc is the dialog's Cancel.
xdotool key Escape || true
wait "$program" || true
