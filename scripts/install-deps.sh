#!/usr/bin/env bash
# Installs the Debian packages the program needs that are missing.
#   scripts/install-deps.sh         what `make run` needs
#   scripts/install-deps.sh --test  what `make test` needs as well (the
#                                   install test validates the desktop files;
#                                   the smoke tests run under openbox too; the
#                                   install test reads the manual page with man;
#                                   the accessibility test reads the program
#                                   through the accessibility bus)
#   scripts/install-deps.sh --fuzz  what `make fuzz` needs as well
#   scripts/install-deps.sh --screenshot  what scripts/screenshot.sh needs
set -euo pipefail

packages=(cmake make g++ qt6-base-dev libgl-dev libx11-dev fonts-dejavu-core fonts-liberation2 fonts-freefont-ttf)
case "${1:-}" in
--test) packages+=(xvfb xauth xdotool x11-utils openbox desktop-file-utils appstream man-db
    dbus dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0) ;;
--fuzz) packages+=(clang libclang-rt-14-dev) ;;
--screenshot) packages+=(xvfb xauth xdotool imagemagick) ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install=(apt-get install -y --no-install-recommends "${missing[@]}")
if [[ $(id -u) -eq 0 ]]; then
    runner=()
elif command -v sudo >/dev/null 2>&1; then
    runner=(sudo)
else
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get update && ${install[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${runner[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${runner[@]}" "${install[@]}"
