#!/usr/bin/env bash
# Runs a Windows program in the test run's Wine set-up with today's dialog
# font: Windows 10 and 11 lay dialogs out in Segoe UI 9 pt (lfHeight -12), for
# which Liberation Sans stands in here. The prefix's own message font comes
# back on exit, also when interrupted.
#   with-today-font.sh MESSAGE_FONT_EXE PROGRAM [ARGUMENTS...]
set -u
font_tool=$1
shift
here="$(cd "$(dirname "$0")" && pwd)"
run() { "$here/wine-run" "$@"; }
replacements='HKCU\Software\Wine\Fonts\Replacements'
read -r height face < <(run "$font_tool" | tr -d '\r')
if [ -z "${face:-}" ]; then
    echo "with-today-font: cannot read the prefix's message font" >&2
    exit 1
fi
restore() {
    run "$font_tool" "$height" "$face"
    run reg delete "$replacements" /v 'Segoe UI' /f >/dev/null 2>&1
}
trap restore EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
run reg add "$replacements" /v 'Segoe UI' /d 'Liberation Sans' /f >/dev/null 2>&1
run "$font_tool" -12 'Segoe UI' || exit 1
BRELVIX_TODAY_FONT=1 run "$@"
