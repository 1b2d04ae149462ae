#!/usr/bin/env bash
# The test suite again under AddressSanitizer with UndefinedBehaviorSanitizer
# and under ThreadSanitizer, each in a build of its own, and the fuzzers of the
# kernel-text parsers under libFuzzer. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
qz_need clang libclang-rt-14-dev

build=${QZ_BUILD_DIR:-build}
supp=$PWD/scripts/sanitizers
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp"

# Tests of other builds (the Windows DLLs, the installed tree) have nothing
# to gain from these and are left out.
for sanitize in address,undefined thread; do
    dir="$build-${sanitize%%,*}"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
        -DQZ_SANITIZE="$sanitize" >/dev/null
    cmake --build "$dir"
    ctest --test-dir "$dir" --output-on-failure -j2 -E '^windows\.|^install_and_package$'
done

dir="$build-fuzz"
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON -DQZ_LIBRARY_ONLY=ON -DQZ_FUZZ=ON \
    -DQZ_SANITIZE=address,undefined -DQZ_FUZZ_SECONDS="${QZ_FUZZ_SECONDS:-60}" >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2 -L fuzz
