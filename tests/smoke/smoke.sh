#!/usr/bin/env bash
# Starts the real program under Xvfb, waits for its start window, closes it
# as a user would, and checks that the program ended with exit code 0.
#   smoke.sh <davovo binary> <xclose binary> [window manager]
set -uo pipefail
if [[ -z "${DISPLAY:-}" || "${SMOKE_INNER:-}" != 1 ]]; then
    SMOKE_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
# A third argument names a window manager to run, as users always have one.
source "$(dirname "$0")/windowmanager.sh"
start_window_manager "${3:-}"
davovo=$1
xclose=$2
unset QT_QPA_PLATFORM

"$davovo" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Aeroth VIR/IDI Dere Davovo - 30SEP01$' | head -n 1)
if [[ -z "$window" ]]; then
    echo "FAIL: the start window did not appear"
    kill "$pid" 2>/dev/null
    exit 1
fi
echo "start window $window is up"
"$xclose" "$window"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end after its start window was closed"
    kill "$pid"
    exit 1
fi
wait "$pid"
rc=$?
if [[ $rc -ne 0 ]]; then
    echo "FAIL: exit code $rc"
    exit 1
fi
echo "PASS: the program ended with exit code 0"
