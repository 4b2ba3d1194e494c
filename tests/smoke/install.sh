#!/usr/bin/env bash
# Installs the program for a user whose home is a scratch folder (with a
# blank in its name), checks and validates every installed file, starts the
# program from its menu entry and from the command on the path under Xvfb,
# runs davovo-table from the path without a display and reads its manual
# page with man, then uninstalls and checks that exactly the installed files are gone and
# the settings and notes beside the executable are left.
#   install.sh <install script> <davovo binary> <icon folder> <xclose binary> <davovo-table binary>
set -uo pipefail
if [[ -z "${DISPLAY:-}" || "${INSTALL_INNER:-}" != 1 ]]; then
    INSTALL_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
installer=$1
binary=$2
icons=$3
xclose=$4
table=$5
unset QT_QPA_PLATFORM XDG_DATA_HOME

scratch=$(mktemp -d)
pid=
trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
export HOME="$scratch/home of a pilot"
mkdir -p "$HOME" "$scratch/files"
id=org.davovo.DereDavovo
program="$HOME/.local/lib/davovo"
data="$HOME/.local/share"

fail() {
    echo "FAIL: $*"
    exit 1
}
files() { # every file and link under the home, sorted
    (cd "$HOME" && find . \( -type f -o -type l \) | sort)
}
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
    return 1
}
ends() { # waits for the program to end after its window was closed
    "$xclose" "$1"
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end when its window was closed"
    wait "$pid"
    local rc=$?
    pid=
    [[ $rc -eq 0 ]] || fail "exit code $rc"
}

"$installer" install "$binary" "$icons" "$table" || fail "install failed"
expected=$(printf '%s\n' ./.local/bin/davovo ./.local/lib/davovo/davovo ./.local/lib/davovo/installed-files \
    ./.local/bin/davovo-table ./.local/lib/davovo/davovo-table ./.local/share/man/man1/davovo-table.1 \
    "./.local/share/applications/$id.desktop" "./.local/share/metainfo/$id.metainfo.xml" \
    "./.local/share/icons/hicolor/"{32x32,48x48,64x64,128x128}"/apps/$id.png" | sort)
[[ "$(files)" == "$expected" ]] || fail "installed files differ: $(files)"
[[ "$(readlink -f "$HOME/.local/bin/davovo")" == "$program/davovo" ]] ||
    fail "the command on the path does not lead to the program's folder"
cmp -s "$binary" "$program/davovo" || fail "the installed program is not the one built"
cmp -s "$table" "$program/davovo-table" || fail "the installed davovo-table is not the one built"

# The command-line tool by name, without a display, and its manual page as
# man finds it from the path.
version=$(env -u DISPLAY PATH="$HOME/.local/bin:$PATH" davovo-table --version) ||
    fail "davovo-table did not run from the path"
[[ "$version" == "davovo-table "[0-9]* ]] || fail "davovo-table --version printed: $version"
[[ "$(PATH="$HOME/.local/bin:$PATH" man -w davovo-table)" == "$data/man/man1/davovo-table.1" ]] ||
    fail "man does not find the manual page from the path"
warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$data/man/man1/davovo-table.1" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "the manual page does not render cleanly: $warnings"
LC_ALL=C.UTF-8 man -l "$data/man/man1/davovo-table.1" 2>/dev/null | grep -q "davovo-table apply" ||
    fail "the manual page renders without its text"

desktop-file-validate "$data/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$data/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "the metainfo is not valid: $(appstreamcli validate --no-net "$data/metainfo/$id.metainfo.xml")"
for size in 32 48 64 128; do
    png="$data/icons/hicolor/${size}x$size/apps/$id.png"
    # A PNG's width and height are the two big-endian numbers at bytes 16 to 23.
    dims=$(perl -e 'open F, "<", $ARGV[0]; binmode F; read F, $_, 24; print join "x", unpack "x16 N N"' "$png")
    [[ "$dims" == "${size}x$size" ]] || fail "icon $size is $dims"
done
grep -qx "Icon=$id" "$data/applications/$id.desktop" || fail "the entry names another icon"

# The settings and notes live beside the executable.
printf '[settings]\nstartdir=%s\n' "$scratch/files" >"$program/rozirazuz.INI"
printf '{\\rtf1 notes}' >"$program/colorinfo.txt"

# From the menu entry: its Exec line, as a launcher splits it.
exec_line=$(sed -n 's/^Exec=//p' "$data/applications/$id.desktop")
exec_line=${exec_line//\\\\/\\}
eval "command=($exec_line)"
"${command[@]}" &
pid=$!
start=$(window 'Aeroth VIR/IDI Dere Davovo - 30SEP01') || fail "the menu entry did not start the program"
xdotool mousemove --window "$start" 180 196 click 1
editor=$(window 'Click Open to Start\.') || fail "the editor window did not appear"
xdotool mousemove --window "$editor" 20 8 click 1
# With the settings found beside the executable, Open asks for no folder.
dialog=$(window 'Open SPL or PAL file') || fail "Open did not find the settings beside the executable"
xdotool key --window "$dialog" Escape
sleep 0.5
ends "$editor"

# From the path, by name.
PATH="$HOME/.local/bin:$PATH" davovo &
pid=$!
start=$(window 'Aeroth VIR/IDI Dere Davovo - 30SEP01') || fail "the command on the path did not start the program"
ends "$start"

before=$(files)
"$installer" uninstall || fail "uninstall failed"
for file in $expected; do
    [[ ! -e "$HOME/$file" && ! -L "$HOME/$file" ]] || fail "$file is still there"
done
left=$(comm -23 <(echo "$before") <(echo "$expected"))
[[ "$(files)" == "$left" ]] || fail "uninstall removed other files: $(comm -13 <(files) <(echo "$left"))"
[[ -f "$program/rozirazuz.INI" && -f "$program/colorinfo.txt" ]] || fail "the settings or notes are gone"
[[ -z "$(find "$HOME/.local/share" -mindepth 1)" ]] || fail "folders made by install are left"
echo "PASS: installed, validated, started from the menu entry and the path, ran davovo-table and read its manual page, uninstalled; settings and notes kept"
