#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as the only client of a private, headless Weston compositor, natively on
# Wayland, and stops the compositor afterwards:
#   tests/with_weston.sh command [arguments...]
set -eu

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=rakamlik-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT

tries=0
while [ ! -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston" 2>/dev/null; then
        echo "Weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
