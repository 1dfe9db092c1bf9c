#!/usr/bin/env bash
# The setup a Windows user runs (made by scripts/release.sh), on a 64-bit and
# on a 32-bit Windows: each a new Wine prefix of this test's own beside the
# test run's, on its display. A silent install puts the Brelvix.scr built for
# the machine into its real System32 (a 32-bit installer's files land in
# SysWOW64 unless it says otherwise), registers the uninstaller and makes
# Brelvix the screen saver; the saver runs "/S" from there and ends on a key;
# a silent uninstall takes all of it away but the user's settings.
# Where the kernel runs no 32-bit programs, the same script built as a 64-bit
# setup (scripts/release.sh leaves it in build/release/) installs on the 64-bit
# Windows, and the 32-bit Windows is skipped.
set -u
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/scripts/wine-env.sh"
base="$BRELVIX_WINE_DIR"
run() { "$here/scripts/wine-run" "$@"; }
fail() {
    echo "FAILED ($WINEARCH): $1"
    exit 1
}
# The prefix of the machine under test stops however the test ends.
trap wine_env_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# The data of a value (key, name) as reg prints it, in the machine's own view.
value() { run reg query "$1" /v "$2" "/reg:${WINEARCH#win}" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
shown() { xdotool search --onlyvisible --class brelvix.scr >/dev/null 2>&1; }
desktop='HKCU\Control Panel\Desktop'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelvix'

machine() { # WINEARCH, the setup, the Brelvix.scr that must be installed, the loader of the machine's programs
    export WINEARCH=$1
    local setup=$2 scr=$3 loader=$4
    rm -rf "$base-$1"
    wine_env_start "$base-$1" --own-display
    local system32="$BRELVIX_WINE_DIR/prefix/drive_c/windows/system32" saver
    run "$setup" /S || fail "the setup failed (scripts/release.sh makes it)"
    cmp -s "$system32/Brelvix.scr" "$scr" && [ ! -e "$system32/../syswow64/Brelvix.scr" ] ||
        fail "System32, and not SysWOW64, must hold the saver built for this Windows"
    [ "$(value "$desktop" SCRNSAVE.EXE | tr A-Z a-z)" = 'c:\windows\system32\brelvix.scr' ] || fail "not chosen"
    [ "$(value "$uninstall" DisplayName)" = "Brelvix screen saver" ] || fail "no uninstall entry"
    run reg add 'HKCU\Software\Brelvix\Setting' /v UsableScreen /d False /f >/dev/null 2>&1
    BRELVIX_WINE=$loader run 'C:\windows\system32\Brelvix.scr' /S & saver=$!
    within 20 shown && kill -0 $saver 2>/dev/null || fail "the installed saver did not start"
    # A key that comes before the saver takes keys is lost: another, until it ends.
    ended() { xdotool key space && ! kill -0 $saver 2>/dev/null; }
    within 10 ended || fail "the installed saver did not end on a key"
    run "$(value "$uninstall" UninstallString | tr -d '"')" /S
    # The uninstaller goes on in a copy of itself after the one started has
    # ended; its entry goes last, after the settings have been kept or not.
    removed() {
        [ ! -e "$system32/Brelvix.scr" ] && [ -z "$(value "$desktop" SCRNSAVE.EXE)" ] &&
            [ -z "$(value "$uninstall" DisplayName)" ]
    }
    within 30 removed || fail "the uninstaller left the saver or its entry"
    [ "$(value 'HKCU\Software\Brelvix\Setting' UsableScreen)" = False ] || fail "the settings went too"
    wine_env_stop
    echo "$1: installed, ran and removed"
}
if [ "$BRELVIX_RUNS_32BIT" = yes ]; then
    machine win64 "$here/dist/Brelvix-$1-setup.exe" "$here/build/release/x64/Brelvix.scr" /usr/lib/wine/wine64
    machine win32 "$here/dist/Brelvix-$1-setup.exe" "$here/build/release/x86/Brelvix.scr" wine
else
    machine win64 "$here/build/release/Brelvix-$1-setup-x64.exe" "$here/build/release/x64/Brelvix.scr" \
        /usr/lib/wine/wine64
    wine_env_skips
fi
