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
