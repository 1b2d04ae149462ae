#!/usr/bin/env bash
# Runs Windows programs under wine64 for the tests, with a wine prefix and an
# X display of their own, both kept in one state directory in the build tree.
#
#   wine.sh start STATE        create the prefix (once), start Xvfb and a
#                              wineserver that outlives single runs
#   wine.sh run STATE PROGRAM [ARGS...]
#   wine.sh stop STATE         stop that wineserver and that Xvfb
set -euo pipefail

command=$1 state=$2
shift 2
mkdir -p "$state"
state=$(cd "$state" && pwd)

export WINEPREFIX=$state/prefix
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wine=/usr/lib/wine/wine64  # Debian's wine wrapper tries the 32-bit loader first
wineserver=/usr/lib/wine/wineserver

display() {
    [ -s "$state/display" ] && export DISPLAY=":$(cat "$state/display")"
}

case $command in
start)
    if [ -s "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
        :
    else
        rm -f "$state/display"
        # Xvfb picks a free display and writes its number once it listens.
        setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
            3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
        echo $! >"$state/xvfb.pid"
        for _ in $(seq 100); do
            [ -s "$state/display" ] && break
            sleep 0.1
        done
        [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    fi
    display
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the wine prefix in $WINEPREFIX"
        "$wine" wineboot --init </dev/null >"$state/wineboot.log" 2>&1
        "$wineserver" --wait
    fi
    # Kept alive between runs, gone a while after the last one even when the
    # stop step never comes. The first program starts wine's own services,
    # which keep the output they inherit open for as long as they live: here
    # that is nobody's.
    "$wineserver" --persistent=300 </dev/null >/dev/null 2>&1 || true
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
run)
    display
    # Through a file, so that nothing wine leaves running holds the caller's
    # output open after the program ends.
    output=$(mktemp "$state/run.XXXXXX")
    trap 'rm -f "$output"' EXIT
    status=0
    "$wine" "$@" </dev/null >"$output" 2>&1 || status=$?
    cat "$output"
    exit $status
    ;;
stop)
    "$wineserver" --kill 2>/dev/null || true
    if [ -s "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
*)
    echo "usage: wine.sh start|run|stop STATE [PROGRAM ARGS...]" >&2
    exit 2
    ;;
esac
