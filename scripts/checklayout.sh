#!/usr/bin/env bash
# Checks the includes under src/ against the layout the folders promise:
#   - a library includes headers of the libraries below it only;
#   - inside grid/ includes flow stringgrid -> input -> transfer -> fill,
#     view -> model, and stringgrid -> access -> model;
#   - no two classes (a header with its .cpp) include each other, directly
#     or around a loop;
#   - colour, notes/rtf and platform/core include no Qt Widgets header. The
#     build already fails on <QWidget>, which is not on their include path;
#     this catches <QtWidgets/QWidget>, which is.
# Prints every breach and exits non-zero when there is one. CTest runs it as
# the test "layout".
#   scripts/checklayout.sh [source tree, by default the one holding this script]
set -euo pipefail
root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
cd "$root/src"

# "file<TAB>included path" for every quoted include.
includes=$(grep -rH --include='*.h' --include='*.cpp' '^#include "' . |
    sed 's|^\./||; s|:#include "\([^"]*\)".*|\t\1|' | sort)

status=0
breaches=$(awk -F '\t' '
    # Libraries, the deepest folder first, and what each may include.
    BEGIN {
        n = split("platform/core platform/gui notes/rtf colour grid about editor settings notes app cli", libs, " ")
        below["platform/core"] = ""
        below["platform/gui"] = "platform/core"
        below["colour"] = "platform/core"
        below["notes/rtf"] = "platform/core"
        below["grid"] = "platform/gui platform/core"
        below["about"] = "platform/gui platform/core"
        below["settings"] = "platform/gui platform/core"
        below["notes"] = "notes/rtf platform/gui platform/core"
        below["editor"] = "grid colour platform/gui platform/core"
        below["app"] = "editor about notes settings grid colour notes/rtf platform/gui platform/core"
        below["cli"] = "colour platform/core"
        # Inside grid/: the parts each part may include besides its own.
        flow["stringgrid"] = "access input transfer fill view model"
        flow["access"] = "model"
        flow["input"] = "transfer fill view model"
        flow["transfer"] = "fill view model"
        flow["fill"] = "model"
        flow["view"] = "model"
        flow["model"] = ""
    }
    function library(path,    i) {
        for (i = 1; i <= n; ++i)
            if (index(path, libs[i] "/") == 1)
                return libs[i]
        return ""
    }
    function gridPart(path,    rest) {
        rest = substr(path, 6)
        return index(rest, "/") ? substr(rest, 1, index(rest, "/") - 1) : "stringgrid"
    }
    function allowed(list, name) {
        return index(" " list " ", " " name " ") > 0
    }
    {
        from = library($1); to = library($2)
        if (from == "") { print $1 ": in no library this check knows"; next }
        if (to == "") { print $1 ": includes " $2 ", which is in no library"; next }
        if (from != to && !allowed(below[from], to))
            print $1 ": " from " may not include " $2
        if (from == "grid" && to == "grid") {
            a = gridPart($1); b = gridPart($2)
            if (!(a in flow)) print $1 ": grid/" a " is no part of the grid this check knows"
            else if (a != b && !allowed(flow[a], b)) print $1 ": grid " a " may not include " $2 " (" b ")"
        }
    }' <<<"$includes")
if [[ -n $breaches ]]; then
    echo "$breaches"
    status=1
fi

# Classes that include each other: the graph of classes (a file without its
# extension) must have an order.
edges=$(awk -F '\t' '{ a = $1; b = $2; sub(/\.[a-z]+$/, "", a); sub(/\.[a-z]+$/, "", b); if (a != b) print a, b }' <<<"$includes")
if ! loop=$(tsort <<<"$edges" 2>&1 >/dev/null) || [[ -n $loop ]]; then
    echo "classes that include each other:"
    echo "$loop"
    status=1
fi

for folder in colour notes/rtf platform/core; do
    if grep -rn --include='*.h' --include='*.cpp' '^#include <QtWidgets' "$folder"; then
        echo "$folder may not use Qt Widgets"
        status=1
    fi
done
exit $status
