#!/usr/bin/env bash
# One real editing pass with the real program under Xvfb: a settings file
# beside the executable names the start folder, the open dialog opens a
# generated SPL file named without an extension (typed as it stands), a
# negative value is typed key by key into the grid, Save writes it, and the
# file's bytes are compared with what they must be.
#   journey.sh <davovo binary> <xclose binary> [window manager]
set -uo pipefail
if [[ -z "${DISPLAY:-}" || "${JOURNEY_INNER:-}" != 1 ]]; then
    JOURNEY_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
# A third argument names a window manager to run, as users always have one.
source "$(dirname "$0")/windowmanager.sh"
start_window_manager "${3:-}"
xclose=$2
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=
# The settings file lives beside the executable: run a copy in its own folder.
cp "$1" "$work/davovo"
mkdir "$work/files"
spl="$work/files/terrain"
# 1200 bytes, byte n = (n * 7 + 3) mod 256.
perl -e 'print join "", map { chr(($_ * 7 + 3) % 256) } 0 .. 1199' > "$spl"
cp "$spl" "$work/before.spl"
printf '[settings]\nstartdir=%s\n' "$work/files" > "$work/rozirazuz.INI"

fail() {
    echo "FAIL: $*"
    # A picture of the screen helps to see where it went wrong.
    if [[ -n "${JOURNEY_SHOT:-}" ]] && command -v import >/dev/null; then
        import -window root "$JOURNEY_SHOT"
    fi
    exit 1
}
window() { # waits for a visible window whose title matches exactly
    # Polled: a search that meets a window being destroyed fails at once.
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        if [[ -n "$id" ]]; then
            sleep 0.5 # let it take the focus and settle
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
click() { # window, x, y in the window's own pixels
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

"$work/davovo" &
pid=$!

start=$(window 'Aeroth VIR/IDI Dere Davovo - 30SEP01') || true
[[ -n "$start" ]] || fail "the start window did not appear"
click "$start" 180 196 # "Click to Open File Editor"

editor=$(window 'Click Open to Start\.') || true
[[ -n "$editor" ]] || fail "the editor window did not appear"
click "$editor" 20 8 # "Open", first on the menu bar

dialog=$(window 'Open SPL or PAL file') || true
[[ -n "$dialog" ]] || fail "the open dialog did not appear"
xdotool type --delay 20 "$spl"
xdotool key Return

editing=$(window "Editing ${spl//./\\.}") || true
[[ -n "$editing" ]] || fail "the editor did not open $spl"

# A click on the current cell, Red of entry 0, opens its editor with the
# text selected: type over it key by key and confirm. "-" alone is no
# number yet, and no error box may take the keys that follow.
click "$editing" 75 50
xdotool type --delay 150 -- "-5"
sleep 0.5
box=$(xdotool search --onlyvisible --name '^Aeroth VIR/IDI Dere Davovo$' 2>/dev/null | head -n 1)
[[ -z "$box" ]] || fail "an error box interrupted the typing"
xdotool key Return
sleep 0.5
# "Save" is the third command on the menu bar.
save_x=${JOURNEY_SAVE_X:-156}
click "$editing" "$save_x" 8

perl -e 'open F, "<", $ARGV[0]; binmode F; local $/; $_ = <F>; substr($_, 68, 1) = chr(251); print' \
    "$work/before.spl" > "$work/expected.spl"
for _ in $(seq 50); do
    cmp -s "$spl" "$work/expected.spl" && break
    sleep 0.2
done
cmp "$spl" "$work/expected.spl" || fail "the saved file differs from the expected bytes"

"$xclose" "$editing"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when its editor was closed"
wait "$pid"
rc=$?
pid=
[[ $rc -eq 0 ]] || fail "exit code $rc"
echo "PASS: opened $spl as typed, typed -5, saved through the real windows; only byte 68 changed (251)"
