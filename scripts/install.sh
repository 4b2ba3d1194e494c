#!/usr/bin/env bash
# Installs the program for the current user, without root, or removes it.
#   scripts/install.sh install <davovo executable> <folder with 32.png 48.png 64.png 128.png> \
#       <davovo-table executable>
#   scripts/install.sh uninstall
# The program keeps its settings and notes beside its executable, so it goes
# into a folder of its own that the user can write, with the command on the
# path a link to it; the command-line tool davovo-table goes beside it, with
# its manual page where man finds it from ~/.local/bin. Every file and folder installed is listed in that
# folder, and uninstall removes exactly those; the settings and notes files
# stay, and with them the program's folder.
set -euo pipefail

id=org.davovo.DereDavovo
source_dir=$(cd "$(dirname "$0")/.." && pwd)
program_dir="$HOME/.local/lib/davovo"
bin_dir="$HOME/.local/bin"
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}"
# man looks beside the folders on the PATH, not in XDG_DATA_HOME.
man_dir="$HOME/.local/share/man/man1"
manifest="$program_dir/installed-files"

# A path as one argument of a desktop entry's Exec key: quoted, with the
# characters that need it escaped, then escaped again as a string value.
exec_argument() {
    local quoted=$1
    quoted=${quoted//\\/\\\\}
    quoted=${quoted//\"/\\\"}
    quoted=${quoted//\`/\\\`}
    quoted=${quoted//\$/\\\$}
    quoted="\"$quoted\""
    quoted=${quoted//\\/\\\\}
    printf '%s' "${quoted//%/%%}"
}

# A path as a string value of a desktop entry.
string_value() {
    printf '%s' "${1//\\/\\\\}"
}

# The manifest lists one "file <path>" line per file installed and one
# "folder <path>" line per folder install made, in the order made.
remove_listed() {
    [[ -f "$manifest" ]] || return 0
    local kind path folders=()
    while IFS=' ' read -r kind path; do
        case "$kind" in
        file) rm -f -- "$path" ;;
        folder) folders=("$path" "${folders[@]}") ;;
        esac
    done <"$manifest"
    rm -f -- "$manifest"
    # Folders go only when nothing else is in them, such as the settings.
    for path in "${folders[@]}"; do
        rmdir -- "$path" 2>/dev/null || true
    done
}

install_program() {
    local executable=$1 icons=$2 table=$3
    [[ -x "$executable" ]] || { echo "No executable at $executable" >&2; exit 1; }
    [[ -x "$table" ]] || { echo "No executable at $table" >&2; exit 1; }
    for size in 32 48 64 128; do
        [[ -f "$icons/$size.png" ]] || { echo "No icon $icons/$size.png" >&2; exit 1; }
    done
    remove_listed

    local listed=()
    make_folder() { # makes a folder and the missing ones above it, listing each
        [[ -d "$1" ]] && return 0
        make_folder "$(dirname -- "$1")"
        mkdir -- "$1"
        listed+=("folder $1")
    }
    place() { # source, target, mode
        make_folder "$(dirname -- "$2")"
        install -m "$3" -- "$1" "$2"
        listed+=("file $2")
    }
    make_folder "$program_dir"
    place "$executable" "$program_dir/davovo" 755
    make_folder "$bin_dir"
    ln -sfn -- "$program_dir/davovo" "$bin_dir/davovo"
    listed+=("file $bin_dir/davovo")
    place "$table" "$program_dir/davovo-table" 755
    ln -sfn -- "$program_dir/davovo-table" "$bin_dir/davovo-table"
    listed+=("file $bin_dir/davovo-table")
    place "$source_dir/src/cli/davovo-table.1" "$man_dir/davovo-table.1" 644

    local entry
    entry=$(mktemp)
    sed -e "s|@EXEC@|$(exec_argument "$program_dir/davovo" | sed 's/[|&\\]/\\&/g')|" \
        -e "s|@TRYEXEC@|$(string_value "$program_dir/davovo" | sed 's/[|&\\]/\\&/g')|" \
        "$source_dir/desktop/$id.desktop.in" >"$entry"
    place "$entry" "$data_dir/applications/$id.desktop" 644
    rm -f -- "$entry"
    for size in 32 48 64 128; do
        place "$icons/$size.png" "$data_dir/icons/hicolor/${size}x$size/apps/$id.png" 644
    done
    place "$source_dir/desktop/$id.metainfo.xml" "$data_dir/metainfo/$id.metainfo.xml" 644

    printf '%s\n' "${listed[@]}" >"$manifest"
    echo "Installed the program in $program_dir and the commands davovo and davovo-table in $bin_dir."
    [[ ":$PATH:" == *":$bin_dir:"* ]] || echo "Add $bin_dir to your PATH to start it by name."
}

uninstall_program() {
    if [[ ! -f "$manifest" ]]; then
        echo "Nothing to uninstall: $manifest does not exist."
        return 0
    fi
    remove_listed
    if [[ ! -d "$program_dir" ]]; then
        echo "Uninstalled; $program_dir is gone."
    else
        echo "Uninstalled. Your settings and notes stay in $program_dir;"
        echo "remove that folder to remove them too: rm -r $(printf '%q' "$program_dir")"
    fi
}

case "${1:-}" in
install)
    [[ $# -eq 4 ]] || {
        echo "usage: $0 install <davovo executable> <icon folder> <davovo-table executable>" >&2
        exit 2
    }
    install_program "$2" "$3" "$4"
    ;;
uninstall) uninstall_program ;;
*)
    echo "usage: $0 install <davovo executable> <icon folder> <davovo-table executable> | uninstall" >&2
    exit 2
    ;;
esac
