# Sourced by the scripts that run Windows programs: starts a private X display
# (Xvfb) unless one is given, a private Wine prefix and a null sound device.
#   wine_env_start DIR [--own-display]   sets BRELVIX_WINE_DIR=DIR and DISPLAY
#   wine_env_stop                          stops wineserver and our Xvfb

BRELVIX_SCRIPTS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BRELVIX_XVFB_PID=""

wine_env_start_xvfb() {
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    BRELVIX_XVFB_PID=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    export DISPLAY=":$n"
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
        wine_env_start_xvfb
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

wine_env_stop() {
    WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -k >/dev/null 2>&1 || true
    if [ -n "$BRELVIX_XVFB_PID" ]; then
        kill "$BRELVIX_XVFB_PID" 2>/dev/null || true
        wait "$BRELVIX_XVFB_PID" 2>/dev/null || true
    fi
}
