#!/usr/bin/env bash
# Makes the README's picture of the editor: the real program under Xvfb opens
# a generated SPL file through its own windows, and the editor window is
# captured as a PNG.
#   scripts/screenshot.sh <davovo binary> <output.png>
set -euo pipefail
if [[ "${SCREENSHOT_INNER:-}" != 1 ]]; then
    "$(dirname "$0")/install-deps.sh" --screenshot
    SCREENSHOT_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
[[ $# -eq 2 ]] || { echo "usage: $0 <davovo binary> <output.png>" >&2; exit 2; }
output=$(realpath -m "$2")
unset QT_QPA_PLATFORM

work=$(mktemp -d)
pid=
trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
# The settings file lives beside the executable: run a copy in its own folder.
cp "$1" "$work/davovo"
mkdir "$work/Palettes"
spl="$work/Palettes/desert.spl"
# A 68-byte header, then 246 entries sweeping through the hues every 18
# entries, each sweep darker than the one before, and a fourth byte counting.
perl -e '
    print "\0" x 68;
    for my $i (0 .. 245) {
        my $h = ($i % 18) / 3;
        my ($v, $s, $f) = (1 - int($i / 18) * 0.06, 0.8, $h - int($h));
        my ($p, $q, $t) = map { int(255 * $v * $_) } (1 - $s), (1 - $s * $f), (1 - $s * (1 - $f));
        my $w = int(255 * $v);
        my $rgb = ([$w, $t, $p], [$q, $w, $p], [$p, $w, $t], [$p, $q, $w], [$t, $p, $w], [$w, $p, $q])[int($h)];
        print pack "C4", @$rgb, $i % 256;
    }
    print "\0" x 200;' >"$spl"
printf '[settings]\nstartdir=%s\n' "$work/Palettes" >"$work/rozirazuz.INI"

window() { # waits for a visible window whose title matches exactly
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        if [[ -n "$id" ]]; then
            sleep 0.5
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "The window \"$1\" did not appear" >&2
    return 1
}

"$work/davovo" &
pid=$!
start=$(window 'Aeroth VIR/IDI Dere Davovo - 30SEP01')
xdotool mousemove --window "$start" 180 196 click 1
editor=$(window 'Click Open to Start\.')
xdotool mousemove --window "$editor" 20 8 click 1
window 'Open SPL or PAL file' >/dev/null
xdotool type --delay 20 "$spl"
xdotool key Return
editing=$(window "Editing ${spl//./\\.}")
# The pointer away from the grid, the current cell's focus mark settled.
xdotool mousemove 1200 1000
sleep 1
import -window "$editing" "$work/editor.png"
convert "$work/editor.png" -strip -define png:compression-level=9 "$output"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
echo "Wrote $output"
