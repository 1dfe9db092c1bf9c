#!/usr/bin/env bash
# The real Brelvix.scr on two monitors, the second left of the primary, and
# through a monitor plugged in while it runs, on an X server of its own with
# real monitors (scripts/xorg-monitors.sh). Runs in the test run's Wine
# set-up; usage: monitors_e2e.sh E2E_TESTS_EXE WORK_DIR
set -u
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/scripts/wine-env.sh"
source "$here/scripts/xorg-monitors.sh"
tests=$1
trap xorg_monitors_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
xorg_monitors_start "$2" || exit 1

status=0
two_monitors
BRELVIX_MONITOR_RUN=two "$here/scripts/wine-run" "$tests" \
    --gtest_filter='SaverRun.TwoMonitors*' || status=1

# The second monitor comes on once this saver shows.
one_monitor
BRELVIX_MONITOR_RUN=change "$here/scripts/wine-run" "$tests" \
    --gtest_filter='SaverRun.ACoverFollows*' &
driver=$!
shown_or_over() { xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1 || ! kill -0 "$driver" 2>/dev/null; }
within 60 shown_or_over
two_monitors
wait "$driver" || status=1
exit $status
