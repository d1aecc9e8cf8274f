#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows test program under Wine as a standard user would run it: an account without
# rights over the game's folder, in a Wine prefix of its own whose folder for 32-bit programs
# holds the game's user folder, made by another account, as Windows' program folders belong to
# the administrators. As root that account is nobody; anyone else runs it as themselves, with
# the game's folder made read-only. Fails when the program skipped anything, which means the
# layout was not what it needed.
#   standard-user.sh WINE-RUN FOLDER PROGRAM.exe [TEST ARGUMENTS...]
set -euo pipefail
wine_run=$1
folder=$2
shift 2

run_as_user=()
if [[ $(id -u) -eq 0 ]]; then
    run_as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
mkdir -p "$folder/home"
[[ $(id -u) -eq 0 ]] && chown nobody:nogroup "$folder" "$folder/home"
prefix=$folder/wine
as_user() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u XAUTHORITY HOME="$folder/home" \
        "${run_as_user[@]}" "$@"
}
# The prefix is made by its user, once.
as_user "$wine_run" "$prefix" wineboot.exe >/dev/null 2>&1

# The game as its installer leaves it, with its own settings; no copies in VirtualStore yet.
game=$prefix/drive_c/Program\ Files\ \(x86\)/Raven
rm -rf "$game" "$prefix"/drive_c/users/*/AppData/Local/VirtualStore
mkdir -p "$game/SOF/user"
printf '//old script\r\n' >"$game/SOF/user/color.cfg"
printf 'seta name "Player"\r\nbind x "+attack"\r\n' >"$game/SOF/user/config.cfg"
if [[ $(id -u) -eq 0 ]]; then
    chmod -R u=rwX,go=rX "$game"
else
    chmod -R a-w "$game"
    trap 'chmod -R u+w "$game"' EXIT
fi

output=$(as_user "$wine_run" "$prefix" "$@" 2>&1) && status=0 || status=$?
printf '%s\n' "$output"
if grep -q '^SKIP' <<<"$output"; then
    echo "standard-user.sh: the program skipped a case that needs a standard user" >&2
    exit 1
fi
exit "$status"
