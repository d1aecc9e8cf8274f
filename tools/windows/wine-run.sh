#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the given prefix, making the prefix first when it is new.
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# A new prefix gets the fonts of Debian's fonts-wine package, which Wine does not load from where
# the package puts them: without them text falls back to a serif face and window buttons show
# letters. The test runner uses this as its emulator; the end-to-end test starts the program
# through it.
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# Without a console window, Qt sends test results and log messages to the debugger; to the
# terminal instead.
export QT_FORCE_STDERR_LOGGING=1
# Tests drawn offscreen find fonts only in a folder of font files: the faces the windows use on
# Linux, through Wine's drive Z:, which is the root of this machine.
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/liberation}
# Wine keeps the QT_ variables from Windows programs, so that a desktop's Qt settings do not
# reach them by accident, and hands on only those named WINEQT_. The tests set theirs on purpose
# (the offscreen platform, a scale factor).
for name in $(compgen -e); do
    [[ "$name" == QT_* ]] && export "WINE$name=${!name}"
done
# No menu entries, file associations or Mono and Gecko installers in a throwaway prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe,mscoree,mshtml=}

if [[ ! -f "$prefix/.ready" ]]; then
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    if [[ ! -f "$prefix/.ready" ]]; then
        wineboot --init >/dev/null 2>&1
        wineserver --wait
        mkdir -p "$prefix/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$prefix/drive_c/windows/Fonts/"
        touch "$prefix/.ready"
    fi
    exec 9>&-
fi
exec wine "$@"
