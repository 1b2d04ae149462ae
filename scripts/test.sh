#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
qz_need "${QZ_BUILD_PACKAGES[@]}" googletest libgtest-dev libbenchmark-dev libuv1-dev binutils dpkg-dev \
    mingw-w64 wine64 xvfb "${QZ_XVFB_PACKAGES[@]}" libx11-dev libxfixes3

build=${QZ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2

# The same suite under sanitizers, and the parsers under a fuzzer.
QZ_BUILD_DIR="$build" bash scripts/test-sanitizers.sh
