#!/usr/bin/env bash
# The real program as a screen reader sees it: under Xvfb and openbox, in a
# session bus of its own with the accessibility bus started, the program's
# accessibility on, accessibility.py drives it and reads it through AT-SPI.
#   accessibility.sh <davovo binary> <xclose binary> [window manager]
set -uo pipefail
if [[ -z "${DISPLAY:-}" || "${A11Y_INNER:-}" != 1 ]]; then
    A11Y_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/windowmanager.sh"
start_window_manager "${3:-}"
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Desktops start the accessibility bus with the session; here it is done by hand.
launcher=/usr/libexec/at-spi-bus-launcher
[[ -x $launcher ]] || { echo "FAIL: $launcher is missing (at-spi2-core)"; exit 1; }
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null' EXIT
for _ in $(seq 300); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
# Debian's own Python, which holds pyatspi.
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$1" "$2"
