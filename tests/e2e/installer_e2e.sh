#!/usr/bin/env bash
# The setup a Windows user runs (made by scripts/release.sh), on a 64-bit and
# on a 32-bit Windows: each a new Wine prefix of this test's own beside the
# test run's, on its display. A silent install puts the Brelvix.scr built for
# the machine into its real System32 (a 32-bit installer's files land in
# SysWOW64 unless it says otherwise), registers the uninstaller and makes
# Brelvix the screen saver; the saver runs "/S" from there and ends on a key;
# a silent uninstall takes all of it away but the user's settings.
set -u
setup="$1"
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/scripts/wine-env.sh"
base="$BRELVIX_WINE_DIR"
run() { "$here/scripts/wine-run" "$@"; }
fail() {
    echo "FAILED ($WINEARCH): $1"
    wine_env_stop
    exit 1
}
value() { # key, name: the value's data as reg prints it, in the machine's own view
    run reg query "$1" /v "$2" "/reg:${WINEARCH#win}" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
[ -f "$setup" ] || fail "no $setup: scripts/release.sh makes it"
desktop='HKCU\Control Panel\Desktop'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelvix'

machine() { # WINEARCH, the Brelvix.scr that must be installed
    export WINEARCH=$1
    rm -rf "$base-$1"
    wine_env_start "$base-$1" --own-display
    run "$setup" /S || fail "the setup failed"
    local system32 installed
    system32="$BRELVIX_WINE_DIR/prefix/drive_c/windows/system32"
    cmp -s "$system32/Brelvix.scr" "$2" || fail "System32 does not hold the saver for this Windows"
    [ ! -e "$system32/../syswow64/Brelvix.scr" ] || fail "a copy went to SysWOW64"
    installed=$(value "$desktop" SCRNSAVE.EXE)
    [ "${installed,,}" = 'c:\windows\system32\brelvix.scr' ] || fail "the saver is not chosen: $installed"
    [ "$(value "$uninstall" DisplayName)" = "Brelvix screen saver" ] || fail "no uninstall entry"
    run reg add 'HKCU\Software\Brelvix\Setting' /v UsableScreen /d False /f >/dev/null 2>&1
    run 'C:\windows\system32\Brelvix.scr' /S &
    local saver=$! shown=""
    for _ in $(seq 100); do
        xdotool search --onlyvisible --class 'brelvix.scr' >/dev/null 2>&1 && shown=1 && break
        sleep 0.2
    done
    sleep 1
    [ -n "$shown" ] && kill -0 $saver 2>/dev/null || fail "the installed saver did not start"
    xdotool key space
    for _ in $(seq 50); do kill -0 $saver 2>/dev/null && sleep 0.2; done
    kill -0 $saver 2>/dev/null && fail "the installed saver did not end on a key"
    run "$(value "$uninstall" UninstallString | tr -d '"')" /S
    WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -w
    [ ! -e "$system32/Brelvix.scr" ] || fail "the uninstaller left Brelvix.scr"
    [ -z "$(value "$desktop" SCRNSAVE.EXE)" ] || fail "the uninstaller left the saver chosen"
    [ -z "$(value "$uninstall" DisplayName)" ] || fail "the uninstaller left its entry"
    [ "$(value 'HKCU\Software\Brelvix\Setting' UsableScreen)" = False ] || fail "the settings went too"
    wine_env_stop
    echo "$1: installed, ran and removed"
}
machine win64 "$2"
machine win32 "$3"
