#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a program on a Wayland compositor of its own: a headless weston, in a runtime folder made
# for this run, gone again afterwards.
#   under-weston.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=tintforge-test
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket="$socket" --width=1024 --height=768 \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [[ -S "$runtime/$socket" ]] && break
    sleep 0.1
done
if [[ ! -S "$runtime/$socket" ]]; then
    echo "under-weston.sh: weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
# The headless compositor has no graphics card: the windows draw into shared memory, as on a
# desktop without EGL. Mesa's EGL, where installed, would be loaded for nothing and leave its
# once-only set-up behind as a leak when unloaded.
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$@"
