#!/usr/bin/env bash
# Mouse sensitivity of the real Brelvix.scr, with the X server's own pointer
# moved as a hand on the mouse moves it: the saver reads the pointer back
# through GetCursorPos, which under Wine asks X, so input injected inside
# Wine cannot stand in for it. Runs in the test run's Wine set-up.
set -u
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/scripts/wine-env.sh"
run() { "$here/scripts/wine-run" "$@"; }
# The saver's own processes, in this run's prefix (another run may have one).
savers() { wine_env_pids 'Brelvix\.scr /S$'; }
running() { [ -n "$(savers)" ]; }
# Whatever way this ends, no saver of ours stays and the settings go.
shot=$(mktemp --suffix=.png)
cleanup() {
    local p
    rm -f "$shot"
    for p in $(savers); do kill "$p" 2>/dev/null; done
    run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# Waits up to 3 s for the saver to be in the state the step expects ("on" or
# "off"); one that must go on must still run 1.2 s later.
check() {
    local state=off
    for _ in $(seq 30); do
        state=off && running && state=on
        [ "$state" = "$2" ] && break
        sleep 0.1
    done
    [ "$2" = on ] && sleep 1.2 && ! running && state=off
    [ "$state" = "$2" ] && return
    echo "FAILED: $1"
    exit 1
}
dialog() { xdotool search --onlyvisible --name '^Brelvix$' >/dev/null 2>&1; }

run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1
for kv in UsableScreen=False MouseMove=True; do
    run reg add 'HKCU\Software\Brelvix\Setting' /v "${kv%=*}" /d "${kv#*=}" /f >/dev/null 2>&1
done
run "$1" /S &
# A new prefix starts slowly.
for _ in $(seq 150); do xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1 && break; sleep 0.2; done
# Away from the status bar in the middle, whose moves reach the bar instead.
xdotool mousemove 150 650
check "the first move, which only takes the reference, ended the saver" on
xdotool mousemove 148 652
check "a move of 2 pixels ended the saver" on
# F1, then OK in the setup dialog: the saver that comes back measures from
# where the mouse is when it first moves, not from the old reference.
xdotool key F1
for _ in $(seq 50); do dialog && break; sleep 0.2; done
dialog || check "F1 opened no setup dialog" off
xdotool key alt+o
for _ in $(seq 50); do dialog || break; sleep 0.2; done
# The saver's window comes back after the dialog has gone.
for _ in $(seq 50); do xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
xdotool mousemove 400 600
check "the first move after F1 ended the saver" on
xdotool mousemove 403 600
check "a move of 3 pixels left the saver running" off
wait
# Over the wandering status bar, a child window of the cover, the same rule
# holds. The bar is found by its navy title band, which starts 4 pixels in.
run "$1" /S &
for _ in $(seq 150); do xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1 && break; sleep 0.2; done
for _ in $(seq 50); do
    import -window root "$shot" 2>/dev/null
    corner=$(convert "$shot" -fill black +opaque 'rgb(0,0,128)' -trim -format '%X %Y' info: 2>/dev/null)
    [ "${corner#* }" != "$corner" ] && [ "$corner" != "+0 +0" ] && break
    sleep 0.2
done
read -r x y <<<"${corner//+/}"
# Low on the bar: it wanders down and right from the middle, at most 4
# pixels a pass, so for two seconds it is still under the pointer. Once it
# has gone, the cover would see the pointer (Wine tells the window that comes
# under it), so the steps follow one another without the long hold.
xdotool mousemove $((x + 256)) $((y + 76))
xdotool mousemove $((x + 258)) $((y + 74))
sleep 0.5
running || check "a move of 2 pixels over the bar ended the saver" on
xdotool mousemove $((x + 256)) $((y + 79))
check "a move of 3 pixels over the bar left the saver running" off
echo "2 pixels keep the saver, 3 end it, over the cover and over the bar alike, and each session starts its own reference"
wait
