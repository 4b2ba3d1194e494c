# Sourced by the scripts that drive the real program under Xvfb.
# start_window_manager NAME starts that window manager (none when NAME is
# empty) in the current X server and waits until it manages windows, as on
# a user's desktop; it ends with the X server.
start_window_manager() {
    [[ -n "${1:-}" ]] || return 0
    "$1" >/dev/null 2>&1 &
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "FAIL: the window manager $1 did not start"
    exit 1
}
