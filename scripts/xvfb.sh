# A private X server for machines without a display, and for tests.
# qz_xvfb_start starts Xvfb on a free display number (the server picks it and
# reports it once it accepts clients) and exports DISPLAY; qz_xvfb_stop ends
# that server. Needs the xvfb package.
qz_xvfb_start() {
    coproc QZ_XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
    QZ_XVFB_SERVER=$QZ_XVFB_PID
    local number
    if ! read -r number <&"${QZ_XVFB[0]}"; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

qz_xvfb_stop() {
    [ -n "${QZ_XVFB_SERVER:-}" ] || return 0
    kill "$QZ_XVFB_SERVER" 2>/dev/null || true
    wait "$QZ_XVFB_SERVER" 2>/dev/null || true
    QZ_XVFB_SERVER=
}
