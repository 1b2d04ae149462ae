#!/usr/bin/env bash
# Runs a command with DISPLAY on a private Xvfb and ends the server after it.
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
qz_xvfb_start
trap qz_xvfb_stop EXIT
status=0
"$@" || status=$?
exit "$status"
