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
not() { ! "$@"; }
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
fail() { echo "FAILED: $1" && exit 1; }
# The setup dialog has the keyboard: a key that comes before is lost.
dialog() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = Brelvix ]; }
# Where the wandering status bar's navy title band starts, 4 pixels into the
# bar, as "x y"; fails while no bar shows.
band() {
    import -window root "$shot" 2>/dev/null
    corner=$(convert "$shot" -fill black +opaque 'rgb(0,0,128)' -trim -format '%X %Y' info: 2>/dev/null)
    corner=${corner//+/}
    [ "${corner#* }" != "$corner" ] && [ "$corner" != "0 0" ]
}
# The band at a new place: the saver's loop has come round since the last look.
moved() { local before=$corner && band && [ "$corner" != "$before" ]; }
# A running saver has handled a move once its bar has moved twice after it:
# each pass of its loop first takes the input that has come. One that has
# ended moves no bar; one that must end is given 10 s.
check() {
    [ "$2" = on ] && { band; within 10 moved && within 10 moved && running; } && return
    [ "$2" = off ] && within 10 not running && return
    fail "$1"
}

run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1
# A black cover: the bar's title band is then the only navy on the screen.
for kv in UsableScreen=False MouseMove=True BlackScreen=True; do
    run reg add 'HKCU\Software\Brelvix\Setting' /v "${kv%=*}" /d "${kv#*=}" /f >/dev/null 2>&1
done
run "$1" /S &
# A new prefix starts slowly.
within 30 xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1 || fail "the saver did not show"
# Away from the status bar in the middle, whose moves reach the bar instead.
xdotool mousemove 150 650
check "the first move, which only takes the reference, ended the saver" on
# F1, then OK in the setup dialog: the saver that comes back measures from
# where the mouse is when it first moves, not from the old reference.
xdotool key F1
within 10 dialog || fail "F1 opened no setup dialog"
xdotool key alt+o
within 10 not dialog || fail "OK did not close the setup dialog"
# Back once its bar wanders again.
within 20 band && within 20 moved || fail "the saver did not come back after the setup dialog"
read -r x y <<<"$corner"
# Low on the bar, a child window of the cover: it wanders down and right from
# the middle, at most 4 pixels a pass, so it is still under the pointer for
# the looks that tell the move was handled.
xdotool mousemove $((x + 256)) $((y + 86))
check "the first move after F1, over the bar, ended the saver" on
# Over the cover again: measured from the reference the bar's move took.
# (Elsewhere than the first move: the next run's first move must be one.)
xdotool mousemove 100 700
check "a move over the cover after one over the bar left the saver running" off
echo "the first move of each session, over the bar as over the cover, takes the reference the next is measured from"
wait
