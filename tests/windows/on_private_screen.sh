#!/usr/bin/env bash
# Runs a command on a private Xvfb screen, then ends every Wine process of WINEPREFIX and the screen: a
# Windows program left on a screen that goes away may never end.
#
#   bash on_private_screen.sh COMMAND [ARGUMENT…]
#
# Exits with the command's status, or 77 (skipped) when Xvfb is missing.
set -euo pipefail

readonly SKIPPED=77
command -v Xvfb >/dev/null || {
    echo "SKIPPED: Xvfb is not installed (Debian package xvfb)"
    exit "$SKIPPED"
}

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [[ -n "${WINEPREFIX:-}" ]] && command -v wineserver >/dev/null; then wineserver -k 2>/dev/null || true; fi
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 200; i++)); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || {
        echo "FAILED: Xvfb did not start: $(cat "$work/xvfb.log")"
        exit 1
    }
    sleep 0.1
done
[[ -s "$work/display" ]] || {
    echo "FAILED: Xvfb gave no display number"
    exit 1
}
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY
echo "Xvfb on display $DISPLAY"

status=0
"$@" || status=$?
exit "$status"
