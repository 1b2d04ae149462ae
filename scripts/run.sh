#!/usr/bin/env bash
# Builds the library and the window, prints the memory figures through the
# library and starts the window on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
qz_need "${QZ_BUILD_PACKAGES[@]}"

build=${QZ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build"

"$build/bin/qzfigures"

# The window: on the user's display when there is one. Without a display it
# runs on a private Xvfb, its four buttons are pressed and it is
# photographed, so that a user on a server still sees it at work.
if [ -n "${DISPLAY:-}" ]; then
    qz_need x11-utils
fi
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$build/bin/talvexview"
else
    qz_need "${QZ_XVFB_PACKAGES[@]}"
    source scripts/xvfb.sh
    source scripts/screenshot.sh
    shot="$(cd "$build" && pwd)/talvexview.png"
    qz_xvfb_start
    trap qz_xvfb_stop EXIT
    qz_window_screenshot "$build/bin/talvexview" "$shot"
    echo "no display: the window is on $shot"
fi
