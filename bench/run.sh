#!/usr/bin/env bash
# Builds the benchmarks in the test command's build and prints the table:
# every export against its floor and its peer, medians of repetitions, then
# the window's own figures.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
qz_need "${QZ_BUILD_PACKAGES[@]}" libbenchmark-dev libuv1-dev

build=${QZ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target qztalvex_bench window_probe
"$build/bin/qztalvex_bench" "$@"
echo
echo "window (offscreen):"
"$build/bin/window_probe"
