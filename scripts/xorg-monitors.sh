# Sourced after scripts/wine-env.sh: an X server of its own with real
# monitors for Wine, which Xvfb cannot give (it shows Wine one monitor
# whatever it is told). Xorg runs the
# dummy driver; xrandr lays the monitors out. A wineserver keeps the display
# it started with, so the test run's server is stopped before and after.
#   xorg_monitors_start WORK_DIR   starts the server, sets DISPLAY
#   xorg_monitors_stop              stops the wineserver and the server
#   one_monitor / two_monitors      the primary alone at 1024 x 768, or with
#                                   an 800 x 600 second monitor left of it
BRELVIX_XORG_PID=""

xorg_monitors_stop_wine() { WINEPREFIX="$BRELVIX_WINE_DIR/prefix" wineserver -k >/dev/null 2>&1; }

xorg_monitors_stop() {
    xorg_monitors_stop_wine
    brelvix_x_stop "$BRELVIX_XORG_PID"
    BRELVIX_XORG_PID=""
}

xorg_monitors_start() {
    local work=$1
    mkdir -p "$work"
    # One dummy device whose screen holds two monitors side by side.
    cat >"$work/xorg.conf" <<'CONF'
Section "ServerFlags" Option "AutoAddDevices" "false" Option "AutoAddGPU" "false" EndSection
Section "Device" Identifier "dummy" Driver "dummy" VideoRam 65536 EndSection
Section "Monitor" Identifier "monitor" HorizSync 5.0-1000.0 VertRefresh 5.0-200.0 EndSection
Section "Screen" Identifier "screen" Device "dummy" Monitor "monitor" DefaultDepth 24
    SubSection "Display" Depth 24 Modes "1024x768" Virtual 1824 768 EndSubSection EndSection
CONF
    xorg_monitors_stop_wine
    local started=0
    brelvix_x_start Xorg -config "$work/xorg.conf" -noreset -nolisten tcp \
        -logfile "$work/xorg.log" || started=1
    BRELVIX_XORG_PID=$BRELVIX_X_PID
    if [ $started != 0 ]; then
        echo "xorg-monitors: Xorg with the dummy driver did not start (see $work/xorg.log)" >&2
        return 1
    fi
    xrandr --newmode m800 38.25 800 832 912 1024 600 603 607 624 -hsync +vsync
    xrandr --addmode DUMMY1 m800
}

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
