#!/usr/bin/env bash
# talvexview as built: its version record read from the file, its window on
# the X server in $DISPLAY (title, size, centred, icon), and the exit status
# after its close box is pressed. Usage: program_test.sh TALVEXVIEW X_CLOSE_WINDOW
set -euo pipefail
program=$1
close_window=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

record=$(readelf -p .talvexview.version "$program")
for entry in FileVersion=1.0.0.0 ProductVersion=1.0.0.0 FileVersionText=1.00 \
             ProductVersionText=1.00 InternalName=talvexview; do
    grep -q "  $entry\$" <<<"$record" || fail "version record lacks $entry"
done

"$program" --style windows -platform offscreen &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^QZ TALVEX WIN32 DLL - demo$' | head -n1) ||
    fail "no window appeared"

info=$(xwininfo -id "$window")
read -r root_w root_h < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
grep -q "Width: 732$" <<<"$info" || fail "client width: $info"
grep -q "Height: 543$" <<<"$info" || fail "client height: $info"
x=$(awk '/Absolute upper-left X:/{print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/{print $4}' <<<"$info")
[ $((2 * x + 732 - root_w)) -ge -1 ] && [ $((2 * x + 732 - root_w)) -le 1 ] || fail "not centred: x $x"
[ $((2 * y + 543 - root_h)) -ge -1 ] && [ $((2 * y + 543 - root_h)) -le 1 ] || fail "not centred: y $y"
# The window's icon reaches the X server in both sizes (width, height, pixels).
icon=$(xprop -id "$window" -notype 32c _NET_WM_ICON)
grep -Eq '= 16, 16,|, 16, 16,' <<<"$icon" || fail "no 16 x 16 icon"
grep -Eq '= 32, 32,|, 32, 32,' <<<"$icon" || fail "no 32 x 32 icon"

"$close_window" "$window"
status=0
wait "$pid" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "exit status $status after the close box"
echo "talvexview: version record, window and close box as expected"
