# Sourced by the scripts that run Windows programs: starts a private X display
# (Xvfb) unless one is given, a private Wine prefix and a null sound device.
#   wine_env_start DIR [--own-display]   sets BRELVIX_WINE_DIR=DIR and DISPLAY
#   wine_env_stop                          stops wineserver and our Xvfb
#   wine_env_pids PATTERN                  our prefix's processes whose command line matches
#   wine_env_skips                         one line: what this machine cannot run, and why
#   within SECONDS COMMAND...              runs the command until it succeeds, at most that long
# BRELVIX_RUNS_32BIT is "yes" when 32-bit programs run here (scripts/runs-32bit).

BRELVIX_SCRIPTS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BRELVIX_XVFB_PID=""

# Where the kernel runs no 32-bit code, `wine` may pick Wine's 32-bit loader
# (once wine32 is installed) and fail on everything; the 64-bit loader runs
# every 64-bit program and prefix, and WINELOADER makes Wine start the
# programs' own children with it too.
if "$BRELVIX_SCRIPTS/runs-32bit"; then
    export BRELVIX_RUNS_32BIT=yes BRELVIX_WINE_LOADER=wine
else
    export BRELVIX_RUNS_32BIT=no BRELVIX_WINE_LOADER=/usr/lib/wine/wine64
fi

wine_env_skips() {
    if [ "$BRELVIX_RUNS_32BIT" = yes ]; then
        echo "skipped: nothing (this machine runs 32-bit programs)"
    else
        echo "skipped: every 32-bit program (the 32-bit installer and the i686 Brelvix.scr it installs): this kernel runs none${BRELVIX_NO_32BIT:+ (BRELVIX_NO_32BIT is set)}; Wine runs through its 64-bit loader, and the installer's script is tested as its 64-bit build"
    fi
}

# Starts an X server (its command and arguments given) that takes a free
# display itself and writes its number to a file; returns once the server
# answers, with DISPLAY set, and BRELVIX_X_PID holding it even if it failed.
brelvix_x_start() {
    local number_file n
    number_file=$(mktemp)
    "$@" -displayfd 3 3>"$number_file" >/dev/null 2>&1 &
    BRELVIX_X_PID=$!
    for _ in $(seq 100); do
        [ -s "$number_file" ] && break
        kill -0 "$BRELVIX_X_PID" 2>/dev/null || break
        sleep 0.1
    done
    n=$(tr -dc 0-9 <"$number_file")
    rm -f "$number_file"
    [ -n "$n" ] && kill -0 "$BRELVIX_X_PID" 2>/dev/null && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 ||
        return 1
    export DISPLAY=":$n"
}

# Stops the X server whose process is given, if any.
brelvix_x_stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

wine_env_start_xvfb() {
    local started=0
    brelvix_x_start Xvfb -screen 0 1024x768x24 -nolisten tcp || started=1
    BRELVIX_XVFB_PID=$BRELVIX_X_PID
    [ $started = 0 ] || echo "wine-env: Xvfb did not start" >&2
    return $started
}

wine_env_start() {
    mkdir -p "$1/home"
    BRELVIX_WINE_DIR="$(cd "$1" && pwd)"
    export BRELVIX_WINE_DIR
    cat >"$BRELVIX_WINE_DIR/home/.asoundrc" <<'ALSA'
pcm.!default { type null }
ctl.!default { type hw card 0 }
ALSA
    if [ "${2:-}" != "--own-display" ] || [ -z "${DISPLAY:-}" ]; then
        wine_env_start_xvfb || return 1
    fi
    if [ ! -f "$BRELVIX_WINE_DIR/prefix/system.reg" ]; then
        echo "Creating the Wine prefix in $BRELVIX_WINE_DIR/prefix ..."
        "$BRELVIX_SCRIPTS/wine-run" wineboot -i >/dev/null 2>&1
    fi
    if [ ! -f "$BRELVIX_WINE_DIR/prefix/.fonts" ]; then
        # Wine's own faces (Tahoma, MS Sans Serif, the Marlett glyphs of
        # caption buttons) are only found inside the prefix; Arial and Times
        # New Roman it has not at all, and the Liberation faces have their
        # metrics, so text is laid out as on Windows.
        cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon \
            "$BRELVIX_WINE_DIR/prefix/drive_c/windows/Fonts/" 2>/dev/null
        local face
        for face in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" \
            "Courier New=Liberation Mono"; do
            "$BRELVIX_SCRIPTS/wine-run" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
                /v "${face%%=*}" /d "${face#*=}" /f >/dev/null 2>&1
        done
        touch "$BRELVIX_WINE_DIR/prefix/.fonts"
    fi
    if [ ! -f "$BRELVIX_WINE_DIR/prefix/.unmanaged" ]; then
        # Xvfb has no window manager: with Wine managing windows there, every
        # hide or destroy of an active window waits 2 s for one to answer.
        "$BRELVIX_SCRIPTS/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        touch "$BRELVIX_WINE_DIR/prefix/.unmanaged"
    fi
}

# The processes of this prefix whose command line matches PATTERN: never
# those of another test run, bench or prefix on the same machine.
wine_env_pids() {
    local p
    for p in $(pgrep -f "$1"); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null |
            grep -qx "WINEPREFIX=$BRELVIX_WINE_DIR/prefix" && echo "$p"
    done
    return 0
}

within() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}

wine_env_stop() {
    if [ -n "${BRELVIX_WINE_DIR:-}" ]; then
        WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -k >/dev/null 2>&1 || true
    fi
    brelvix_x_stop "$BRELVIX_XVFB_PID"
    BRELVIX_XVFB_PID=""
}
