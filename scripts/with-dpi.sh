#!/usr/bin/env bash
# Runs a Windows program in the test run's Wine set-up with the screen at the
# given dots per inch, then puts 96 back, also when interrupted. Wine keeps the
# density in the prefix and reads it when its server starts, so the server is
# restarted.
set -u
dpi=$1
shift
here="$(cd "$(dirname "$0")" && pwd)"
set_dpi() {
    WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -k >/dev/null 2>&1
    "$here/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -k >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
set_dpi "$dpi"
BRELVIX_EXPECT_DPI=$dpi "$here/wine-run" "$@"
