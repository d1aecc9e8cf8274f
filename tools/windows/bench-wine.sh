#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The start-up benchmark of the Windows program under Wine: the floors cross-built the same way
# as the program, each started through Wine in a prefix of the benchmark's own, with Wine's
# server kept running between starts as it is on a desktop that has run a Windows program
# before. Prints the exe's size, then startbench's table.
#   bench-wine.sh WINDOWS_BUILD_DIR BENCH_BUILD_DIR RUNS
set -euo pipefail
build=$(cd "$1" && pwd)
bench=$(cd "$2" && pwd)
runs=$3
here=$(cd "$(dirname "$0")" && pwd)

cmake --build "$build" --target tintforge bench_floor bench_floor_text bench_floor_controls >/dev/null
exe=$(find "$build" -maxdepth 1 -name '*Tintforge.exe' | head -n 1)
printf '\nWindows: "%s" is %s bytes (%s MiB), stripped.\n' "$(basename "$exe")" \
    "$(stat -c %s "$exe")" "$(awk -v b="$(stat -c %s "$exe")" 'BEGIN { printf "%.1f", b / 1048576 }')"

# startbench starts each program by its path alone: one small launcher for each.
prefix="$bench/wineprefix"
launchers="$bench/wine"
mkdir -p "$launchers"
programs=()
for program in bench_floor bench_floor_text bench_floor_controls "$(basename "$exe" .exe)"; do
    launcher="$launchers/${program// /_}.exe"
    printf '#!/bin/sh\nexec "%s" "%s" "%s" 2>/dev/null\n' "$here/wine-run.sh" "$prefix" "$build/$program.exe" \
        >"$launcher"
    chmod +x "$launcher"
    programs+=("$launcher")
done

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
printf 'Start-up under Wine (%s), %s runs each:\n' "$(wine --version 2>/dev/null)" "$runs"
xvfb-run -a -s "-screen 0 ${XVFB_SCREEN:?the Makefile names the screen}" sh -c '
    "$1" "$2" wineboot.exe >/dev/null 2>&1
    WINEPREFIX="$2" wineserver -p
    shift 2
    exec "$@"' sh "$here/wine-run.sh" "$prefix" "$bench/startbench" "$runs" "${programs[@]}"
