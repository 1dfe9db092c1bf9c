#!/usr/bin/env bash
# The real Brelvix.scr on two monitors, the second left of the primary, and
# through a monitor plugged in while it runs. Xvfb gives Wine one monitor
# whatever it is told, so this starts an X server of its own with the dummy
# driver and lays the monitors out with xrandr. Runs in the test run's Wine
# set-up; usage: monitors_e2e.sh E2E_TESTS_EXE WORK_DIR
set -u
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/scripts/wine-env.sh"
tests=$1
work=$2
mkdir -p "$work"
xorg_pid=""
# A wineserver keeps the display it started with: ours must go before the
# display changes, both ways.
stop_wine() { WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -k >/dev/null 2>&1; }
cleanup() {
    stop_wine
    if [ -n "$xorg_pid" ]; then
        kill "$xorg_pid" 2>/dev/null
        wait "$xorg_pid" 2>/dev/null
    fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# One dummy device whose screen holds two monitors side by side.
cat >"$work/xorg.conf" <<'CONF'
Section "ServerFlags" Option "AutoAddDevices" "false" Option "AutoAddGPU" "false" EndSection
Section "Device" Identifier "dummy" Driver "dummy" VideoRam 65536 EndSection
Section "Monitor" Identifier "monitor" HorizSync 5.0-1000.0 VertRefresh 5.0-200.0 EndSection
Section "Screen" Identifier "screen" Device "dummy" Monitor "monitor" DefaultDepth 24
    SubSection "Display" Depth 24 Modes "1024x768" Virtual 1824 768 EndSubSection EndSection
CONF

# The server takes a free display itself and writes its number to the file.
stop_wine
Xorg -displayfd 3 -config "$work/xorg.conf" -noreset -nolisten tcp \
    -logfile "$work/xorg.log" 3>"$work/display" >/dev/null 2>&1 &
xorg_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xorg_pid" 2>/dev/null || break
    sleep 0.1
done
n=$(tr -dc 0-9 <"$work/display")
if [ -z "$n" ] || ! DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
    echo "FAILED: Xorg with the dummy driver did not start (see $work/xorg.log)"
    exit 1
fi
export DISPLAY=":$n"

# Wine saw the second monitor only once the server's monitor list had been
# asked for (measured), so each layout is read back.
one_monitor() {
    xrandr --output DUMMY1 --off --output DUMMY0 --mode 1024x768 --pos 0x0 --primary --fb 1024x768
    xrandr --listmonitors >/dev/null
}
two_monitors() {
    xrandr --fb 1824x768 --output DUMMY0 --mode 1024x768 --pos 800x0 --primary \
        --output DUMMY1 --mode m800 --pos 0x0
    xrandr --listmonitors >/dev/null
}
xrandr --newmode m800 38.25 800 832 912 1024 600 603 607 624 -hsync +vsync
xrandr --addmode DUMMY1 m800

status=0
two_monitors
BRELVIX_MONITOR_RUN=two "$here/scripts/wine-run" "$tests" \
    --gtest_filter='SaverRun.TwoMonitors*' || status=1

# The second monitor comes on once this saver shows.
one_monitor
BRELVIX_MONITOR_RUN=change "$here/scripts/wine-run" "$tests" \
    --gtest_filter='SaverRun.ACoverFollows*' &
driver=$!
for _ in $(seq 300); do
    xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1 && break
    kill -0 "$driver" 2>/dev/null || break
    sleep 0.2
done
two_monitors
wait "$driver" || status=1
exit $status
