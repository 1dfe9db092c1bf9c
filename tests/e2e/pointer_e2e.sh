#!/usr/bin/env bash
# Mouse sensitivity of the real Brelvix.scr, with the X server's own pointer
# moved as a hand on the mouse moves it: the saver reads the pointer back
# through GetCursorPos, which under Wine asks X, so input injected inside
# Wine cannot stand in for it. Runs in the test run's Wine set-up.
set -u
scr="$1"
here="$(cd "$(dirname "$0")/../.." && pwd)"
run() { "$here/scripts/wine-run" "$@"; }
# The saver's own process: its command line ends in the switch and it runs
# in this test run's prefix (another run may have a saver of its own).
saver() {
    for p in $(pgrep -f 'Brelvix\.scr /S$'); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$BRELVIX_WINE_DIR/prefix" && echo "$p"
    done
}
running() { [ -n "$(saver)" ]; }
fail() {
    echo "FAILED: $1"
    kill $(saver) 2>/dev/null
    exit 1
}

run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1
run reg add 'HKCU\Software\Brelvix\Setting' /v UsableScreen /d False /f >/dev/null 2>&1
run reg add 'HKCU\Software\Brelvix\Setting' /v MouseMove /d True /f >/dev/null 2>&1
run "$scr" /S &
# The first start in a new Wine prefix can take several seconds.
for _ in $(seq 150); do
    xdotool search --onlyvisible --class 'brelvix.scr' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
running || fail "the saver did not start"
# Away from the status bar in the middle: moves over it reach the bar, not
# the saver window. The first move only takes the reference point.
xdotool mousemove 150 650
sleep 1
running || fail "the first move ended the saver"
xdotool mousemove 148 652
sleep 1
running || fail "a move of 2 pixels ended the saver"
xdotool mousemove 153 650
sleep 1.5
running && fail "a move of 3 pixels left the saver running"
echo "a move of 2 pixels keeps the saver, one of 3 ends it"
run reg delete 'HKCU\Software\Brelvix' /f >/dev/null 2>&1
wait
