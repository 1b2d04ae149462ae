#!/usr/bin/env bash
# Installs the build into a scratch prefix, builds the example consumer
# against it through its CMake package and through pkg-config, runs both,
# then builds the Debian packages and checks what they hold.
set -euo pipefail
build=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
cd "$work/prefix"
libdir=$(dirname "$(find . -name 'libqztalvex.so.1' | head -n1)")
[ -n "$libdir" ] || fail "no libqztalvex.so.1 installed"
for f in include/qztalvex.h "$libdir/libqztalvex.so" "$libdir/libqztalvex.so.1" \
         "$libdir/pkgconfig/qztalvex.pc" "$libdir/cmake/qztalvex/qztalvexConfig.cmake" \
         "$libdir/cmake/qztalvex/qztalvexConfigVersion.cmake"; do
    [ -e "$f" ] || fail "not installed: $f"
done
[ -L "$libdir/libqztalvex.so" ] && [ -L "$libdir/libqztalvex.so.1" ] || fail "soname links missing"
if [ -d "$(dirname "$examples")/window" ]; then
    for f in bin/talvexview share/applications/talvexview.desktop; do
        [ -e "$f" ] || fail "not installed: $f"
    done
    find share/icons -name 'talvexview.*' | grep -q . || fail "no icon installed"
fi

check_output() {
    local out=$1
    [ "$(grep -c '^' <<<"$out")" -ge 7 ] || fail "short output: $out"
    grep -Eq '^total physical +[1-9][0-9]*$' <<<"$out" || fail "no physical memory in: $out"
}

cmake -S "$examples" -B "$work/by-package" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/by-package" >/dev/null
check_output "$(LD_LIBRARY_PATH="$work/prefix/$libdir" "$work/by-package/figures")"

PKG_CONFIG_PATH="$work/prefix/$libdir/pkgconfig" \
    cmake -S "$examples" -B "$work/by-pkg-config" -DUSE_PKG_CONFIG=ON >/dev/null
cmake --build "$work/by-pkg-config" >/dev/null
check_output "$(LD_LIBRARY_PATH="$work/prefix/$libdir" "$work/by-pkg-config/figures")"

# The Debian packages.
(cd "$build" && cpack -G DEB -B "$work/debs" >/dev/null) || fail "cpack failed"
lib_deb=$(ls "$work"/debs/libqztalvex1_*.deb)
dev_deb=$(ls "$work"/debs/libqztalvex-dev_*.deb)
dpkg-deb -x "$lib_deb" "$work/root"
dpkg-deb -x "$dev_deb" "$work/root"
find "$work/root/usr/lib" -name 'libqztalvex.so.1*' | grep -q . || fail "library package has no library"
[ -e "$work/root/usr/include/qztalvex.h" ] || fail "development package has no header"
if dpkg-deb -f "$lib_deb" Depends | grep -qi qt; then fail "library depends on Qt"; fi
if ls "$work"/debs/talvexview_*.deb >/dev/null 2>&1; then
    win_deb=$(ls "$work"/debs/talvexview_*.deb)
    dpkg-deb -x "$win_deb" "$work/root"
    [ -x "$work/root/usr/bin/talvexview" ] || fail "window package has no program"
    dpkg-deb -f "$win_deb" Depends | grep -q 'libqt6widgets6' || fail "window package lacks its Qt dependency"
fi
echo "install and packages: ok"
