#!/usr/bin/env bash
# talvexview's actions as a user meets them, on the X server in $DISPLAY:
#  - a real mouse click on "Get Memory Size", sent from outside with xdotool,
#    changes the memory lines on the screen, with the program run from the
#    build tree and from an installed copy (each finds the library itself);
#  - with no library to find, or a library lacking qzProcSpeed, the action
#    reports the error in a message box and the program ends with a
#    non-zero status once the box is closed.
# Usage: actions_program_test.sh BUILD_DIR TALVEXVIEW WITHOUT_SPEED_DIR X_CLOSE_WINDOW
set -euo pipefail
build=$1
program=$2
without_speed=$3
close_window=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Centres of the controls in client pixels (96 dots per inch: twips / 15).
COMMAND1=(96 156)
LABEL16=(96 120)
# Label1 to Label7: the memory lines.
MEMORY_LINES=(16 192 177 114)

# Starts the program with the given environment, leaving pid and window set.
start() {
    env "$@" >"$work/stderr" 2>&1 &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" \
        --name '^QZ TALVEX WIN32 DLL - demo$' | head -n1) || fail "no window from: $*"
}

click() { xdotool mousemove --sync --window "$window" "$1" "$2" click 1; }

# The client area's region x y w h as the X server shows it.
shoot() {
    local x y
    x=$(xwininfo -id "$window" | awk '/Absolute upper-left X:/{print $4}')
    y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y:/{print $4}')
    import -window root -crop "$3x$4+$((x + $1))+$((y + $2))" +repage "$5"
}

finish() {
    "$close_window" "$window" >/dev/null
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "exit status $status after the close box"
}

# A click on "Get Memory Size" changes the memory lines on the screen.
memory_lines_change() {
    start "$@"
    sleep 0.5  # the first frame reaches the server
    shoot "${MEMORY_LINES[@]}" "$work/before.png"
    click "${COMMAND1[@]}"
    local changed=0
    for _ in $(seq 50); do
        shoot "${MEMORY_LINES[@]}" "$work/after.png"
        diff=$(compare -metric AE "$work/before.png" "$work/after.png" /dev/null 2>&1 || true)
        if [ "${diff%% *}" != 0 ]; then changed=1; break; fi
        sleep 0.2
    done
    [ "$changed" -eq 1 ] || fail "memory lines unchanged after the click: $*"
    kill -0 "$pid" 2>/dev/null || fail "program ended after the click: $(cat "$work/stderr")"
    finish
}

# The action that needs what is missing reports it and ends the program.
ends_with_report() {
    local what=$1 x=$2 y=$3
    shift 3
    start "$@"
    click "$x" "$y"
    # The message box: the program's other visible window, titled talvexview.
    local box= id
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            [ "$id" != "$window" ] && [ "$(xdotool getwindowname "$id")" = talvexview ] && box=$id
        done
        [ -n "$box" ] && break
        sleep 0.2
    done
    [ -n "$box" ] || fail "no message box: $(cat "$work/stderr")"
    grep -qF "$what" "$work/stderr" || fail "report lacks '$what': $(cat "$work/stderr")"
    "$close_window" "$box" >/dev/null
    local status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -ne 0 ] || fail "exit status 0 after: $what"
}

memory_lines_change env -u LD_LIBRARY_PATH "$program"

cmake --install "$build" --prefix "$work/prefix" --component library >/dev/null
cmake --install "$build" --prefix "$work/prefix" --component window >/dev/null
memory_lines_change env -u LD_LIBRARY_PATH "$work/prefix/bin/talvexview"

# The program alone, with no library beside it, on the search path or in
# the loader's cache.
if ldconfig -p | grep -q 'libqztalvex\.so\.1 '; then
    echo "skipped the missing library: the system has one installed"
else
    mkdir -p "$work/alone/bin"
    cp "$program" "$work/alone/bin/"
    ends_with_report 'The library "qztalvex" (libqztalvex.so.1) could not be loaded' "${COMMAND1[@]}" \
        env -u LD_LIBRARY_PATH "$work/alone/bin/talvexview"
fi
ends_with_report 'The function "qzProcSpeed" was not found' "${LABEL16[@]}" \
    LD_LIBRARY_PATH="$without_speed" "$program"
echo "talvexview: clicks change the screen; missing library and function end the program"
