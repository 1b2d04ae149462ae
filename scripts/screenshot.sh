# qz_window_screenshot PROGRAM PNG: starts talvexview on the X server in
# $DISPLAY, waits for its window, presses its four buttons with the mouse,
# writes a picture of the window to PNG and ends the program. Needs xdotool
# and imagemagick.
qz_window_screenshot() {
    local program=$1 png=$2
    "$program" &
    local pid=$!
    local window
    window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" --name '^QZ TALVEX WIN32 DLL - demo$' |
        head -n1)
    # Let the first paint reach the server before clicking.
    sleep 1
    # The centres of "Get Memory Size", "Test High timer", "Check System
    # time " and "Get CPU information" in client pixels (twips / 15).
    local centre
    for centre in "96 156" "336 356" "92 464" "504 36"; do
        # shellcheck disable=SC2086
        xdotool mousemove --sync --window "$window" $centre click 1
    done
    # Let the new captions reach the server before reading the window back.
    sleep 1
    import -window "$window" "$png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
