#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing, and only those.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, plus what the test suite, sanitizers, fuzzing and benchmarks need
#   install-deps.sh windows  that, plus the Windows cross-build and Wine to test it under
# As root it runs apt-get itself; with sudo it asks sudo; otherwise it prints the line to run.
set -euo pipefail

run_packages=(
    cmake make g++
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libfontconfig-dev
    fonts-liberation fonts-dejavu-core
)
test_packages=(
    clang libclang-rt-14-dev clang-format clang-tidy git
    binutils-mingw-w64-x86-64 desktop-file-utils appstream
    xvfb xauth xdotool imagemagick libx11-dev openbox
    dbus-daemon at-spi2-core python3-pyatspi qt6-gtk-platformtheme weston qt6-wayland
)
windows_packages=(
    g++-mingw-w64-x86-64-posix dpkg-dev ninja-build perl wine wine64 fonts-wine advancecomp
)

packages=("${run_packages[@]}")
case "${1:-run}" in
    run) ;;
    test) packages+=("${test_packages[@]}") ;;
    windows) packages+=("${test_packages[@]}" "${windows_packages[@]}") ;;
    *) echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

install_line="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    bash -c "$install_line"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo bash -c "$install_line"
else
    echo "Missing packages; run as root:" >&2
    echo "  $install_line" >&2
    exit 1
fi
