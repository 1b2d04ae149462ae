# qz_window_screenshot PROGRAM PNG: starts talvexview on the X server in
# $DISPLAY, waits for its window, writes a picture of the window to PNG and
# ends the program. Needs xdotool and imagemagick.
qz_window_screenshot() {
    local program=$1 png=$2
    "$program" &
    local pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^QZ TALVEX WIN32 DLL - demo$' |
        head -n1)
    # Let the first paint reach the server before reading the window back.
    sleep 1
    import -window "$window" "$png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
